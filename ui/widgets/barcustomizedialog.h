// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <vector>

class Bar;
class BarItem;
class BarLinkList;
class BarManager;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

// The customisation dialog of a BarManager. "Toolbars": shows or hides the toolbars the
// user may close. "Commands": the items by category, and the links of a chosen
// customisable toolbar or submenu, which the user adds to, removes from, reorders and
// splits into groups. "Options": the manager's options. Every change takes effect at once.
class BarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit BarCustomizeDialog(BarManager *manager, QWidget *parent = nullptr);

    // A bar or submenu whose links the user may change, as the target list offers them.
    struct Target {
        QString text;
        BarLinkList *links;
        const BarItem *container; // null for a bar
    };
    const std::vector<Target> &targets() const { return m_targets; }

private:
    QWidget *createToolbarsPage();
    QWidget *createCommandsPage();
    QWidget *createOptionsPage();
    void fillToolbars();
    void fillCommands();
    void fillLinks(int selectRow);
    void showOptions();
    void takeOptions();
    void updateButtons();
    BarLinkList *targetLinks() const;
    BarItem *selectedCommand() const;
    bool wouldNest(const BarItem *item) const;
    void addCommand();
    void removeLink();
    void moveLink(int delta);
    void setBeginGroup(bool beginGroup);

    BarManager *m_manager;
    std::vector<Target> m_targets;
    QListWidget *m_toolbarList = nullptr;
    QListWidget *m_categoryList = nullptr;
    QListWidget *m_commandList = nullptr;
    QComboBox *m_targetCombo = nullptr;
    QListWidget *m_linkList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_moveUpButton = nullptr;
    QPushButton *m_moveDownButton = nullptr;
    QCheckBox *m_beginGroupCheck = nullptr;
    QCheckBox *m_recentFirst = nullptr;
    QCheckBox *m_fullAfterDelay = nullptr;
    QCheckBox *m_largeIcons = nullptr;
    QCheckBox *m_showHint = nullptr;
    QCheckBox *m_shortCutInHint = nullptr;
    QComboBox *m_animations = nullptr;
};
