#include "edit/DocumentEditor.h"

#include <algorithm>
#include <stdexcept>

#include "edit/MovedFigureTypes.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr InputSet kInputSets[] = {InputSet::Design, InputSet::Measured};

// The type a figure has by its position: chain figures up and down in turn from an up one,
// exception figures deducted circles.
FigureType defaultType(ListKind list, int figure) {
    if (list == ListKind::Exception) return FigureType::DeductCircle;
    return figure % 2 == 0 ? FigureType::TriangleUp : FigureType::TriangleDown;
}

JoinSide joinSideOf(const SurveyData& data, int tier, int row) {
    return joinSideFromCode(data.cell(ListKind::Chain, tier, row, column::Join)).value_or(JoinSide::JoinCA);
}

}  // namespace

template <typename Edit>
bool DocumentEditor::transact(EditKind kind, const CellAddress& place, Edit edit) {
    ChangeRecorder recorder(data_);
    EditStep step{kind, place, {}};
    try {
        edit(recorder);
        step.change = recorder.finish();
        if (step.change.empty()) return false;
        history_.push(std::move(step));
        return true;
    } catch (...) {
        // All or nothing: a step that fails half-way (out of memory, a place outside the document)
        // leaves the document and the history as they were.
        recorder.rollback();
        std::move(step.change).revert(data_);
        throw;
    }
}

void DocumentEditor::storeCell(const CellAddress& cell, const std::string& text) {
    const auto [list, tier, row, col] = cell;
    if (list == ListKind::Exception && col == column::SideA) {
        for (InputSet set : kInputSets) data_.setCell(list, tier, tableRow(figureOfRow(row), set), col, text);
        return;
    }
    data_.setCell(list, tier, row, col, text);
    if (list == ListKind::Chain) carryOn(tier, row, col);
}

// A chain side is carried into the next figure's joined side when that figure is joined to it, and on
// from there while the figure after is joined to the side just written.
void DocumentEditor::carryOn(int tier, int row, int col) {
    const std::string text = data_.cell(ListKind::Chain, tier, row, col);
    for (; row + 2 < 2 * data_.figureCount(ListKind::Chain, tier); row += 2) {
        const JoinSide side = joinSideOf(data_, tier, row + 2);
        if (col != previousJoinedColumn(side)) return;
        col = joinedColumn(side);
        data_.setCell(ListKind::Chain, tier, row + 2, col, text);
    }
}

bool DocumentEditor::enterCell(const CellAddress& cell, const std::string& text, EditKind kind) {
    return transact(kind, cell, [&](ChangeRecorder&) { storeCell(cell, text); });
}

std::optional<Message> DocumentEditor::pasteBlock(const BlockPaste& paste) {
    auto planned = planBlockPaste(data_, paste);
    if (auto* refused = std::get_if<Message>(&planned)) return std::move(*refused);
    const PastePlan& plan = std::get<PastePlan>(planned);
    const CellAddress place{paste.list, paste.tier, tableRow(paste.figure, paste.set), paste.column};
    transact(EditKind::BlockPaste, place, [&](ChangeRecorder&) {
        if (plan.figureCount > data_.figureCount(paste.list, paste.tier)) {
            raiseFigureCount(paste.list, paste.tier, plan.figureCount);
        }
        for (const auto& [cell, text] : plan.cells) storeCell(cell, text);
    });
    return std::nullopt;
}

bool DocumentEditor::clearCells(const std::vector<CellAddress>& cells, EditKind kind) {
    if (cells.empty()) return false;
    return transact(kind, cells.front(), [&](ChangeRecorder&) {
        for (const CellAddress& cell : cells) storeCell(cell, {});
    });
}

bool DocumentEditor::setFigureCount(ListKind list, int tier, int count) {
    return transact(EditKind::FigureCount, {list, tier, 0, 0},
                    [&](ChangeRecorder&) {
                        if (count > data_.figureCount(list, tier)) {
                            raiseFigureCount(list, tier, count);
                        } else {
                            data_.setFigureCount(list, tier, count);
                        }
                    });
}

