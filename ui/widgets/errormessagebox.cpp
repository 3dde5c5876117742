// SPDX-License-Identifier: MIT
#include "ui/widgets/errormessagebox.h"

#include <QApplication>
#include <QMessageBox>

ErrorHandler messageBoxErrorHandler(std::function<QWidget *()> parent)
{
    return [parent = std::move(parent)](const QString &message) {
        QWidget *owner = parent ? parent() : QApplication::activeWindow();
        QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                        errorBoxText(message), QMessageBox::Ok, owner);
        box.exec();
    };
}
