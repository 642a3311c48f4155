#include "viewer/DevelopmentScene.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "draw/engine/Commands.h"
#include "draw/engine/Extents.h"
#include "draw/engine/Placement.h"
#include "draw/geometry/HeightLine.h"
#include "draw/stream/Angles.h"
#include "draw/stream/FigureCommands.h"
#include "model/FigureType.h"
#include "model/NumberText.h"
#include "viewer/DrawingScene.h"

namespace mirota {

namespace {

constexpr double kMinTextPixels = 1.5;  // smaller texts are not legible: left out

// What the drawing conditions say about placing and labelling the development; the one place here
// that reads them.
struct LabelConditions {
    drawing::Point reference;
    float referenceAngle = 0.0f;  // degrees
    float numberHeight = 0.0f;
    float labelHeight = 0.0f;
    std::optional<drawing::Justification> labelJustification;
};

LabelConditions labelConditions(const DrawingConditions& conditions) {
    LabelConditions result;
    result.reference = {conditions.referenceX, conditions.referenceY};
    result.referenceAngle = conditions.referenceAngle;
    result.numberHeight = conditions.numberHeight;
    result.labelHeight = conditions.labelHeight;
    if (const auto name = labelJustification(conditions.dimensionPosition)) {
        result.labelJustification = drawing::justificationOption(*name);
    }
    return result;
}

// A side's label point and slope as the geometry holds them.
struct SideLabelPoint {
    drawing::Point midpoint;
    float slope = 0.0f;
};

SideLabelPoint sideLabelPoint(const FigureGeometry& geometry, int tier, int row, int side) {
    return {{geometry.at(tier, row, side, FigureGeometry::LabelX), geometry.at(tier, row, side, FigureGeometry::LabelY)},
            geometry.at(tier, row, side, FigureGeometry::Slope)};
}

drawing::Point vertexPoint(const FigureGeometry& geometry, int tier, int row, int vertex) {
    return {geometry.at(tier, row, vertex, FigureGeometry::VertexX), geometry.at(tier, row, vertex, FigureGeometry::VertexY)};
}

// The drawing's move of the base figure's vertex 0 to the reference point and its turn about it.
struct Placement {
    drawing::Point from;
    drawing::Point to;
    double turn = 0.0;  // degrees
    BaseAlignment alignment;

    drawing::Point operator()(drawing::Point p) const {
        return drawing::rotated({p.x - from.x + to.x, p.y - from.y + to.y}, to, turn);
    }
};

// Without a placed base in the first tier the development keeps its own frame, turned by the
// reference angle alone.
Placement placementFor(const PartialDevelopment& development, int firstRow, const LabelConditions& conditions) {
    Placement placement{{}, conditions.reference, conditions.referenceAngle, {}};
    if (development.placedFigures.empty()) return placement;
    const int base = development.geometry.baseFigureNumber(0);
    if (base < 1 || base > development.placedFigures.front()) return placement;
    const int baseRow = firstRow + 2 * (base - 1);
    if (const auto alignment = alignBaseFigure(development.geometry, baseRow)) {
        placement.alignment = *alignment;
        placement.from = vertexPoint(development.geometry, 0, baseRow, 0);
        placement.turn = static_cast<double>(number::toSingle(double{alignment->alignAngle} + conditions.referenceAngle));
    }
    return placement;
}

QColor faded(QColor colour, bool current) {
    if (!current) colour.setAlpha(90);
    return colour;
}

// A deduction's outline without its texts and its circled number, which the hatching leaves free.
QPainterPath hatchedArea(const DevelopmentFigure& figure, const QTransform& toDevice) {
    QPainterPath area;
    area.addPolygon(toDevice.map(figure.outline));
    area.closeSubpath();
    QPainterPath free;
    const auto leaveFree = [&](const drawing::Text& text) {
        if (text.text.empty()) return;
        QPolygonF box;
        for (const drawing::Point& corner : drawing::estimatedTextBox(text)) {
            box << toDevice.map(QPointF(corner.x, corner.y));
        }
        free.addPolygon(box);
        free.closeSubpath();
    };
    for (const drawing::Text& label : figure.sideLabels) leaveFree(label);
    if (figure.heightLine) leaveFree(figure.heightText);
    const double radius = figure.numberCircle.radius * std::hypot(toDevice.m11(), toDevice.m12());
    free.addEllipse(toDevice.map(QPointF(figure.numberCircle.centre.x, figure.numberCircle.centre.y)), radius, radius);
    return area.subtracted(free);
}

}  // namespace

DevelopmentScene::DevelopmentScene(const SurveyData& data, const PartialDevelopment& development,
                                   std::string_view sideDigitsFormat, bool heightLines, const AreaRules& heightRules) {
    const FigureGeometry& geometry = development.geometry;
    const LabelConditions conditions = labelConditions(data.conditions);
    const int firstRow = data.view.currentInputSet == InputSet::Measured ? 1 : 0;
    const Placement place = placementFor(development, firstRow, conditions);
    const auto numberJustification = drawing::justificationOption("m");
    for (int tier = 0; tier < static_cast<int>(development.placedFigures.size()); ++tier) {
        for (int number = 1; number <= development.placedFigures[static_cast<std::size_t>(tier)]; ++number) {
            const int row = firstRow + 2 * (number - 1);
            DevelopmentFigure figure;
            figure.tier = tier;
            figure.number = number;
            for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                const drawing::Point p = place(vertexPoint(geometry, tier, row, vertex));
                figure.outline << QPointF(p.x, p.y);
                extents_.include(p);
            }
            figure.base = number == geometry.baseFigureNumber(tier);
            figure.deduction = isDeductionCode(data.cell(ListKind::Chain, tier, row, column::Type));
            if (conditions.labelJustification) {
                for (int side = 0; side < FigureGeometry::kVertices; ++side) {
                    const SideLabelPoint label = sideLabelPoint(geometry, tier, row, side);
                    drawing::Text text;
                    text.position = place(label.midpoint);
                    text.height = conditions.labelHeight;
                    text.rotation = labelAngle(label.slope, place.alignment.flipped) + place.turn;
                    text.justification = *conditions.labelJustification;
                    text.text = number::formatDigits(data.cell(ListKind::Chain, tier, row, column::SideA + side),
                                                     sideDigitsFormat);
                    figure.sideLabels.push_back(std::move(text));
                }
            }
            const NumberCentre centre = numberCentre(geometry, tier, row);
            const drawing::Point at = place({centre.x, centre.y});
            figure.numberText.position = at;
            figure.numberText.height = conditions.numberHeight;
            figure.numberText.rotation = conditions.referenceAngle;
            figure.numberText.justification = numberJustification.value_or(drawing::Justification{});
            figure.numberText.text = std::to_string(number);
            figure.numberCircle = {at, conditions.numberHeight};
            extents_.include({at.x - conditions.numberHeight, at.y - conditions.numberHeight});
            extents_.include({at.x + conditions.numberHeight, at.y + conditions.numberHeight});
            if (const auto line = heightLines ? heightLineOf(data, geometry, tier, row) : std::nullopt) {
                figure.heightLine = drawing::Line{place({line->apexX, line->apexY}), place({line->footX, line->footY})};
                figure.heightText.position = place({line->textX, line->textY});
                figure.heightText.height = conditions.labelHeight;
                figure.heightText.rotation = labelAngle(line->slope, place.alignment.flipped) + place.turn;
                figure.heightText.justification = drawing::Justification{drawing::HorizontalAlignment::Center,
                                                                         drawing::VerticalAlignment::Bottom};
                figure.heightText.text = heightText(*line, heightRules);
            }
            figures_.push_back(std::move(figure));
        }
    }
}

