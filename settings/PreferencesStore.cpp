#include "settings/PreferencesStore.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include <QString>

#include "model/NumberText.h"
#include "settings/RecentFiles.h"

namespace mirota {

namespace {

constexpr const char* kOrganization = "VORN";
constexpr const char* kApplication = "VORN001";
// How drawings reach the CAD program: "engine", "dde" or "script"; any other text is not taken.
constexpr const char* kDrawOutputName = "DrawOutput";
constexpr const char* kShowPreviewName = "ShowPreview";
// The area rules by name; a name the calculation does not know counts as its default there.
constexpr const char* kRoundingName = "Rounding";
constexpr const char* kSumRuleName = "SumRule";
constexpr const char* kRegisteredName = "Registered";
constexpr const char* kShowTsuboName = "ShowTsubo";
constexpr const char* kAreaTableSummaryName = "AreaTableSummary";
constexpr std::pair<const char*, std::string Preferences::*> kSheetSettings[] = {
    {"SheetForm", &Preferences::sheetForm},
    {"SheetPaper", &Preferences::sheetPaper},
    {"SheetInputSet", &Preferences::sheetInputSet},
};

// "RecentFile(1)" .. "RecentFile(8)": the File menu's last documents, the most recent first.
std::string recentFileName(std::size_t index) { return "RecentFile(" + std::to_string(index + 1) + ")"; }


// A whole number as the conversion of the stored text gives it: rounded half to even, within the type's range.
template <typename Int>
std::optional<Int> wholeNumber(const std::string& text) {
    const auto value = number::strictNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

// "1"/"0", any other number (non-zero is true), or the words True and False in any case.
std::optional<bool> truthValue(const std::string& text) {
    const QString word = QString::fromStdString(text).trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    const auto value = number::strictNumber(text);
    if (!value) return std::nullopt;
    return *value != 0.0;
}

std::string flagText(bool flag) { return flag ? "1" : "0"; }

}  // namespace

std::unique_ptr<QSettings> openSettingsKey() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication);
}

std::string optionFlagName(int index) { return "SetUpFlg(" + std::to_string(index) + ")"; }
std::string optionTextName(int index) { return "SetUpStr(" + std::to_string(index) + ")"; }

