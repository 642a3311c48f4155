// The settings dialog: what it shows, the order of its checks, its conversions, the changes it makes
// at once, the four values it writes to the settings store, and how the main window opens it.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "settings/PreferencesStore.h"
#include "app/SettingsDialog.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// A dialog over a document with the start-up drawing conditions and first-run preferences.
struct DialogFixture {
    SurveyData data;
    DocumentEditor edits{data};
    Preferences prefs;
    std::unique_ptr<SettingsDialog> dialog;
    std::vector<Message> messages;
    int refreshes = 0;

    DialogFixture() {
        setDefaultSettings(prefs);
        data.conditions = DrawingConditions::startupDefaults();
    }

    SettingsDialog& open(bool offerDde = false) {
        dialog = std::make_unique<SettingsDialog>(edits, prefs, offerDde);
        dialog->showMessage = [this](const Message& message, QMessageBox::StandardButtons) {
            messages.push_back(message);
            return QMessageBox::Ok;
        };
        dialog->refreshMainWindow = [this] { ++refreshes; };
        dialog->show();
        dialog->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();
        return *dialog;
    }

    QLineEdit* field(int index) const { return dialog->txtDrawIni(index); }
    QString text(int index) const { return field(index)->text(); }
    void fill(int index, const QString& text) { field(index)->setText(text); }
    // The field holds the keyboard focus with the caret after its text.
    void enterField(int index) {
        field(index)->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        field(index)->deselect();
        field(index)->end(false);
    }
    void confirm() { dialog->cmdSetUp(0)->click(); }
    void cancel() { dialog->cmdSetUp(1)->click(); }
    std::vector<Message> takeMessages() { return std::exchange(messages, {}); }
};