const DevelopmentFigure* DevelopmentScene::figureAt(drawing::Point point, int preferredTier) const {
    const QPointF p(point.x, point.y);
    const DevelopmentFigure* found = nullptr;
    for (const DevelopmentFigure& figure : figures_) {
        if (!figure.outline.containsPoint(p, Qt::OddEvenFill)) continue;
        if (figure.tier == preferredTier) return &figure;
        if (!found) found = &figure;
    }
    return found;
}

void DevelopmentScene::paint(QPainter& painter, const QTransform& toDevice,
                             const DevelopmentEmphasis& emphasis) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(drawingTextFont());
    const double scale = std::hypot(toDevice.m11(), toDevice.m12());
    const QColor outlineColour(30, 30, 30);
    const QColor labelColour(200, 0, 0);  // the dimension layer's red
    const QBrush baseFill(QColor(205, 225, 255));
    const QBrush deductionHatch(QColor(230, 70, 70, 150), Qt::BDiagPattern);
    const QBrush currentFill(QColor(255, 214, 90, 170));
    // Other tiers first, so that the current tier lies on top where they meet.
    for (const bool currentTier : {false, true}) {
        for (const DevelopmentFigure& figure : figures_) {
            if ((figure.tier == emphasis.currentTier) != currentTier) continue;
            const QPolygonF outline = toDevice.map(figure.outline);
            const bool current = currentTier && emphasis.currentFigure == figure.number;
            painter.setPen(Qt::NoPen);
            const auto fill = [&](const QBrush& brush) {
                painter.setBrush(brush);
                painter.drawPolygon(outline);
            };
            if (!currentTier) painter.setOpacity(0.45);
            if (figure.base) fill(baseFill);
            if (figure.deduction) {
                painter.setBrush(deductionHatch);
                painter.drawPath(hatchedArea(figure, toDevice));
            }
            if (current) fill(currentFill);
            painter.setOpacity(1.0);
            const double width = current ? 2.5 : currentTier ? 1.4 : 1.0;
            QPen pen(faded(current ? QColor(200, 110, 0) : outlineColour, currentTier), width);
            pen.setCosmetic(true);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(outline);

            const QColor textColour = faded(labelColour, currentTier);
            for (const drawing::Text& label : figure.sideLabels) {
                paintDrawingText(painter, toDevice, label, textColour, kMinTextPixels);
            }
            if (figure.heightLine) {
                QPen dashed(textColour, 1.0, Qt::DashLine);
                dashed.setCosmetic(true);
                painter.setPen(dashed);
                painter.drawLine(toDevice.map(QPointF(figure.heightLine->start.x, figure.heightLine->start.y)),
                                 toDevice.map(QPointF(figure.heightLine->end.x, figure.heightLine->end.y)));
                paintDrawingText(painter, toDevice, figure.heightText, textColour, kMinTextPixels);
            }
            const double radius = figure.numberCircle.radius * scale;
            if (radius * 2.0 < kMinTextPixels) continue;
            paintDrawingText(painter, toDevice, figure.numberText, textColour, kMinTextPixels);
            QPen circlePen(textColour, 1.0);
            circlePen.setCosmetic(true);
            painter.setPen(circlePen);
            const QPointF centre = toDevice.map(QPointF(figure.numberCircle.centre.x, figure.numberCircle.centre.y));
            painter.drawEllipse(centre, radius, radius);
        }
    }
    painter.restore();
}

}  // namespace mirota
