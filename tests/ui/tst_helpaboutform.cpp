// SPDX-License-Identifier: MIT
#include "ui/dialogs/helpaboutform.h"

#include "support/appversion.h"
#include "ui/widgets/linklabel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

constexpr int kNoModalLeftMs = 5000;

// Runs action on the About box once it is the active modal window, while
// HelpAboutForm::showAboutBox(owner) is in its modal loop. If the action does not end
// that loop, a fallback closes the box so the test fails instead of hanging.
struct ModalRun
{
    QPointer<HelpAboutForm> box;
    bool sawBox = false;
    bool wasActive = false;
    bool forcedClose = false;
    int okClicks = 0;

    void run(QWidget *owner, const std::function<void(HelpAboutForm *)> &action)
    {
        QObject scope;
        QTimer::singleShot(0, &scope, [this, action] {
            box = qobject_cast<HelpAboutForm *>(QApplication::activeModalWidget());
            if (!box)
                return;
            sawBox = true;
            QObject::connect(box->findChild<QPushButton *>(QStringLiteral("OkButton")), &QPushButton::clicked,
                             box, [this] { ++okClicks; });
            wasActive = QTest::qWaitForWindowActive(box);
            action(box);
        });
        QTimer::singleShot(kNoModalLeftMs, &scope, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                forcedClose = true;
                modal->close();
            }
        });
        HelpAboutForm::showAboutBox(owner);
    }
};

// The key goes where a user's key goes: to the widget with the focus.
void pressKey(HelpAboutForm *box, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != box)
        target = box;
    QTest::keyClick(target, key);
}

// The first row of area, from the top, that holds a pixel unlike the background.
int firstInkRow(const QImage &image, const QRect &area, QRgb background)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                return y;
    return -1;
}

QLabel *label(const QWidget &box, const char *name)
{
    return box.findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace

class TestHelpAboutForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsTitleAndVersionAtCreation_data();
    void readsTitleAndVersionAtCreation();
    void showsTheFixedTexts();
    void isAFixedSizeBoxWithOnlyTheCloseBox();
    void placesItsControlsAsDesigned_data();
    void placesItsControlsAsDesigned();
    void showsItsPictureAndGlyphs();
    void endsTheModalLoop_data();
    void endsTheModalLoop();
    void opensOverItsOwner_data();
    void opensOverItsOwner();
    void linkClickOpensTheWebPage();
    void linkFollowsTheLabel_data();
    void linkFollowsTheLabel();
    void linkTextLinesUpWithTheLabelText();
};

void TestHelpAboutForm::init()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrun"));
}

void TestHelpAboutForm::cleanup()
{
    QWidget *modal = QApplication::activeModalWidget();
    QVERIFY2(!modal, "a modal window was left open");
}

void TestHelpAboutForm::readsTitleAndVersionAtCreation_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("nameLabel");
    QTest::newRow("program title") << "Kestrun" << "About Kestrun" << "Kestrun " + GetAppVersion();
    QTest::newRow("another title") << "Spread Planner" << "About Spread Planner"
                                   << "Spread Planner " + GetAppVersion();
}

void TestHelpAboutForm::readsTitleAndVersionAtCreation()
{
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, nameLabel);
    QApplication::setApplicationDisplayName(title);
    HelpAboutForm box;
    QCOMPARE(box.objectName(), QStringLiteral("HelpAboutForm"));
    QCOMPARE(box.windowTitle(), caption);
    QCOMPARE(label(box, "AppNameLabel")->text(), nameLabel);
    QVERIFY(label(box, "AppNameLabel")->font().bold());
}

void TestHelpAboutForm::showsTheFixedTexts()
{
    HelpAboutForm box;
    QCOMPARE(label(box, "AppNameLabel")->text(), QStringLiteral("Kestrun 2007.7.15.1"));
    QCOMPARE(label(box, "LabelMoreProductsUpdates")->text(),
             QStringLiteral("For more products and updates visit the "));
    QCOMPARE(label(box, "LinkWebsite")->text(), QStringLiteral("website"));
    QCOMPARE(box.findChild<QPushButton *>(QStringLiteral("OkButton"))->text(), QStringLiteral("OK"));
    QCOMPARE(box.font().pixelSize(), 11);
    QCOMPARE(box.font().families().value(0), QStringLiteral("Tahoma"));
}

void TestHelpAboutForm::isAFixedSizeBoxWithOnlyTheCloseBox()
{
    HelpAboutForm box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), QSize(621, 256));
    QCOMPARE(box.minimumSize(), QSize(621, 256));
    QCOMPARE(box.maximumSize(), QSize(621, 256));
    box.resize(800, 400);
    QCOMPARE(box.size(), QSize(621, 256));

    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
}

