// SPDX-License-Identifier: MIT
#include "ui/dialogs/helpaboutform.h"

#include "support/appversion.h"
#include "support/sendmail.h"
#include "ui/widgets/linklabel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QSvgRenderer>

#include <algorithm>

namespace {

// Positions in the client area, in pixels at 96 dots per inch.
constexpr QRect kPictureRect(0, 0, 256, 256);
constexpr QPoint kAppNamePos(262, 8);
constexpr QSize kOkButtonSize(75, 25);
constexpr int kOkButtonTop = 8;
constexpr int kOkButtonRightMargin = 8; // 621 - 538 - 75: the button keeps it on a resize
constexpr QPoint kMoreProductsPos(262, 231);
constexpr int kLinkGapRight = 2;
constexpr int kLinkDropDown = 2;

const char kPicturePath[] = ":/pictures/splash.svg";
const char kIconPath[] = ":/icons/05-about.svg";

// Tahoma 8 point is 11 pixels at 96 dots per inch; where Tahoma is missing, the
// nearest sans-serif faces keep the text about as wide as the layout was drawn for.
QFont dialogFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

// The box's text labels draw their line this far inside their top and bottom edges;
// the web link, a plain line 2 pixels below the label's top, then shares its baseline.
constexpr QMargins kLabelInset(0, kLinkDropDown, 0, kLinkDropDown);

// The labels take exactly the room of their one line of text, trailing blanks
// included, so whatever follows a label's right edge follows its text.
void fitToText(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QMargins inset = label->contentsMargins();
    label->resize(QSize(metrics.horizontalAdvance(label->text()), metrics.height()).grownBy(inset));
}

// Window geometry outside the client area. A window manager frames a window only once
// it is mapped, so a box that is not framed yet borrows its owner's frame.
QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The frame's top left for a frame of size box centred over owner, then pulled onto
// desktop. Where the box does not fit, its left and top edges win: they carry the
// caption bar and the system menu.
QPoint centredTopLeft(const QRect &owner, QSize box, const QRect &desktop)
{
    int x = owner.left() + (owner.width() - box.width()) / 2;
    int y = owner.top() + (owner.height() - box.height()) / 2;
    x = std::max(std::min(x, desktop.left() + desktop.width() - box.width()), desktop.left());
    y = std::max(std::min(y, desktop.top() + desktop.height() - box.height()), desktop.top());
    return {x, y};
}

} // namespace

HelpAboutForm::HelpAboutForm(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("HelpAboutForm"));
    setFont(dialogFont());
    setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
    setFixedSize(kClientSize);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kPictureRect);
    renderPicture();

    // Made after the picture, so it is drawn over it; it has no background of its own.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(kPictureRect);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    AppNameLabel = new QLabel(this);
    AppNameLabel->setObjectName(QStringLiteral("AppNameLabel"));
    QFont bold; // only the weight is the label's own; the rest comes from the box
    bold.setBold(true);
    AppNameLabel->setFont(bold);
    AppNameLabel->setContentsMargins(kLabelInset);
    AppNameLabel->move(kAppNamePos);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, OkButton));
    OkButton->setIconSize(QSize(16, 16));
    OkButton->resize(kOkButtonSize);
    OkButton->move(width() - kOkButtonRightMargin - kOkButtonSize.width(), kOkButtonTop);
    connect(OkButton, &QPushButton::clicked, this, &HelpAboutForm::OkButtonClick);

    LabelMoreProductsUpdates = new QLabel(QStringLiteral("For more products and updates visit the "), this);
    LabelMoreProductsUpdates->setObjectName(QStringLiteral("LabelMoreProductsUpdates"));
    LabelMoreProductsUpdates->setContentsMargins(kLabelInset);
    LabelMoreProductsUpdates->move(kMoreProductsPos);

    LinkWebsite = new LinkLabel(QStringLiteral("website"), QString::fromLatin1(kWebPageAddress), this);
    LinkWebsite->setObjectName(QStringLiteral("LinkWebsite"));
    QFont linkFont = dialogFont();
    linkFont.setUnderline(true);
    LinkWebsite->setFont(linkFont);

    FormCreate();
    fitLabels();
    LinkWebsite->attachTo(LabelMoreProductsUpdates, kLinkGapRight, kLinkDropDown);
}

void HelpAboutForm::showAboutBox(QWidget *owner)
{
    HelpAboutForm box(owner);
    box.exec();
}

void HelpAboutForm::FormCreate()
{
    const QString title = applicationTitle();
    const QString version = GetAppVersion();
    setWindowTitle(QStringLiteral("About ") + title);
    AppNameLabel->setText(title + QLatin1Char(' ') + version);
}

void HelpAboutForm::OkButtonClick()
{
    close(); // ends the modal loop as the close box does
}

// The box is the cancel button's dialog: Esc presses OK, wherever the focus is.
void HelpAboutForm::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        OkButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A label whose text or font changed asks its parent for a new layout; the box has no
// layout manager, so it sizes the labels itself, and the link follows.
bool HelpAboutForm::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest)
        fitLabels();
    return QDialog::event(event);
}

void HelpAboutForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        fitLabels();
        if (!qFuzzyCompare(devicePixelRatioF(), m_pictureRatio))
            renderPicture();
        placeOverOwner();
    }
    QDialog::showEvent(event);
}

void HelpAboutForm::resizeEvent(QResizeEvent *event)
{
    OkButton->move(width() - kOkButtonRightMargin - OkButton->width(), OkButton->y());
    QDialog::resizeEvent(event);
}

// Drawn from the vector picture for the screen's pixel ratio, so it stays sharp when
// the desktop is scaled.
void HelpAboutForm::renderPicture()
{
    m_pictureRatio = devicePixelRatioF();
    QSvgRenderer renderer(QString::fromLatin1(kPicturePath));
    if (!renderer.isValid()) {
        Image1->clear();
        return;
    }
    QPixmap picture(kPictureRect.size() * m_pictureRatio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        renderer.render(&painter);
    }
    picture.setDevicePixelRatio(m_pictureRatio);
    Image1->setPixmap(picture);
}

void HelpAboutForm::fitLabels()
{
    for (QLabel *label : {AppNameLabel, LabelMoreProductsUpdates, static_cast<QLabel *>(LinkWebsite)})
        fitToText(label);
}

// Centred over the owner's window, the main window, or over the screen without one.
void HelpAboutForm::placeOverOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = nullptr;
    QRect ownerFrame;
    QMargins margins = frameMargins(this);
    if (owner && owner->isVisible()) {
        ownerFrame = owner->frameGeometry();
        screen = QGuiApplication::screenAt(ownerFrame.center());
        if (!screen)
            screen = owner->screen();
        if (margins.isNull())
            margins = frameMargins(owner);
    } else {
        screen = this->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    if (ownerFrame.isNull())
        ownerFrame = desktop;
    const QSize boxFrame = size().grownBy(margins);
    move(centredTopLeft(ownerFrame, boxFrame, desktop));
}
