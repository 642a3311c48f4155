#include "viewer/DrawingScene.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "draw/engine/ColourNumber.h"
#include "draw/engine/Placement.h"

namespace mirota {

namespace {

using drawing::HorizontalAlignment;

// Texts are laid out at this size and scaled to their height, so that small and large texts keep
// the same shape on every device.
constexpr double kReferencePixels = 100.0;

QPointF mapped(const QTransform& toDevice, drawing::Point p) { return toDevice.map(QPointF(p.x, p.y)); }

}  // namespace

QFont drawingTextFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("MS Gothic"), QStringLiteral("Yu Gothic")});
    font.setStyleHint(QFont::SansSerif, QFont::ForceOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(static_cast<int>(kReferencePixels));
    return font;
}

QTransform fitExtents(const drawing::Extents& extents, const QRectF& target, double margin) {
    const QRectF room = target.adjusted(margin, margin, -margin, -margin);
    double width = extents.max.x - extents.min.x;
    double height = extents.max.y - extents.min.y;
    QPointF centre((extents.min.x + extents.max.x) / 2.0, (extents.min.y + extents.max.y) / 2.0);
    if (extents.empty) {
        width = height = 1.0;
        centre = {};
    }
    // A drawing of one point or one straight line still gets a finite scale.
    const double larger = std::max({width, height, 1e-9});
    width = std::max(width, larger * 1e-6);
    height = std::max(height, larger * 1e-6);
    const double scale = std::max(1e-12, std::min(room.width() / width, room.height() / height));
    QTransform transform;
    transform.translate(room.center().x(), room.center().y());
    transform.scale(scale, -scale);
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

void paintDrawingText(QPainter& painter, const QTransform& toDevice, const drawing::Text& text, const QColor& colour,
                      double minHeight) {
    const double height = text.height * std::hypot(toDevice.m11(), toDevice.m12());
    if (height < minHeight || text.text.empty()) return;
    const QFontMetricsF metrics(painter.font());
    const QString shown = QString::fromStdString(text.text);
    const double width = metrics.horizontalAdvance(shown);
    double left = 0.0;
    switch (text.justification.horizontal) {
    case HorizontalAlignment::Left: left = 0.0; break;
    case HorizontalAlignment::Center:
    case HorizontalAlignment::Middle: left = -width / 2.0; break;
    case HorizontalAlignment::Right: left = -width; break;
    }
    painter.save();
    painter.translate(mapped(toDevice, text.position));
    painter.rotate(-text.rotation);  // counter-clockwise in the drawing, y down on the device
    const double k = height / kReferencePixels;
    painter.scale(k * text.widthFactor, k);
    painter.setPen(QPen(colour));
    painter.drawText(QPointF(left, -drawing::baselineOffset(text.justification) * kReferencePixels), shown);
    painter.restore();
}

DrawingScene::DrawingScene(const drawing::Drawing& drawing) : extents_(drawing::drawingExtents(drawing)) {
    for (const drawing::Primitive& primitive : drawing::expandedDrawing(drawing)) {
        const drawing::Layer* layer = drawing.findLayer(primitive.layer);
        const QColor colour(QString::fromStdString(drawing::colourOnWhite(layer ? layer->colour : 7)));
        items_.push_back(Item{primitive.shape, colour});
    }
}

void DrawingScene::paint(QPainter& painter, const QTransform& toDevice, double lineWidth, double minTextHeight) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(drawingTextFont());
    const double scale = std::hypot(toDevice.m11(), toDevice.m12());
    for (const Item& item : items_) {
        QPen pen(item.colour, lineWidth);
        pen.setCosmetic(lineWidth == 0.0);
        painter.setPen(pen);
        if (const auto* line = std::get_if<drawing::Line>(&item.shape)) {
            painter.drawLine(mapped(toDevice, line->start), mapped(toDevice, line->end));
        } else if (const auto* circle = std::get_if<drawing::Circle>(&item.shape)) {
            const double radius = circle->radius * scale;
            painter.drawEllipse(mapped(toDevice, circle->centre), radius, radius);
        } else if (const auto* text = std::get_if<drawing::Text>(&item.shape)) {
            paintDrawingText(painter, toDevice, *text, item.colour, minTextHeight);
        }
    }
    painter.restore();
}

}  // namespace mirota
