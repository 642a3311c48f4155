#include "viewer/SheetPages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include "io/AtomicFile.h"
#include "model/ProgramTitle.h"
#include "viewer/DrawingScene.h"

namespace mirota {

namespace {

constexpr double kMillimetresPerInch = 25.4;

QPageSize pageSizeOf(const sheet::Sheet& sheet) {
    const bool a3 = !sheet.pages.empty() && sheet.pages.front().width > 250.0;
    return QPageSize(a3 ? QPageSize::A3 : QPageSize::A4);
}

void paintPage(QPainter& painter, const sheet::Page& page, double dotsPerMillimetre) {
    const auto at = [dotsPerMillimetre](sheet::Point p) { return QPointF(p.x * dotsPerMillimetre, p.y * dotsPerMillimetre); };
    const auto pen = [dotsPerMillimetre](double width, bool dashed) {
        QPen pen(Qt::black, width * dotsPerMillimetre);
        pen.setJoinStyle(Qt::RoundJoin);
        if (dashed) pen.setDashPattern({1.2 / width, 0.8 / width});
        return pen;
    };
    for (const sheet::Polygon& polygon : page.polygons) {
        QPolygonF outline;
        for (const sheet::Point& p : polygon.points) outline << at(p);
        const int grey = static_cast<int>(polygon.fill * 255.0);
        painter.setBrush(polygon.fill < 1.0 ? QBrush(QColor(grey, grey, grey)) : QBrush(Qt::NoBrush));
        painter.setPen(polygon.width > 0.0 ? pen(polygon.width, false) : QPen(Qt::NoPen));
        painter.drawPolygon(outline);
    }
    painter.setBrush(Qt::NoBrush);
    for (const sheet::Line& line : page.lines) {
        painter.setPen(pen(line.width, line.dashed));
        painter.drawLine(at(line.from), at(line.to));
    }
    for (const sheet::Circle& circle : page.circles) {
        painter.setPen(pen(circle.width, false));
        const double r = circle.radius * dotsPerMillimetre;
        painter.drawEllipse(at(circle.centre), r, r);
    }
    painter.setPen(Qt::black);
    QFont font = drawingTextFont();
    for (const sheet::Text& text : page.texts) {
        font.setPixelSize(std::max(1, static_cast<int>(text.size * dotsPerMillimetre + 0.5)));
        font.setBold(text.bold);
        painter.setFont(font);
        const QString shown = QString::fromStdString(text.text);
        double x = 0.0;
        if (text.align != sheet::Align::Left) {
            const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(shown);
            x -= text.align == sheet::Align::Center ? width / 2.0 : width;
        }
        painter.save();
        painter.translate(at(text.at));
        painter.rotate(-text.angle);  // y runs down the page
        painter.drawText(QPointF(x, 0.0), shown);
        painter.restore();
    }
}

}  // namespace

void setPageForSheet(QPagedPaintDevice& device, const sheet::Sheet& sheet) {
    device.setPageLayout(QPageLayout(pageSizeOf(sheet), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool paintSheet(QPainter& painter, QPagedPaintDevice& device, const sheet::Sheet& sheet) {
    const double dotsPerMillimetre = device.logicalDpiX() / kMillimetresPerInch;
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        paintPage(painter, sheet.pages[i], dotsPerMillimetre);
    }
    return true;
}

std::optional<Message> writeSheetPdfFile(const std::string& path, const sheet::Sheet& sheet) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(sheet.title));
        writer.setCreator(QString::fromUtf8(kProgramTitle));
        setPageForSheet(writer, sheet);
        QPainter painter;
        if (!painter.begin(&writer) || !paintSheet(painter, writer, sheet)) {
            return saveFailure(path, "PDF を作れませんでした。");
        }
        painter.end();
    }
    return replaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       Durability::Replaced);
}

}  // namespace mirota
