// The development preview beside the grids: it follows the typing and the row operations, points
// back to the grid, shows what cannot be laid out, and leaves the window as it was when hidden.
#include <cmath>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTabWidget>

#include "WindowFixture.h"
#include "app/PreviewPane.h"
#include "app/SplitterBar.h"
#include "ui/Twips.h"
#include "viewer/DevelopmentView.h"

using namespace mirota;
using test::WindowFixture;

namespace {

DevelopmentView* previewView(WindowFixture& f) { return f.window->previewPane()->view(); }

int shownFigures(WindowFixture& f, int tier) {
    int count = 0;
    for (const DevelopmentFigure& figure : previewView(f)->scene().figures()) count += figure.tier == tier ? 1 : 0;
    return count;
}

QString faultShown(WindowFixture& f) {
    QLabel* line = f.window->previewPane()->faultLine();
    return line->isVisible() ? line->text() : QString();
}

// The chain of a tier written straight into the document: type and sides A, B, C per figure, each
// joined C-A, in both rows.
void fillTier(WindowFixture& f, int tier, const std::vector<std::array<const char*, 4>>& figures) {
    SurveyData& data = f.data();
    data.setFigureCount(ListKind::Chain, tier, static_cast<int>(figures.size()));
    for (std::size_t k = 0; k < figures.size(); ++k) {
        for (int row : {static_cast<int>(2 * k), static_cast<int>(2 * k + 1)}) {
            for (int col = 0; col < 4; ++col) data.setCell(ListKind::Chain, tier, row, col, figures[k][col]);
            data.setCell(ListKind::Chain, tier, row, column::Join, "0");
        }
    }
}

// Base as figure 2, so that a second tier can be put beside the first.
const std::vector<std::array<const char*, 4>> kStrip = {
    {"11", "10", "10", "10"}, {"0", "10", "10", "10"}, {"11", "10", "10", "10"}, {"10", "10", "10", "10"}};

// The second tier of larger figures, so that it reaches beyond the first.
void twoTiers(WindowFixture& f) {
    f.data().conditions = DrawingConditions::startupDefaults();
    f.window->tierCountCombo()->setCurrentIndex(1);
    fillTier(f, 0, kStrip);
    fillTier(f, 1, {{"11", "20", "20", "20"}, {"0", "20", "20", "20"}, {"11", "20", "20", "20"}, {"10", "20", "20", "20"}});
    f.reload();
}

// The grid layout: every pane, grid and box of the tier on screen, and the grid's columns.
QList<QRect> gridLayout(WindowFixture& f) {
    QList<QRect> out{f.window->tierTabs()->geometry()};
    FigurePane* pane = f.view().pane(ListKind::Chain);
    out << pane->geometry() << pane->grid()->geometry() << pane->totalBox(0)->geometry()
        << pane->totalBox(1)->geometry() << pane->countCombo()->geometry();
    for (int col = 0; col < TierGrid::kColumns; ++col) out << QRect(col, 0, pane->grid()->columnWidth(col), 1);
    return out;
}

}  // namespace

class PreviewPaneTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void figuresAndHighlightFollowTyping() {
        WindowFixture f;
        QVERIFY(f.window->previewPane()->isVisible());
        QVERIFY(f.window->menuItem("mnuWindowPreview")->isChecked());
        f.select(1, 3);
        f.view().ChangeFigureType(0);
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        QCOMPARE(shownFigures(f, 0), 0);
        QCOMPARE(faultShown(f), QString("入力データを確認して下さい！ 【1段目 No.1 設計値のＣ辺が空です】"));
        f.enter(1, 5, "5");
        QCOMPARE(shownFigures(f, 0), 1);
        QCOMPARE(faultShown(f), QString("入力データを確認して下さい！ 【1段目 No.2 設計値のＢ辺が空です】"));
        f.enter(3, 4, "4");
        f.enter(3, 5, "3");
        QCOMPARE(shownFigures(f, 0), 2);
        QCOMPARE(faultShown(f), QString());
        // The labels are the typed sides with the digits, as the drawing writes them.
        QCOMPARE(previewView(f)->scene().figures().front().sideLabels.at(1).text, std::string("4.00"));

