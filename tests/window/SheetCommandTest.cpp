// ファイル > 求積表: the dialog makes the sheet of the open document as a PDF file through the file dialog.
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "app/SheetDialog.h"
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
        dialog->findChild<QComboBox*>("cboSheetForm")->setCurrentIndex(1);
        dialog->findChild<QComboBox*>("cboSheetPaper")->setCurrentIndex(1);
        dialog->findChild<QComboBox*>("cboSheetInputSet")->setCurrentIndex(1);
        f.fileNames = {pdf};
        click(dialog, "cmdSheetPdf");
        const QString sansha = textOf(pdf);
        for (const char* expected : {"三斜式（底辺・高さ）", "実測値", "9.78", "7.45", "72.8610", "36.43"}) {
            QVERIFY2(sansha.contains(QString::fromUtf8(expected)), expected);
        }
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
        LoadSettings(restarted.prefs);
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