// A figure moves with its values and, in the chain, its join code; an exception figure's default name
// becomes the default name of its new position, a name of the user's stays as it is.
void DocumentEditor::copyFigureValues(ListKind list, int tier, int from, int to) {
    const int lastColumn = list == ListKind::Chain ? column::Join : column::Area;
    for (InputSet set : kInputSets) {
        for (int col = column::SideA; col <= lastColumn; ++col) {
            std::string text = data_.cell(list, tier, tableRow(from, set), col);
            if (list == ListKind::Exception && col == column::SideA && text == defaultExceptionName(from)) {
                text = defaultExceptionName(to);
            }
            data_.setCell(list, tier, tableRow(to, set), col, std::move(text));
        }
    }
}

template <typename Origin>
void DocumentEditor::moveTypes(ListKind list, int tier, int countBefore, Origin origin, int countAfter, int added) {
    std::vector<int> origins;
    for (int position = 0; position < countAfter; ++position) origins.push_back(position == added ? -1 : origin(position));
    for (InputSet set : kInputSets) {
        std::vector<std::string> before;
        for (int position = 0; position < countBefore; ++position) {
            before.push_back(data_.cell(list, tier, tableRow(position, set), column::Type));
        }
        const std::vector<std::string> after = typeCodesAfterMove(list, before, origins);
        for (int position = 0; position < countAfter; ++position) {
            data_.setCell(list, tier, tableRow(position, set), column::Type, after[static_cast<std::size_t>(position)]);
        }
    }
}

void DocumentEditor::clearFigureColumns(ListKind list, int tier, int figure, int firstColumn, int lastColumn) {
    for (InputSet set : kInputSets) {
        for (int col = firstColumn; col <= lastColumn; ++col) data_.setCell(list, tier, tableRow(figure, set), col, {});
    }
}

// The chain figure takes the previous figure's paired side into its joined side, by its own join code.
void DocumentEditor::joinToPrevious(int tier, int figure) {
    const JoinSide side = joinSideOf(data_, tier, tableRow(figure, InputSet::Design));
    for (InputSet set : kInputSets) {
        const int row = tableRow(figure, set);
        data_.setCell(ListKind::Chain, tier, row, joinedColumn(side),
                      data_.cell(ListKind::Chain, tier, row - 2, previousJoinedColumn(side)));
        carryOn(tier, row, joinedColumn(side));
    }
}

// The chain figure takes into the side the next figure is joined to that figure's joined value, so that
// the next figure keeps it.
void DocumentEditor::shareWithNext(int tier, int figure) {
    const JoinSide next = joinSideOf(data_, tier, tableRow(figure + 1, InputSet::Design));
    for (InputSet set : kInputSets) {
        data_.setCell(ListKind::Chain, tier, tableRow(figure, set), previousJoinedColumn(next),
                      data_.cell(ListKind::Chain, tier, tableRow(figure + 1, set), joinedColumn(next)));
    }
}

void DocumentEditor::raiseFigureCount(ListKind list, int tier, int count) {
    const int before = data_.figureCount(list, tier);
    data_.setFigureCount(list, tier, count);
    completeFigures(list, tier);
    if (list == ListKind::Chain) closeChain(tier, before);
}

void DocumentEditor::closeChain(int tier, int firstFigure) {
    for (int figure = std::max(firstFigure, 1); figure < data_.figureCount(ListKind::Chain, tier); ++figure) {
        joinToPrevious(tier, figure);
    }
}

