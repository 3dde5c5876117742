// SPDX-License-Identifier: MIT
#include "ui/widgets/barcustomizedialog.h"

#include "ui/widgets/barlinkaction.h"
#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString plain(QString caption)
{
    // "&&" stands for an ampersand, a single "&" marks the access key.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

QCheckBox *checkBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *push = new QPushButton(text, parent);
    push->setObjectName(name);
    return push;
}

} // namespace

BarCustomizeDialog::BarCustomizeDialog(BarManager *manager, QWidget *parent) : QDialog(parent), m_manager(manager)
{
    setWindowTitle(QStringLiteral("Customize"));
    setObjectName(QStringLiteral("barCustomizeDialog"));

    for (Bar *bar : manager->bars())
        if (!bar->isMainMenu() && bar->hasFlag(Bar::Customizable))
            m_targets.push_back({plain(bar->caption()) + QStringLiteral(" toolbar"), bar->links(), nullptr});
    for (BarItem *item : manager->items())
        if (item->kind() == BarItem::Kind::SubMenu && item->isCustomizable())
            m_targets.push_back({plain(item->caption()) + QStringLiteral(" menu"), item->links(), item});

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(createToolbarsPage(), QStringLiteral("Toolbars"));
    tabs->addTab(createCommandsPage(), QStringLiteral("Commands"));
    tabs->addTab(createOptionsPage(), QStringLiteral("Options"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(manager, &BarManager::barVisibilityChanged, this, &BarCustomizeDialog::fillToolbars);
    connect(manager, &BarManager::optionsChanged, this, &BarCustomizeDialog::showOptions);
    fillToolbars();
    fillCommands();
    fillLinks(-1);
    showOptions();
}

QWidget *BarCustomizeDialog::createToolbarsPage()
{
    auto *page = new QWidget(this);
    m_toolbarList = new QListWidget(page);
    m_toolbarList->setObjectName(QStringLiteral("toolbarList"));
    connect(m_toolbarList, &QListWidget::itemChanged, this, [this](QListWidgetItem *entry) {
        if (Bar *bar = m_manager->bar(entry->data(Qt::UserRole).toInt()))
            m_manager->setBarVisible(bar, entry->checkState() == Qt::Checked);
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Toolbars:"), page));
    layout->addWidget(m_toolbarList);
    return page;
}

QWidget *BarCustomizeDialog::createCommandsPage()
{
    auto *page = new QWidget(this);
    m_categoryList = new QListWidget(page);
    m_categoryList->setObjectName(QStringLiteral("categoryList"));
    m_commandList = new QListWidget(page);
    m_commandList->setObjectName(QStringLiteral("commandList"));
    m_targetCombo = new QComboBox(page);
    m_targetCombo->setObjectName(QStringLiteral("targetCombo"));
    for (const Target &target : m_targets)
        m_targetCombo->addItem(target.text);
    m_linkList = new QListWidget(page);
    m_linkList->setObjectName(QStringLiteral("linkList"));
    m_addButton = button(QStringLiteral("addButton"), QStringLiteral("&Add >>"), page);
    m_removeButton = button(QStringLiteral("removeButton"), QStringLiteral("&Remove"), page);
    m_moveUpButton = button(QStringLiteral("moveUpButton"), QStringLiteral("Move &Up"), page);
    m_moveDownButton = button(QStringLiteral("moveDownButton"), QStringLiteral("Move &Down"), page);
    m_beginGroupCheck = checkBox(QStringLiteral("beginGroupCheck"), QStringLiteral("&Begin a Group"), page);

    connect(m_categoryList, &QListWidget::currentRowChanged, this, &BarCustomizeDialog::fillCommands);
    connect(m_commandList, &QListWidget::currentRowChanged, this, &BarCustomizeDialog::updateButtons);
    connect(m_targetCombo, &QComboBox::currentIndexChanged, this, [this] { fillLinks(-1); });
    connect(m_linkList, &QListWidget::currentRowChanged, this, &BarCustomizeDialog::updateButtons);
    connect(m_addButton, &QPushButton::clicked, this, &BarCustomizeDialog::addCommand);
    connect(m_removeButton, &QPushButton::clicked, this, &BarCustomizeDialog::removeLink);
    connect(m_moveUpButton, &QPushButton::clicked, this, [this] { moveLink(-1); });
    connect(m_moveDownButton, &QPushButton::clicked, this, [this] { moveLink(1); });
    connect(m_beginGroupCheck, &QCheckBox::clicked, this, &BarCustomizeDialog::setBeginGroup);

    {
        const QSignalBlocker blocker(m_categoryList);
        m_categoryList->addItems(m_manager->categories());
        m_categoryList->setCurrentRow(0);
    }

    auto *layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Categories:"), page), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Commands:"), page), 0, 1);
    layout->addWidget(m_targetCombo, 0, 3);
    layout->addWidget(m_categoryList, 1, 0, 6, 1);
    layout->addWidget(m_commandList, 1, 1, 6, 1);
    layout->addWidget(m_addButton, 1, 2);
    layout->addWidget(m_removeButton, 2, 2);
    layout->addWidget(m_moveUpButton, 3, 2);
    layout->addWidget(m_moveDownButton, 4, 2);
    layout->addWidget(m_beginGroupCheck, 5, 2);
    layout->addWidget(m_linkList, 1, 3, 6, 1);
    return page;
}

QWidget *BarCustomizeDialog::createOptionsPage()
{
    auto *page = new QWidget(this);
    m_recentFirst = checkBox(QStringLiteral("menusShowRecentItemsFirst"),
                             QStringLiteral("Menus show recently used commands &first"), page);
    m_fullAfterDelay = checkBox(QStringLiteral("showFullMenusAfterDelay"),
                                QStringLiteral("Show f&ull menus after a short delay"), page);
    m_largeIcons = checkBox(QStringLiteral("largeIcons"), QStringLiteral("&Large icons"), page);
    m_showHint = checkBox(QStringLiteral("showHint"), QStringLiteral("Show Screen&Tips on toolbars"), page);
    m_shortCutInHint = checkBox(QStringLiteral("showShortCutInHint"),
                                QStringLiteral("Show s&hortcut keys in ScreenTips"), page);
    m_animations = new QComboBox(page);
    m_animations->setObjectName(QStringLiteral("menuAnimations"));
    // In the order of the stored animation kinds.
    m_animations->addItems({QStringLiteral("(None)"), QStringLiteral("Random"), QStringLiteral("Unfold"),
                            QStringLiteral("Slide"), QStringLiteral("Fade")});

    for (QCheckBox *box : {m_recentFirst, m_fullAfterDelay, m_largeIcons, m_showHint, m_shortCutInHint})
        connect(box, &QCheckBox::toggled, this, &BarCustomizeDialog::takeOptions);
    connect(m_animations, &QComboBox::currentIndexChanged, this, &BarCustomizeDialog::takeOptions);

    auto *layout = new QFormLayout(page);
    layout->addRow(m_recentFirst);
    layout->addRow(m_fullAfterDelay);
    layout->addRow(m_largeIcons);
    layout->addRow(m_showHint);
    layout->addRow(m_shortCutInHint);
    layout->addRow(QStringLiteral("&Menu animations:"), m_animations);
    return page;
}

void BarCustomizeDialog::fillToolbars()
{
    const QSignalBlocker blocker(m_toolbarList);
    m_toolbarList->clear();
    for (const Bar *bar : m_manager->bars()) {
        if (bar->isMainMenu() || !bar->hasFlag(Bar::Closable))
            continue;
        auto *entry = new QListWidgetItem(plain(bar->caption()), m_toolbarList);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        entry->setCheckState(bar->isVisible() ? Qt::Checked : Qt::Unchecked);
        entry->setData(Qt::UserRole, bar->index());
    }
}

void BarCustomizeDialog::fillCommands()
{
    m_commandList->clear();
    const QListWidgetItem *category = m_categoryList->currentItem();
    if (category != nullptr) {
        for (const BarItem *item : m_manager->items()) {
            if (item->category() != category->text())
                continue;
            auto *entry = new QListWidgetItem(item->icon(), plain(item->caption()), m_commandList);
            entry->setData(Qt::UserRole, item->name());
        }
    }
    updateButtons();
}

void BarCustomizeDialog::fillLinks(int selectRow)
{
    const QSignalBlocker blocker(m_linkList);
    m_linkList->clear();
    if (const BarLinkList *links = targetLinks()) {
        for (const BarLink &link : links->links()) {
            QString text = plain(BarLinkAction::caption(link));
            if (link.beginGroup)
                text.prepend(QStringLiteral("\u2014 "));
            auto *entry = new QListWidgetItem(link.item->icon(), text, m_linkList);
            if (!link.visible)
                entry->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
    }
    m_linkList->setCurrentRow(selectRow);
    updateButtons();
}

void BarCustomizeDialog::showOptions()
{
    const BarOptions &options = m_manager->options();
    const QSignalBlocker b1(m_recentFirst), b2(m_fullAfterDelay), b3(m_largeIcons), b4(m_showHint),
        b5(m_shortCutInHint), b6(m_animations);
    m_recentFirst->setChecked(options.menusShowRecentItemsFirst);
    m_fullAfterDelay->setChecked(options.showFullMenusAfterDelay);
    m_fullAfterDelay->setEnabled(options.menusShowRecentItemsFirst);
    m_largeIcons->setChecked(options.largeIcons);
    m_showHint->setChecked(options.showHint);
    m_shortCutInHint->setChecked(options.showShortCutInHint);
    m_shortCutInHint->setEnabled(options.showHint);
    m_animations->setCurrentIndex(options.menuAnimations);
}

void BarCustomizeDialog::takeOptions()
{
    BarOptions options;
    options.menusShowRecentItemsFirst = m_recentFirst->isChecked();
    options.showFullMenusAfterDelay = m_fullAfterDelay->isChecked();
    options.largeIcons = m_largeIcons->isChecked();
    options.showHint = m_showHint->isChecked();
    options.showShortCutInHint = m_shortCutInHint->isChecked();
    options.menuAnimations = m_animations->currentIndex();
    m_manager->setOptions(options);
    showOptions();
}

BarLinkList *BarCustomizeDialog::targetLinks() const
{
    const int index = m_targetCombo->currentIndex();
    return index >= 0 && index < int(m_targets.size()) ? m_targets[std::size_t(index)].links : nullptr;
}

BarItem *BarCustomizeDialog::selectedCommand() const
{
    const QListWidgetItem *entry = m_commandList->currentItem();
    return entry ? m_manager->item(entry->data(Qt::UserRole).toString()) : nullptr;
}

// Whether linking item into the current target would open a menu inside itself.
bool BarCustomizeDialog::wouldNest(const BarItem *item) const
{
    const int index = m_targetCombo->currentIndex();
    const BarItem *container = index >= 0 ? m_targets[std::size_t(index)].container : nullptr;
    if (container == nullptr || !item->isContainer())
        return false;
    std::vector<const BarItem *> open{item};
    while (!open.empty()) {
        const BarItem *current = open.back();
        open.pop_back();
        if (current == container)
            return true;
        for (const BarLink &link : current->links()->links())
            if (link.item->isContainer())
                open.push_back(link.item);
    }
    return false;
}

void BarCustomizeDialog::updateButtons()
{
    const BarLinkList *links = targetLinks();
    const BarItem *command = selectedCommand();
    const int row = m_linkList->currentRow();
    const bool linkSelected = links && row >= 0 && row < links->count();
    m_addButton->setEnabled(links && command && !wouldNest(command));
    m_removeButton->setEnabled(linkSelected);
    m_moveUpButton->setEnabled(linkSelected && row > 0);
    m_moveDownButton->setEnabled(linkSelected && row + 1 < links->count());
    m_beginGroupCheck->setEnabled(linkSelected);
    m_beginGroupCheck->setChecked(linkSelected && links->at(row).beginGroup);
}

void BarCustomizeDialog::addCommand()
{
    BarLinkList *links = targetLinks();
    BarItem *command = selectedCommand();
    if (!links || !command || wouldNest(command))
        return;
    // After the selected link, or at the end.
    const int row = m_linkList->currentRow();
    const int at = row >= 0 ? row + 1 : links->count();
    links->insert(at, command);
    fillLinks(at);
}

void BarCustomizeDialog::removeLink()
{
    BarLinkList *links = targetLinks();
    const int row = m_linkList->currentRow();
    if (!links || row < 0 || row >= links->count())
        return;
    links->remove(row);
    fillLinks(std::min(row, links->count() - 1));
}

void BarCustomizeDialog::moveLink(int delta)
{
    BarLinkList *links = targetLinks();
    const int row = m_linkList->currentRow();
    const int to = row + delta;
    if (!links || row < 0 || row >= links->count() || to < 0 || to >= links->count())
        return;
    links->move(row, to);
    fillLinks(to);
}

void BarCustomizeDialog::setBeginGroup(bool beginGroup)
{
    BarLinkList *links = targetLinks();
    const int row = m_linkList->currentRow();
    if (!links || row < 0 || row >= links->count())
        return;
    links->setBeginGroup(row, beginGroup);
    fillLinks(row);
}
