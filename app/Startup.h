#pragma once

#include <QString>

#include "settings/Preferences.h"

namespace mirota {

// The program's folder with a trailing separator (a folder that already ends in one keeps it).
QString appFolderFor(const QString& programFolder);

// The preferences of a first run, when the settings key does not exist yet.
void setDefaultSettings(Preferences& prefs);

// The entry routine: one running copy, the preferences, the start-up drawing conditions, the main window.
int runProgram(int argc, char** argv);

}  // namespace mirota
