// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>

// The start-up picture: borderless, above every other window, closes itself after three
// seconds and frees itself. Not modal, so the main window takes input while it shows.
class SplashForm : public QWidget {
    Q_OBJECT
public:
    explicit SplashForm(QWidget *parent = nullptr);

    static constexpr int kDisplayMilliseconds = 3000;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void TimerTimer();

    QTimer m_timer;
};
