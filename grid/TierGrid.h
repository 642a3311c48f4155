#pragma once

#include <vector>

#include <QTableWidget>

#include "grid/CellState.h"
#include "model/FigureType.h"
#include "model/SurveyData.h"

namespace mirota {

// The grid of one figure list (msgMain). Rows are numbered as the document's figures are laid out:
// row 0 is the header, row r >= 1 shows table row r - 1, so figure k takes rows 2k - 1 and 2k.
// It only shows text; the document stays in SurveyData.
class TierGrid : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 8;
    static constexpr int kRowHeightTwips = 320;

    TierGrid(ListKind list, QWidget* parent = nullptr);

    ListKind list() const { return list_; }

    // Header row included.
    int rows() const { return rowCount() + 1; }
    void setRows(int rows);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // The current cell; row 0 when there is none.
    int currentGridRow() const { return currentRow() + 1; }
    int currentGridColumn() const { return currentColumn(); }
    void setCurrentGridCell(int row, int col);

    CellState state(int row, int col) const;
    void setState(int row, int col, CellState state);

    // A cell shown in red with the reason as its tooltip; an empty reason shows it as usual again.
    void markFaulty(int row, int col, const QString& reason);

    // The symbol of the type in column 1 of the row, in the type's colour.
    void showTypeSymbol(int row, FigureType type);
    // One number, one type and (exception list) one name cell per figure.
    void mergeFigureCells();

    // The rectangle of the current cell (merged cells give the merged rectangle), in viewport coordinates.
    QRect currentCellRect() const;

    // The selected cells in grid rows and columns (dragged with the mouse or stretched with Shift+arrows);
    // null when nothing is selected.
    QRect selectedBlock() const;
    // More is selected than the current cell with the cells merged into it.
    bool hasBlock() const;

    static QString symbolText(FigureType type);

signals:
    void characterTyped(char character);
    void enterPressed();
    void f2Released();
    void mouseReleased(Qt::MouseButton button, QPoint globalPos);
    void cellDoubleClicked();
    void copyPressed();
    void cutPressed();
    void pastePressed();
    void deletePressed();
    void scrolled();
    // The Menu key or Shift+F10: the context menu at the current cell.
    void contextMenuKeyPressed();
    void focusEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTableWidgetItem* cellItem(int row, int col) const;
    std::size_t stateIndex(int row, int col) const;

    ListKind list_;
    std::vector<CellState> states_;
    int mergedFigures_ = 0;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace mirota