void TestHelpAboutForm::placesItsControlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected"); // an empty size checks the position only
    QTest::newRow("picture") << "Image1" << QRect(0, 0, 256, 256);
    QTest::newRow("frame over the picture") << "Bevel1" << QRect(0, 0, 256, 256);
    QTest::newRow("name label") << "AppNameLabel" << QRect(262, 8, 0, 0);
    QTest::newRow("OK button") << "OkButton" << QRect(538, 8, 75, 25);
    QTest::newRow("web page label") << "LabelMoreProductsUpdates" << QRect(262, 231, 0, 0);
}

void TestHelpAboutForm::placesItsControlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    HelpAboutForm box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QWidget *control = box.findChild<QWidget *>(name);
    QVERIFY(control);
    if (expected.isEmpty())
        QCOMPARE(control->pos(), expected.topLeft());
    else
        QCOMPARE(control->geometry(), expected);
    QVERIFY(box.rect().contains(control->geometry()));
}

void TestHelpAboutForm::showsItsPictureAndGlyphs()
{
    HelpAboutForm box;
    QVERIFY(!box.windowIcon().isNull());
    const QPixmap picture = label(box, "Image1")->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(256, 256));
    const auto *ok = box.findChild<QPushButton *>(QStringLiteral("OkButton"));
    QVERIFY(!ok->icon().isNull());
    QCOMPARE(ok->iconSize(), QSize(16, 16));

    // The frame lies over the picture, not under it.
    const QObjectList children = box.children();
    QVERIFY(children.indexOf(box.findChild<QFrame *>(QStringLiteral("Bevel1")))
            > children.indexOf(label(box, "Image1")));
}

enum class CloseBy { EscOnButton, EscOnBox, ClickOk, EnterOnOk, CloseBox };
Q_DECLARE_METATYPE(CloseBy)

void TestHelpAboutForm::endsTheModalLoop_data()
{
    QTest::addColumn<CloseBy>("how");
    QTest::addColumn<int>("okClicks");
    QTest::newRow("Esc with the focus on OK presses OK") << CloseBy::EscOnButton << 1;
    QTest::newRow("Esc sent to the box presses OK") << CloseBy::EscOnBox << 1;
    QTest::newRow("click on OK") << CloseBy::ClickOk << 1;
    QTest::newRow("Enter on the focused OK") << CloseBy::EnterOnOk << 1;
    QTest::newRow("close box") << CloseBy::CloseBox << 0;
}

void TestHelpAboutForm::endsTheModalLoop()
{
    QFETCH(CloseBy, how);
    QFETCH(int, okClicks);
    QWidget owner;
    owner.setGeometry(100, 100, 400, 300);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    ModalRun modal;
    bool ownerBlocked = false;
    modal.run(&owner, [&](HelpAboutForm *box) {
        ownerBlocked = QApplication::activeModalWidget() == box && box->parentWidget() == &owner;
        QPushButton *ok = box->findChild<QPushButton *>(QStringLiteral("OkButton"));
        switch (how) {
        case CloseBy::EscOnButton:
            ok->setFocus();
            pressKey(box, Qt::Key_Escape);
            break;
        case CloseBy::EscOnBox:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case CloseBy::ClickOk:
            QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case CloseBy::EnterOnOk:
            ok->setFocus();
            pressKey(box, Qt::Key_Return);
            break;
        case CloseBy::CloseBox:
            box->close();
            break;
        }
    });

    QVERIFY2(modal.sawBox, "showAboutBox did not open a modal box");
    QVERIFY2(modal.wasActive, "the box did not become the active window");
    QVERIFY(ownerBlocked);
    QVERIFY2(!modal.forcedClose, "the box stayed open");
    QCOMPARE(modal.okClicks, okClicks);
    QVERIFY2(modal.box.isNull(), "the box was not freed");
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpAboutForm::opensOverItsOwner_data()
{
    // The owner is placed at an inset from one corner of the desktop; the box's client
    // area is 621 by 256.
    QTest::addColumn<Qt::Corner>("corner");
    QTest::addColumn<QPoint>("inset");
    QTest::addColumn<QSize>("ownerSize");
    QTest::addColumn<bool>("centred");
    QTest::newRow("owner at the upper left") << Qt::TopLeftCorner << QPoint(40, 50) << QSize(700, 450) << true;
    QTest::newRow("owner further right and down, narrower than the box")
        << Qt::TopLeftCorner << QPoint(120, 160) << QSize(500, 300) << true;
    QTest::newRow("small owner in the top left corner")
        << Qt::TopLeftCorner << QPoint(0, 0) << QSize(300, 200) << false;
    QTest::newRow("small owner in the bottom right corner")
        << Qt::BottomRightCorner << QPoint(10, 10) << QSize(300, 200) << false;
}

void TestHelpAboutForm::opensOverItsOwner()
{
    QFETCH(Qt::Corner, corner);
    QFETCH(QPoint, inset);
    QFETCH(QSize, ownerSize);
    QFETCH(bool, centred);
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    if (desktop.width() < 800 || desktop.height() < 600)
        QSKIP("needs a desktop of at least 800 by 600");
    QWidget owner;
    owner.resize(ownerSize);
    if (corner == Qt::TopLeftCorner)
        owner.move(desktop.topLeft() + inset);
    else
        owner.move(desktop.bottomRight() - inset - QPoint(ownerSize.width(), ownerSize.height()));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    HelpAboutForm box(&owner);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect frame = box.frameGeometry();
    const QRect ownerFrame = owner.frameGeometry();
    QVERIFY2(desktop.contains(frame), "the box is not wholly on the desktop");
    if (centred) {
        // Centred to the pixel, allowing for an odd difference in width or height.
        QVERIFY(qAbs(frame.center().x() - ownerFrame.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - ownerFrame.center().y()) <= 1);
    } else if (corner == Qt::TopLeftCorner) {
        // Centring would start it left of and above the desktop: moved right and down.
        QCOMPARE(frame.topLeft(), desktop.topLeft());
    } else {
        QCOMPARE(frame.bottomRight(), desktop.bottomRight());
    }
}

void TestHelpAboutForm::linkClickOpensTheWebPage()
{
    HelpAboutForm box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *link = box.findChild<LinkLabel *>(QStringLiteral("LinkWebsite"));
    QVERIFY(link);
    QList<QUrl> opened;
    link->setOpener([&opened](const QUrl &url) { opened.append(url); });
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("http://www.kestrun.example/"))});
    QVERIFY(box.isVisible()); // the box stays open behind the browser

    // The link reads as one: blue, underlined, the hand cursor.
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
}

