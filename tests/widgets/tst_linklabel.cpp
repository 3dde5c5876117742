// SPDX-License-Identifier: MIT
#include "ui/widgets/linklabel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

namespace {

// A link whose opener records what it is handed instead of starting a browser.
struct RecordedLink
{
    RecordedLink()
    {
        link.setText(QStringLiteral("website"));
        link.adjustSize();
        link.setOpener([this](const QUrl &url) { opened.append(url); });
    }

    LinkLabel link;
    QList<QUrl> opened;
};

} // namespace

class TestLinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void clickHandsTheCompletedAddressOn_data();
    void clickHandsTheCompletedAddressOn();
    void releaseAwayFromTheLinkOpensNothing();
    void emptyAddressOpensNothing();
    void failingOpenerGoesToTheErrorHandler();
    void looksLikeALinkInAnyFont();
    void followsTheLabelItIsAttachedTo();
    void followsALabelWithAnotherParent();
};

void TestLinkLabel::clickHandsTheCompletedAddressOn_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("handedOn");
    QTest::newRow("bare host gets the scheme") << "www.example.com" << "http://www.example.com";
    QTest::newRow("bare host with path") << "example.com/products" << "http://example.com/products";
    QTest::newRow("plain web address kept") << "http://www.example.com/a?b=c" << "http://www.example.com/a?b=c";
    QTest::newRow("upper-case scheme kept") << "HTTP://x" << "HTTP://x";
    QTest::newRow("mixed-case scheme kept") << "Http://Example.com" << "Http://Example.com";
    QTest::newRow("secure web address kept") << "https://www.example.com" << "https://www.example.com";
    QTest::newRow("secure in upper case kept") << "HTTPS://www.example.com" << "HTTPS://www.example.com";
    QTest::newRow("scheme without slashes is not the scheme") << "http:x" << "http://http:x";
}

void TestLinkLabel::clickHandsTheCompletedAddressOn()
{
    QFETCH(QString, address);
    QFETCH(QString, handedOn);
    QCOMPARE(LinkLabel::completedAddress(address), handedOn);

    RecordedLink recorded;
    recorded.link.setUrl(address);
    QSignalSpy opened(&recorded.link, &LinkLabel::opened);
    QTest::mouseClick(&recorded.link, Qt::LeftButton);
    QCOMPARE(recorded.opened.size(), 1);
    QCOMPARE(recorded.opened.first(), QUrl(handedOn));
    QCOMPARE(opened.count(), 1);
    // The address is kept as given; only what is handed on is completed.
    QCOMPARE(recorded.link.url(), address);
}

void TestLinkLabel::releaseAwayFromTheLinkOpensNothing()
{
    RecordedLink recorded;
    recorded.link.setUrl(QStringLiteral("www.example.com"));
    QTest::mousePress(&recorded.link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&recorded.link, Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(recorded.opened.isEmpty());

    QTest::mouseClick(&recorded.link, Qt::RightButton);
    QVERIFY(recorded.opened.isEmpty());
}

void TestLinkLabel::emptyAddressOpensNothing()
{
    RecordedLink recorded;
    QTest::mouseClick(&recorded.link, Qt::LeftButton);
    QVERIFY(recorded.opened.isEmpty());
}

void TestLinkLabel::failingOpenerGoesToTheErrorHandler()
{
    LinkLabel link(QStringLiteral("website"), QStringLiteral("www.example.com"));
    link.adjustSize();
    QStringList errors;
    link.setErrorHandler([&errors](const QString &message) { errors.append(message); });
    link.setOpener([](const QUrl &) { throw std::runtime_error("no browser"); });
    QSignalSpy opened(&link, &LinkLabel::opened);
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(errors, QStringList{QStringLiteral("no browser")});
    QCOMPARE(opened.count(), 0);
}

void TestLinkLabel::looksLikeALinkInAnyFont()
{
    LinkLabel link;
    link.setFont(QFont(QStringLiteral("Tahoma"), 8));
    QVERIFY(link.font().underline());
    QCOMPARE(link.font().pointSize(), 8);
    QCOMPARE(link.palette().color(QPalette::Active, link.foregroundRole()), QColor(0, 0, 255));
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
}

void TestLinkLabel::followsTheLabelItIsAttachedTo()
{
    QWidget dialog;
    dialog.resize(621, 256);
    auto *label = new QLabel(QStringLiteral("For more products and updates visit the "), &dialog);
    label->move(262, 231);
    label->adjustSize();
    auto *link = new LinkLabel(QStringLiteral("website"), QStringLiteral("www.example.com"), &dialog);
    link->adjustSize();
    link->attachTo(label, 2, 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto expectBesideLabel = [&] {
        QCOMPARE(link->x(), label->x() + label->width() + 2);
        QCOMPARE(link->y(), label->y() + 2);
    };
    expectBesideLabel();

    const int narrowRight = link->x();
    label->setText(QStringLiteral("For many more products, tools and updates please visit the "));
    label->adjustSize();
    QVERIFY(link->x() > narrowRight);
    expectBesideLabel();

    label->move(10, 20);
    expectBesideLabel();

    link->attachTo(nullptr, 2, 2);
    const QPoint detached = link->pos();
    label->move(100, 100);
    QCOMPARE(link->pos(), detached);
}

void TestLinkLabel::followsALabelWithAnotherParent()
{
    QWidget dialog;
    dialog.resize(400, 200);
    auto *panel = new QWidget(&dialog);
    panel->setGeometry(30, 40, 300, 100);
    auto *label = new QLabel(QStringLiteral("Visit the "), panel);
    label->move(5, 6);
    label->adjustSize();
    auto *link = new LinkLabel(QStringLiteral("website"), QString(), &dialog);
    link->attachTo(label, 2, 2);
    QCOMPARE(link->pos(), QPoint(30 + 5 + label->width() + 2, 40 + 6 + 2));
}

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
