#pragma once

#include "calc/AreaRules.h"
#include "settings/Preferences.h"

namespace mirota {

// The rules computed values are shown by, as the user chose them: the digits (桁数), 端数処理, 合計の出し方
// and the registered-area class; a preference the calculation does not know counts as its default.
AreaRules areaRulesOf(const Preferences& prefs);

}  // namespace mirota
