#include "ui/CommandPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mirota {

namespace {

constexpr double kGrid = 24.0;

const QColor kInk(40, 48, 60);
const QColor kPaper(255, 255, 255);
const QColor kBlue(38, 110, 200);
const QColor kGreen(40, 150, 80);
const QColor kRed(200, 50, 50);
const QColor kYellow(240, 196, 70);

void page(QPainter& p, QRectF r) {
    QPainterPath path;
    const double fold = 5;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter& p, double left, double right, double top, int count) {
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + 3 * i), QPointF(right, top + 3 * i));
}

void whiteText(QPainter& p, const QRectF& box, const QString& text, int pixelSize) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

void badgeText(QPainter& p, const QString& text, const QColor& colour) {
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 4, 4);
    whiteText(p, QRectF(2, 2, 20, 20), text, 15);
}

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c, const QColor& fill) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.setBrush(fill);
    p.drawPath(path);
}

void rows(QPainter& p) {
    p.setBrush(kPaper);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(3.5, 4.5 + 5 * i, 12, 5));
}

void magnifier(QPainter& p, bool plus) {
    p.setBrush(QColor(235, 242, 250));
    p.setPen(QPen(kInk, 1.6));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(kBlue, 1.8));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (plus) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void fileOfKind(QPainter& p, const QString& kind, const QColor& colour) {
    page(p, QRectF(4, 2.5, 16, 19));
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 12, 20, 8), 1.5, 1.5);
    whiteText(p, QRectF(2, 12, 20, 8), kind, 7);
}

// A half-turn arrow whose head points left, as undo's; redo's is its mirror image.
void turnBackArrow(QPainter& p) {
    QPainterPath arc;
    arc.moveTo(7, 9);
    arc.lineTo(14, 9);
    arc.cubicTo(22, 9, 22, 20, 14, 20);
    arc.lineTo(9, 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arc);
    p.setPen(QPen(kBlue, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    triangle(p, QPointF(2.5, 9), QPointF(9, 3.5), QPointF(9, 14.5), kBlue);
}

QPixmap drawnPicture(CommandPicture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / kGrid, size / kGrid);
    QPen pen(kInk, 1.2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    picture(painter);
    return pixmap;
}

}  // namespace

QIcon commandIcon(const char* themeName, CommandPicture picture) {
    QIcon drawn;
    for (int size : {16, 24, 32, 48}) drawn.addPixmap(drawnPicture(picture, size));
    return themeName ? QIcon::fromTheme(QString::fromLatin1(themeName), drawn) : drawn;
}

namespace picture {

void newDocument(QPainter& p) {
    page(p, QRectF(5, 3, 14, 18));
    p.setPen(QPen(kGreen, 2.2));
    p.drawLine(QPointF(15, 14), QPointF(15, 22));
    p.drawLine(QPointF(11, 18), QPointF(19, 18));
}

void openFolder(QPainter& p) {
    p.setBrush(kYellow.darker(115));
    p.drawRect(QRectF(2.5, 6.5, 17, 13));
    p.setBrush(kYellow);
    QPainterPath front;
    front.moveTo(5, 10.5);
    front.lineTo(22, 10.5);
    front.lineTo(19.5, 19.5);
    front.lineTo(2.5, 19.5);
    front.closeSubpath();
    p.drawPath(front);
}

void saveDisk(QPainter& p) {
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3.5, 10, 6));
    p.drawRect(QRectF(6.5, 13, 11, 7.5));
}

void cut(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.6));
    p.drawEllipse(QPointF(7.5, 17.5), 3.2, 3.2);
    p.drawEllipse(QPointF(16.5, 17.5), 3.2, 3.2);
    p.drawLine(QPointF(9.5, 15), QPointF(16.5, 3));
    p.drawLine(QPointF(14.5, 15), QPointF(7.5, 3));
}

void copy(QPainter& p) {
    page(p, QRectF(3, 2.5, 11, 14));
    page(p, QRectF(9.5, 7.5, 11, 14));
    lines(p, 11.5, 18, 13, 3);
}

