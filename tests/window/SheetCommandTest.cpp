// ファイル > 求積表: the dialog makes the sheet of the open document as a PDF file through the file dialog.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "app/SheetDialog.h"
#include "edit/StepName.h"
#include "WindowFixture.h"

namespace mirota {

class SheetCommandTest : public QObject {
    Q_OBJECT

    test::SettingsFolder settings_;

    static SheetDialog* openSheetDialog(test::WindowFixture& f) {
        f.window->menuItem("mnuSheet")->trigger();
        auto* dialog = f.window->findChild<SheetDialog*>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    static void click(SheetDialog* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    static QString textOf(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    // Each choice comes from its own box: the paper never follows the form, nor the form the paper.
    void theDialogReadsEachChoiceFromItsOwnBox_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("inputSet");
        QTest::newRow("三斜 on A4, design") << 1 << 0 << 0;
        QTest::newRow("ヘロン on A3, design") << 0 << 1 << 0;
        QTest::newRow("ヘロン on A4, measured") << 0 << 0 << 1;
        QTest::newRow("三斜 on A3, measured") << 1 << 1 << 1;
    }
    void theDialogReadsEachChoiceFromItsOwnBox() {
        QFETCH(int, form);
        QFETCH(int, paper);
        QFETCH(int, inputSet);
        SheetDialog dialog(InputSet::Design, TitleBlock{}, RegisteredClass::None, nullptr);
        dialog.findChild<QComboBox*>("cboSheetForm")->setCurrentIndex(form);
        dialog.findChild<QComboBox*>("cboSheetPaper")->setCurrentIndex(paper);
        dialog.findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(inputSet);
        const sheet::Options chosen = dialog.chosen();
        QCOMPARE(chosen.form, form == 1 ? sheet::Form::BaseAndHeight : sheet::Form::Heron);
        QCOMPARE(chosen.paper, paper == 1 ? sheet::Paper::A3 : sheet::Paper::A4);
        QCOMPARE(chosen.inputSet, inputSet == 1 ? InputSet::Measured : InputSet::Design);
    }

    void theMenuCommandWritesTheSheetAsPdf() {
        test::WindowFixture f;
        f.fileNames = {MIROTA_SOURCE_DIR "/examples/sample-survey.txt"};
        f.window->mnuOpen_Click();
        SheetDialog* dialog = openSheetDialog(f);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QComboBox*>("cboSheetInputSet")->currentText(), QString("設計値"));

        const QString pdf = settings_.filePath(QStringLiteral("sheet.pdf"));
        f.fileNames = {pdf};
        click(dialog, "cmdSheetPdf");
        QCOMPARE(f.fileRequests.back().kind, FileDialogRequest::Kind::Save);
        QCOMPARE(f.fileRequests.back().defaultSuffix, QString("pdf"));
        QVERIFY(f.fileRequests.back().start.endsWith("sample-survey_求積表.pdf"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QCOMPARE(f.takeMessages(), std::vector<Message>{});

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        const QString text = textOf(pdf);
        for (const char* expected : {"ヘロン式（三辺長）", "184.02", "215.43", "1 / 2", "2 / 2"}) {
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        }

        // The 三斜 form of the measured values, on A3: tier 1's first triangle on base 9.78, height 7.45.
        // Tier 1: 倍面積合計 438.1974, halved once 219.10.
        dialog->findChild<QComboBox*>("cboSheetForm")->setCurrentIndex(1);
        dialog->findChild<QComboBox*>("cboSheetPaper")->setCurrentIndex(1);
        dialog->findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(1);
        f.fileNames = {pdf};
        click(dialog, "cmdSheetPdf");
        const QString sansha = textOf(pdf);
        for (const char* expected : {"三斜式（底辺・高さ）", "実測値", "9.78", "7.45", "72.8610", "438.1974", "219.10"}) {
            QVERIFY2(sansha.contains(QString::fromUtf8(expected)), expected);
        }
    }

    void theTitleBlockIsKeptWithTheDocumentAndShownOnTheSheet() {
        test::WindowFixture f;
        f.fileNames = {MIROTA_SOURCE_DIR "/examples/sample-survey.txt"};
        f.window->mnuOpen_Click();
        SheetDialog* dialog = openSheetDialog(f);
        QVERIFY(dialog);
        const auto field = [&](const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); };
        // A character the data file cannot hold is named, and nothing is made or kept.
        field("txtSheetLocation")->setText(QStringLiteral("千代田区〜丸の内"));
        click(dialog, "cmdSheetPdf");
        const std::vector<Message> refused = f.takeMessages();
        QCOMPARE(refused.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(refused.front().text).startsWith("所在の文字「〜」"));
        QCOMPARE(f.fileRequests.size(), std::size_t{1});  // the Open's alone
        QVERIFY(f.window->data().titleBlock.empty());

        field("txtSheetLocation")->setText(QStringLiteral("千代田区丸の内一丁目"));
        field("txtSheetLot")->setText(QStringLiteral("12番3"));
        field("txtSheetLandUse")->setText(QStringLiteral("宅地"));
        field("txtSheetAuthor")->setText(QStringLiteral("測量 太郎"));
        dialog->findChild<QComboBox*>("cboSheetScale")->setCurrentText(QStringLiteral("1/200"));
        const QString pdf = settings_.filePath(QStringLiteral("titled.pdf"));
        f.fileNames = {pdf};
        click(dialog, "cmdSheetPdf");
        QCOMPARE(f.takeMessages(), std::vector<Message>{});
        const TitleBlock expected{"千代田区丸の内一丁目", "12番3", "宅地", "測量 太郎"};
        QVERIFY(f.window->data().titleBlock == expected);
        QVERIFY(f.window->documentModified());
        QCOMPARE(QString::fromStdString(stepName(*f.window->editHistory().nextUndo())), QString("表題欄の変更"));

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
        const QString text = textOf(pdf);
        for (const char* shown : {"千代田区丸の内一丁目", "12番3", "宅地", "測量 太郎", "縮尺 1/200", "展開図（縮尺 1/200）"}) {
            QVERIFY2(text.simplified().contains(QString::fromUtf8(shown)), shown);
        }
    }

    void figuresThatCannotBeCalculatedAreNamedBeforeTheSheetOrTheDrawing() {
        test::WindowFixture f;
        f.fileNames = {MIROTA_SOURCE_DIR "/examples/sample-survey.txt"};
        f.window->mnuOpen_Click();
        // The design values of tier 1's first exception figure (a deduction) cannot be calculated.
        f.window->data().setCell(ListKind::Exception, 0, 0, column::SideB, "-3.20");
        SheetDialog* dialog = openSheetDialog(f);
        QVERIFY(dialog);
        f.answers = {QMessageBox::No};
        click(dialog, "cmdSheetPdf");
        std::vector<Message> asked = f.takeMessages();
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked.front().icon, Message::Icon::Question);
        QVERIFY2(asked.front().text.find("例外処理 1段目 No.1") != std::string::npos, asked.front().text.c_str());
        QCOMPARE(f.fileRequests.size(), std::size_t{1});  // no sheet asked for

        // The measured values are sound: their sheet is made without a question.
        dialog->findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(1);
        f.fileNames = {QString()};
        click(dialog, "cmdSheetPdf");
        QCOMPARE(f.takeMessages(), std::vector<Message>{});
        QCOMPARE(f.fileRequests.size(), std::size_t{2});

        // Yes: the sheet is made, the deduction marked 控除 beside 計算不可.
        dialog->findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(0);
        const QString pdf = settings_.filePath(QStringLiteral("faulty.pdf"));
        f.answers = {QMessageBox::Yes};
        f.fileNames = {pdf};
        click(dialog, "cmdSheetPdf");
        QCOMPARE(f.takeMessages().size(), std::size_t{1});
        QVERIFY(QFile::exists(pdf));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QVERIFY(textOf(pdf).contains(QStringLiteral("控除 計算不可")));
        }
        dialog->close();

        // The drawing asks the same; No draws nothing.
        f.answers = {QMessageBox::No};
        f.window->mnuToolDraw_Click();
        asked = f.takeMessages();
        QCOMPARE(asked.size(), std::size_t{1});
        QVERIFY(asked.front().text.find("図面を作図します") != std::string::npos);
        QVERIFY(!f.window->drawingWindow()->isVisible());
    }

