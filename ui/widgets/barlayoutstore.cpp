// SPDX-License-Identifier: MIT
#include "ui/widgets/barlayoutstore.h"

#include "core/error.h"
#include "support/inidocument.h"
#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace {

std::string number(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string flag(bool value)
{
    return value ? "1" : "0";
}

std::string text(const QString &value)
{
    return value.toStdString();
}

QString fromText(const std::string &value)
{
    return QString::fromStdString(value);
}

// A whole number as an INI file holds it: optional sign, then decimal digits or
// hexadecimal digits after "$" or "0x".
std::optional<int> readInteger(std::string_view value)
{
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.starts_with('$')) {
        base = 16;
        value.remove_prefix(1);
    } else if (value.starts_with("0x") || value.starts_with("0X")) {
        base = 16;
        value.remove_prefix(2);
    }
    if (value.empty() || value.front() == '-' || value.front() == '+')
        return std::nullopt;
    long long magnitude = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), magnitude, base);
    if (result.ec != std::errc() || result.ptr != value.data() + value.size())
        return std::nullopt;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(signedValue);
}

std::optional<bool> readFlag(std::string_view value)
{
    if (IniDocument::sameName(value, "true"))
        return true;
    if (IniDocument::sameName(value, "false"))
        return false;
    if (const auto integer = readInteger(value))
        return *integer != 0;
    return std::nullopt;
}

const std::string *find(const IniDocument::Section &section, std::string_view key)
{
    const IniDocument::Key *found = section.findKey(key);
    return found ? &found->value : nullptr;
}

int integerOr(const IniDocument::Section &section, std::string_view key, int fallback)
{
    const std::string *value = find(section, key);
    return value ? readInteger(*value).value_or(fallback) : fallback;
}

bool flagOr(const IniDocument::Section &section, std::string_view key, bool fallback)
{
    const std::string *value = find(section, key);
    return value ? readFlag(*value).value_or(fallback) : fallback;
}

// A bar key that is present must read, else the bar cannot be applied.
template<typename T, typename Reader>
void readStrict(const IniDocument::Section &section, std::string_view key, T &target, Reader reader)
{
    const std::string *value = find(section, key);
    if (value == nullptr)
        return;
    const auto read = reader(*value);
    if (!read)
        throw kestrun::Error("Invalid value \"" + *value + "\" for " + std::string(key));
    target = *read;
}

void checkRange(int value, int low, int high, std::string_view key)
{
    if (value < low || value > high)
        throw kestrun::Error("Invalid value " + number(value) + " for " + std::string(key));
}

// Restores the manager's "show changes" state even when a step fails.
class UpdateScope {
public:
    explicit UpdateScope(BarManager &manager) : m_manager(manager) { m_manager.beginUpdate(); }
    ~UpdateScope() { m_manager.endUpdate(); }
    UpdateScope(const UpdateScope &) = delete;
    UpdateScope &operator=(const UpdateScope &) = delete;

private:
    BarManager &m_manager;
};

} // namespace

void BarLayoutStore::load(const IniDocument &document, const QString &prefix)
{
    const std::string p = text(prefix);
    UpdateScope scope(m_manager);

    std::optional<int> barCount;
    if (const IniDocument::Section *main = document.findSection(p + "Main")) {
        BarOptions options = m_manager.options();
        const auto readOption = [main](std::string_view key, bool &target) {
            if (const std::string *value = find(*main, key))
                target = readFlag(*value).value_or(target);
        };
        readOption("MenusShowRecentItemsFirst", options.menusShowRecentItemsFirst);
        readOption("ShowFullMenusAfterDelay", options.showFullMenusAfterDelay);
        readOption("LargeIcons", options.largeIcons);
        if (const std::string *value = find(*main, "MenuAnimations")) {
            const auto animation = readInteger(*value);
            if (animation && *animation >= BarOptions::NoAnimation && *animation <= BarOptions::FadeAnimation)
                options.menuAnimations = *animation;
        }
        readOption("ShowHint", options.showHint);
        readOption("ShowShortCutInHint", options.showShortCutInHint);
        m_manager.setOptions(options);
        if (const std::string *value = find(*main, "BarCount"))
            barCount = readInteger(*value);
    }

    if (barCount && *barCount >= 0) {
        for (Bar *bar : m_manager.bars())
            m_manager.setBarVisible(bar, false);
        for (int i = 0; i < *barCount; ++i) {
            const std::string sectionName = p + "Bar" + number(i);
            const IniDocument::Section *section = document.findSection(sectionName);
            if (section == nullptr)
                continue;
            const std::string *row = find(*section, "Row");
            const std::optional<int> rowValue = row ? readInteger(*row) : std::nullopt;
            if (!rowValue || *rowValue < -999)
                continue;
            Bar *bar = m_manager.bar(i);
            if (bar == nullptr) {
                QString name = QStringLiteral("CustomBar") + fromText(number(m_manager.barCount()));
                while (m_manager.bar(name))
                    name += QLatin1Char('_');
                bar = m_manager.addToolBar(name, name, *rowValue);
            }
            try {
                applyBar(document, sectionName, bar);
            } catch (const kestrun::Error &) {
                m_manager.setBarVisible(bar, true);
            }
        }
    }

    for (BarItem *item : m_manager.items()) {
        if (!item->isContainer())
            continue;
        const std::string sectionName = p + "SubItem_" + text(item->name());
        const IniDocument::Section *section = document.findSection(sectionName);
        const int count = section ? integerOr(*section, "ItemLinkCount", -1) : -1;
        if (count >= 0)
            item->links()->setLinks(readLinks(document, sectionName, count, false));
    }
}

