// The window shows what the calculation makes of a faulty figure and of the user's area rules: the
// grid marks the figure, the totals say they leave it out, the settings dialog sets the rules, and the
// 集計 window shows the whole document.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include "WindowFixture.h"
#include "app/AreaRulesBox.h"
#include "app/SettingsDialog.h"
#include "app/SummaryWindow.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// Design rows of three figures: 3-4-5 (6), 13-12-30 (no triangle), 1-1-1 (0.4330127).
void threeFigures(WindowFixture& f) {
    f.setCount(ListKind::Chain, 3);
    const char* sides[3][3] = {{"3.00", "4.00", "5.00"}, {"13.00", "12.00", "30.00"}, {"1.00", "1.00", "1.00"}};
    for (int figure = 0; figure < 3; ++figure) {
        for (int side = 0; side < 3; ++side) f.setCell(2 * figure, column::SideA + side, sides[figure][side]);
    }
    f.reload();
    f.window->mnuToolCalc_Click();
}

QString box(WindowFixture& f, int index) { return f.view().pane(ListKind::Chain)->totalBox(index)->text(); }

}  // namespace

class AreaRulesWindowTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void aFaultyFigureIsMarkedAndLeftOutOfTheTotals() {
        WindowFixture f;
        threeFigures(f);
        QCOMPARE(f.takeMessages().size(), std::size_t{1});  // the command tells, as before
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));
        QCOMPARE(f.grid()->text(3, 6), QString());
        QCOMPARE(f.grid()->text(3, 7), QString("計算不可"));
        QVERIFY(!f.grid()->item(2, 7)->toolTip().isEmpty());
        QCOMPARE(f.grid()->text(5, 7), QString("0.43"));
        QCOMPARE(box(f, 0), QString("6.43"));
        const QString tip = f.view().pane(ListKind::Chain)->totalBox(0)->toolTip();
        QVERIFY2(tip.contains("1段目の No.2"), qPrintable(tip));
        QCOMPARE(f.window->statusBar()->currentMessage(), QString("1段目 No.2 に数値入力の誤りがあります"));

        f.enter(3, 5, "1.5");  // put right (and carried into No.3, which stays a triangle): every mark goes
        QCOMPARE(f.grid()->text(3, 7).isEmpty(), false);
        QVERIFY(f.grid()->text(3, 7) != "計算不可");
        QVERIFY(f.view().pane(ListKind::Chain)->totalBox(0)->toolTip().isEmpty());
        QVERIFY(f.grid()->item(2, 7)->toolTip().isEmpty());
    }

    void theRulesChosenInTheSettingsDialogApplyToGridTotalsAndSummary() {
        WindowFixture f;
        threeFigures(f);
        f.takeMessages();
        f.window->mnuToolSetUp_Click();
        auto* dialog = f.window->findChild<SettingsDialog*>();
        QVERIFY(dialog);
        AreaRulesBox* rules = dialog->areaRules();
        rules->rounding()->setCurrentIndex(rules->rounding()->findData("up"));
        rules->registered()->setCurrentIndex(rules->registered()->findData("residential"));
        dialog->cmdSetUp(0)->click();
        QCOMPARE(f.prefs.roundingRule, std::string("up"));
        QCOMPARE(f.grid()->text(5, 7), QString("0.44"));  // 0.4330127 raised
        QCOMPARE(box(f, 0), QString("6.44"));              // the stored total 6.433013 raised

        f.window->command(Command::ShowSummary)->trigger();
        SummaryWindow* summary = f.window->summaryWindow();
        QVERIFY(summary && summary->isVisible());
        QTableWidget* table = summary->table();
        QStringList lastColumnOfDesign;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == "設計" && table->item(row, 1)->text() == "全体") {
                lastColumnOfDesign << table->item(row, 2)->text() + "=" + table->item(row, 5)->text();
            }
        }
        QCOMPARE(lastColumnOfDesign, (QStringList{"合計=6.44", "地積（宅地・鉱泉地）=6.43"}));
        QVERIFY(!summary->note()->text().isEmpty());  // figures are left out

        f.enter(3, 5, "1.5");  // the summary follows the document, its undo and a new one
        QVERIFY(summary->note()->text().isEmpty());
        f.window->command(Command::Undo)->trigger();
        QVERIFY(!summary->note()->text().isEmpty());
        f.answer = QMessageBox::Yes;
        f.window->command(Command::NewFile)->trigger();
        QVERIFY(summary->note()->text().isEmpty());
    }

    void sidesTakeTheirOwnDigits() {
        WindowFixture f;
        threeFigures(f);
        f.takeMessages();
        f.window->mnuToolSetUp_Click();
        auto* dialog = f.window->findChild<SettingsDialog*>();
        QVERIFY(dialog);
        QComboBox* sideDigits = dialog->areaRules()->sideDigits();
        QCOMPARE(sideDigits->currentIndex(), 0);  // as 桁数, by default
        sideDigits->setCurrentIndex(sideDigits->findData("0.000"));
        dialog->cmdSetUp(0)->click();
        QCOMPARE(f.prefs.sideDigitsFormat, std::string("0.000"));
        QCOMPARE(f.grid()->text(1, 3), QString("3.000"));  // a typed side
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));   // the area keeps 桁数
        f.enter(5, 5, "1.2");
        QCOMPARE(f.data().cell(ListKind::Chain, 0, 4, column::SideC), std::string("1.200"));
    }

    // Design values all good, one figure's measured values no triangle: the totals leave it out all the same.
    void theSummarySaysFiguresAreLeftOutWhenOnlyAMeasuredOneIsFaulty() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 1);
        const char* sides[2][3] = {{"3.00", "4.00", "5.00"}, {"13.00", "12.00", "30.00"}};
        for (InputSet set : {InputSet::Design, InputSet::Measured}) {
            for (int side = 0; side < 3; ++side) {
                f.setCell(tableRow(0, set), column::SideA + side, sides[static_cast<int>(set)][side]);
            }
        }
        f.reload();
        f.window->mnuToolCalc_Click();
        f.takeMessages();
        f.window->command(Command::ShowSummary)->trigger();
        SummaryWindow* summary = f.window->summaryWindow();
        QVERIFY(summary && summary->isVisible());
        QCOMPARE(summary->note()->text(),
                 QString("数値入力の誤りで計算できない図形は、どの合計にも含めていません（除外した図形）。"));
    }
};

QTEST_MAIN(AreaRulesWindowTest)
#include "AreaRulesWindowTest.moc"
