#pragma once

#include <functional>

#include <QMessageBox>

#include "model/Message.h"

class QWidget;

namespace mirota {

// How the window shows a message and learns the answer; tests put a recorder in its place.
using MessageSink = std::function<QMessageBox::StandardButton(const Message&, QMessageBox::StandardButtons)>;

// A modal message box over parent with the message's text, title and icon.
QMessageBox::StandardButton showMessageBox(QWidget* parent, const Message& message,
                                           QMessageBox::StandardButtons buttons);

// The text of the message as a window shows it (line breaks of the core's CR LF form).
QString messageText(const Message& message);

}  // namespace mirota
