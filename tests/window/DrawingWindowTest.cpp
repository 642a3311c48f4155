// The drawing window: how the engine's drawing is painted (colours, text justification and rotation),
// zoom, pan and fit, the files it is saved as, printing and the progress window of a run.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QLabel>

#include "viewer/DrawingPages.h"
#include "app/DrawingProgress.h"
#include "viewer/DrawingScene.h"
#include "viewer/DrawingView.h"
#include "model/CodePage.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;
using drawing::HorizontalAlignment;
using drawing::VerticalAlignment;

namespace {

// The ink a scene leaves on a white image of size, painted with toDevice.
QImage painted(const DrawingScene& scene, const QTransform& toDevice, QSize size = {200, 200}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.paint(painter, toDevice, 0.0);
    return image;
}

// The box around every pixel that is not white, and whether a pixel of the colour is among them.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool hasColour(const QImage& image, QRgb wanted) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            const QColor w(wanted);
            if (std::abs(c.red() - w.red()) < 40 && std::abs(c.green() - w.green()) < 40 && std::abs(c.blue() - w.blue()) < 40) {
                return true;
            }
        }
    }
    return false;
}

// One drawing unit is 10 pixels, the drawing origin at the image's centre (100, 100), y up.
QTransform tenPixelsPerUnit() {
    QTransform t;
    t.translate(100, 100);
    t.scale(10, -10);
    return t;
}

drawing::Drawing oneText(HorizontalAlignment horizontal, VerticalAlignment vertical, double rotation) {
    drawing::Drawing d;
    drawing::Text text;
    text.position = {0, 0};
    text.height = 2.0;
    text.rotation = rotation;
    text.justification = {horizontal, vertical};
    text.text = "展開";
    d.add(text);
    return d;
}

// A drawing of the engine: two figures of the chain drawn by the window.
void drawTwoFigures(WindowFixture& f, bool areaTable = false) {
    f.enter(1, 3, "3");
    f.enter(1, 4, "4");
    f.enter(1, 5, "5");
    f.enter(3, 4, "4");
    f.enter(3, 5, "3");
    f.select(1, 3);
    f.view().ChangeFigureType(0);
    f.data().conditions.areaTable = areaTable ? Switch::On : Switch::Off;
    f.window->mnuToolDraw_Click();
    f.takeMessages();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList captions(const QMenu* menu) {
    QStringList out;
    for (QAction* item : menu->actions()) out << (item->isSeparator() ? QString("-") : item->text());
    return out;
}

}  // namespace

class DrawingWindowTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    // Where the ink of a two-character text of height 2 (20 pixels) lies from its point (100, 100).
    void textIsPlacedByItsJustification_data() {
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<double>("rotation");
        QTest::addColumn<QString>("where");
        QTest::newRow("left baseline") << int(HorizontalAlignment::Left) << int(VerticalAlignment::Baseline) << 0.0
                                       << "right above";
        QTest::newRow("right baseline") << int(HorizontalAlignment::Right) << int(VerticalAlignment::Baseline) << 0.0
                                        << "left above";
        QTest::newRow("bottom centre") << int(HorizontalAlignment::Center) << int(VerticalAlignment::Bottom) << 0.0
                                       << "both above";
        QTest::newRow("top centre") << int(HorizontalAlignment::Center) << int(VerticalAlignment::Top) << 0.0
                                    << "both below";
        QTest::newRow("middle") << int(HorizontalAlignment::Middle) << int(VerticalAlignment::Baseline) << 0.0
                                << "both both";
        QTest::newRow("left baseline turned 90") << int(HorizontalAlignment::Left) << int(VerticalAlignment::Baseline)
                                                 << 90.0 << "left up";
        QTest::newRow("left baseline turned 180") << int(HorizontalAlignment::Left) << int(VerticalAlignment::Baseline)
                                                  << 180.0 << "left below";
    }
    void textIsPlacedByItsJustification() {
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(double, rotation);
        QFETCH(QString, where);
        const DrawingScene scene(
            oneText(static_cast<HorizontalAlignment>(horizontal), static_cast<VerticalAlignment>(vertical), rotation));
        const QRect ink = inkBox(painted(scene, tenPixelsPerUnit()));
        QVERIFY(!ink.isEmpty());
        const QStringList sides = where.split(' ');
        const int slack = 3;
        // Across the text's own direction of writing, then across its height.
        if (sides[0] == "right") {
            QVERIFY(ink.left() >= 100 - slack);
            QVERIFY(ink.right() > 125);  // two full-width characters are about 40 pixels wide
        } else if (sides[0] == "left" && sides[1] != "up") {
            QVERIFY(ink.right() <= 100 + slack);
            QVERIFY(ink.left() < 75);
        } else if (sides[0] == "both") {
            QVERIFY(ink.left() < 90 && ink.right() > 110);
            QVERIFY(std::abs((ink.left() + ink.right()) / 2 - 100) <= slack);
        }
        if (sides[1] == "above") {
            QVERIFY(ink.bottom() <= 100 + slack);
            QVERIFY(ink.top() < 90);
        } else if (sides[1] == "below") {
            QVERIFY(ink.top() >= 100 - slack);
            QVERIFY(ink.bottom() > 110);
        } else if (sides[1] == "both") {
            QVERIFY(ink.top() < 95 && ink.bottom() > 105);
        } else if (sides[1] == "up") {
            // Turned a quarter counter-clockwise: written upwards, its top to the left of the point.
            QVERIFY(ink.bottom() <= 100 + slack);
            QVERIFY(ink.top() < 75);
            QVERIFY(ink.right() <= 100 + slack + 1);
            QVERIFY(ink.left() < 90);
        }
    }

    void layersKeepTheirColours() {
        WindowFixture f;
        drawTwoFigures(f, true);
        DrawingView* view = f.window->drawingWindow()->view();
        const QImage shot = view->grab().toImage();
        QVERIFY(hasColour(shot, qRgb(0, 0, 0)));    // outlines: colour 7 shows black on white
        QVERIFY(hasColour(shot, qRgb(255, 0, 0)));  // dimensions: red
        QVERIFY(hasColour(shot, qRgb(0, 0, 255)));  // area table: blue
        QCOMPARE(f.window->drawingWindow()->findChild<QLabel*>("lblLayers")->text().count("■"), 4);
    }

    void drawingIsFittedToTheWindow() {
        WindowFixture f;
        drawTwoFigures(f, true);
        DrawingView* view = f.window->drawingWindow()->view();
        const drawing::Extents& extents = view->scene().extents();
        const QRectF shown(view->toScreen(extents.min), view->toScreen(extents.max));
        const QRectF inside = QRectF(view->rect()).adjusted(-1, -1, 1, 1);
        QVERIFY(inside.contains(shown.normalized()));
        // Fitted: one of the two directions fills the view up to the margins.
        const double widthShare = shown.normalized().width() / view->width();
        const double heightShare = shown.normalized().height() / view->height();
        QVERIFY(std::max(widthShare, heightShare) > 0.85);
    }

    void wheelZoomsAboutThePointer() {
        WindowFixture f;
        drawTwoFigures(f);
        DrawingView* view = f.window->drawingWindow()->view();
        const QPointF pointer(view->width() * 0.3, view->height() * 0.6);
        const drawing::Point under = view->toDrawing(pointer);
        const double before = view->scale();
        QWheelEvent wheel(pointer, view->mapToGlobal(pointer), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(view->scale(), before * 1.2);
        const QPointF after = view->toScreen(under);
        QVERIFY(std::abs(after.x() - pointer.x()) < 1e-6 && std::abs(after.y() - pointer.y()) < 1e-6);
        QWheelEvent back(pointer, view->mapToGlobal(pointer), {}, QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &back);
        QVERIFY(std::abs(view->scale() - before / 1.2) < before * 1e-9);
    }

    void dragPansAndFitComesBack_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("middle") << int(Qt::MiddleButton);
        QTest::newRow("left") << int(Qt::LeftButton);
    }
    void dragPansAndFitComesBack() {
        QFETCH(int, button);
        WindowFixture f;
        drawTwoFigures(f);
        DrawingWindow* w = f.window->drawingWindow();
        DrawingView* view = w->view();
        const drawing::Point origin{0, 0};
        const QPointF fitted = view->toScreen(origin);
        const auto pressed = static_cast<Qt::MouseButton>(button);
        QTest::mousePress(view, pressed, {}, QPoint(50, 50));
        QMouseEvent move(QEvent::MouseMove, QPointF(80, 40), view->mapToGlobal(QPointF(80, 40)), Qt::NoButton, pressed,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, pressed, {}, QPoint(80, 40));
        const QPointF moved = view->toScreen(origin);
        QVERIFY(std::abs(moved.x() - fitted.x() - 30) < 1e-6);
        QVERIFY(std::abs(moved.y() - fitted.y() + 10) < 1e-6);
        w->command("mnuDrawingZoomIn")->trigger();
        w->command("mnuDrawingFit")->trigger();
        QVERIFY(std::abs(view->toScreen(origin).x() - fitted.x()) < 1e-6);
        QVERIFY(std::abs(view->toScreen(origin).y() - fitted.y()) < 1e-6);
    }

    void closedWindowComesBackFromTheViewMenu() {
        WindowFixture f;
        drawTwoFigures(f);
        DrawingWindow* w = f.window->drawingWindow();
        w->command("mnuDrawingClose")->trigger();
        QVERIFY(!w->isVisible());
        f.window->menuItem("mnuWindowDrawing")->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(w->drawing().entities.size(), std::size_t{16});
        QVERIFY(!w->view()->scene().empty());
    }

    void menusAndToolbar() {
        WindowFixture f;
        DrawingWindow* w = f.window->drawingWindow();
        QStringList bar;
        for (QAction* menu : w->menuBar()->actions()) bar << menu->text();
        QCOMPARE(bar, (QStringList{"ファイル(&F)", "表示(&V)"}));
        QCOMPARE(captions(w->findChild<QMenu*>("mnuDrawingFile")),
                 (QStringList{"新しい図面(&N)", "-", "DXF 形式で保存(&D)...", "DXF の面積表を文字で書き出す(&T)",
                              "SIMA 形式で書き出し(&M)...",
                              "SVG 形式で保存(&S)...", "PDF 形式で保存(&P)...", "-", "印刷(&R)...", "-",
                              "閉じる(&C)"}));
        QCOMPARE(captions(w->findChild<QMenu*>("mnuDrawingView")), (QStringList{"全体表示(&F)", "拡大(&I)", "縮小(&O)"}));
        QCOMPARE(w->windowTitle(), QString("図面 - LTミロタ展開図"));
    }

    void savedAsDxfSvgAndPdf_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("dxf") << "mnuDrawingSaveDxf" << "dxf" << "DXF ファイル (*.dxf)" << QByteArray("0\r\nSECTION");
        QTest::newRow("svg") << "mnuDrawingSaveSvg" << "svg" << "SVG ファイル (*.svg)" << QByteArray("<?xml");
        QTest::newRow("pdf") << "mnuDrawingSavePdf" << "pdf" << "PDF ファイル (*.pdf)" << QByteArray("%PDF-");
        QTest::newRow("sim") << "mnuDrawingSaveSima" << "sim" << "SIMA ファイル (*.sim)" << QByteArray("G00,01,");
    }
    void savedAsDxfSvgAndPdf() {
        QFETCH(QString, command);
        QFETCH(QString, suffix);
        QFETCH(QString, filter);
        QFETCH(QByteArray, start);
        WindowFixture f;
        drawTwoFigures(f, true);
        const QString file = folder_.filePath("drawing." + suffix);
        f.fileNames = {file};
        f.window->drawingWindow()->command(command)->trigger();
        const std::vector<FileDialogRequest> asked = f.takeFileRequests();
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].kind, FileDialogRequest::Kind::Save);
        QCOMPARE(asked[0].filter, filter);
        QCOMPARE(asked[0].defaultSuffix, suffix);
        // An untitled document: the user's documents folder, never the program's.
        QCOMPARE(asked[0].start,
                 QDir(test::firstDialogFolder()).filePath("展開図." + suffix));
        QVERIFY(f.messages.empty());
        const QByteArray bytes = readFile(file);
        QVERIFY(bytes.trimmed().startsWith(start.trimmed()));
        if (suffix == "dxf") {
            QVERIFY(bytes.contains(QByteArray::fromStdString(codepage::fromUtf8("寸法値").text)));
            QVERIFY(bytes.contains("ANSI_932"));
        } else if (suffix == "sim") {
            // The document's two figures as lots of three points, four points in all.
            QCOMPARE(bytes.count("\r\nD00,"), 2);
            QCOMPARE(bytes.count("\r\nB01,"), 6);
            QCOMPARE(bytes.count("\r\nA01,"), 4);
        } else if (suffix == "svg") {
            QVERIFY(bytes.contains("<svg") && bytes.contains("<text"));
        } else {
            QVERIFY(!bytes.contains("/Subtype /Image"));  // lines and glyphs, not a picture
            QVERIFY(bytes.size() > 2000);
        }
    }

    // The option writes the table's values as texts, no insert; unchecked the file is as before.
    void dxfTableAsTextOption() {
        WindowFixture f;
        drawTwoFigures(f, true);
        DrawingWindow* w = f.window->drawingWindow();
        QVERIFY(!w->tableAsTextOption()->isChecked());
        f.fileNames = {folder_.filePath("inserts.dxf"), folder_.filePath("text.dxf")};
        w->saveAsDxf();
        w->tableAsTextOption()->trigger();
        w->saveAsDxf();
        QVERIFY(f.messages.empty());
        // The header's first value as a TEXT, its angle next; an attribute has its tag next.
        const QByteArray caption = QByteArray::fromStdString(codepage::fromUtf8("  1\r\n番号\r\n 50\r\n").text);
        const QByteArray withInserts = readFile(folder_.filePath("inserts.dxf"));
        const QByteArray asText = readFile(folder_.filePath("text.dxf"));
        QVERIFY(withInserts.count("\r\nINSERT\r\n") == 4 && withInserts.count(caption) == 0);
        QVERIFY(asText.count("\r\nINSERT\r\n") == 0 && asText.count(caption) == 1);
    }

    void cancelledOrFailedSave() {
        WindowFixture f;
        drawTwoFigures(f);
        DrawingWindow* w = f.window->drawingWindow();
        w->saveAsDxf();  // cancelled
        QVERIFY(f.messages.empty());
        const QString kept = folder_.filePath("kept.pdf");
        QFile old(kept);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner));
        f.fileNames = {kept};
        w->saveAsPdf();
        const std::vector<Message> shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(shown[0].text).startsWith("ファイルを保存できませんでした。"));
        QCOMPARE(readFile(kept), QByteArray("old"));
        QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner);
    }

    void printsThroughThePrinterChosen() {
        WindowFixture f;
        drawTwoFigures(f, true);
        DrawingWindow* w = f.window->drawingWindow();
        const QString file = folder_.filePath("printed.pdf");
        int asked = 0;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        w->choosePrinter = [&](QPrinter& printer) {
            ++asked;
            orientation = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        };
        w->command("mnuDrawingPrint")->trigger();
        QCOMPARE(asked, 1);
        QCOMPARE(orientation, QPageLayout::Landscape);  // the table lies beside the figures
        QVERIFY(readFile(file).startsWith("%PDF-"));
        QFile::remove(file);
        w->choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFileName(file);
            return false;
        };
        w->printDrawing();
        QVERIFY(!QFile::exists(file));
    }

    void newDrawingStartsAgain() {
        WindowFixture f;
        drawTwoFigures(f);
        DrawingWindow* w = f.window->drawingWindow();
        f.answer = QMessageBox::No;
        w->command("mnuDrawingNew")->trigger();
        QCOMPARE(w->drawing().entities.size(), std::size_t{16});
        f.answer = QMessageBox::Yes;
        w->newDrawing();
        QCOMPARE(f.takeMessages().size(), std::size_t{2});
        QVERIFY(w->drawing().entities.empty());
        QVERIFY(w->view()->scene().empty());
        QVERIFY(w->drawing().findBlock("hyou"));  // the engine starts from its template again
    }

    void progressWindow_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("shownValue");
        QTest::addColumn<int>("shownMaximum");
        QTest::newRow("within") << 3 << 8 << 3 << 8;
        QTest::newRow("at the end") << 8 << 8 << 8 << 8;
        QTest::newRow("past the end: full") << 13 << 8 << 8 << 8;
        QTest::newRow("no maximum") << 0 << 0 << 0 << 1;
    }
    void progressWindow() {
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(int, shownValue);
        QFETCH(int, shownMaximum);
        WindowFixture f;
        DrawingProgress* p = f.window->progressWindow();
        QCOMPARE(p->objectName(), QString("frmDraw"));
        QCOMPARE(p->windowTitle(), QString("図面ファイル書き出し中"));
        QCOMPARE(p->label()->text(), QString("Now Drawing・・・"));
        QVERIFY(!p->isVisible());
        p->start();
        QVERIFY(p->isVisible());
        QCOMPARE(p->bar()->value(), 0);
        p->setProgress(value, maximum);
        QCOMPARE(p->bar()->value(), shownValue);
        QCOMPARE(p->bar()->maximum(), shownMaximum);
    }

    void pdfOfAnEmptyDrawing() {
        const QString file = folder_.filePath("empty.pdf");
        QCOMPARE(writePdfFile(file.toStdString(), DrawingScene()), std::optional<Message>());
        QVERIFY(readFile(file).startsWith("%PDF-"));
    }
};

QTEST_MAIN(DrawingWindowTest)
#include "DrawingWindowTest.moc"