        f.select(3, 4);
        QCOMPARE(previewView(f)->emphasis().currentFigure, std::optional<int>(2));
        f.select(2, 3);
        QCOMPARE(previewView(f)->emphasis().currentFigure, std::optional<int>(1));

        // The measured rows are empty: nothing of them can be laid out.
        f.window->mnuDataChangeType_Click(1);
        QCOMPARE(shownFigures(f, 0), 0);
        f.window->mnuDataChangeType_Click(0);
        QCOMPARE(shownFigures(f, 0), 2);
        QVERIFY(f.takeMessages().empty());
    }

    void rowOperationsRedrawThePane() {
        WindowFixture f;
        fillTier(f, 0, kStrip);
        f.reload();
        QCOMPARE(shownFigures(f, 0), 4);
        f.select(7, 4);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(shownFigures(f, 0), 3);
        // An inserted figure has no sides yet: it and every figure after it wait for them.
        f.select(5, 4);
        f.view().mnuDataAddData_Click();
        QCOMPARE(shownFigures(f, 0), 2);
        QVERIFY(faultShown(f).contains(QStringLiteral("【1段目 No.3 設計値の")));
        f.select(3, 4);
        f.view().ChangeFigureType(21);  // the base becomes a deduction: no base left in the tier
        QCOMPARE(shownFigures(f, 0), 0);
        QCOMPARE(faultShown(f), QString("タイプ変更で基準を指定して下さい！ 【1段目に基準の図形がありません】"));
        QVERIFY(f.takeMessages().empty());
    }

    void deductionFiguresAreMarked() {
        WindowFixture f;
        fillTier(f, 0, {{"0", "10", "10", "10"}, {"21", "10", "10", "10"}});
        f.reload();
        const auto& figures = previewView(f)->scene().figures();
        QCOMPARE(figures.size(), std::size_t{2});
        QVERIFY(figures[0].base && !figures[0].deduction);
        QVERIFY(!figures[1].base && figures[1].deduction);
    }

    // The scene painted into an image: the highlight lies on the current figure of the tier on screen and on
    // no other, the base is filled, a deduction hatched.
    void highlightOnlyOnTheCurrentFigureOfTheCurrentTier() {
        WindowFixture f;
        // Two tiers side by side, each with its base and a deduction.
        f.fileNames = {QStringLiteral(MIROTA_SOURCE_DIR "/examples/sample-survey.txt")};
        f.window->mnuOpen_Click();
        QCOMPARE(f.data().tierCount(), 2);
        f.select(5, 4);  // tier 1, figure 3
        const DevelopmentEmphasis emphasis = previewView(f)->emphasis();
        QCOMPARE(emphasis.currentTier, 0);
        QCOMPARE(emphasis.currentFigure, std::optional<int>(3));

        const DevelopmentScene& scene = previewView(f)->scene();
        const drawing::Extents& e = scene.extents();
        const double size = 1000.0;
        const double scale = size / std::max(e.max.x - e.min.x, e.max.y - e.min.y);
        QTransform toImage;  // y turned down, the extents filling the image
        toImage.translate(-e.min.x * scale, size + e.min.y * scale);
        toImage.scale(scale, -scale);
        QImage image(int(size) + 1, int(size) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            scene.paint(painter, toImage, emphasis);
        }
        // The colours of a patch inside the figure: between its middle (the circled number) and a corner.
        const auto patch = [&](const DevelopmentFigure& figure) {
            const QPolygonF o = toImage.map(figure.outline);
            const QPointF middle = (o[0] + o[1] + o[2]) / 3.0;
            const QPoint at = (middle + 0.45 * (o[1] - middle)).toPoint();
            QList<QColor> colours;
            for (int dx = -4; dx <= 4; ++dx) {
                for (int dy = -4; dy <= 4; ++dy) colours << image.pixelColor(at + QPoint(dx, dy));
            }
            return colours;
        };
        const auto yellow = [](const QColor& c) { return c.red() > 230 && c.green() > 190 && c.blue() < 170; };
        const auto blue = [](const QColor& c) { return c.blue() > c.red() + 20; };
        const auto red = [](const QColor& c) { return c.red() > c.green() + 40 && c.red() > c.blue() + 40; };
        const auto white = [](const QColor& c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; };
        int seen = 0;
        for (const DevelopmentFigure& figure : scene.figures()) {
            const QList<QColor> colours = patch(figure);
            const QString name = QString("tier %1 figure %2").arg(figure.tier + 1).arg(figure.number);
            const bool current = figure.tier == 0 && figure.number == 3;
            QVERIFY2(std::all_of(colours.begin(), colours.end(), yellow) == current, qPrintable(name));
            QVERIFY2(std::any_of(colours.begin(), colours.end(), yellow) == current, qPrintable(name));
            if (figure.base) QVERIFY2(std::all_of(colours.begin(), colours.end(), blue), qPrintable(name));
            if (figure.deduction) {
                QVERIFY2(std::any_of(colours.begin(), colours.end(), red), qPrintable(name));  // the hatching's lines
                QVERIFY2(std::any_of(colours.begin(), colours.end(), white), qPrintable(name));  // and between them
            }
            if (!figure.base && !figure.deduction && !current) {
                QVERIFY2(std::all_of(colours.begin(), colours.end(), white), qPrintable(name));
            }
            seen |= (figure.base ? 1 : 0) << figure.tier | (figure.deduction ? 4 : 0) << figure.tier;
            seen |= figure.tier == 1 && figure.number == 3 ? 16 : 0;
        }
        QCOMPARE(seen, 31);  // a base and a deduction of each tier, and the current figure's number on the other tier
    }

    // 三斜: with the drawing option on, every triangle shows its height from the apex to its longest side.
    void heightLinesFollowTheDrawingOption() {
        WindowFixture f;
        fillTier(f, 0, {{"0", "3", "4", "5"}});
        f.reload();
        QVERIFY(!previewView(f)->scene().figures().front().heightLine);
        f.prefs.drawHeightLines = true;
        f.reload();
        QVERIFY(!previewView(f)->scene().figures().front().heightLine);  // no area calculated yet: no height
        f.window->mnuToolCalc_Click();
        f.takeMessages();
        f.reload();
        const DevelopmentFigure& figure = previewView(f)->scene().figures().front();
        QVERIFY(figure.heightLine);
        const drawing::Line& line = *figure.heightLine;
        QVERIFY(std::fabs(std::hypot(line.end.x - line.start.x, line.end.y - line.start.y) - 2.4) < 1e-5);
        QCOMPARE(QString::fromStdString(figure.heightText.text), QString("2.40"));
    }

    void clickSelectsTheFiguresRowOnItsTier() {
        WindowFixture f;
        twoTiers(f);
        QCOMPARE(f.data().view.currentTier, 0);
        QCOMPARE(shownFigures(f, 1), 4);
        // A figure of tier 2 whose middle no figure of the tier on screen covers.
        const DevelopmentScene& scene = previewView(f)->scene();
        const DevelopmentFigure* target = nullptr;
        drawing::Point centre;
        for (const DevelopmentFigure& figure : scene.figures()) {
            const QPolygonF& o = figure.outline;
            centre = {(o[0].x() + o[1].x() + o[2].x()) / 3.0, (o[0].y() + o[1].y() + o[2].y()) / 3.0};
            if (figure.tier == 1 && figure.number > 1 && scene.figureAt(centre, 0) == &figure) {
                target = &figure;
                break;
            }
        }
        QVERIFY(target);
        const int number = target->number;
        QTest::mouseClick(previewView(f), Qt::LeftButton, {}, previewView(f)->toScreen(centre).toPoint());
        QCOMPARE(f.window->tierTabs()->currentIndex(), 1);
        QCOMPARE(f.data().view.currentTier, 1);
        QCOMPARE(f.grid()->currentGridRow(), 2 * number - 1);
        QCOMPARE(f.grid()->state(2 * number - 1, f.grid()->currentGridColumn()), CellState::Editable);
        QCOMPARE(previewView(f)->emphasis().currentTier, 1);
        QCOMPARE(previewView(f)->emphasis().currentFigure, std::optional<int>(number));
        QVERIFY(previewView(f)->fitted());  // a click is not a pan
    }

    void impossibleTriangleLeavesOutTheRestOfItsTier() {
        WindowFixture f;
        twoTiers(f);
        f.data().setCell(ListKind::Chain, 0, 4, column::SideC, "50");
        f.reload();
        QCOMPARE(shownFigures(f, 0), 2);
        QCOMPARE(shownFigures(f, 1), 4);  // placed beside figures 1 and 2, which are drawn
        QCOMPARE(faultShown(f), QString("数値入力に誤りがあります。（1段目 No.3）"));
        QCOMPARE(f.window->previewPane()->faultLine()->palette().color(QPalette::WindowText), QColor(0xc0, 0, 0));
        QVERIFY(f.takeMessages().empty());
    }

    void zoomIsKeptUntilFit() {
        WindowFixture f;
        fillTier(f, 0, kStrip);
        f.reload();
        DevelopmentView* view = previewView(f);
        view->zoomBy(2.0, QPointF(view->width() / 2.0, view->height() / 2.0));
        const double zoomed = view->scale();
        f.data().setCell(ListKind::Chain, 0, 6, column::SideA, "12");
        f.reload();
        QCOMPARE(view->scale(), zoomed);
        f.window->previewPane()->findChild<QAbstractButton*>("cmdPreviewFit")->click();
        QVERIFY(view->fitted());
        QVERIFY(view->scale() < zoomed);
    }

    void previewComesBesideTheGridsWithoutNarrowingThem() {
        // Shown, hidden and shown again, the grids keep the room of a window without a preview: the
        // window grows and shrinks by the pane, and the totals stay in sight.
        WindowFixture withPane;
        WindowFixture without("0.00", "engine", /*showPreview=*/false);
        MainWindow& w = *withPane.window;
        auto* splitter = w.findChild<QSplitter*>("previewSplitter");
        const int room = w.previewPane()->width() + splitter->handleWidth();
        QCOMPARE(without.window->size(), QSize(twipsToPixels(11500), twipsToPixels(6100)));
        QCOMPARE(w.size(), without.window->size() + QSize(room, 0));
        QCOMPARE(gridLayout(withPane), gridLayout(without));
        for (int box = 0; box < FigurePane::kTotalBoxes; ++box) {
            QVERIFY(withPane.view().pane(ListKind::Chain)->totalBox(box)->isVisible());
        }

        w.menuItem("mnuWindowPreview")->trigger();
        QVERIFY(!w.previewPane()->isVisible());
        QVERIFY(!withPane.prefs.showPreview);
        QTRY_COMPARE(w.size(), without.window->size());
        QTRY_COMPARE(gridLayout(withPane), gridLayout(without));
        QCOMPARE(w.findChild<QWidget*>("centralArea")->geometry(), w.centralWidget()->rect());

        w.menuItem("mnuWindowPreview")->trigger();
        QTRY_COMPARE(w.size(), without.window->size() + QSize(room, 0));
        QTRY_COMPARE(gridLayout(withPane), gridLayout(without));
    }

    void previewHandleStopsAtTheGridAreasSmallestWidth() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QSplitterHandle* handle = w.findChild<QSplitter*>("previewSplitter")->handle(1);
        const QSize before = w.size();
        const auto send = [handle](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseButtonPress, QPointF(1, 10), Qt::LeftButton);
        send(QEvent::MouseMove, QPointF(-600, 10), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, QPointF(-600, 10), Qt::NoButton);
        QCOMPARE(w.size(), before);
        QTRY_COMPARE(w.findChild<QWidget*>("centralArea")->width(), twipsToPixels(11400));
        QVERIFY(f.view().pane(ListKind::Chain)->totalBox(FigurePane::NetArea)->isVisible());
    }

    void exceptionSplitterStopsInsideTheGridArea() {
        WindowFixture f;
        f.window->menuItem("mnuWindowExtRight")->trigger();
        SplitterBar* bar = f.window->splitter(1);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(3000, 10), bar->mapToGlobal(QPointF(3000, 10)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 10));
        const int gridAreaWidth = f.window->findChild<QWidget*>("centralArea")->width();
        QCOMPARE(bar->x(), gridAreaWidth - twipsToPixels(1200));
        QVERIFY(f.view().pane(ListKind::Exception)->isVisible());
    }
};

QTEST_MAIN(PreviewPaneTest)
#include "PreviewPaneTest.moc"
