#include "grid/CellEditor.h"

#include <QKeyEvent>

namespace mirota {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    hide();
}

bool CellEditor::event(QEvent* event) {
    // Undo and redo take back the document's steps, not the typing: the window's commands get the keys
    // and close the editor without storing its text.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return false;
        }
    }
    // Tab commits instead of moving the focus on.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            emit commitRequested();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit commitRequested(); return;
        case Qt::Key_Escape: emit cancelRequested(); return;
        default: QLineEdit::keyPressEvent(event);
    }
}

}  // namespace mirota
