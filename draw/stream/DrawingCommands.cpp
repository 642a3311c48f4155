#include "draw/stream/DrawingCommands.h"

#include <cmath>
#include <string_view>

#include "draw/stream/Angles.h"
#include "draw/stream/AreaTable.h"
#include "draw/stream/CommandText.h"
#include "draw/stream/DevelopmentPlacement.h"
#include "draw/stream/FigureCommands.h"
#include "draw/stream/HatchKeepOuts.h"
#include "draw/stream/OptionCommands.h"
#include "model/FigureType.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

// Far inside the range of the whole-number sums of the number centres.
constexpr double kCoordinateLimit = 1e15;

int drawnRowCount(const SurveyData& data, int tier) { return 2 * data.figureCount(ListKind::Chain, tier); }
int firstDrawnRow(const SurveyData& data) { return static_cast<int>(data.view.currentInputSet); }

bool isDrawableCoordinate(float value) { return std::isfinite(value) && std::fabs(value) <= kCoordinateLimit; }

}  // namespace

std::optional<std::string> undrawableCause(const SurveyData& data, const FigureGeometry& geometry) {
    const DrawingConditions& c = data.conditions;
    for (float value :
         {c.referenceX, c.referenceY, c.referenceAngle, c.numberHeight, c.labelHeight, c.tableX, c.tableY}) {
        if (!std::isfinite(value)) return "作図条件の数値が正しくありません。";
    }
    if (geometry.tiers() < data.tierCount()) return "図形の座標が求められていません。";
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        if (drawnRowCount(data, tier) > geometry.rows()) return "図形の座標が求められていません。";
    }
    const int base = geometry.baseFigureNumber(0);
    if (base < 1 || base > data.figureCount(ListKind::Chain, 0)) return "1段目の基準図形が見つかりません。";

    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (int row = firstDrawnRow(data); row < drawnRowCount(data, tier); row += 2) {
            for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                for (int component = 0; component < FigureGeometry::kComponents; ++component) {
                    if (!isDrawableCoordinate(geometry.at(tier, row, vertex, component))) {
                        return std::to_string(tier + 1) + "段目の" + std::to_string(row / 2 + 1) +
                               "番目の図形の座標が作図できる範囲を超えています。";
                    }
                }
            }
        }
    }
    if (!alignBaseFigure(geometry, baseRowOf(data, geometry))) {
        return "基準図形の頂点が重なっているため、図面の向きを決められません。";
    }
    return std::nullopt;
}

namespace {

// One run of the command stream over an open link; stops at the first command not delivered.
class DrawingStream {
public:
    DrawingStream(const SurveyData& data, const FigureGeometry& geometry, const StreamSettings& settings,
                  CadLink& link, const ProgressCallback& progress)
        : data_(data),
          geometry_(geometry),
          settings_(settings),
          link_(link),
          progress_(progress),
          conditions_(data.conditions),
          baseRow_(baseRowOf(data, geometry)),
          alignment_(*alignBaseFigure(geometry, baseRow_)) {}

    std::optional<LinkError> run() {
        if (sendAll()) return std::nullopt;
        return failure_;
    }

private:
    bool sendAll() {
        if (conditions_.additionalDrawing == Switch::Off && !delivered(link_.EraseAcadDrawing())) return false;
        if (!sendNewLayer(conditions_.drawingLayerName)) return false;
        maximum_ = 4 * data_.figureCount(ListKind::Chain, 0);
        return sendOutlines() && sendChainHatching() && sendNewLayer(conditions_.dimensionLayerName) &&
               sendLayerColour("red", conditions_.dimensionLayerName) && sendSideLabels() && sendFigureNumbers() &&
               sendHeightLines() && sendPlacement() && sendExceptionFigures() && sendLayerLocks() && sendAreaTable();
    }

    bool delivered(std::optional<LinkError> failure) {
        if (!failure) return true;
        failure_ = std::move(failure);
        return false;
    }
    bool send(const std::string& text) { return delivered(link_.execute(text)); }

    void report() const {
        if (progress_) progress_(value_, maximum_);
    }

    // Visits the drawn row of every chain figure, tier by tier; stops when the visitor fails.
    template <typename Visit>
    bool forEachDrawnRow(Visit visit) {
        for (int tier = 0; tier < data_.tierCount(); ++tier) {
            int figureNumber = 0;
            for (int row = firstDrawnRow(data_); row < drawnRowCount(data_, tier); row += 2) {
                if (!visit(tier, row, ++figureNumber)) return false;
            }
        }
        return true;
    }

