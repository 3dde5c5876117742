// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class BarLinkList;

// One command or container that bars and submenus can link to. A button takes its
// caption, hint, picture, shortcut and checked state from its action; a submenu and a
// toolbar list have a caption of their own and a list of links. The object name is the
// item's name, by which the layout refers to it.
class BarItem : public QObject {
    Q_OBJECT
    // A free integer for the owner (a submenu may carry a choice in it).
    Q_PROPERTY(int Tag READ tag WRITE setTag NOTIFY tagChanged)

public:
    enum class Kind {
        Button,      // runs its action
        CheckButton, // runs its action and shows the action's checked state
        SubMenu,     // opens its own links as a menu
        ToolbarList, // opens one checkable entry per toolbar the user may close
    };

    BarItem(Kind kind, const QString &name, const QString &category, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    QString name() const { return objectName(); }
    QString category() const { return m_category; }
    bool isContainer() const { return m_kind == Kind::SubMenu || m_kind == Kind::ToolbarList; }

    QAction *action() const { return m_action; }
    void setAction(QAction *action);

    // The action's text for buttons, the own caption for containers; "&" marks the access key.
    QString caption() const;
    void setCaption(const QString &caption);
    // The tool tip text (the action's hint); empty for containers.
    QString hint() const;
    QIcon icon() const;

    // The links of a container; null for buttons.
    BarLinkList *links() const { return m_links; }

    // Whether the user may change a submenu's links in the customisation dialog.
    bool isCustomizable() const { return m_customizable; }
    void setCustomizable(bool customizable) { m_customizable = customizable; }

    int tag() const { return m_tag; }
    void setTag(int tag);

signals:
    void tagChanged(int tag);
    // Caption or action replaced (the entries follow the action's own changes themselves).
    void changed();

private:
    Kind m_kind;
    QString m_category;
    QString m_caption;
    QPointer<QAction> m_action;
    BarLinkList *m_links = nullptr;
    bool m_customizable = true;
    int m_tag = 0;
};
