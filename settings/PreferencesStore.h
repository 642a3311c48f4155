#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QSettings>

#include "settings/Preferences.h"

namespace mirota {

// The per-user settings key: HKEY_CURRENT_USER\SOFTWARE\VORN\VORN001 on Windows, a per-user file elsewhere.
std::unique_ptr<QSettings> openSettingsKey();

// True when the key already existed; otherwise creates it with "VerNo" = "1" and returns false.
bool ensureSettingsKey();
// Reads every value into memory; a missing or unconvertible value leaves its setting as it is
// (an option flag becomes false).
void loadSettings(Preferences& prefs);
// Writes every value, "VerNo" last.
void saveSettings(const Preferences& prefs);

// Writes the rounding, sum and registered-area preferences, the 坪 display and the area-table option.
void writeAreaRuleSettings(QSettings& key, const Preferences& prefs);
// The sheet dialog's last choice, written as soon as it is made.
void writeSheetSettings(QSettings& key, const Preferences& prefs);

// One text value of an open key; nothing when the value does not exist.
std::optional<std::string> readSettingText(QSettings& key, const std::string& name);
// Writes one text value; returns the store's status code as decimal text ("0" when written).
std::string writeSettingText(QSettings& key, const std::string& name, const std::string& text);

// Value names of the option lists: "SetUpFlg(n)" and "SetUpStr(n)".
std::string optionFlagName(int index);
std::string optionTextName(int index);

}  // namespace mirota
