// The preferences store against a settings folder of the test's own.
#include <QTest>

#include "app/Startup.h"
#include "settings/PreferencesStore.h"
#include "WindowFixture.h"

using namespace mirota;

class SettingsStoreTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

    static void clearKey() { openSettingsKey()->clear(); }
    static void write(const char* name, const char* text) {
        auto key = openSettingsKey();
        writeSettingText(*key, name, text);
    }
    static void remove(const char* name) { openSettingsKey()->remove(name); }

    static Preferences saved() {
        Preferences prefs;
        setDefaultSettings(prefs);
        return prefs;
    }

private slots:
    void init() { clearKey(); }

    void newKeyHoldsOnlyTheVersion() {
        QVERIFY(!ensureSettingsKey());
        auto key = openSettingsKey();
        QCOMPARE(key->allKeys(), QStringList{"VerNo"});
        QCOMPARE(readSettingText(*key, "VerNo"), std::optional<std::string>("1"));
        QVERIFY(ensureSettingsKey());
    }

    void saveWritesEveryValueInItsTextForm() {
        Preferences prefs = saved();
        prefs.optionFlags = {true, false};
        prefs.stationPrefix = "測点";
        prefs.extWindowPos = true;
        prefs.showPreview = false;
        prefs.windowGeometry = {12000, 7000, 2};
        prefs.roundingRule = "down";
        prefs.sumRule = "shown";
        prefs.registeredClass = "other";
        prefs.showTsubo = true;
        prefs.drawHeightLines = true;
        prefs.hatchDeductions = true;
        prefs.sheetPaper = "a3";
        saveSettings(prefs);
        auto key = openSettingsKey();
        const std::pair<const char*, const char*> expected[] = {
            {"SetUpFlg(0)", "1"}, {"SetUpFlg(1)", "0"}, {"SetUpStr(1)", "測点"}, {"Keta", "0.00"}, {"SideKeta", ""},
            {"ExtWindowPos", "1"}, {"Width", "12000"}, {"Height", "7000"},   {"WindowState", "2"}, {"VerNo", "1"},
            {"DrawOutput", "engine"}, {"ShowPreview", "0"}, {"Rounding", "down"}, {"SumRule", "shown"},
            {"Registered", "other"}, {"ShowTsubo", "1"}, {"AreaTableSummary", "0"}, {"DrawHeightLines", "1"},
            {"DrawExceptionFigures", "0"}, {"HatchDeductions", "1"}, {"SheetForm", "heron"}, {"SheetPaper", "a3"},
            {"SheetInputSet", ""},
        };
        QCOMPARE(key->allKeys().size(), 23);
        for (const auto& [name, text] : expected) {
            QCOMPARE(readSettingText(*key, name), std::optional<std::string>(text));
        }
    }

    void savedPreferencesLoadBackUnchanged() {
        Preferences prefs = saved();
        prefs.stationPrefix = "ＮＯ．";
        prefs.digitsFormat = "0.000";
        prefs.windowGeometry = {11800, 6500, 0};
        prefs.showPreview = false;
        prefs.roundingRule = "up";
        prefs.areaTableSummary = true;
        saveSettings(prefs);
        Preferences loaded;
        loadSettings(loaded);
        QCOMPARE(loaded.roundingRule, std::string("up"));
        QCOMPARE(loaded.areaTableSummary, true);
        QCOMPARE(loaded.optionFlags, prefs.optionFlags);
        QCOMPARE(loaded.stationPrefix, prefs.stationPrefix);
        QCOMPARE(loaded.digitsFormat, prefs.digitsFormat);
        QCOMPARE(loaded.extWindowPos, prefs.extWindowPos);
        QCOMPARE(loaded.showPreview, false);
        QCOMPARE(loaded.windowGeometry.width, 11800);
        QCOMPARE(loaded.windowGeometry.height, 6500);
        QCOMPARE(loaded.windowGeometry.state, 0);
    }

    void optionFlagRule_data() {
        QTest::addColumn<QString>("stored");  // "(missing)" deletes the value
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("one") << "1" << false << true;
        QTest::newRow("zero") << "0" << true << false;
        QTest::newRow("word") << "yes" << false << true;
        QTest::newRow("empty") << "" << false << true;
        // A value a first run never wrote keeps the default it had.
        QTest::newRow("missing, on before") << "(missing)" << true << true;
        QTest::newRow("missing, off before") << "(missing)" << false << false;
    }
    void optionFlagRule() {
        QFETCH(QString, stored);
        QFETCH(bool, before);
        QFETCH(bool, loaded);
        saveSettings(saved());
        if (stored == "(missing)") remove("SetUpFlg(1)");
        else write("SetUpFlg(1)", stored.toUtf8().constData());
        Preferences prefs;
        prefs.optionFlags = {!before, before};
        loadSettings(prefs);
        QCOMPARE(prefs.optionFlags.useStationPrefix, loaded);
        QCOMPARE(prefs.optionFlags.saveWindowSize, true);
    }

    void drawingOutputRule_data() {
        QTest::addColumn<QString>("stored");  // "(missing)" deletes the value
        QTest::addColumn<QString>("loaded");
        QTest::newRow("script") << "script" << "script";
        QTest::newRow("dde") << "dde" << "dde";
        QTest::newRow("engine") << "engine" << "engine";
        QTest::newRow("unknown word") << "plotter" << "(before)";
        QTest::newRow("other case") << "Script" << "(before)";
        QTest::newRow("missing") << "(missing)" << "(before)";
    }
    void drawingOutputRule() {
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        saveSettings(saved());
        if (stored == "(missing)") remove("DrawOutput");
        else write("DrawOutput", stored.toUtf8().constData());
        Preferences prefs;
        prefs.drawingOutput = "(before)";
        loadSettings(prefs);
        QCOMPARE(QString::fromStdString(prefs.drawingOutput), loaded);
    }

    // A first run that ended before saving leaves a key with the version alone: the next start keeps every default.
    void aKeyWithTheVersionAloneKeepsTheDefaults() {
        write("VerNo", "1");
        Preferences prefs = saved();
        loadSettings(prefs);
        QCOMPARE(prefs.optionFlags, saved().optionFlags);
        QCOMPARE(prefs.stationPrefix, std::string("No."));
        QCOMPARE(prefs.digitsFormat, std::string("0.00"));
        QCOMPARE(prefs.extWindowPos, false);
        QCOMPARE(prefs.showPreview, true);
        QCOMPARE(prefs.windowGeometry.width, 11500);
        QCOMPARE(prefs.windowGeometry.state, 0);
    }

    // Some of the stored values by name, and the same values of a Preferences in that order.
    static QStringList storedNames() {
        return {"SetUpFlg(0)", "SetUpFlg(1)", "SetUpStr(1)", "Keta",     "ExtWindowPos", "ShowPreview",
                "Width",       "Height",      "DrawOutput",  "Rounding", "ShowTsubo",    "DrawHeightLines"};
    }
    static QStringList storedValues(const Preferences& p) {
        return {QString::number(p.optionFlags.saveWindowSize), QString::number(p.optionFlags.useStationPrefix),
                QString::fromStdString(p.stationPrefix),      QString::fromStdString(p.digitsFormat),
                QString::number(p.extWindowPos),              QString::number(p.showPreview),
                QString::number(p.windowGeometry.width),      QString::number(p.windowGeometry.height),
                QString::fromStdString(p.drawingOutput),      QString::fromStdString(p.roundingRule),
                QString::number(p.showTsubo),                 QString::number(p.drawHeightLines)};
    }

    // A key that lacks one value (written by an older or interrupted run) keeps that value's first-run
    // default, whatever the rest of the key holds.
    void aMissingValueKeepsItsDefault_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : storedNames()) QTest::newRow(qPrintable(name)) << name;
    }
    void aMissingValueKeepsItsDefault() {
        QFETCH(QString, name);
        Preferences changed = saved();  // every value above away from its default
        changed.optionFlags = {false, false};
        changed.stationPrefix = "測点";
        changed.digitsFormat = "0.000";
        changed.extWindowPos = true;
        changed.showPreview = false;
        changed.windowGeometry = {12000, 7000, 0};
        changed.drawingOutput = "dde";
        changed.roundingRule = "down";
        changed.showTsubo = true;
        changed.drawHeightLines = true;
        saveSettings(changed);
        remove(name.toUtf8().constData());
        Preferences prefs = saved();
        loadSettings(prefs);
        const qsizetype missing = storedNames().indexOf(name);
        QStringList expected = storedValues(changed);
        expected[missing] = storedValues(saved())[missing];
        QCOMPARE(storedValues(prefs), expected);
    }

    void unconvertibleValuesAreSkipped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("width word") << "Width" << "wide";
        QTest::newRow("width beyond 32 bits") << "Width" << "3000000000";
        QTest::newRow("state beyond 16 bits") << "WindowState" << "70000";
        QTest::newRow("pane word") << "ExtWindowPos" << "right";
    }
    void unconvertibleValuesAreSkipped() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Preferences before = saved();
        before.windowGeometry = {12345, 6789, 2};
        before.extWindowPos = true;
        saveSettings(before);
        write(name.toUtf8().constData(), text.toUtf8().constData());
        Preferences prefs = before;
        loadSettings(prefs);
        QCOMPARE(prefs.windowGeometry.width, 12345);
        QCOMPARE(prefs.windowGeometry.height, 6789);
        QCOMPARE(prefs.windowGeometry.state, 2);
        QCOMPARE(prefs.extWindowPos, true);
    }

    void paneArrangementWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("right");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("True") << "True" << true;
        QTest::newRow("false") << "false" << false;
    }
    void paneArrangementWords() {
        QFETCH(QString, text);
        QFETCH(bool, right);
        write("ExtWindowPos", text.toUtf8().constData());
        Preferences prefs;
        prefs.extWindowPos = !right;
        loadSettings(prefs);
        QCOMPARE(prefs.extWindowPos, right);
    }

    void windowSizeRoundsToWholeTwips() {
        write("Width", "11500.5");
        write("Height", "6101.5");
        Preferences prefs;
        loadSettings(prefs);
        QCOMPARE(prefs.windowGeometry.width, 11500);  // half to even
        QCOMPARE(prefs.windowGeometry.height, 6102);
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
