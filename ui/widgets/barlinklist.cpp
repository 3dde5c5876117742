// SPDX-License-Identifier: MIT
#include "ui/widgets/barlinklist.h"

#include "core/error.h"

#include <algorithm>
#include <numeric>

BarLinkList::BarLinkList(bool onBar, QObject *parent) : QObject(parent), m_onBar(onBar) {}

int BarLinkList::indexOf(const BarItem *item) const
{
    const auto it = std::ranges::find(m_links, item, &BarLink::item);
    return it == m_links.end() ? -1 : int(it - m_links.begin());
}

BarLink BarLinkList::newLink(BarItem *item, bool beginGroup) const
{
    if (item == nullptr)
        throw kestrun::Error("A bar link needs an item");
    BarLink link;
    link.item = item;
    link.beginGroup = beginGroup;
    link.recentIndex = int(std::ranges::count_if(m_links, &BarLink::isRecentlyUsed));
    return link;
}

int BarLinkList::append(BarItem *item, bool beginGroup)
{
    m_links.push_back(newLink(item, beginGroup));
    emit changed();
    return count() - 1;
}

void BarLinkList::insert(int index, BarItem *item, bool beginGroup)
{
    index = std::clamp(index, 0, count());
    m_links.insert(m_links.begin() + index, newLink(item, beginGroup));
    emit changed();
}

void BarLinkList::remove(int index)
{
    (void)at(index); // range check
    m_links.erase(m_links.begin() + index);
    renumberRecent();
    emit changed();
}

void BarLinkList::move(int from, int to)
{
    const BarLink link = at(from);
    to = std::clamp(to, 0, count() - 1);
    if (from == to)
        return;
    m_links.erase(m_links.begin() + from);
    m_links.insert(m_links.begin() + to, link);
    emit changed();
}

void BarLinkList::clear()
{
    m_links.clear();
    emit changed();
}

void BarLinkList::setBeginGroup(int index, bool beginGroup)
{
    m_links.at(std::size_t(index)).beginGroup = beginGroup;
    emit changed();
}

void BarLinkList::setVisible(int index, bool visible)
{
    m_links.at(std::size_t(index)).visible = visible;
    emit changed();
}

void BarLinkList::setRecentlyUsed(int index, bool recentlyUsed)
{
    BarLink &link = m_links.at(std::size_t(index));
    if (link.isRecentlyUsed() == recentlyUsed)
        return;
    link.recentIndex = recentlyUsed ? count() : -1; // last in the order, renumbered below
    renumberRecent();
    emit changed();
}

void BarLinkList::setLinks(std::vector<BarLink> links)
{
    std::erase_if(links, [](const BarLink &link) { return link.item == nullptr; });
    m_links = std::move(links);
    emit changed();
}

void BarLinkList::markUsed(int index)
{
    BarLink &used = m_links.at(std::size_t(index));
    ++used.useCount;
    if (m_tracksRecentItems) {
        used.recentIndex = -1;
        for (BarLink &link : m_links)
            if (link.isRecentlyUsed())
                ++link.recentIndex;
        used.recentIndex = 0;
        renumberRecent();
    }
    emit usageChanged();
}

// Keeps the places of the recently used links dense (0, 1, 2, ...) in their order of use;
// links of equal place keep their order in the list.
void BarLinkList::renumberRecent()
{
    std::vector<std::size_t> recent;
    for (std::size_t i = 0; i < m_links.size(); ++i)
        if (m_links[i].isRecentlyUsed())
            recent.push_back(i);
    std::ranges::stable_sort(recent, {}, [this](std::size_t i) { return m_links[i].recentIndex; });
    for (std::size_t place = 0; place < recent.size(); ++place)
        m_links[recent[place]].recentIndex = int(place);
}