    bool sendNewLayer(const std::string& name) {
        return send(command::answers({"-layer", "n", name, ""})) && send(command::answers({"-layer", "s", name, ""}));
    }
    bool sendLayerColour(std::string_view colour, const std::string& name) {
        return send(command::answers({"-layer", "c", colour, name, ""}));
    }

    bool sendOutlines() {
        return forEachDrawnRow([this](int tier, int row, int) {
            value_ = row;
            report();
            return send(outlineCommand(geometry_, tier, row));
        });
    }

    bool sendEach(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            if (!send(text)) return false;
        }
        return true;
    }

    // The hatching's spacing: as far apart on paper whatever the document's unit.
    double hatchSpacing() const { return hatching::spacingOnPaper(conditions_.scale, conditions_.displayUnit); }

    // The texts and circled numbers the hatching leaves free, in the development's own frame (the
    // chain's, before the move and turn) or in the drawing's (the exception figures').
    hatching::KeepOuts textKeepOuts(bool drawingFrame) const {
        std::vector<hatching::KeepOut> chain =
            chainKeepOuts(data_, geometry_, settings_.sideDigits(), shownRules(), settings_.heightLines, alignment_.flipped);
        std::vector<hatching::KeepOut> exceptions;
        if (settings_.exceptionFigures) {
            exceptions = exceptionKeepOuts(layOutExceptionFigures(data_, ""), conditions_, shownRules());
        }
        const auto placement = DevelopmentPlacement::of(data_, geometry_);
        const auto place = [&](hatching::Point p) {
            const PlanePoint placed = placement->place(static_cast<float>(p.x), static_cast<float>(p.y));
            return hatching::Point{placed.x, placed.y};
        };
        const auto unplace = [&](hatching::Point p) {
            const PlanePoint unplaced = placement->unplace(p.x, p.y);
            return hatching::Point{unplaced.x, unplaced.y};
        };
        if (drawingFrame) {
            for (const hatching::KeepOut& k : chain) exceptions.push_back(hatching::moved(k, place));
            return hatching::KeepOuts(std::move(exceptions));
        }
        for (const hatching::KeepOut& k : exceptions) chain.push_back(hatching::moved(k, unplace));
        return hatching::KeepOuts(std::move(chain));
    }