std::optional<std::string> readSettingText(QSettings& key, const std::string& name) {
    const QVariant value = key.value(QString::fromStdString(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

std::string writeSettingText(QSettings& key, const std::string& name, const std::string& text) {
    key.setValue(QString::fromStdString(name), QString::fromStdString(text));
    key.sync();
    return std::to_string(static_cast<int>(key.status()));
}

bool ensureSettingsKey() {
    auto key = openSettingsKey();
    if (!key->allKeys().isEmpty()) return true;
    writeSettingText(*key, "VerNo", "1");
    return false;
}

void loadSettings(Preferences& prefs) {
    auto key = openSettingsKey();
    for (std::size_t index = 0; index < kNumberedOptions.size(); ++index) {
        if (auto text = readSettingText(*key, optionFlagName(static_cast<int>(index)))) {
            prefs.optionFlags.*kNumberedOptions[index] = *text != "0";
        }
    }
    if (auto text = readSettingText(*key, optionTextName(1))) prefs.stationPrefix = *text;
    if (auto text = readSettingText(*key, "Keta")) prefs.digitsFormat = *text;
    if (auto text = readSettingText(*key, "SideKeta")) prefs.sideDigitsFormat = *text;
    if (auto text = readSettingText(*key, "ExtWindowPos")) {
        if (auto flag = truthValue(*text)) prefs.extWindowPos = *flag;
    }
    if (auto text = readSettingText(*key, kShowPreviewName)) {
        if (auto flag = truthValue(*text)) prefs.showPreview = *flag;
    }
    if (auto text = readSettingText(*key, "Width")) {
        if (auto value = wholeNumber<std::int32_t>(*text)) prefs.windowGeometry.width = *value;
    }
    if (auto text = readSettingText(*key, "Height")) {
        if (auto value = wholeNumber<std::int32_t>(*text)) prefs.windowGeometry.height = *value;
    }
    if (auto text = readSettingText(*key, "WindowState")) {
        if (auto value = wholeNumber<std::int16_t>(*text)) prefs.windowGeometry.state = *value;
    }
    if (auto text = readSettingText(*key, kDrawOutputName)) {
        if (*text == "engine" || *text == "dde" || *text == "script") prefs.drawingOutput = *text;
    }
    if (auto text = readSettingText(*key, kRoundingName)) prefs.roundingRule = *text;
    if (auto text = readSettingText(*key, kSumRuleName)) prefs.sumRule = *text;
    if (auto text = readSettingText(*key, kRegisteredName)) prefs.registeredClass = *text;
    for (const auto& [name, flag] : {std::pair{kShowTsuboName, &prefs.showTsubo},
                                     std::pair{kAreaTableSummaryName, &prefs.areaTableSummary}}) {
        if (auto text = readSettingText(*key, name)) {
            if (auto value = truthValue(*text)) *flag = *value;
        }
    }
    for (const auto& [name, value] : kSheetSettings) {
        if (auto text = readSettingText(*key, name)) prefs.*value = *text;
    }
    prefs.recentFiles.clear();
    for (std::size_t index = 0; index < kRecentFileCount; ++index) {
        const auto text = readSettingText(*key, recentFileName(index));
        if (text && !text->empty()) prefs.recentFiles.push_back(*text);
    }
    for (const DrawingOptionSetting& option : kDrawingOptionSettings) {
        if (auto text = readSettingText(*key, option.name)) {
            if (auto flag = truthValue(*text)) prefs.*option.value = *flag;
        }
    }
    readSettingText(*key, "VerNo");  // read and not used
}

void saveSettings(const Preferences& prefs) {
    auto key = openSettingsKey();
    for (std::size_t index = 0; index < kNumberedOptions.size(); ++index) {
        writeSettingText(*key, optionFlagName(static_cast<int>(index)),
                         flagText(prefs.optionFlags.*kNumberedOptions[index]));
    }
    writeSettingText(*key, optionTextName(1), prefs.stationPrefix);
    writeSettingText(*key, "Keta", prefs.digitsFormat);
    writeSettingText(*key, "SideKeta", prefs.sideDigitsFormat);
    writeSettingText(*key, "ExtWindowPos", flagText(prefs.extWindowPos));
    writeSettingText(*key, kShowPreviewName, flagText(prefs.showPreview));
    writeSettingText(*key, "Width", std::to_string(prefs.windowGeometry.width));
    writeSettingText(*key, "Height", std::to_string(prefs.windowGeometry.height));
    writeSettingText(*key, "WindowState", std::to_string(prefs.windowGeometry.state));
    writeSettingText(*key, kDrawOutputName, prefs.drawingOutput);
    writeAreaRuleSettings(*key, prefs);
    writeSheetSettings(*key, prefs);
    for (std::size_t index = 0; index < kRecentFileCount; ++index) {
        if (index < prefs.recentFiles.size()) {
            writeSettingText(*key, recentFileName(index), prefs.recentFiles[index]);
        } else {
            key->remove(QString::fromStdString(recentFileName(index)));
        }
    }
    for (const DrawingOptionSetting& option : kDrawingOptionSettings) {
        writeSettingText(*key, option.name, flagText(prefs.*option.value));
    }
    writeSettingText(*key, "VerNo", "1");
}

void writeAreaRuleSettings(QSettings& key, const Preferences& prefs) {
    writeSettingText(key, kRoundingName, prefs.roundingRule);
    writeSettingText(key, kSumRuleName, prefs.sumRule);
    writeSettingText(key, kRegisteredName, prefs.registeredClass);
    writeSettingText(key, kShowTsuboName, flagText(prefs.showTsubo));
    writeSettingText(key, kAreaTableSummaryName, flagText(prefs.areaTableSummary));
}

void writeSheetSettings(QSettings& key, const Preferences& prefs) {
    for (const auto& [name, value] : kSheetSettings) writeSettingText(key, name, prefs.*value);
}

}  // namespace mirota