std::optional<Message> DocumentEditor::insertFigure(ListKind list, int tier, int figure) {
    const int count = data_.figureCount(list, tier);
    if (figure < 0 || figure > count) throw std::out_of_range("no figure to insert before");
    if (count >= data_.maxFigures()) {
        return Message{"最高個数は\"" + std::to_string(data_.maxFigures()) + "\"です。", kProgramTitle,
                       Message::Icon::Warning};
    }
    transact(EditKind::FigureInsert, {list, tier, tableRow(figure, InputSet::Design), 0}, [&](ChangeRecorder&) {
        for (int to = count; to > figure; --to) copyFigureValues(list, tier, to - 1, to);
        moveTypes(list, tier, count, [&](int position) { return position < figure ? position : position - 1; },
                  count + 1, figure);
        clearFigureColumns(list, tier, figure, column::SideA, column::Area);
        data_.setFigureCount(list, tier, count + 1);
        if (list == ListKind::Chain) {
            // The new figure is joined C-A to the one before it, A-C when the next one shares its A.
            const bool movedDown = figure < count;
            const JoinSide nextJoin = movedDown ? joinSideOf(data_, tier, tableRow(figure + 1, InputSet::Design))
                                                : JoinSide::JoinCA;
            const JoinSide join = nextJoin == JoinSide::JoinAC ? JoinSide::JoinAC : JoinSide::JoinCA;
            for (InputSet set : kInputSets) {
                data_.setCell(list, tier, tableRow(figure, set), column::Join, std::string(joinSideCode(join)));
            }
            if (movedDown) shareWithNext(tier, figure);
            if (figure >= 1) joinToPrevious(tier, figure);
        }
        completeFigures(list, tier);
    });
    return std::nullopt;
}

std::optional<Message> DocumentEditor::deleteFigure(ListKind list, int tier, int figure) {
    const int count = data_.figureCount(list, tier);
    if (count <= 1) return Message{"最低個数は\"1\"です。", kProgramTitle, Message::Icon::Warning};
    transact(EditKind::FigureDelete, {list, tier, tableRow(figure, InputSet::Design), 0}, [&](ChangeRecorder&) {
        for (int to = figure; to < count - 1; ++to) copyFigureValues(list, tier, to + 1, to);
        moveTypes(list, tier, count, [&](int position) { return position < figure ? position : position + 1; },
                  count - 1, -1);
        data_.setFigureCount(list, tier, count - 1);
        if (list == ListKind::Chain && figure >= 1 && figure < count - 1) joinToPrevious(tier, figure);
    });
    return std::nullopt;
}

bool DocumentEditor::setFigureType(ListKind list, int tier, int figure, FigureType type) {
    return transact(EditKind::FigureType, {list, tier, tableRow(figure, InputSet::Design), column::Type},
                    [&](ChangeRecorder&) {
                        for (InputSet set : kInputSets) {
                            data_.setCell(list, tier, tableRow(figure, set), column::Type, std::string(typeCode(type)));
                        }
                    });
}

bool DocumentEditor::setChainOrientation(int tier, bool firstUp) {
    return transact(EditKind::ChainOrientation, {ListKind::Chain, tier, 0, column::Type}, [&](ChangeRecorder&) {
        for (int figure = 0; figure < data_.figureCount(ListKind::Chain, tier); ++figure) {
            const bool up = (figure % 2 == 0) == firstUp;
            const FigureType type = up ? FigureType::TriangleUp : FigureType::TriangleDown;
            for (InputSet set : kInputSets) {
                data_.setCell(ListKind::Chain, tier, tableRow(figure, set), column::Type, std::string(typeCode(type)));
            }
        }
    });
}

bool DocumentEditor::setJoinSide(int tier, int figure, JoinSide side) {
    if (figure < 1) return false;
    const int first = tableRow(figure, InputSet::Design);
    return transact(EditKind::JoinSide, {ListKind::Chain, tier, first, column::Join}, [&](ChangeRecorder&) {
        const int oldColumn = joinedColumn(joinSideOf(data_, tier, first));
        const int newColumn = joinedColumn(side);
        for (InputSet set : kInputSets) {
            const int row = tableRow(figure, set);
            const std::string released = data_.cell(ListKind::Chain, tier, row, newColumn);
            const std::string paired = data_.cell(ListKind::Chain, tier, row - 2, previousJoinedColumn(side));
            data_.setCell(ListKind::Chain, tier, row, oldColumn, released);
            data_.setCell(ListKind::Chain, tier, row, newColumn, paired);
            data_.setCell(ListKind::Chain, tier, row, column::Join, std::string(joinSideCode(side)));
            // The next figure stays joined to the side it was joined to, whichever value it now holds.
            carryOn(tier, row, oldColumn);
            carryOn(tier, row, newColumn);
        }
    });
}

