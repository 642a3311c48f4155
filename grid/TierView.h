#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QPoint>

#include "edit/DocumentEditor.h"
#include "grid/FigurePane.h"
#include "ui/MessageSink.h"
#include "model/CellEntry.h"
#include "model/SurveyData.h"
#include "settings/Preferences.h"

namespace mirota {

// The tier on screen: both figure grids as views of the document, their in-cell editors, the row
// operations and the clipboard commands. Every committed edit goes to the document at once, as one
// transaction of the edit layer; the grids then show the result.
class TierView : public QObject {
    Q_OBJECT

public:
    // phase is the main window's phase marker ("start", "new", "open" or "").
    TierView(DocumentEditor& edits, SurveyData::ViewState& view, Preferences& prefs, const std::string& phase,
             QWidget* paneParent);

    FigurePane* pane(ListKind list) const { return panes_[index(list)]; }
    TierGrid* grid(ListKind list) const { return pane(list)->grid(); }
    CellEditor* editor(ListKind list) const { return pane(list)->editor(); }

    // The window shows messages and updates the command state through these.
    MessageSink showMessage;
    std::function<void()> updateCommandState;

    // Grid view of a tier.
    void SetGridRedraw(bool on, const std::string& owner);
    const std::string& redrawOwner() const { return redrawOwner_; }
    void setRedrawOwner(const std::string& owner) { redrawOwner_ = owner; }
    void cboMain_Click(ListKind list);
    void LoadTierIntoGrid(ListKind list);
    void PaintCellStates();
    void FitGridToFrame(ListKind list);
    // The calculated-area and deduction totals and the net area of both lists, for the tier and input set on screen.
    void showTotals();
    // After a calculation: the computed columns of the rows it covered, the others blank.
    void showCalculatedColumns();

    // Cell editing.
    void HideCellEditors();
    void StartCellEdit(ListKind list, std::optional<char> character);
    void CommitCellEdit(ListKind list);
    void MoveToNextCell(ListKind list);

    // Row operations on the figure of the current cell of the grid last clicked.
    void switchInputSet(InputSet set);
    void mnuDataModeAllChg_Click(int item);
    void ChangeFigureType(int code);
    void ChangeJoinSide(int code);
    void mnuDataAddData_Click();
    void mnuDataDeleteData_Click();
    // The first grid row of the figure of the current cell.
    int figureFirstRow(ListKind list) const;

    // The list whose grid holds the one current cell that typing and the commands act on: the other
    // grid shows none, and the keyboard focus goes with it from the other grid.
    void setActiveList(ListKind list);

    // Clipboard commands on the selected block of the grid last clicked, or on its current cell. A paste
    // of more than one value fills the figures of the input set being edited from the block's first cell.
    void mnuEditCopy_Click();
    void mnuEditCut_Click();
    void mnuEditPaste_Click();
    // Empties the editable cells of the selected block, or the current cell, as one step.
    void clearSelectedCells();

signals:
    // The user has changed the document: a cell, a block of cells, a figure count, a type, a join side, a
    // figure inserted or deleted, the tier count. The areas and totals follow it.
    void documentEdited();
    // A copy or cut has put something on the clipboard.
    void pasteAvailable();
    // The right button was released on a grid: show the Data menu there.
    void dataMenuRequested(QPoint globalPos);
    // The right button chose a cell of the other input set: edit that set.
    void inputSetChosen(InputSet set);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(ListKind list) { return static_cast<std::size_t>(list); }
    int tier() const { return view_.currentTier; }
    bool isActiveRow(int row) const;
    QString formatted(const std::string& text) const;
    void showFigureValues(ListKind list, int firstRow);
    void showFigureType(ListKind list, int firstRow);
    // What a value cell of the tier on screen shows: the document's text, the computed columns only in
    // rows that carry a result.
    QString shownText(ListKind list, int gridRow, int gridColumn) const;
    void showMessageOk(const Message& message);
    // Shows the list's new figure count after an insert or delete; the grid is rebuilt.
    void showFigureCount(ListKind list);
    void stayAtFigure(ListKind list, int figure, int col);

    // Editing hooks of the grids and editors.
    void startEditOnEditable(ListKind list, std::optional<char> character);
    void msgMain_DblClick(ListKind list);
    void msgMain_MouseUp(ListKind list, Qt::MouseButton button, QPoint globalPos);
    void msgMain_Scroll(ListKind list);
    void commitCellEdit(ListKind list, EditKind kind);
    void refuseEntry(ListKind list, const RefusedEntry& refused);

    // Clipboard helpers: the list whose current cell may be edited, if any; the block's cells as shown,
    // tab-separated; the block's editable cells in the document; a paste of several values.
    std::optional<ListKind> editableActiveCell() const;
    QString blockText(ListKind list) const;
    std::vector<CellAddress> editableCells(ListKind list) const;
    void clearCells(ListKind list, EditKind kind);
    void pasteBlock(ListKind list, TextTable values);
    void showEditedList(ListKind list, int oldFigureCount);

    DocumentEditor& edits_;
    const SurveyData& data_;
    SurveyData::ViewState& view_;
    Preferences& prefs_;
    const std::string& phase_;
    std::array<FigurePane*, 2> panes_{};
    std::string redrawOwner_;
};

}  // namespace mirota
