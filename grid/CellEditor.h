#pragma once

#include <QLineEdit>

namespace mirota {

// The in-cell editor (txtMain) laid over the current cell of its grid.
// Enter and Tab ask for a commit, Escape for a cancel; the undo and redo keys belong to the window; every
// other key edits the text.
class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit CellEditor(QWidget* parent = nullptr);

signals:
    void commitRequested();
    void cancelRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace mirota