    void aCancelledDialogWritesNothingAndAFailedWriteSaysSo() {
        test::WindowFixture f;
        SheetDialog* dialog = openSheetDialog(f);
        QVERIFY(dialog);
        click(dialog, "cmdSheetPdf");  // no name: cancelled
        QCOMPARE(f.fileRequests.size(), std::size_t{1});
        QCOMPARE(f.takeMessages(), std::vector<Message>{});

        f.fileNames = {settings_.filePath(QStringLiteral("no-such-folder/sheet.pdf"))};
        click(dialog, "cmdSheetPdf");
        const std::vector<Message> messages = f.takeMessages();
        QCOMPARE(messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages.front().text).startsWith("ファイルを保存できませんでした。"));
        QCOMPARE(messages.front().icon, Message::Icon::Critical);
    }

    void theDialogRemembersItsChoiceAcrossRuns() {
        {
            test::WindowFixture f;
            SheetDialog* dialog = openSheetDialog(f);
            QVERIFY(dialog);
            QCOMPARE(test::captionsWithoutOwnLetter(test::dialogCaptions(dialog)), QStringList());
            dialog->findChild<QComboBox*>("cboSheetForm")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("cboSheetPaper")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(1);
            click(dialog, "cmdSheetClose");
        }
        test::WindowFixture restarted;
        loadSettings(restarted.prefs);
        SheetDialog* dialog = openSheetDialog(restarted);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QComboBox*>("cboSheetForm")->currentText(), QString("三斜式（底辺・高さ）"));
        QCOMPARE(dialog->findChild<QComboBox*>("cboSheetPaper")->currentText(), QString("A3 縦"));
        QCOMPARE(dialog->findChild<QComboBox*>("cboSheetInputSet")->currentText(), QString("実測値"));
        click(dialog, "cmdSheetClose");
    }
};

}  // namespace mirota

QTEST_MAIN(mirota::SheetCommandTest)
#include "SheetCommandTest.moc"