void TestHelpAboutForm::linkFollowsTheLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("as designed") << QString() << 0 << false;
    QTest::newRow("longer text") << "For many more products, tools and updates visit the " << 0 << false;
    QTest::newRow("shorter text") << "Visit the " << 0 << false;
    QTest::newRow("larger font") << QString() << 16 << false;
    QTest::newRow("bold font") << QString() << 0 << true;
    QTest::newRow("longer text in a smaller font") << "Updates, news and more products on the " << 9
                                                   << false;
}

void TestHelpAboutForm::linkFollowsTheLabel()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    HelpAboutForm box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QLabel *more = label(box, "LabelMoreProductsUpdates");
    const QWidget *link = box.findChild<LinkLabel *>(QStringLiteral("LinkWebsite"));

    if (!text.isEmpty())
        more->setText(text);
    if (pixelSize > 0 || bold) {
        QFont font = more->font();
        if (pixelSize > 0)
            font.setPixelSize(pixelSize);
        font.setBold(bold);
        more->setFont(font);
    }

    // The label is as wide as its text, trailing blank included, and the link sits
    // 2 pixels right of it and 2 pixels lower.
    const int textWidth = more->fontMetrics().horizontalAdvance(more->text());
    QTRY_COMPARE(more->width(), textWidth);
    QCOMPARE(more->pos(), QPoint(262, 231));
    QCOMPARE(link->pos(), QPoint(262 + textWidth + 2, 231 + 2));

    more->move(270, 220);
    QTRY_COMPARE(link->pos(), QPoint(270 + textWidth + 2, 220 + 2));
}

// "the" and "website" both have ascenders and the same font: on a shared baseline their
// tops are on one pixel row.
void TestHelpAboutForm::linkTextLinesUpWithTheLabelText()
{
    HelpAboutForm box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QLabel *more = label(box, "LabelMoreProductsUpdates");
    const QWidget *link = box.findChild<LinkLabel *>(QStringLiteral("LinkWebsite"));
    const QImage image = box.grab().toImage().scaled(box.size()); // one pixel per unit
    const QRgb background = image.pixel(more->x() - 2, more->y());

    const int theWidth = more->fontMetrics().horizontalAdvance(QStringLiteral("the "));
    const QRect the(more->geometry().right() - theWidth, more->y(), theWidth, more->height());
    const int labelTop = firstInkRow(image, the, background);
    const int linkTop = firstInkRow(image, link->geometry(), background);
    QVERIFY(labelTop >= 0);
    QCOMPARE(linkTop, labelTop);
}

QTEST_MAIN(TestHelpAboutForm)
#include "tst_helpaboutform.moc"
