// SPDX-License-Identifier: MIT
#include "support/sendmail.h"

#include "support/appversion.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

AddressOpener desktopAddressOpener()
{
    return [](const QString &address) {
        return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    };
}

QString mailtoAddress(const QString &subject, const QString &body, const QString &recipient)
{
    return QStringLiteral("mailto:") + recipient + QStringLiteral("?subject=") + subject
        + QStringLiteral("&body=") + body;
}

bool SendMail(QWidget *owner, const QString &subject, const QString &body, const QString &recipient,
              const AddressOpener &opener)
{
    Q_UNUSED(owner);
    if (!opener)
        return false;
    return opener(mailtoAddress(subject, body, recipient));
}

QString applicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

namespace {

QString feedbackSubject(const QString &title)
{
    return title + QStringLiteral(" v ") + GetAppVersion();
}

} // namespace

MailMessage bugReportMail(const QString &title)
{
    return {QString::fromLatin1(kBugReportMailbox), feedbackSubject(title),
            QStringLiteral("Ahoy there matey, I would like to report a dastardly bug...")};
}

MailMessage featureRequestMail(const QString &title)
{
    return {QString::fromLatin1(kFeatureRequestMailbox), feedbackSubject(title),
            QStringLiteral("Ahoy there! I would like to suggest...")};
}

MailMessage recommendMail()
{
    return {QString(), QStringLiteral("Check this out!"),
            QStringLiteral("Ahoy there matey! You should check out \r\n")
                + QString::fromLatin1(kWebPageAddress)};
}

bool sendMailMessage(QWidget *owner, const MailMessage &message, const AddressOpener &opener)
{
    return SendMail(owner, message.subject, message.body, message.recipient, opener);
}