void paste(QPainter& p) {
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(4, 4, 15, 18), 2, 2);
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(8, 2.5, 7, 4), 1, 1);
    page(p, QRectF(10.5, 9.5, 10, 12));
}

void undo(QPainter& p) { turnBackArrow(p); }

void redo(QPainter& p) {
    p.translate(kGrid, 0);
    p.scale(-1, 1);
    turnBackArrow(p);
}

void designValues(QPainter& p) { badgeText(p, QStringLiteral("設"), kBlue); }

void measuredValues(QPainter& p) { badgeText(p, QStringLiteral("実"), kGreen); }

void calculator(QPainter& p) {
    p.setBrush(QColor(235, 238, 242));
    p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
    p.setBrush(QColor(170, 210, 170));
    p.drawRect(QRectF(7, 5, 10, 4.5));
    p.setBrush(kInk);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(7 + 3.7 * c, 11.5 + 3.3 * r, 2.2, 1.8));
    }
}

void drawing(QPainter& p) {
    triangle(p, QPointF(2.5, 20.5), QPointF(12, 20.5), QPointF(7, 9), QColor(210, 225, 245));
    triangle(p, QPointF(7, 9), QPointF(12, 20.5), QPointF(16.5, 9), QColor(245, 225, 210));
    p.setPen(QPen(kRed, 2.2));
    p.drawLine(QPointF(14, 15), QPointF(21, 3.5));
}

void insertRow(QPainter& p) {
    rows(p);
    p.setPen(QPen(kGreen, 2.4));
    p.drawLine(QPointF(18.5, 10), QPointF(18.5, 18));
    p.drawLine(QPointF(14.5, 14), QPointF(22.5, 14));
}

void deleteRow(QPainter& p) {
    rows(p);
    p.setPen(QPen(kRed, 2.4));
    p.drawLine(QPointF(15, 10.5), QPointF(22, 17.5));
    p.drawLine(QPointF(22, 10.5), QPointF(15, 17.5));
}

void help(QPainter& p) {
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    whiteText(p, QRectF(2.5, 2.5, 19, 19), QStringLiteral("?"), 15);
}

void settings(QPainter& p) {
    QPainterPath gear;
    for (int tooth = 0; tooth < 8; ++tooth) {
        QPainterPath t;
        t.addRect(QRectF(-1.8, -10, 3.6, 5));
        QTransform turn;
        turn.translate(12, 12);
        turn.rotate(45.0 * tooth);
        gear |= turn.map(t);
    }
    QPainterPath ring;
    ring.addEllipse(QPointF(12, 12), 6.8, 6.8);
    gear |= ring;
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 2.6, 2.6);
    p.setBrush(QColor(120, 128, 140));
    p.drawPath(gear - hole);
}

void fitDrawing(QPainter& p) {
    // The drawing inside corner marks.
    triangle(p, QPointF(7, 16.5), QPointF(17, 16.5), QPointF(12, 7.5), QColor(210, 225, 245));
    p.setPen(QPen(kBlue, 1.8));
    for (const QPointF& corner : {QPointF(3, 3), QPointF(21, 3), QPointF(21, 21), QPointF(3, 21)}) {
        const double dx = corner.x() < 12 ? 5 : -5;
        const double dy = corner.y() < 12 ? 5 : -5;
        p.drawLine(corner, corner + QPointF(dx, 0));
        p.drawLine(corner, corner + QPointF(0, dy));
    }
}

void zoomIn(QPainter& p) { magnifier(p, true); }

void zoomOut(QPainter& p) { magnifier(p, false); }

void dxfFile(QPainter& p) { fileOfKind(p, QStringLiteral("DXF"), kBlue); }

void pdfFile(QPainter& p) { fileOfKind(p, QStringLiteral("PDF"), kRed); }

void printer(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(150, 158, 170));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    lines(p, 8.5, 15.5, 17, 2);
}

}  // namespace picture

}  // namespace mirota
