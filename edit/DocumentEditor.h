#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/BlockPaste.h"
#include "edit/DocumentSettings.h"
#include "edit/EditHistory.h"
#include "model/FigureType.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// The edit layer: every change a user makes to the document is one transaction here, recorded in
// the history so that it can be undone and redone, and the answer to "changed since saved or opened".
// Figures are counted from 0; an operation returns whether it changed the document.
class DocumentEditor {
public:
    explicit DocumentEditor(SurveyData& data) : data_(data) {}

    const SurveyData& document() const { return data_; }

    // Stores a text that cell entry has accepted. An exception name names both rows of its figure; a
    // chain side joined by the next figure is carried into that figure's joined side.
    bool enterCell(const CellAddress& cell, const std::string& text, EditKind kind = EditKind::CellEntry);

    // Stores a block of values as cell entry accepts them, the figure count raised as the block needs;
    // refused as a whole, with the message naming the first value refused.
    std::optional<Message> pasteBlock(const BlockPaste& paste);
    // Empties the cells, each as an empty entry; the first cell is where the step happened.
    bool clearCells(const std::vector<CellAddress>& cells, EditKind kind = EditKind::ClearCells);

    // A chain figure added by a raise is joined to the one before it.
    bool setFigureCount(ListKind list, int tier, int count);
    // A new figure before this one, or after the last one when figure is the count; the figures after it
    // move down with their values, join codes and marks (see typeCodesAfterMove). The new chain figure
    // takes its joined side from the figure before it and the side the next figure shares with it from
    // that figure, so that no value typed is lost and the chain stays closed. Refused with a message when
    // the list is full.
    std::optional<Message> insertFigure(ListKind list, int tier, int figure);
    // The figures after it move up with their values, join codes and marks, the next one joined to the
    // one before; refused with a message for the last figure left.
    std::optional<Message> deleteFigure(ListKind list, int tier, int figure);
    bool setFigureType(ListKind list, int tier, int figure, FigureType type);
    // Every chain figure of the tier up and down in turn, the first one up or down.
    bool setChainOrientation(int tier, bool firstUp);
    // The value of the side that becomes joined moves into the side that is no longer joined; the new
    // joined side takes the previous figure's paired side, and the next figure's joined side follows the
    // side it is joined to. The first figure is joined to nothing.
    bool setJoinSide(int tier, int figure, JoinSide side);
    bool setTierCount(int count);
    // Lowering the tier count to count would drop a value of the user's in a tier beyond it: a side, an
    // element, a position or a name other than the one a figure is given.
    bool tierCountDropsValues(int count) const;
    // Not taken when it holds what the data file cannot (a number not finite, a layer name the file
    // refuses); a number equal to the one stored (-0 for 0) changes nothing.
    bool changeSettings(const DocumentSettings& settings);
    // Not taken when a field holds what the data file cannot (see titleFieldProblem).
    bool changeTitleBlock(const TitleBlock& titleBlock);

    // Gives the shown figures of a list what a figure always has: its type (by position when it has
    // none), the exception list's name, the chain's join code. Not a user change: no step. The steps
    // that add figures do it within themselves, so that taking them back leaves no trace.
    void completeFigures(ListKind list, int tier);

    // The history of the steps above.
    const EditHistory& history() const { return history_; }
    const EditStep* undo() { return history_.undo(data_); }
    const EditStep* redo() { return history_.redo(data_); }
    bool isModified() const { return history_.isModified(); }
    void markSaved() { history_.markSaved(); }
    void markOpened() { history_.markOpened(); }
    void markUnsaved() { history_.markUnsaved(); }

private:
    template <typename Edit>
    bool transact(EditKind kind, const CellAddress& place, Edit edit);
    // enterCell's writes, shared by the block operations.
    void storeCell(const CellAddress& cell, const std::string& text);
    void copyFigureValues(ListKind list, int tier, int from, int to);
    // Gives the positions the type codes of the figures that moved: origin(position) is the figure that
    // now stands there, `added` the new figure's position (-1 for none).
    template <typename Origin>
    void moveTypes(ListKind list, int tier, int countBefore, Origin origin, int countAfter, int added);
    void clearFigureColumns(ListKind list, int tier, int figure, int firstColumn, int lastColumn);
    void carryOn(int tier, int row, int col);
    void joinToPrevious(int tier, int figure);
    void shareWithNext(int tier, int figure);
    // Shows more figures of the list, each new chain figure joined to the one before it.
    void raiseFigureCount(ListKind list, int tier, int count);
    // Joins every chain figure from this one on to the one before it.
    void closeChain(int tier, int firstFigure);

    SurveyData& data_;
    EditHistory history_;
};

}  // namespace mirota
