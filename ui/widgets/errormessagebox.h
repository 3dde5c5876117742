// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/errorhandler.h"

#include <QWidget>

#include <functional>

// The application's default error handler: a message box with the application's display
// name as caption, an error icon, an OK button and the message with its closing full
// stop. parent() names the window the box belongs to (may return nullptr).
ErrorHandler messageBoxErrorHandler(std::function<QWidget *()> parent = {});
