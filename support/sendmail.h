// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Hands an address to the desktop. Returns whether the desktop took it; the callers
// ignore the answer, as the program shows no message of its own for a missing mail
// program.
using AddressOpener = std::function<bool(const QString &address)>;

// The desktop's own opener: the address goes to QDesktopServices as a tolerant URL,
// which percent-encodes blanks and line breaks the way a mail client on the desktop
// expects. The text handed in stays unencoded.
AddressOpener desktopAddressOpener();

// "mailto:" + recipient + "?subject=" + subject + "&body=" + body, nothing encoded or
// escaped: blanks, line breaks, "&", "?" and "#" pass as they are.
QString mailtoAddress(const QString &subject, const QString &body, const QString &recipient);

// Builds the mailto: address and hands it to the opener. The owner is the window the
// request comes from; the desktop services open the mail program on their own, so it
// is not passed on.
bool SendMail(QWidget *owner, const QString &subject, const QString &body, const QString &recipient,
              const AddressOpener &opener = desktopAddressOpener());

// One feedback message of the Help menu.
struct MailMessage {
    QString recipient;
    QString subject;
    QString body;
};

// The maker's addresses, fixed in the program.
inline constexpr char kBugReportMailbox[] = "bugs@kestrun.example";
inline constexpr char kFeatureRequestMailbox[] = "features@kestrun.example";
inline constexpr char kWebPageAddress[] = "http://www.kestrun.example/";

// The application title as the program set it at start-up (the display name, which
// falls back to the application name).
QString applicationTitle();

// "&Bug Report" and "&Feature Request": the subject is the title, " v " and the version.
MailMessage bugReportMail(const QString &title = applicationTitle());
MailMessage featureRequestMail(const QString &title = applicationTitle());
// "&Recommend": no recipient; the body ends with CR LF and the web page address.
MailMessage recommendMail();

// SendMail with the parts of a message.
bool sendMailMessage(QWidget *owner, const MailMessage &message,
                     const AddressOpener &opener = desktopAddressOpener());
