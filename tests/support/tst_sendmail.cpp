// SPDX-License-Identifier: MIT
#include "support/sendmail.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Takes the place of the desktop: keeps every address handed on.
struct RecordingOpener {
    QStringList addresses;
    bool answer = true;
    AddressOpener opener()
    {
        return [this](const QString &address) {
            addresses.append(address);
            return answer;
        };
    }
};

} // namespace

// Receives what QDesktopServices would pass to the mail program.
class MailtoReceiver : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openMailto(const QUrl &url) { urls.append(url); }
};

class TestSendMail : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void handsOnTheExactAddress_data();
    void handsOnTheExactAddress();
    void feedbackSubjectsTakeTheApplicationTitle();
    void passesTheOpenersAnswer();
    void withoutAnOpenerNothingIsOpened();
    void desktopOpenerKeepsEveryPartForTheMailProgram();
};

void TestSendMail::initTestCase()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kestrun"));
}

void TestSendMail::handsOnTheExactAddress_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("expected");

    const MailMessage bug = bugReportMail(QStringLiteral("Kestrun"));
    QTest::newRow("bug report, blanks unencoded")
        << bug.subject << bug.body << bug.recipient
        << QStringLiteral("mailto:bugs@kestrun.example?subject=Kestrun v 2007.7.15.1"
                          "&body=Ahoy there matey, I would like to report a dastardly bug...");
    const MailMessage feature = featureRequestMail(QStringLiteral("Kestrun"));
    QTest::newRow("feature request")
        << feature.subject << feature.body << feature.recipient
        << QStringLiteral("mailto:features@kestrun.example?subject=Kestrun v 2007.7.15.1"
                          "&body=Ahoy there! I would like to suggest...");
    const MailMessage recommend = recommendMail();
    QTest::newRow("recommendation, no recipient, raw CR LF")
        << recommend.subject << recommend.body << recommend.recipient
        << QStringLiteral("mailto:?subject=Check this out!"
                          "&body=Ahoy there matey! You should check out \r\nhttp://www.kestrun.example/");
    QTest::newRow("empty recipient") << QStringLiteral("s") << QStringLiteral("b") << QString()
                                     << QStringLiteral("mailto:?subject=s&body=b");
    QTest::newRow("reserved characters pass as they are")
        << QStringLiteral("a&b=c") << QStringLiteral("? # % &body=") << QStringLiteral("x@y.example")
        << QStringLiteral("mailto:x@y.example?subject=a&b=c&body=? # % &body=");
    QTest::newRow("all parts empty") << QString() << QString() << QString() << QStringLiteral("mailto:?subject=&body=");
}

void TestSendMail::handsOnTheExactAddress()
{
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QString, recipient);
    QFETCH(QString, expected);

    RecordingOpener desktop;
    SendMail(nullptr, subject, body, recipient, desktop.opener());
    QCOMPARE(desktop.addresses, QStringList{expected});
}

void TestSendMail::feedbackSubjectsTakeTheApplicationTitle()
{
    QCOMPARE(bugReportMail().subject, QStringLiteral("Kestrun v 2007.7.15.1"));
    QCOMPARE(featureRequestMail().subject, QStringLiteral("Kestrun v 2007.7.15.1"));
    QCOMPARE(bugReportMail(QStringLiteral("Other")).subject, QStringLiteral("Other v 2007.7.15.1"));

    RecordingOpener desktop;
    sendMailMessage(nullptr, bugReportMail(), desktop.opener());
    QCOMPARE(desktop.addresses.value(0),
             QStringLiteral("mailto:bugs@kestrun.example?subject=Kestrun v 2007.7.15.1"
                            "&body=Ahoy there matey, I would like to report a dastardly bug..."));
}

void TestSendMail::passesTheOpenersAnswer()
{
    RecordingOpener desktop;
    QVERIFY(SendMail(nullptr, QStringLiteral("s"), QStringLiteral("b"), QString(), desktop.opener()));
    desktop.answer = false;
    QVERIFY(!SendMail(nullptr, QStringLiteral("s"), QStringLiteral("b"), QString(), desktop.opener()));
}

void TestSendMail::withoutAnOpenerNothingIsOpened()
{
    QVERIFY(!SendMail(nullptr, QStringLiteral("s"), QStringLiteral("b"), QString(), AddressOpener()));
}

// The default opener goes through QDesktopServices; a registered mailto handler stands
// in for the mail program and shows what it would receive once the URL is decoded.
void TestSendMail::desktopOpenerKeepsEveryPartForTheMailProgram()
{
    MailtoReceiver receiver;
    // QDesktopServices names the handler's slot as text; there is no other form.
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &receiver, "openMailto");
    const MailMessage recommend = recommendMail();
    const bool opened = sendMailMessage(nullptr, recommend);
    const MailMessage bug = bugReportMail(QStringLiteral("Kestrun"));
    sendMailMessage(nullptr, bug);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    QVERIFY(opened);
    QCOMPARE(receiver.urls.size(), 2);
    const QUrl &recommendUrl = receiver.urls[0];
    QCOMPARE(recommendUrl.scheme(), QStringLiteral("mailto"));
    QCOMPARE(recommendUrl.path(), QString());
    const QUrlQuery recommendQuery(recommendUrl);
    QCOMPARE(recommendQuery.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), recommend.subject);
    QCOMPARE(recommendQuery.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), recommend.body);
    // What travels is encoded: no raw blank or line break reaches the mail program.
    const QByteArray encoded = recommendUrl.toEncoded();
    QVERIFY2(!encoded.contains(' ') && !encoded.contains('\r') && !encoded.contains('\n'), encoded.constData());
    QVERIFY2(encoded.contains("%0D%0A"), encoded.constData());

    const QUrl &bugUrl = receiver.urls[1];
    QCOMPARE(bugUrl.path(), QStringLiteral("bugs@kestrun.example"));
    QCOMPARE(QUrlQuery(bugUrl).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Kestrun v 2007.7.15.1"));
}

QTEST_MAIN(TestSendMail)
#include "tst_sendmail.moc"
