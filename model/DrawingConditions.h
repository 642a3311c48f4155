#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mirota {

// Drawing parameters that travel with the document.
struct DrawingConditions {
    // 0 reference X, 1 reference Y, 2 reference angle (degrees), 3 number-text height,
    // 4 dimension-text height (drawing units), 5..7 unused, 8 area-table X, 9 area-table Y, 10 scale.
    std::array<float, 11> numbers{};
    // 0 dimension position (上段/中段/下段), 1 display unit (ｍ/ｃｍ/ｍｍ), 2 additional drawing, 3 area table.
    std::array<std::int16_t, 4> choices{};
    std::string drawingLayerName;
    std::string dimensionLayerName;
    std::string areaTableLayerName;

    // The values every start of the program sets: 2 mm text at scale 1:200, the three default layers.
    static DrawingConditions startupDefaults() {
        DrawingConditions c;
        c.numbers[3] = 400.0f / 1000.0f;
        c.numbers[4] = 400.0f / 1000.0f;
        c.numbers[10] = 200.0f;
        c.drawingLayerName = "図面";
        c.dimensionLayerName = "寸法値";
        c.areaTableLayerName = "面積表";
        return c;
    }

    bool operator==(const DrawingConditions&) const = default;
};

}  // namespace mirota
