#pragma once

#include <array>

namespace mirota {

// The two options of the settings dialog; kept with the document and in the settings store.
struct OptionFlags {
    bool saveWindowSize = false;    // the main window opens at the size it was closed with
    bool useStationPrefix = false;  // figure numbers carry the station-name prefix

    bool operator==(const OptionFlags&) const = default;
};

// The options by the number the settings store and the settings dialog give them ("SetUpFlg(n)").
inline constexpr std::array<bool OptionFlags::*, 2> kNumberedOptions{&OptionFlags::saveWindowSize,
                                                                     &OptionFlags::useStationPrefix};

}  // namespace mirota
