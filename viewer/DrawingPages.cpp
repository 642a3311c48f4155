#include "viewer/DrawingPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "io/AtomicFile.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr double kLineMillimetres = 0.18;
constexpr double kMarginMillimetres = 10.0;
constexpr double kMillimetresPerInch = 25.4;

bool wide(const DrawingScene& scene) {
    const drawing::Extents& e = scene.extents();
    return e.empty || e.max.x - e.min.x >= e.max.y - e.min.y;
}

}  // namespace

void setPageForScene(QPagedPaintDevice& device, const DrawingScene& scene) {
    device.setPageOrientation(wide(scene) ? QPageLayout::Landscape : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                          QPageLayout::Millimeter);
}

void paintScenePage(QPainter& painter, QPagedPaintDevice& device, const DrawingScene& scene) {
    const double dotsPerMillimetre = device.logicalDpiX() / kMillimetresPerInch;
    const QRectF page(0, 0, device.width(), device.height());
    scene.paint(painter, scene.fitting(page, 0.0), kLineMillimetres * dotsPerMillimetre);
}

std::optional<Message> writePdfFile(const std::string& path, const DrawingScene& scene) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromUtf8(kProgramTitle));
        writer.setCreator(QString::fromUtf8(kProgramTitle));
        writer.setPageSize(QPageSize(QPageSize::A3));
        setPageForScene(writer, scene);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return saveFailure(path, "PDF を作れませんでした。");
        }
        paintScenePage(painter, writer, scene);
        painter.end();
    }
    return replaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace mirota
