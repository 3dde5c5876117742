// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/barlink.h"

#include <QObject>

#include <vector>

// The ordered entries of a bar or a submenu. Every change of the entries or their look
// raises changed(), so whatever shows the list can rebuild; a use of an entry only
// updates its usage record and raises usageChanged().
class BarLinkList : public QObject {
    Q_OBJECT
public:
    // onBar: the links belong to a bar, where each one can be hidden on its own.
    explicit BarLinkList(bool onBar, QObject *parent = nullptr);

    bool isOnBar() const { return m_onBar; }
    // Whether uses are recorded (the usage record is also what the layout keeps).
    bool tracksRecentItems() const { return m_tracksRecentItems; }
    void setTracksRecentItems(bool tracks) { m_tracksRecentItems = tracks; }

    int count() const { return int(m_links.size()); }
    bool isEmpty() const { return m_links.empty(); }
    const BarLink &at(int index) const { return m_links.at(std::size_t(index)); }
    const std::vector<BarLink> &links() const { return m_links; }
    int indexOf(const BarItem *item) const; // first link to item, or -1

    // A new link is recently used and comes last in the order of use. Returns its index.
    // Every link has an item (kestrun::Error otherwise).
    int append(BarItem *item, bool beginGroup = false);
    void insert(int index, BarItem *item, bool beginGroup = false);
    void remove(int index);
    void move(int from, int to);
    void clear();
    void setBeginGroup(int index, bool beginGroup);
    void setVisible(int index, bool visible);
    void setRecentlyUsed(int index, bool recentlyUsed);
    // Replaces all links as they come (the usage record is taken unchanged); links
    // without an item are left out.
    void setLinks(std::vector<BarLink> links);

    // The user chose the entry: one more use, and it becomes the most recently used.
    void markUsed(int index);

signals:
    void changed();
    void usageChanged();

private:
    BarLink newLink(BarItem *item, bool beginGroup) const;
    void renumberRecent();

    std::vector<BarLink> m_links;
    bool m_onBar;
    bool m_tracksRecentItems = true;
};