bool DocumentEditor::setTierCount(int count) {
    return transact(EditKind::TierCount, {}, [&](ChangeRecorder&) {
        const int before = data_.tierCount();
        data_.changeTierCount(count);
        for (int tier = 0; tier < count; ++tier) {
            for (ListKind list : {ListKind::Chain, ListKind::Exception}) completeFigures(list, tier);
            if (tier >= before) closeChain(tier, 1);  // a new tier may show what an old one left behind
        }
    });
}

bool DocumentEditor::tierCountDropsValues(int count) const {
    for (int tier = count; tier < data_.tierCount(); ++tier) {
        for (int row = 0; row < 2 * data_.figureCount(ListKind::Chain, tier); ++row) {
            for (int col = column::SideA; col <= column::SideC; ++col) {
                if (!data_.cell(ListKind::Chain, tier, row, col).empty()) return true;
            }
        }
        for (int row = 0; row < 2 * data_.figureCount(ListKind::Exception, tier); ++row) {
            const std::string& name = data_.cell(ListKind::Exception, tier, row, column::SideA);
            if (!name.empty() && name != defaultExceptionName(figureOfRow(row))) return true;
            for (int col = column::SideB; col <= column::HalfPerimeter; ++col) {
                if (!data_.cell(ListKind::Exception, tier, row, col).empty()) return true;
            }
        }
    }
    return false;
}

bool DocumentEditor::changeSettings(const DocumentSettings& settings) {
    // Numbers compare as numbers: -0 for 0 is no change and is not stored. What the data file cannot
    // hold (a number that is not finite, a layer name it refuses) is never stored.
    const DocumentSettings before = DocumentSettings::of(data_);
    if (settings == before || !settings.conditions.numbersAreFinite()) return false;
    const DrawingConditions& c = settings.conditions;
    for (const std::string* layer : {&c.drawingLayerName, &c.dimensionLayerName, &c.areaTableLayerName}) {
        if (layerNameProblem(*layer)) return false;
    }
    return transact(EditKind::Settings, {}, [&](ChangeRecorder& recorder) {
        recorder.recordSettings(before, settings);
        settings.applyTo(data_);
    });
}

bool DocumentEditor::changeTitleBlock(const TitleBlock& titleBlock) {
    const DocumentSettings before = DocumentSettings::of(data_);
    if (titleBlock == before.titleBlock) return false;
    for (const TitleField& field : kTitleFields) {
        if (titleFieldProblem(titleBlock.*field.field)) return false;
    }
    DocumentSettings after = before;
    after.titleBlock = titleBlock;
    return transact(EditKind::TitleBlock, {}, [&](ChangeRecorder& recorder) {
        recorder.recordSettings(before, after);
        after.applyTo(data_);
    });
}

void DocumentEditor::completeFigures(ListKind list, int tier) {
    for (int row = 0; row < 2 * data_.figureCount(list, tier); ++row) {
        const int figure = figureOfRow(row);
        if (!figureTypeFromCode(data_.cell(list, tier, row, column::Type))) {
            data_.setCell(list, tier, row, column::Type, std::string(typeCode(defaultType(list, figure))));
        }
        if (list == ListKind::Exception && data_.cell(list, tier, row, column::SideA).empty()) {
            data_.setCell(list, tier, row, column::SideA, defaultExceptionName(figure));
        }
        if (list == ListKind::Chain && data_.cell(list, tier, row, column::Join).empty()) {
            data_.setCell(list, tier, row, column::Join, "0");
        }
    }
}

}  // namespace mirota