    // Options: deduction triangles hatched on the drawing layer, before the move and turn.
    bool sendChainHatching() {
        if (!settings_.deductionHatching) return true;
        const hatching::KeepOuts keepOuts = textKeepOuts(false);
        return forEachDrawnRow([&](int tier, int row, int) {
            if (!isDeductionCode(data_.cell(ListKind::Chain, tier, row, column::Type))) return true;
            std::vector<hatching::Point> corners;
            for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                corners.push_back({geometry_.at(tier, row, vertex, FigureGeometry::VertexX),
                                   geometry_.at(tier, row, vertex, FigureGeometry::VertexY)});
            }
            const auto lines = hatching::convexPolygon(corners, hatchSpacing(), hatching::kMostLines);
            return sendEach(hatchCommands(keepOuts.clip(lines)));
        });
    }

    // The digits and rounding rule every computed value of the drawing is written with.
    AreaRules shownRules() const {
        return {.decimals = number::decimalsOf(settings_.digitsFormat), .rounding = settings_.areaTable.rounding};
    }

    // Options: the 三斜 height of every triangle on the dimension layer, before the move and turn.
    bool sendHeightLines() {
        if (!settings_.heightLines) return true;
        return forEachDrawnRow([this](int tier, int row, int) {
            const auto line = heightLineOf(data_, geometry_, tier, row);
            if (!line) return true;
            return sendEach(
                heightLineCommands(*line, conditions_.labelHeight, alignment_.flipped, heightText(*line, shownRules())));
        });
    }

    // Options: the exception figures at their positions, which are the drawing's own coordinates, so
    // after the move and turn: outlines (and hatching) on the drawing layer, names and areas on the
    // dimension layer.
    bool sendExceptionFigures() {
        if (!settings_.exceptionFigures) return true;
        const ExceptionLayout layout = layOutExceptionFigures(data_, "");
        if (layout.placed.empty()) return true;
        if (!send(command::answers({"-layer", "s", conditions_.drawingLayerName, ""}))) return false;
        std::optional<hatching::KeepOuts> keepOuts;
        if (settings_.deductionHatching) keepOuts.emplace(textKeepOuts(true));
        for (const PlacedExceptionFigure& figure : layout.placed) {
            if (!send(exceptionOutlineCommand(figure))) return false;
            if (keepOuts && figure.deduction &&
                !sendEach(hatchCommands(keepOuts->clip(exceptionHatching(figure, hatchSpacing()))))) {
                return false;
            }
        }
        if (!send(command::answers({"-layer", "s", conditions_.dimensionLayerName, ""}))) return false;
        for (const PlacedExceptionFigure& figure : layout.placed) {
            if (!sendEach(exceptionLabelCommands(figure, conditions_.labelHeight, conditions_.referenceAngle,
                                                shownRules()))) {
                return false;
            }
        }
        return true;
    }

    bool sendSideLabels() {
        const auto justification = labelJustification(conditions_.dimensionPosition);
        return forEachDrawnRow([&](int tier, int row, int) {
            ++value_;
            report();
            if (!justification) return true;
            for (int side = 0; side < FigureGeometry::kVertices; ++side) {
                const std::string text =
                    number::formatDigits(data_.cell(ListKind::Chain, tier, row, column::SideA + side), settings_.sideDigits());
                if (!send(sideLabelCommand(geometry_, tier, row, side, *justification, alignment_.flipped,
                                           conditions_.labelHeight, text))) {
                    return false;
                }
            }
            return true;
        });
    }

    bool sendFigureNumbers() {
        const float height = conditions_.numberHeight;
        return forEachDrawnRow([&](int tier, int row, int figureNumber) {
            ++value_;
            report();
            const NumberCentre centre = numberCentre(geometry_, tier, row);
            return send(figureNumberCommand(centre, height, alignment_.alignAngle, figureNumber)) &&
                   send(numberCircleCommand(centre, height));
        });
    }

    bool sendPlacement() {
        const std::string reference = command::singlePoint(conditions_.referenceX, conditions_.referenceY);
        const std::string baseVertex = command::singlePoint(geometry_.at(0, baseRow_, 0, FigureGeometry::VertexX),
                                                            geometry_.at(0, baseRow_, 0, FigureGeometry::VertexY));
        const float turn = alignment_.alignAngle + conditions_.referenceAngle;
        return send(command::answers({"_move", "all", "", baseVertex, reference})) &&
               send(command::answers({"_rotate", "p", "", reference, number::singleText(turn)}));
    }

    bool sendLayerLocks() {
        if (conditions_.additionalDrawing != Switch::On) return true;
        for (const std::string* name :
             {&conditions_.areaTableLayerName, &conditions_.dimensionLayerName, &conditions_.drawingLayerName}) {
            if (!send(command::answers({"-layer", "lo", *name, ""}))) return false;
        }
        return true;
    }

    bool sendAreaTable() {
        if (conditions_.areaTable != Switch::On) return true;
        if (!sendNewLayer(conditions_.areaTableLayerName) || !sendLayerColour("BLUE", conditions_.areaTableLayerName)) {
            return false;
        }
        AreaTableRules table = settings_.areaTable;
        table.sideDecimals = number::decimalsOf(settings_.sideDigits());
        return sendEach(areaTableCommands(data_, settings_.digitsFormat, table));
    }

    const SurveyData& data_;
    const FigureGeometry& geometry_;
    const StreamSettings& settings_;
    CadLink& link_;
    const ProgressCallback& progress_;
    const DrawingConditions& conditions_;
    const int baseRow_;
    const BaseAlignment alignment_;
    int value_ = 0;
    int maximum_ = 0;
    std::optional<LinkError> failure_;
};

}  // namespace

std::optional<Message> sendDrawingCommands(const SurveyData& data, const FigureGeometry& geometry,
                                           const StreamSettings& settings, CadLink& link,
                                           const ProgressCallback& progress) {
    if (const auto cause = undrawableCause(data, geometry)) return drawingNotFinishedMessage(*cause);
    if (const auto failure = link.open(kAcadApplication, kAcadTopic)) {
        return drawingNotFinishedMessage(failure->description);
    }
    if (const auto failure = DrawingStream(data, geometry, settings, link, progress).run()) {
        return drawingNotFinishedMessage(failure->description);
    }
    return std::nullopt;
}

Message drawingFinishedMessage() { return {"図面の作図が終了しました。", kProgramTitle, Message::Icon::Information}; }

Message drawingNotFinishedMessage(const std::string& cause) {
    return {"図面の作図が完了しませんでした。\r\n\r\n" + cause, kProgramTitle, Message::Icon::Critical};
}

}  // namespace mirota