void BarLayoutStore::applyBar(const IniDocument &document, const std::string &sectionName, Bar *bar)
{
    const IniDocument::Section &section = *document.findSection(sectionName);
    int linkCount = -1;
    readStrict(section, "ItemLinkCount", linkCount, readInteger);
    if (linkCount >= 0)
        bar->links()->setLinks(readLinks(document, sectionName, linkCount, true));
    if (const std::string *caption = find(section, "Caption"))
        bar->setCaption(fromText(*caption));

    Bar::Placement p = bar->placement();
    int floatLeft = p.floatPos.x();
    int floatTop = p.floatPos.y();
    int floatWidth = p.floatClientSize.width();
    int floatHeight = p.floatClientSize.height();
    readStrict(section, "DockedDockingStyle", p.dockedDockingStyle, readInteger);
    readStrict(section, "DockedLeft", p.dockedLeft, readInteger);
    readStrict(section, "DockedTop", p.dockedTop, readInteger);
    readStrict(section, "OneOnRow", p.oneOnRow, readFlag);
    readStrict(section, "Row", p.row, readInteger);
    readStrict(section, "FloatLeft", floatLeft, readInteger);
    readStrict(section, "FloatTop", floatTop, readInteger);
    readStrict(section, "FloatClientWidth", floatWidth, readInteger);
    readStrict(section, "FloatClientHeight", floatHeight, readInteger);
    readStrict(section, "DockingStyle", p.dockingStyle, readInteger);
    checkRange(p.dockedDockingStyle, Bar::DockLeft, Bar::DockBottom, "DockedDockingStyle");
    checkRange(p.dockingStyle, Bar::Floating, Bar::DockBottom, "DockingStyle");
    p.floatPos = QPoint(floatLeft, floatTop);
    p.floatClientSize = QSize(floatWidth, floatHeight);
    m_manager.setBarPlacement(bar, p);

    bool visible = false;
    readStrict(section, "Visible", visible, readFlag);
    m_manager.setBarVisible(bar, visible);
}

std::vector<BarLink> BarLayoutStore::readLinks(const IniDocument &document, const std::string &ownerName, int count,
                                               bool onBar) const
{
    std::vector<BarLink> links;
    for (int j = 0; j < count; ++j) {
        const IniDocument::Section *section = document.findSection(ownerName + ".ItemLink" + number(j));
        if (section == nullptr)
            continue;
        const std::string *name = find(*section, "ItemName");
        BarItem *item = name ? findItem(fromText(*name)) : nullptr;
        if (item == nullptr)
            continue;
        BarLink link;
        link.item = item;
        link.beginGroup = flagOr(*section, "BeginGroup", false);
        link.userDefine = integerOr(*section, "UserDefine", 0);
        if (link.hasUserCaption()) {
            const std::string *caption = find(*section, "UserCaption");
            link.userCaption = caption ? fromText(*caption) : QString();
        }
        if (link.hasUserPaintStyle())
            link.userPaintStyle = integerOr(*section, "UserPaintStyle", BarLink::PaintStandard);
        if (link.hasUserWidth())
            link.userWidth = integerOr(*section, "UserWidth", 0);
        link.visible = !onBar || flagOr(*section, "Visible", true);
        link.useCount = integerOr(*section, "UseCount", 0);
        link.recentIndex = integerOr(*section, "RecentIndex", 0);
        links.push_back(link);
    }
    return links;
}

