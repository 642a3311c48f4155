#include "ui/MessageSink.h"

#include "ui/FocusReturn.h"

namespace mirota {

namespace {

QMessageBox::Icon boxIcon(Message::Icon icon) {
    switch (icon) {
        case Message::Icon::Information: return QMessageBox::Information;
        case Message::Icon::Warning: return QMessageBox::Warning;
        case Message::Icon::Critical: return QMessageBox::Critical;
        case Message::Icon::Question: return QMessageBox::Question;
        case Message::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString messageText(const Message& message) {
    return QString::fromStdString(message.text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::StandardButton showMessageBox(QWidget* parent, const Message& message,
                                           QMessageBox::StandardButtons buttons) {
    const FocusReturn focusReturn;
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.title), messageText(message), buttons,
                    parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace mirota
