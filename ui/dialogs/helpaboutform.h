// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QSize>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's picture, its name and version, an OK button and a link
// to the maker's web page. A fixed 621 by 256 dialog, made for one About command,
// shown modally over the main window and freed when it closes.
class HelpAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit HelpAboutForm(QWidget *owner = nullptr);

    // The About command: a new box owned by owner, shown modally, freed once closed.
    static void showAboutBox(QWidget *owner);

    // The design's client area.
    static constexpr QSize kClientSize{621, 256};

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void OkButtonClick();

    void renderPicture();
    void fitLabels();
    void placeOverOwner();

    QLabel *Image1 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *AppNameLabel = nullptr;
    QPushButton *OkButton = nullptr;
    QLabel *LabelMoreProductsUpdates = nullptr;
    LinkLabel *LinkWebsite = nullptr;
    qreal m_pictureRatio = 0;
};
