// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare Qt main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(531, 406);
    window.show();
    return app.exec();
}
