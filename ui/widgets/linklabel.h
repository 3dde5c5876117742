// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/errorhandler.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

// A label that reads as a web link (blue, underlined, pointing-hand cursor) and opens
// its address on a single click. The opener is injectable so tests and other hosts
// can see the address instead of starting a browser.
//
// It can be attached to another label: it then keeps its left edge dx pixels right of
// that label's right edge and its top dy pixels below that label's top, however the
// label moves or changes width.
class LinkLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl)

public:
    using Opener = std::function<void(const QUrl &url)>;

    explicit LinkLabel(QWidget *parent = nullptr);
    LinkLabel(const QString &text, const QString &url, QWidget *parent = nullptr);

    // The address as given; it is completed only when it is opened.
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }

    // Defaults to the desktop's URL handler; a null opener restores that default.
    void setOpener(Opener opener);
    // Receives the message when the opener throws; without one the failure is
    // dropped, as an address the desktop cannot open is.
    void setErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }

    // The address exactly as it is handed on: one that does not start with "http://"
    // (in any letter case) gets it put in front, except that "https://" addresses are
    // kept as they are. An empty address stays empty.
    static QString completedAddress(const QString &address);

    // Opens url() through the opener, as a click does. Does nothing for an empty url.
    void open();

    // Follows label from now on (nullptr stops following). The link and the label may
    // have different parents; the link is placed in its own parent's coordinates.
    void attachTo(QWidget *label, int dx, int dy);
    QWidget *attachedTo() const { return m_anchor; }

signals:
    // After the address went to the opener.
    void opened(const QUrl &url);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyLinkLook();
    void followAnchor();

    QString m_url;
    Opener m_opener;
    ErrorHandler m_errorHandler;
    QPointer<QWidget> m_anchor;
    int m_dx = 0;
    int m_dy = 0;
    bool m_pressed = false;
};