// Item names are matched as the other names of the file are: without regard to case,
// an exact match first.
BarItem *BarLayoutStore::findItem(const QString &name) const
{
    if (BarItem *exact = m_manager.item(name))
        return exact;
    for (BarItem *item : m_manager.items())
        if (item->name().compare(name, Qt::CaseInsensitive) == 0)
            return item;
    return nullptr;
}

void BarLayoutStore::save(IniDocument &document, const QString &prefix) const
{
    const std::string p = text(prefix);
    document.eraseSectionsWithPrefix(p);

    const BarOptions &options = m_manager.options();
    IniDocument::Section &main = document.addSection(p + "Main");
    main.add("MenusShowRecentItemsFirst", flag(options.menusShowRecentItemsFirst));
    main.add("ShowFullMenusAfterDelay", flag(options.showFullMenusAfterDelay));
    main.add("LargeIcons", flag(options.largeIcons));
    main.add("MenuAnimations", number(options.menuAnimations));
    main.add("ShowHint", flag(options.showHint));
    main.add("ShowShortCutInHint", flag(options.showShortCutInHint));
    main.add("BarCount", number(m_manager.barCount()));

    for (const Bar *bar : m_manager.bars()) {
        const std::string sectionName = p + "Bar" + number(bar->index());
        const Bar::Placement &placement = bar->placement();
        const auto &links = bar->links()->links();
        const auto named = std::ranges::count_if(links, [](const BarLink &l) { return !l.item->name().isEmpty(); });
        // The section is complete before the next one is added: adding may move it.
        IniDocument::Section &section = document.addSection(sectionName);
        section.add("Caption", text(bar->caption()));
        section.add("DockedDockingStyle", number(placement.dockedDockingStyle));
        section.add("DockedLeft", number(placement.dockedLeft));
        section.add("DockedTop", number(placement.dockedTop));
        section.add("OneOnRow", flag(placement.oneOnRow));
        section.add("Row", number(placement.row));
        section.add("FloatLeft", number(placement.floatPos.x()));
        section.add("FloatTop", number(placement.floatPos.y()));
        section.add("FloatClientWidth", number(std::max(0, placement.floatClientSize.width())));
        section.add("FloatClientHeight", number(std::max(0, placement.floatClientSize.height())));
        section.add("DockingStyle", number(placement.dockingStyle));
        section.add("Visible", flag(bar->isVisible()));
        section.add("ItemLinkCount", number(int(named)));
        writeLinks(document, sectionName, *bar->links());
    }

    for (const BarItem *item : m_manager.items()) {
        if (!item->isContainer() || item->name().isEmpty())
            continue;
        const std::string sectionName = p + "SubItem_" + text(item->name());
        const auto &links = item->links()->links();
        const auto named = std::ranges::count_if(links, [](const BarLink &l) { return !l.item->name().isEmpty(); });
        document.addSection(sectionName).add("ItemLinkCount", number(int(named)));
        writeLinks(document, sectionName, *item->links());
    }
}

void BarLayoutStore::writeLinks(IniDocument &document, const std::string &ownerName, const BarLinkList &links)
{
    int j = 0;
    for (const BarLink &link : links.links()) {
        if (link.item->name().isEmpty())
            continue;
        IniDocument::Section &section = document.addSection(ownerName + ".ItemLink" + number(j++));
        section.add("ItemName", text(link.item->name()));
        section.add("BeginGroup", flag(link.beginGroup));
        section.add("UserDefine", number(link.userDefine));
        if (link.hasUserCaption())
            section.add("UserCaption", text(link.userCaption));
        if (link.hasUserPaintStyle())
            section.add("UserPaintStyle", number(link.userPaintStyle));
        if (link.hasUserWidth())
            section.add("UserWidth", number(link.userWidth));
        if (links.isOnBar())
            section.add("Visible", flag(link.visible));
        if (links.tracksRecentItems()) {
            section.add("UseCount", number(link.useCount));
            section.add("RecentIndex", number(link.recentIndex));
        }
    }
}