std::optional<std::string> stored(const char* name) {
    auto key = openSettingsKey();
    return readSettingText(*key, name);
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void init() { openSettingsKey()->clear(); }

    void captionsListsAndStartUpValues() {
        DialogFixture f;
        SettingsDialog& d = f.open();
        QCOMPARE(d.windowTitle(), QString("設定"));
        QCOMPARE(d.cmdSetUp(0)->text(), QString("設 定(&S)"));
        QCOMPARE(d.cmdSetUp(1)->text(), QString("中 止(&C)"));
        QCOMPARE(test::captionsWithoutOwnLetter(test::dialogCaptions(&d)), QStringList());
        QCOMPARE(d.findChild<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)->title(),
                 QString("作図条件 ( 赤字は必須項目 ）"));
        QCOMPARE(d.areaTablePosition()->title(), QString("面積表位置（左上）"));
        const QStringList positions{"上段", "中段", "下段"};
        const QStringList units{"ｍ", "ｃｍ", "ｍｍ"};
        for (int item = 0; item < 3; ++item) {
            QCOMPARE(d.cboDrawIni(0)->itemText(item), positions[item]);
            QCOMPARE(d.cboDrawIni(1)->itemText(item), units[item]);
        }
        QCOMPARE(d.cboDrawIni(0)->count(), 3);
        QCOMPARE(d.cboDrawIni(1)->count(), 3);
        // The Y caption lines up under the X caption: 25 blanks before it.
        bool yCaption = false;
        for (QLabel* label : d.findChildren<QLabel*>()) {
            if (label->text() == QString(25, ' ') + "： Y(&Y) =") yCaption = label->buddy() == f.field(1);
        }
        QVERIFY(yCaption);
        // 2 mm at 1:200 from the start-up heights of 0.4 drawing units.
        const QStringList expected{"0.00", "0.00", "0", "2", "2", "図面", "寸法値", "面積表", "0", "0", "200"};
        for (int i = 0; i < SettingsDialog::kFieldCount; ++i) QCOMPARE(f.text(i), expected[i]);
        QCOMPARE(d.cboDrawIni(0)->currentIndex(), 0);
        QCOMPARE(d.cboDrawIni(1)->currentIndex(), 0);
        QVERIFY(!d.ChkDrawini(0)->isChecked());
        QVERIFY(!d.ChkDrawini(1)->isChecked());
        QVERIFY(!d.areaTablePosition()->isEnabled());
        QVERIFY(d.Option2()->isChecked());
        QVERIFY(d.chkSetUp(0)->isChecked());
        QVERIFY(d.chkSetUp(1)->isChecked());
        QVERIFY(d.txtSetUp()->isEnabled());
        QCOMPARE(d.txtSetUp()->text(), QString("No."));
        QCOMPARE(d.cboOutput()->currentData().toString(), QString("engine"));
        QVERIFY(f.messages.empty());
    }

    void openingConvertsTheStoredConditions_data() {
        QTest::addColumn<QString>("digits");
        // reference X, Y, angle, number and label heights, table X, Y, scale
        QTest::addColumn<QList<float>>("numbers");
        QTest::addColumn<QStringList>("shown");     // fields 0, 1, 2, 3, 4, 8, 9, 10
        // Fields 0 and 1 follow the digits; the others are plain; the heights are millimetres at the scale.
        QTest::newRow("1:500, one decimal") << "0.0" << QList<float>{12.345f, -3.5f, 30.5f, 1.0f, 1.5f, 10.25f, -4.0f, 500.0f}
                                            << QStringList{"12.3", "-3.5", "30.5", "2", "3", "10.25", "-4", "500"};
        QTest::newRow("no decimals") << "0." << QList<float>{7.5f, 2.25f, 0.125f, 0.25f, 0.5f, 0, 0, 100.0f}
                                     << QStringList{"8.", "2.", "0.125", "2.5", "5", "0", "0", "100"};
        QTest::newRow("scale 0 shown as 1:200") << "0.00" << QList<float>{0, 0, 0, 0.4f, 0.6f, 0, 0, 0}
                                                << QStringList{"0.00", "0.00", "0", "2", "3", "0", "0", "200"};
    }
    void openingConvertsTheStoredConditions() {
        QFETCH(QString, digits);
        QFETCH(QList<float>, numbers);
        QFETCH(QStringList, shown);
        DialogFixture f;
        f.prefs.digitsFormat = digits.toStdString();
        const int fields[] = {0, 1, 2, 3, 4, 8, 9, 10};
        DrawingConditions& c = f.data.conditions;
        float* const stored[] = {&c.referenceX, &c.referenceY, &c.referenceAngle, &c.numberHeight,
                                 &c.labelHeight, &c.tableX, &c.tableY, &c.scale};
        for (int i = 0; i < 8; ++i) *stored[i] = numbers[i];
        f.open();
        for (int i = 0; i < 8; ++i) QCOMPARE(f.text(fields[i]), shown[i]);
        QCOMPARE(f.data.conditions.scale, numbers[7]);  // opening stores nothing
    }

    void openingShowsChoicesReleaseAndOptions() {
        DialogFixture f;
        f.data.conditions.dimensionPosition = DimensionPosition::Below;
        f.data.conditions.displayUnit = DisplayUnit::Centimetre;
        f.data.conditions.additionalDrawing = Switch::On;
        f.data.conditions.areaTable = Switch::On;
        f.data.acadVersion = "98";
        f.data.optionFlags = {false, false};
        f.prefs.stationPrefix = "測点";
        f.prefs.drawingOutput = "script";
        SettingsDialog& d = f.open();
        QCOMPARE(d.cboDrawIni(0)->currentText(), QString("下段"));
        QCOMPARE(d.cboDrawIni(1)->currentText(), QString("ｃｍ"));
        QVERIFY(d.ChkDrawini(0)->isChecked());
        QVERIFY(d.ChkDrawini(1)->isChecked());
        QVERIFY(d.areaTablePosition()->isEnabled());
        QVERIFY(d.Option1()->isChecked());
        QVERIFY(!d.chkSetUp(0)->isChecked());
        QVERIFY(!d.chkSetUp(1)->isChecked());
        QVERIFY(!d.txtSetUp()->isEnabled());
        QCOMPARE(d.txtSetUp()->text(), QString());
        QCOMPARE(d.cboOutput()->currentText(), QString("スクリプトファイル (.scr)"));
    }

    void releaseOptionByItsNumber_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("lt98");
        QTest::newRow("2000") << "2000" << false;
        QTest::newRow("98") << "98" << true;
        QTest::newRow("2000 with text after it") << "2000LT" << false;
        QTest::newRow("neither") << "2004" << true;
        QTest::newRow("empty") << "" << true;
    }
    void releaseOptionByItsNumber() {
        QFETCH(QString, version);
        QFETCH(bool, lt98);
        DialogFixture f;
        f.data.acadVersion = version.toStdString();
        SettingsDialog& d = f.open();
        QCOMPARE(d.Option1()->isChecked(), lt98);
        QCOMPARE(d.Option2()->isChecked(), !lt98);
        QCOMPARE(f.data.acadVersion, version.toStdString());  // shown, not changed
    }

    void emptyLayerNamesBecomeTheDefaultsOnOpening() {
        DialogFixture f;
        f.data.conditions.drawingLayerName.clear();
        f.data.conditions.areaTableLayerName.clear();
        f.data.conditions.dimensionLayerName = "寸法";
        f.open();
        QCOMPARE(f.text(5), QString("図面"));
        QCOMPARE(f.text(6), QString("寸法"));
        QCOMPARE(f.text(7), QString("面積表"));
        f.cancel();
        QCOMPARE(f.data.conditions.drawingLayerName, std::string("図面"));
        QCOMPARE(f.data.conditions.areaTableLayerName, std::string("面積表"));
    }

    void confirmStoresHeightsInDrawingUnits() {
        DialogFixture f;
        f.open();
        f.fill(3, "2");
        f.fill(4, "3");
        f.fill(10, "500");
        f.fill(0, "-12.5");
        f.fill(1, "100.25");
        f.fill(2, "45");
        f.fill(8, "5");
        f.fill(9, "-7.5");
        f.confirm();
        QVERIFY(f.messages.empty());
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.refreshes, 1);
        const DrawingConditions& c = f.data.conditions;
        QCOMPARE(c.numberHeight, 1.0f);  // 500 × 2 ÷ 1000
        QCOMPARE(c.labelHeight, 1.5f);   // 500 × 3 ÷ 1000
        QCOMPARE(c.scale, 500.0f);
        QCOMPARE(c.referenceX, -12.5f);
        QCOMPARE(c.referenceY, 100.25f);
        QCOMPARE(c.referenceAngle, 45.0f);
        QCOMPARE(c.tableX, 5.0f);
        QCOMPARE(c.tableY, -7.5f);
        // Reopened, the heights are the millimetres typed.
        f.open();
        QCOMPARE(f.text(3), QString("2"));
        QCOMPARE(f.text(4), QString("3"));
        QCOMPARE(f.text(10), QString("500"));
    }

    void emptyOptionalNumbersAreStoredAsZero() {
        DialogFixture f;
        f.data.conditions.referenceX = 3;
        f.data.conditions.referenceAngle = 10;
        f.data.conditions.tableY = 4;
        f.open();
        for (int i : {0, 1, 2, 8, 9}) f.fill(i, "");
        f.confirm();
        QVERIFY(f.messages.empty());
        const DrawingConditions& c = f.data.conditions;
        for (float stored : {c.referenceX, c.referenceY, c.referenceAngle, c.tableX, c.tableY}) QCOMPARE(stored, 0.0f);
    }

    void confirmChecksInOrder_data() {
        QTest::addColumn<QStringList>("entries");  // "field=text"
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("focus");
        const QString required = "入力必須項目";
        const QString format = "入力形式指定";
        QTest::newRow("scale 0 before a size of 0") << QStringList{"10=0", "3=0"} << "縮尺を入力してください！(0以上)"
                                                    << required << 10;
        QTest::newRow("scale negative") << QStringList{"10=-5"} << "縮尺を入力してください！(0以上)" << required << 10;
        QTest::newRow("scale empty") << QStringList{"10="} << "縮尺を入力してください！(0以上)" << required << 10;
        QTest::newRow("scale a word") << QStringList{"10=abc"} << "縮尺を入力してください！(0以上)" << required << 10;
        QTest::newRow("scale beyond a single") << QStringList{"10=1e39"} << "縮尺を入力してください！(0以上)"
                                               << required << 10;
        QTest::newRow("number size before dimension size") << QStringList{"3=0", "4=0"}
                                                           << "Noサイズを入力してください！(0以上)" << required << 3;
        QTest::newRow("number size a word") << QStringList{"3=２"} << "Noサイズを入力してください！(0以上)" << required
                                            << 3;
        QTest::newRow("dimension size negative") << QStringList{"4=-1"} << "寸法値を入力してください！(0以上)"
                                                 << required << 4;
        QTest::newRow("sizes before the reference point") << QStringList{"4=", "0=x"}
                                                          << "寸法値を入力してください！(0以上)" << required << 4;
        QTest::newRow("height beyond a single") << QStringList{"10=1e30", "3=1e30"}
                                                << "Noサイズを入力してください！(0以上)" << required << 3;
        QTest::newRow("reference X a word") << QStringList{"0=x"} << "作図条件は数値を入力してください！ 【基準図形の座標値 X】" << format << 0;
        QTest::newRow("angle a word") << QStringList{"2=30度"} << "作図条件は数値を入力してください！ 【基準図形の角度】" << format << 2;
        QTest::newRow("table X a word") << QStringList{"8=左"} << "作図条件は数値を入力してください！ 【面積表位置 X】" << format << 8;
        QTest::newRow("table Y a blank") << QStringList{"9= "} << "作図条件は数値を入力してください！ 【面積表位置 Y】" << format << 9;
        QTest::newRow("layer the file cannot hold")
            << QStringList{"6=寸法〜値"}
            << "寸法値レイヤ名の文字「〜」（U+301C）はデータファイル（シフトJIS）に保存できないため入力できません。" << format
            << 6;
    }
    void confirmChecksInOrder() {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, focus);
        DialogFixture f;
        f.data.optionFlags = {false, true};
        const DrawingConditions before = f.data.conditions;
        f.open();
        f.dialog->ChkDrawini(1)->click();  // the table position can be entered
        f.dialog->chkSetUp(0)->setFocus();
        for (const QString& entry : entries) {
            const int equals = entry.indexOf('=');
            f.fill(entry.left(equals).toInt(), entry.mid(equals + 1));
        }
        f.fill(5, "外形");
        f.confirm();
        const auto shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(shown[0].text), message);
        QCOMPARE(QString::fromStdString(shown[0].title), title);
        QCOMPARE(shown[0].icon, Message::Icon::Warning);
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.refreshes, 0);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.field(focus)));
        // Nothing past the failing check is stored, and nothing goes to the settings store.
        QCOMPARE(f.data.conditions.numberHeight, before.numberHeight);
        QCOMPARE(f.data.conditions.labelHeight, before.labelHeight);
        QCOMPARE(f.data.conditions.scale, before.scale);
        QCOMPARE(f.data.conditions.drawingLayerName, before.drawingLayerName);
        QVERIFY(!stored("SetUpFlg(0)"));
        QVERIFY(!stored("Keta"));
        QTRY_VERIFY(f.messages.empty());  // the cursor put back into the field raises no further check
    }

    void referenceEntriesBeforeTheFailingOneAreKept() {
        DialogFixture f;
        f.data.conditions.referenceY = 9;
        f.open();
        f.fill(0, "5");
        f.fill(1, "y");
        f.confirm();
        QCOMPARE(f.takeMessages().size(), std::size_t{1});
        QCOMPARE(f.data.conditions.referenceX, 5.0f);
        QCOMPARE(f.data.conditions.referenceY, 9.0f);
    }

    void aPositionThatCannotBeEnteredIsNotTaken() {
        DialogFixture f;
        f.data.conditions.tableX = 12;
        SettingsDialog& d = f.open();
        d.ChkDrawini(1)->click();
        f.fill(8, "x");
        f.fill(9, "-3");
        d.chkSetUp(0)->setFocus();
        d.ChkDrawini(1)->click();  // the position is switched off again with a word in it
        f.confirm();
        QVERIFY(f.messages.empty());
        QVERIFY(!d.isVisible());
        QCOMPARE(f.data.conditions.tableX, 12.0f);
        QCOMPARE(f.data.conditions.tableY, -3.0f);
    }

    void confirmWritesTheFourOptionValues() {
        DialogFixture f;
        f.prefs.digitsFormat = "0.000";
        f.data.optionFlags = {true, true};
        f.prefs.optionFlags = {true, true};
        SettingsDialog& d = f.open();
        d.chkSetUp(0)->click();
        d.txtSetUp()->setText("測点");
        f.confirm();
        QCOMPARE(f.prefs.stationPrefix, std::string("測点"));
        QCOMPARE(stored("SetUpFlg(0)"), std::optional<std::string>("0"));
        QCOMPARE(stored("SetUpFlg(1)"), std::optional<std::string>("1"));
        QCOMPARE(stored("SetUpStr(1)"), std::optional<std::string>("測点"));
        QCOMPARE(stored("Keta"), std::optional<std::string>("0.000"));
        QCOMPARE(stored("Rounding"), std::optional<std::string>("half-up"));  // and the area rules
        QCOMPARE(stored("HatchDeductions"), std::optional<std::string>("0"));  // and the drawing options
        QCOMPARE(openSettingsKey()->allKeys().size(), 12);
    }

    void cancelWritesNothing() {
        DialogFixture f;
        SettingsDialog& d = f.open();
        d.chkSetUp(1)->click();
        f.cancel();
        QCOMPARE(f.refreshes, 1);
        QVERIFY(!d.isVisible());
        QVERIFY(openSettingsKey()->allKeys().isEmpty());
    }

    void withoutThePrefixOptionTheFiguresCarryNoPrefix() {
        DialogFixture f;
        f.prefs.stationPrefix = "No.";
        SettingsDialog& d = f.open();
        d.chkSetUp(1)->click();
        QVERIFY(!d.txtSetUp()->isEnabled());
        QCOMPARE(d.txtSetUp()->text(), QString());
        QCOMPARE(f.data.optionFlags.useStationPrefix, false);
        QCOMPARE(f.prefs.optionFlags.useStationPrefix, false);
        // Set again before confirming: the prefix in use comes back.
        d.chkSetUp(1)->click();
        QVERIFY(d.txtSetUp()->isEnabled());
        QCOMPARE(d.txtSetUp()->text(), QString("No."));
        d.chkSetUp(1)->click();
        f.confirm();
        QCOMPARE(f.prefs.stationPrefix, std::string());
        QCOMPARE(stored("SetUpFlg(1)"), std::optional<std::string>("0"));
        QCOMPARE(stored("SetUpStr(1)"), std::optional<std::string>(""));
    }

    void immediateChangesStayAfterCancel() {
        DialogFixture f;
        f.data.conditions.dimensionPosition = DimensionPosition::Above;
        f.data.conditions.displayUnit = DisplayUnit::Metre;
        f.data.conditions.additionalDrawing = Switch::Off;
        f.data.conditions.areaTable = Switch::Off;
        f.data.optionFlags = {true, true};
        SettingsDialog& d = f.open();
        d.cboDrawIni(1)->setCurrentIndex(1);  // ｃｍ
        QCOMPARE(f.data.conditions.displayUnit, DisplayUnit::Centimetre);
        d.cboDrawIni(0)->setCurrentIndex(2);
        d.Option1()->click();
        QCOMPARE(f.data.acadVersion, std::string("98"));
        d.chkSetUp(0)->click();
        // Stored by "設 定" only: fields, the two drawing boxes, the output.
        d.ChkDrawini(0)->click();
        d.ChkDrawini(1)->click();
        QVERIFY(d.areaTablePosition()->isEnabled());
        f.fill(0, "99");
        f.fill(6, "別");
        d.cboOutput()->setCurrentIndex(d.cboOutput()->findData("script"));
        f.cancel();
        QCOMPARE(f.data.conditions.dimensionPosition, DimensionPosition::Below);
        QCOMPARE(f.data.conditions.displayUnit, DisplayUnit::Centimetre);
        QCOMPARE(f.data.conditions.additionalDrawing, Switch::Off);
        QCOMPARE(f.data.conditions.areaTable, Switch::Off);
        QCOMPARE(f.data.acadVersion, std::string("98"));
        QCOMPARE(f.data.optionFlags.saveWindowSize, false);
        QCOMPARE(f.data.conditions.referenceX, 0.0f);
        QCOMPARE(f.data.conditions.dimensionLayerName, std::string("寸法値"));
        QCOMPARE(f.prefs.drawingOutput, std::string("engine"));
    }

    void confirmStoresChoicesLayersAndOutput() {
        DialogFixture f;
        f.data.acadVersion = "98";
        SettingsDialog& d = f.open();
        d.ChkDrawini(0)->click();
        d.ChkDrawini(1)->click();
        d.Option2()->click();
        f.fill(5, "外形線");
        f.fill(6, "");
        d.cboOutput()->setCurrentIndex(d.cboOutput()->findData("script"));
        f.confirm();
        QCOMPARE(f.data.conditions.additionalDrawing, Switch::On);
        QCOMPARE(f.data.conditions.areaTable, Switch::On);
        QCOMPARE(f.data.acadVersion, std::string("2000"));
        QCOMPARE(f.data.conditions.drawingLayerName, std::string("外形線"));
        QCOMPARE(f.data.conditions.dimensionLayerName, std::string());  // stored empty
        QCOMPARE(f.prefs.drawingOutput, std::string("script"));
        f.open();
        QCOMPARE(f.text(6), QString("寸法値"));
        QCOMPARE(f.data.conditions.dimensionLayerName, std::string("寸法値"));
    }

    // The drawing options are the user's preferences, off at first, stored by "設 定" only and kept in
    // the settings store; the document does not carry them.
    void drawingOptionsArePreferencesStoredByConfirm() {
        DialogFixture f;
        SettingsDialog& d = f.open();
        for (int i = 0; i < 3; ++i) QVERIFY(!d.drawingOption(i)->isChecked());
        QCOMPARE(d.drawingOption(0)->text(), QString("三斜（底辺と高さ）を作図する(&1)"));
        d.drawingOption(0)->click();
        f.cancel();
        QVERIFY(!f.prefs.drawHeightLines);

        SettingsDialog& again = f.open();
        const DrawingConditions conditions = f.data.conditions;
        again.drawingOption(0)->click();
        again.drawingOption(2)->click();
        f.confirm();
        QVERIFY(f.prefs.drawHeightLines);
        QVERIFY(!f.prefs.drawExceptionFigures);
        QVERIFY(f.prefs.hatchDeductions);
        QVERIFY(f.data.conditions == conditions);
        Preferences stored;
        loadSettings(stored);
        QVERIFY(stored.drawHeightLines && !stored.drawExceptionFigures && stored.hatchDeductions);
        QVERIFY(f.open().drawingOption(2)->isChecked());
    }

    // A file's value outside a list or a check box shows as no selection or unchecked, and stays
    // until that control is changed.
    void valuesOutsideTheListsStayUntilTheirControlChanges() {
        DialogFixture f;
        DrawingConditions& c = f.data.conditions;
        c.dimensionPosition = DimensionPosition{5};
        c.displayUnit = DisplayUnit{-2};
        c.additionalDrawing = Switch{2};
        c.areaTable = Switch{-1};
        SettingsDialog& d = f.open();
        QCOMPARE(d.cboDrawIni(0)->currentIndex(), -1);
        QCOMPARE(d.cboDrawIni(1)->currentIndex(), -1);
        QVERIFY(!d.ChkDrawini(0)->isChecked());
        QVERIFY(!d.ChkDrawini(1)->isChecked());
        f.confirm();
        QVERIFY(f.messages.empty());
        QCOMPARE(c.dimensionPosition, DimensionPosition{5});
        QCOMPARE(c.displayUnit, DisplayUnit{-2});
        QCOMPARE(c.additionalDrawing, Switch{2});
        QCOMPARE(c.areaTable, Switch{-1});

        SettingsDialog& again = f.open();
        again.cboDrawIni(1)->setCurrentIndex(2);
        again.ChkDrawini(1)->click();
        f.confirm();
        QCOMPARE(c.dimensionPosition, DimensionPosition{5});
        QCOMPARE(c.displayUnit, DisplayUnit::Millimetre);
        QCOMPARE(c.additionalDrawing, Switch{2});
        QCOMPARE(c.areaTable, Switch::On);
    }

    void layerNamesOfMoreThan255CharactersAreRefused_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("drawing layer") << 5 << "作図レイヤ名は255文字以内で入力してください。";
        QTest::newRow("dimension layer") << 6 << "寸法値レイヤ名は255文字以内で入力してください。";
        QTest::newRow("area table layer") << 7 << "面積表レイヤ名は255文字以内で入力してください。";
    }
    void layerNamesOfMoreThan255CharactersAreRefused() {
        QFETCH(int, index);
        QFETCH(QString, message);
        DialogFixture f;
        f.open();
        // 𠮷 is one character in two UTF-16 units: counted as characters, 256 are too many (the length is
        // told before the character the file cannot hold).
        f.fill(index, QString(QStringLiteral("𠮷")).repeated(255) + QStringLiteral("図"));
        f.confirm();
        const auto shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(shown[0].text), message);
        QCOMPARE(shown[0].title, std::string("入力形式指定"));
        QCOMPARE(shown[0].icon, Message::Icon::Warning);
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.field(index)));
        QCOMPARE(f.data.conditions, DrawingConditions::startupDefaults());

        f.fill(index, QString(QStringLiteral("図")).repeated(255));
        f.confirm();
        QVERIFY(f.takeMessages().empty());
        QVERIFY(!f.dialog->isVisible());
        const DrawingConditions& c = f.data.conditions;
        const std::string* names[] = {&c.drawingLayerName, &c.dimensionLayerName, &c.areaTableLayerName};
        QCOMPARE(QString::fromStdString(*names[index - 5]).toUcs4().size(), qsizetype{255});
    }

    void outputChoicesOfThePlatform() {
        DialogFixture f;
        f.prefs.drawingOutput = "dde";
        SettingsDialog& without = f.open(false);
        QCOMPARE(without.cboOutput()->count(), 2);
        QCOMPARE(without.cboOutput()->itemText(0), QString("内蔵ビューア"));
        QCOMPARE(without.cboOutput()->itemText(1), QString("スクリプトファイル (.scr)"));
        QCOMPARE(without.cboOutput()->currentData().toString(), QString("engine"));
        f.confirm();
        QCOMPARE(f.prefs.drawingOutput, std::string("engine"));
        f.prefs.drawingOutput = "dde";
        SettingsDialog& with = f.open(true);
        QCOMPARE(with.cboOutput()->count(), 3);
        QCOMPARE(with.cboOutput()->itemText(1), QString("AutoCAD LT (DDE)"));
        QCOMPARE(with.cboOutput()->currentData().toString(), QString("dde"));
    }

    void areaTablePositionFollowsItsBox() {
        DialogFixture f;
        SettingsDialog& d = f.open();
        QVERIFY(!d.areaTablePosition()->isEnabled());
        QVERIFY(!f.field(8)->isEnabled());
        d.ChkDrawini(1)->click();
        QVERIFY(f.field(8)->isEnabled());
        QVERIFY(f.field(9)->isEnabled());
        d.ChkDrawini(1)->click();
        QVERIFY(!f.field(9)->isEnabled());
    }

    void enterFormatsTheFieldAndMovesOn_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("rounded to the digits") << 0 << "1.239" << "1.24";
        QTest::newRow("whole number") << 10 << "500" << "500.00";
        QTest::newRow("a word stays") << 6 << "寸法" << "寸法";
    }
    void enterFormatsTheFieldAndMovesOn() {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DialogFixture f;
        f.open();
        f.fill(index, typed);
        f.enterField(index);
        QTest::keyClick(f.field(index), Qt::Key_Return);
        QCOMPARE(f.text(index), shown);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.dialog->chkSetUp(0)));
        QVERIFY(f.dialog->isVisible());  // Enter neither confirms nor cancels
        QTest::qWait(20);
        QVERIFY(f.messages.empty());
    }

    void enteringAFieldSelectsItsText() {
        DialogFixture f;
        f.open();
        f.fill(2, "30");
        f.dialog->chkSetUp(0)->setFocus();
        f.field(2)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(f.field(2)->selectedText(), QString("30"));
        QTest::keyClicks(f.field(2), "45");
        QCOMPARE(f.text(2), QString("45"));
    }

    void aNegativeSizeBecomesZero_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("refused");
        QTest::newRow("dimension size") << 4 << "-1" << true;
        QTest::newRow("dimension size, a fraction") << 4 << "-0.5" << true;
        QTest::newRow("drawing layer") << 5 << "-2" << true;
        QTest::newRow("number size is not checked") << 3 << "-1" << false;
        QTest::newRow("minus alone is no number") << 4 << "-" << false;
        QTest::newRow("zero") << 4 << "0" << false;
    }
    void aNegativeSizeBecomesZero() {
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(bool, refused);
        DialogFixture f;
        f.open();
        f.fill(index, before);
        f.enterField(index);
        QTest::keyClick(f.field(index), Qt::Key_5);
        if (refused) {
            const auto shown = f.takeMessages();
            QCOMPARE(shown.size(), std::size_t{1});
            QCOMPARE(shown[0].text, std::string("0以上の数値を入力してください"));
            QCOMPARE(shown[0].title, std::string("LTミロタ展開図"));
            QCOMPARE(shown[0].icon, Message::Icon::None);
            QCOMPARE(f.text(index), QString("0"));
        } else {
            QVERIFY(f.messages.empty());
            QCOMPARE(f.text(index), before + "5");
        }
    }

    void leavingANumberFieldChecksIt_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("scale empty") << 10 << "" << true;
        QTest::newRow("angle a word") << 2 << "三十" << true;
        QTest::newRow("table Y a word") << 9 << "y" << true;
        QTest::newRow("number size with a unit") << 3 << "2mm" << true;
        QTest::newRow("a number with blanks") << 0 << " 12.5 " << false;
        QTest::newRow("an exponent") << 1 << "1e3" << false;
        QTest::newRow("layer name empty") << 6 << "" << false;
        QTest::newRow("layer name a word") << 7 << "表" << false;
    }
    void leavingANumberFieldChecksIt() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        DialogFixture f;
        SettingsDialog& d = f.open();
        d.ChkDrawini(1)->click();  // the table position can be entered
        f.fill(index, text);
        f.enterField(index);
        QTest::keyClick(f.field(index), Qt::Key_Tab);
        if (refused) {
            QTRY_COMPARE(f.messages.size(), std::size_t{1});
            QCOMPARE(f.messages[0].text, std::string("数値を入力して下さい"));
            QCOMPARE(f.messages[0].title, std::string("LTミロタ展開図"));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.field(index)));
            QCOMPARE(f.text(index), text);
        } else {
            QTest::qWait(20);
            QVERIFY(f.messages.empty());
            QVERIFY(QApplication::focusWidget() != f.field(index));
        }
    }

    void twoBadFieldsDoNotPassTheCursorBackAndForth() {
        DialogFixture f;
        f.open();
        f.fill(0, "a");
        f.fill(1, "b");
        f.enterField(0);
        QTest::keyClick(f.field(0), Qt::Key_Tab);  // into field 1, which is just as wrong
        QTRY_COMPARE(f.messages.size(), std::size_t{1});
        QTest::qWait(50);
        QCOMPARE(f.messages.size(), std::size_t{1});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.field(0)));
    }

    void escapeEndsTheDialogAsCancel() {
        DialogFixture f;
        f.open();
        f.fill(10, "0");  // no check runs on the way out
        f.dialog->chkSetUp(0)->setFocus();
        QTest::keyClick(f.dialog->chkSetUp(0), Qt::Key_Escape);
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.refreshes, 1);
        QCOMPARE(f.data.conditions.scale, 200.0f);
        QVERIFY(f.messages.empty());
    }

    // Through the main window.

    void theMenuOpensOneModalDialog() {
        WindowFixture w;
        w.window->mnuToolSetUp_Click();
        auto* dialog = w.window->findChild<SettingsDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        w.window->toolMain_ButtonClick(Command::Settings);
        QCOMPARE(w.window->findChildren<SettingsDialog*>().size(), 1);
        QPointer<SettingsDialog> closed = dialog;
        dialog->cmdSetUp(1)->click();
        QTRY_VERIFY(closed.isNull());
        w.window->openSettingsDialog(false);
        dialog = w.window->findChild<SettingsDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        dialog->cmdSetUp(1)->click();
    }

    void confirmRefreshesTheChainGrid() {
        WindowFixture w;
        QVERIFY(!w.window->documentModified());
        w.window->mnuToolSetUp_Click();
        auto* dialog = w.window->findChild<SettingsDialog*>();
        dialog->txtSetUp()->setText("測点");
        dialog->txtDrawIni(10)->setText("250");
        dialog->cmdSetUp(0)->click();
        QCOMPARE(w.grid()->text(1, 0), QString("測点1"));
        QCOMPARE(w.grid()->text(4, 0), QString("測点2"));
        QCOMPARE(w.data().conditions.scale, 250.0f);
        QCOMPARE(w.data().conditions.numberHeight, 0.5f);  // 2 mm at 1:250
        QVERIFY(w.window->documentModified());
        QVERIFY(w.window->windowTitle().endsWith("*"));
    }

    void lookingWithoutChangingLeavesTheDocumentUnchanged() {
        WindowFixture w;
        w.window->mnuToolSetUp_Click();
        w.window->findChild<SettingsDialog*>()->cmdSetUp(0)->click();
        QVERIFY(!w.window->documentModified());
        w.window->mnuToolSetUp_Click();
        auto* dialog = w.window->findChild<SettingsDialog*>();
        dialog->cboDrawIni(1)->setCurrentIndex(2);  // a change at once, kept by "中 止"
        dialog->cmdSetUp(1)->click();
        QVERIFY(w.window->documentModified());
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
