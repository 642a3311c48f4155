// New, Open, Save and Save As with their dialogs answered by the test, the unsaved-changes flag with
// its question and the asterisk in the caption.
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QFile>
#include <QMenu>
#include <QTabWidget>

#include "model/CodePage.h"
#include "settings/PreferencesStore.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;
using Kind = FileDialogRequest::Kind;

namespace {

const QString kFilter = "テキスト ファイル (*.txt)";
const Message kSaveChanges{"変更内容を保存しますか？", "LTミロタ展開図", Message::Icon::Warning};
const Message kNotOurData{"LTミロタ展開図のデータではありません。", "LTミロタ展開図", Message::Icon::Critical};

// The values of a data file of tiers tiers, each with one chain figure (design sides 3, 4, 5 and
// measured 3.1, 4, 5; the first tier's figure is the base) and one exception figure, as the file
// format lays them out.
QStringList documentValues(int tiers) {
    QStringList values{"\"LTミロタ展開図\"", "\"98\"", "20", "100", QString::number(tiers)};
    for (int list = 0; list < 2; ++list) {
        for (int t = 0; t < tiers; ++t) values << "1";
    }
    for (int t = 0; t < tiers; ++t) {
        const QString type = t == 0 ? "\"0\"" : "\"10\"";
        values << type << "\"3\"" << "\"4\"" << "\"5\"" << "\"\"" << "\"\"" << "\"0\"";
        values << type << "\"3.1\"" << "\"4\"" << "\"5\"" << "\"\"" << "\"\"" << "\"0\"";
    }
    for (int t = 0; t < tiers; ++t) {
        for (int row = 0; row < 2; ++row) values << "\"13\"" << "\"池\"" << "\"2\"" << "\"\"" << "\"\"" << "\"\"" << "\"\"";
    }
    values << "10" << "20" << "30" << ".5" << ".6" << "1" << "2" << "500";
    values << "1" << "2" << "1" << "1";
    values << "#TRUE#" << "#FALSE#";
    values << "\"外形\"" << "\"寸法\"" << "\"面積\"";
    return values;
}

QByteArray fileBytes(const QStringList& values) {
    const auto bytes = codepage::fromUtf8((values.join("\r\n") + "\r\n").toStdString());
    return QByteArray::fromStdString(bytes.text);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The lines of a saved data file, decoded.
QStringList savedLines(const QString& path) {
    const QByteArray bytes = readFile(path);
    const auto text = codepage::toUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!text.ok() || !bytes.endsWith("\r\n")) return {};
    QStringList lines = QString::fromStdString(text.text).split("\r\n");
    lines.removeLast();
    return lines;
}

QString documentsFolder() { return QDir::toNativeSeparators(test::firstDialogFolder()); }
FileDialogRequest openRequest(const QString& start = documentsFolder()) { return {Kind::Open, "開く", start, kFilter, {}}; }
FileDialogRequest saveRequest(const QString& start = documentsFolder()) {
    return {Kind::Save, "名前を付けて保存", start, kFilter, "txt"};
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

    // As the program keeps and shows a file's name: with the platform's separators.
    QString path(const QString& name) const { return QDir::toNativeSeparators(folder_.filePath(name)); }

private slots:
    void openReadsTheFileIntoTheWindow() {
        const QString file = path("one.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->toolMain_ButtonClick(Command::Open);
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{openRequest()});
        QVERIFY(f.messages.empty());
        QCOMPARE(f.window->windowTitle(), "LTミロタ展開図   【" + file + "】");
        QCOMPARE(f.data().currentFilePath, file.toStdString());
        QCOMPARE(f.window->tag(), std::string());
        QCOMPARE(f.grid()->text(1, 3), QString("3.00"));
        QCOMPARE(f.grid()->text(2, 3), QString("3.10"));
        QCOMPARE(f.view().pane(ListKind::Chain)->countCombo()->currentText(), QString("1"));
        QCOMPARE(f.data().acadVersion, std::string("98"));
        QCOMPARE(f.data().conditions.drawingLayerName, std::string("外形"));
        QCOMPARE(f.data().conditions.scale, 500.0f);
        QCOMPARE(f.data().optionFlags.useStationPrefix, false);
        // A complete figure enables calculation and drawing; the base figure takes the base item.
        QVERIFY(f.window->menuItem("mnuToolCalc")->isEnabled());
        QVERIFY(f.window->toolbarButton("mnuToolDraw")->isEnabled());
        QVERIFY(!f.window->menuItem("mnuDataModeStandard0")->isEnabled());
        QVERIFY(!f.window->documentModified());
    }

    void openingFewerTiersRemovesTabs() {
        const QString file = path("three.txt");
        writeFile(file, fileBytes(documentValues(3)));
        WindowFixture f;
        f.window->tierCountCombo()->setCurrentIndex(4);
        QCOMPARE(f.window->tierTabs()->count(), 5);
        f.window->tierTabs()->setCurrentIndex(3);
        f.answer = QMessageBox::No;  // drop the changed tier count
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kSaveChanges});
        QCOMPARE(f.window->tierTabs()->count(), 3);
        QCOMPARE(f.window->tierCountCombo()->currentText(), QString("3段"));
        QCOMPARE(f.window->tierTabs()->currentIndex(), 0);
        QCOMPARE(f.data().view.currentTier, 0);
        QCOMPARE(f.grid()->text(1, 1), TierGrid::symbolText(FigureType::Base));
    }

    void cancelledOpenLeavesTheDocumentUntitled() {
        const QString file = path("kept.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        f.window->mnuOpen_Click();  // cancelled
        QCOMPARE(f.takeFileRequests().size(), std::size_t{2});
        QCOMPARE(f.data().currentFilePath, std::string());
        QCOMPARE(f.window->windowTitle(), QString("LTミロタ展開図"));  // names no file any more
        QCOMPARE(f.grid()->text(1, 3), QString("3.00"));
        QCOMPARE(f.window->tag(), std::string());
    }

    void refusedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QStringList wrongMagic = documentValues(1);
        wrongMagic[0] = "\"LTミロタ\"";
        QTest::newRow("magic") << fileBytes(wrongMagic) << QString::fromStdString(kNotOurData.text);
        QStringList textCapacity = documentValues(1);
        textCapacity[2] = "\"abc\"";
        QTest::newRow("capacity not a number") << fileBytes(textCapacity) << QString::fromStdString(kNotOurData.text);
        QStringList cut = documentValues(1);
        cut = cut.mid(0, 20);
        QTest::newRow("cut short") << fileBytes(cut) << QString();
    }
    void refusedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString file = path("refused.txt");
        writeFile(file, bytes);
        WindowFixture f;
        f.enter(1, 3, "7");
        f.data().currentFilePath = "/old/name.txt";
        const QString caption = f.window->windowTitle();
        f.answer = QMessageBox::No;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        const std::vector<Message> shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0], kSaveChanges);
        QCOMPARE(shown[1].title, std::string("LTミロタ展開図"));
        QCOMPARE(shown[1].icon, Message::Icon::Critical);
        if (!text.isEmpty()) QCOMPARE(QString::fromStdString(shown[1].text), text);
        QCOMPARE(f.cell(0, 1), std::string("7.00"));
        QCOMPARE(f.data().currentFilePath, std::string("/old/name.txt"));
        QCOMPARE(f.window->windowTitle(), caption);
        QCOMPARE(f.window->tag(), std::string());
        QVERIFY(f.window->documentModified());
    }

    void saveOfAnUntitledDocumentAsksOnceAndWrites() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        f.enter(1, 5, "5");  // calculated: S and the area are filled in
        QVERIFY(!f.cell(0, column::Area).empty());
        const QString file = path("saved.txt");
        f.fileNames = {file};
        f.window->toolMain_ButtonClick(Command::Save);
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{saveRequest()});
        QVERIFY(f.messages.empty());
        QCOMPARE(f.data().currentFilePath, file.toStdString());
        QCOMPARE(f.window->windowTitle(), "LTミロタ展開図   【" + file + "】");  // the file saved to
        const QStringList lines = savedLines(file);
        QCOMPARE(lines.size(), 66);  // 5 + 2 counts + 7 x 6 cells + 8 numbers + 4 choices + 2 flags + 3 names
        QCOMPARE(lines.mid(0, 7), (QStringList{"\"LTミロタ展開図\"", "\"2000\"", "20", "100", "1", "2", "1"}));
        // The computed columns are not stored; the join side is.
        QCOMPARE(lines.mid(7, 7), (QStringList{"\"10\"", "\"3.00\"", "\"4.00\"", "\"5.00\"", "\"\"", "\"\"", "\"0\""}));
        QCOMPARE(lines.mid(21, 2), (QStringList{"\"11\"", "\"5.00\""}));  // carried into figure 2's side A
        QCOMPARE(lines.mid(49, 8), (QStringList{"0", "0", "0", ".4", ".4", "0", "0", "200"}));
        QCOMPARE(lines.mid(61), (QStringList{"#TRUE#", "#TRUE#", "\"図面\"", "\"寸法値\"", "\"面積表\""}));

        // Saved and opened again: every typed cell comes back, the computed ones are calculated at once
        // without changing the document.
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        QCOMPARE(f.cell(0, 1), std::string("3.00"));
        QCOMPARE(f.cell(0, column::HalfPerimeter), std::string("6"));
        QCOMPARE(f.cell(0, column::Area), std::string("6"));
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("6.00"));
        QVERIFY(!f.window->documentModified());
        QVERIFY(f.messages.empty());
    }

    void saveOfATitledDocumentWritesWithoutAsking() {
        const QString file = path("titled.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        f.takeFileRequests();
        f.enter(1, 4, "4.5");
        f.window->menuItem("mnuSave")->trigger();
        QVERIFY(f.takeFileRequests().empty());
        QCOMPARE(savedLines(file).at(9), QString("\"4.50\""));
        QVERIFY(!f.window->documentModified());
    }

    void csvExportWritesTheResultsBesideTheDocument() {
        const QString file = path("survey.txt");
        writeFile(file, fileBytes(documentValues(2)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        f.takeFileRequests();
        const QString csv = path("survey.csv");
        f.fileNames = {csv};
        f.window->menuItem("mnuExportCsv")->trigger();
        const FileDialogRequest asked{Kind::Save, "CSV で書き出し", QDir::toNativeSeparators(csv), "CSV ファイル (*.csv)", "csv"};
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{asked});
        const QByteArray bytes = readFile(csv);
        QVERIFY2(bytes.startsWith("\xEF\xBB\xBF段,一覧,番号"), bytes.left(40).constData());
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
        QVERIFY2(lines.contains("1,展開図形,1,設計,,基準△,3,4,5,6.00,,,,6.00"), qPrintable(lines.join('\n')));
        QVERIFY2(lines.contains("2,例外処理,1,実測,池,○,,,,,2,,,3.14"), qPrintable(lines.join('\n')));
        // The summary follows, then the rules it was made by (the preferences' defaults here).
        const qsizetype summary = lines.indexOf("区分,段,一覧,計算面積,控除面積,差引面積,除外した図形");
        QVERIFY2(summary > 0 && lines[summary - 1].isEmpty(), qPrintable(lines.join('\n')));
        // Two tiers of a 3-4-5 triangle and a circle of diameter 2, 2 × (6 + π) = 18.28 mm² in this millimetre
        // document, which the summary gives in m²: 0.0000183 m².
        QVERIFY2(lines.mid(summary).contains("設計,全体,合計,0.00,0.00,0.00,"), qPrintable(lines.join('\n')));
        QVERIFY2(lines.mid(summary).contains("設計,全体,坪,,,0.00,"), qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(lines.size() - 3), (QStringList{"", "計算の規則,端数処理,四捨五入,桁数,2,合計の出し方,計算値の合計,登記面積,なし", ""}));
        QVERIFY(!f.window->documentModified());
    }

    void saveAsOffersTheCurrentFileAndWritesTheNewName() {
        const QString file = path("first.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        f.takeFileRequests();
        const QString copy = path("copy.txt");
        f.fileNames = {copy};
        f.window->menuItem("mnuSaveNew")->trigger();
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{saveRequest(file)});
        QCOMPARE(f.data().currentFilePath, copy.toStdString());
        QCOMPARE(savedLines(copy), savedLines(file));
        QCOMPARE(savedLines(copy).size(), 52);  // 5 + 2 counts + 7 x 4 cells + 8 numbers + 4 choices + 2 flags + 3 names
    }

    void saveAsCancelledTwiceWritesNothing() {
        WindowFixture f;
        f.data().currentFilePath = path("never.txt").toStdString();
        f.window->menuItem("mnuSaveNew")->trigger();
        QCOMPARE(f.takeFileRequests(),
                 (std::vector<FileDialogRequest>{saveRequest(path("never.txt")), saveRequest()}));
        QVERIFY(!QFile::exists(path("never.txt")));
        QCOMPARE(f.data().currentFilePath, std::string());
        QVERIFY(f.messages.empty());
    }

    void saveAsCancelledOnceAsksAgainAndWrites() {
        WindowFixture f;
        const QString file = path("second-try.txt");
        f.fileNames = {QString(), file};
        f.window->mnuSaveNew_Click();
        QCOMPARE(f.takeFileRequests().size(), std::size_t{2});
        QCOMPARE(savedLines(file).size(), 66);
    }

    void failedSaveKeepsTheFileAndTheDocument() {
        const QString file = path("intact.txt");
        const QByteArray before = fileBytes(documentValues(1));
        writeFile(file, before);
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        // A character that code page 932 cannot hold is refused by the writer.
        f.setCell(0, column::SideB, "\xE5\x9B\xBE");  // U+56FE
        f.window->setDocumentModified(true);
        f.window->mnuSave_Click();
        std::vector<Message> shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].title, std::string("LTミロタ展開図"));
        QCOMPARE(shown[0].icon, Message::Icon::Critical);
        QCOMPARE(readFile(file), before);
        QVERIFY(f.window->documentModified());

        // Save As to a folder that does not exist: the message names the file, the old name stays.
        const QString missing = path("no-such-folder/new.txt");
        f.setCell(0, column::SideB, "4");
        f.fileNames = {missing};
        f.window->mnuSaveNew_Click();
        shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(shown[0].text).startsWith("ファイルを保存できませんでした。\r\n【" + missing + "】"));
        QCOMPARE(f.data().currentFilePath, file.toStdString());
        QVERIFY(f.window->documentModified());
    }

    void editsMarkTheDocumentUnsaved_data() {
        QTest::addColumn<QString>("edit");
        for (const char* edit : {"cell", "cut", "paste", "type", "join", "bulk", "insert", "delete", "figure count",
                                 "tier count", "exception name"}) {
            QTest::newRow(edit) << QString(edit);
        }
    }
    void editsMarkTheDocumentUnsaved() {
        QFETCH(QString, edit);
        WindowFixture f;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        f.enter(1, 5, "5");
        f.enter(3, 4, "4");
        f.window->setDocumentModified(false);
        QCOMPARE(f.window->windowTitle(), QString("LTミロタ展開図"));
        if (edit == "cell") {
            f.enter(1, 4, "6");
        } else if (edit == "cut") {
            f.select(1, 4);
            f.view().mnuEditCut_Click();
        } else if (edit == "paste") {
            f.select(1, 3);
            f.view().mnuEditCopy_Click();
            f.window->setDocumentModified(false);
            f.select(3, 5);
            f.view().mnuEditPaste_Click();
        } else if (edit == "type") {
            f.select(1, 3);
            f.view().ChangeFigureType(0);
        } else if (edit == "join") {
            f.select(3, 3);
            f.view().ChangeJoinSide(1);
        } else if (edit == "bulk") {
            f.view().mnuDataModeAllChg_Click(1);
        } else if (edit == "insert") {
            f.select(1, 3);
            f.view().mnuDataAddData_Click();
        } else if (edit == "delete") {
            f.select(3, 3);
            f.view().mnuDataDeleteData_Click();
        } else if (edit == "figure count") {
            f.setCount(ListKind::Chain, 5);
        } else if (edit == "tier count") {
            f.window->tierCountCombo()->setCurrentIndex(1);
        } else if (edit == "exception name") {
            f.window->setExceptionPaneShown(true);
            f.enter(1, 3, "ABC", ListKind::Exception);
        }
        QVERIFY(f.window->documentModified());
        QCOMPARE(f.window->windowTitle(), QString("LTミロタ展開図*"));
    }

    void lookingAroundIsNoEdit() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        f.window->setDocumentModified(false);
        f.enter(1, 3, "3.00");  // the value it already has
        f.window->tierCountCombo()->setCurrentIndex(0);
        f.window->mnuDataChangeType_Click(1);
        f.window->digitsCombo()->setCurrentIndex(3);
        f.window->mnuToolCalc_Click();
        QVERIFY(!f.window->documentModified());
    }

    void newOpenAndSaveClearTheFlag() {
        const QString file = path("flag.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        QVERIFY(!f.window->documentModified());
        f.enter(1, 3, "3");
        f.window->mnuNewFile_Click();
        QVERIFY(!f.window->documentModified());
        QCOMPARE(f.window->windowTitle(), QString("LTミロタ展開図"));
        f.enter(1, 3, "3");
        f.answer = QMessageBox::No;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        QVERIFY(!f.window->documentModified());
        f.enter(1, 3, "8");
        QCOMPARE(f.window->windowTitle(), "LTミロタ展開図   【" + file + "】*");
        f.window->mnuSave_Click();
        QVERIFY(!f.window->documentModified());
        QCOMPARE(f.window->windowTitle(), "LTミロタ展開図   【" + file + "】");
    }

    void newKeepsItsOwnQuestion() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.answer = QMessageBox::Yes;
        f.window->mnuNewFile_Click();
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{"現在のデータを破棄してもよろしいですか？", "確認メッセージ", Message::Icon::None}}));
        QVERIFY(f.takeFileRequests().empty());
    }

    // Open with unsaved changes: the answer to the question, what the save dialog answers, and
    // whether the open dialog then comes.
    void openAsksAboutUnsavedChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QString() << false << false;
        QTest::newRow("no") << int(QMessageBox::No) << QString() << true << false;
        QTest::newRow("yes, saved") << int(QMessageBox::Yes) << "changes.txt" << true << true;
        QTest::newRow("yes, save cancelled") << int(QMessageBox::Yes) << QString() << false << false;
    }
    void openAsksAboutUnsavedChanges() {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, opened);
        QFETCH(bool, saved);
        const QString file = path("to-open.txt");
        writeFile(file, fileBytes(documentValues(1)));
        QFile::remove(path("changes.txt"));
        WindowFixture f;
        f.enter(1, 3, "9");
        f.answer = static_cast<QMessageBox::StandardButton>(answer);
        f.fileNames = {saveAs.isEmpty() ? QString() : path(saveAs), file};
        if (answer != QMessageBox::Yes) f.fileNames.pop_front();
        f.window->mnuOpen_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kSaveChanges});
        std::vector<FileDialogRequest> dialogs = f.takeFileRequests();
        if (answer == QMessageBox::Yes) {
            QVERIFY(!dialogs.empty());
            QCOMPARE(dialogs.front().kind, Kind::Save);
            dialogs.erase(dialogs.begin());
        }
        QCOMPARE(dialogs.size(), std::size_t{opened ? 1u : 0u});
        QCOMPARE(QFile::exists(path("changes.txt")), saved);
        if (saved) QCOMPARE(savedLines(path("changes.txt")).at(8), QString("\"9.00\""));
        QCOMPARE(f.grid()->text(1, 3), opened ? QString("3.00") : QString("9.00"));
        QCOMPARE(f.window->tag(), std::string());
    }

    void fileHandedOverAsksAboutUnsavedChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("no") << int(QMessageBox::No) << true;
    }
    void fileHandedOverAsksAboutUnsavedChanges() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        const QString file = path("handed-over.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.enter(1, 3, "9");
        f.answer = static_cast<QMessageBox::StandardButton>(answer);
        f.window->openRequestedFile(file);
        QCOMPARE(f.takeMessages(), std::vector<Message>{kSaveChanges});
        QVERIFY(f.takeFileRequests().empty());
        QCOMPARE(f.grid()->text(1, 3), opened ? QString("3.00") : QString("9.00"));
        QCOMPARE(f.data().currentFilePath, opened ? file.toStdString() : std::string());
        QCOMPARE(f.window->documentModified(), !opened);
        QCOMPARE(f.window->tag(), std::string());
    }

    void dialogsStartWhereTheWorkIs() {
        const QString sub = path("work");
        QVERIFY(QDir().mkpath(sub));
        const QString file = path("work/site.txt");
        writeFile(file, fileBytes(documentValues(1)));
        WindowFixture f;
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{openRequest()});
        // Untitled again (a cancelled Open): the next dialog starts in the folder chosen last.
        f.window->mnuOpen_Click();
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{openRequest(sub)});
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        f.takeFileRequests();
        // With a document file, every dialog starts beside it.
        f.window->mnuSaveNew_Click();
        QCOMPARE(f.takeFileRequests().front(), saveRequest(file));
        f.fileNames = {file};
        f.window->mnuOpen_Click();
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{openRequest(sub)});
    }

    // A folder chosen before and removed since is not offered: its name would become the file name.
    void dialogsNeverStartInAMissingFolder() {
        const QString gone = path("gone");
        QVERIFY(QDir().mkpath(gone));
        WindowFixture f;
        f.fileNames = {QDir(gone).filePath("site.txt")};
        f.window->mnuOpen_Click();  // refused (no such file), but the folder is remembered
        f.takeFileRequests();
        f.takeMessages();
        QVERIFY(QDir(gone).removeRecursively());
        f.window->mnuSave_Click();
        QCOMPARE(f.takeFileRequests(), std::vector<FileDialogRequest>{saveRequest()});
    }

    // A name typed without the data file's extension is saved with it, so that Open lists the file; a
    // file already there under that name is asked about.
    void nameWithoutExtensionGetsTxt() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.fileNames = {path("Documents")};
        f.window->mnuSave_Click();
        QVERIFY(!QFile::exists(path("Documents")));
        QCOMPARE(savedLines(path("Documents.txt")).size(), 66);
        QCOMPARE(f.data().currentFilePath, path("Documents.txt").toStdString());
        QVERIFY(f.takeMessages().empty());
        f.takeFileRequests();

        f.enter(1, 4, "4");
        f.answer = QMessageBox::No;
        f.fileNames = {path("Documents")};
        f.window->mnuSaveNew_Click();  // No to the question is a cancel: the dialog comes again
        QCOMPARE(f.takeMessages().size(), 1u);
        QCOMPARE(f.takeFileRequests().size(), 2u);
        QCOMPARE(savedLines(path("Documents.txt")).at(8), QString("\"3.00\""));  // the file as it was
    }

    // The File menu lists the last 8 documents opened or saved, newest first, kept in the preferences; a
    // listed file that is gone is said so and taken off the list.
    void recentFilesListTheLastDocuments() {
        WindowFixture f;
        QStringList files;
        for (int i = 0; i < 9; ++i) {
            files << path(QString("recent%1.txt").arg(i));
            writeFile(files.back(), fileBytes(documentValues(1)));
            f.fileNames = {files.back()};
            f.window->mnuOpen_Click();
        }
        f.fileNames = {path("saved-last.txt")};
        f.window->mnuSaveNew_Click();
        auto* menu = f.window->findChild<QMenu*>("mnuFile");
        const auto listed = [&] {
            emit menu->aboutToShow();
            QStringList out;
            for (int i = 1; QAction* item = f.window->findChild<QAction*>(QString("mnuRecentFile%1").arg(i)); ++i) {
                out << item->text();
            }
            return out;
        };
        QStringList expected{"&1 " + path("saved-last.txt")};
        for (int i = 8; i >= 2; --i) expected << QString("&%1 ").arg(10 - i) + files[i];
        QCOMPARE(listed(), expected);
        QCOMPARE(listed(), expected);  // made afresh, not added twice

        // Kept across runs.
        saveSettings(f.prefs);
        Preferences read;
        loadSettings(read);
        QCOMPARE(read.recentFiles, f.prefs.recentFiles);

        f.window->findChild<QAction*>("mnuRecentFile3")->trigger();  // recent7.txt
        QCOMPARE(f.data().currentFilePath, files[7].toStdString());
        QCOMPARE(listed().front(), "&1 " + files[7]);

        QVERIFY(QFile::remove(files[5]));
        const QString gone = f.window->findChild<QAction*>("mnuRecentFile5")->text();
        QVERIFY(gone.endsWith(files[5]));
        f.window->findChild<QAction*>("mnuRecentFile5")->trigger();
        const std::vector<Message> said = f.takeMessages();
        QCOMPARE(said.size(), 1u);
        QVERIFY(QString::fromStdString(said[0].text).startsWith("ファイルが見つかりません。\r\n" + files[5]));
        QCOMPARE(f.data().currentFilePath, files[7].toStdString());  // the document stays
        QCOMPARE(listed().size(), 7);
        QVERIFY(!listed().join('|').contains(files[5]));
    }

    void closingAsksAboutUnsavedChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QString() << false;
        QTest::newRow("no") << int(QMessageBox::No) << QString() << true;
        QTest::newRow("yes, saved") << int(QMessageBox::Yes) << "at-close.txt" << true;
        QTest::newRow("yes, save cancelled") << int(QMessageBox::Yes) << QString() << false;
    }
    void closingAsksAboutUnsavedChanges() {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closed);
        WindowFixture f;
        f.enter(1, 3, "9");
        f.answer = static_cast<QMessageBox::StandardButton>(answer);
        if (!saveAs.isEmpty()) f.fileNames = {path(saveAs)};
        f.window->mnuEnd_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kSaveChanges});
        QCOMPARE(f.window->isVisible(), !closed);
        if (!saveAs.isEmpty()) QCOMPARE(savedLines(path(saveAs)).at(8), QString("\"9.00\""));
    }

    void closingWithoutChangesAsksNothing() {
        WindowFixture f;
        f.window->close();
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.messages.empty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
