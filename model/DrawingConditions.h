#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirota {

// The lists and check boxes of the drawing conditions keep the 16-bit value a data file gives them,
// named or not, so that a file outside the lists is drawn by its value and saved as it was.

// Where a side's dimension value stands against the side; any other value draws no side labels.
enum class DimensionPosition : std::int16_t { Above = 0, Middle = 1, Below = 2 };

// The unit in the area table's header; any other value shows none.
enum class DisplayUnit : std::int16_t { Metre = 0, Centimetre = 1, Millimetre = 2 };
// How many millimetres one of the unit's lengths is: 1000, 10 or 1 (a value outside the list: a metre).
double millimetresPerUnit(DisplayUnit unit);

// A check box as stored; a value other than Off and On counts as neither.
enum class Switch : std::int16_t { Off = 0, On = 1 };

// Drawing parameters that travel with the document. Lengths are in drawing units: millimetres on
// paper × scale ÷ 1000.
struct DrawingConditions {
    float referenceX = 0.0f;      // where the base figure's first vertex is placed
    float referenceY = 0.0f;
    float referenceAngle = 0.0f;  // degrees, counter-clockwise
    float numberHeight = 0.0f;    // figure-number text, and the radius of its circle
    float labelHeight = 0.0f;     // dimension-value text, and the area table's scale
    float tableX = 0.0f;          // upper left corner of the area table
    float tableY = 0.0f;
    float scale = 0.0f;           // denominator of 1:scale
    DimensionPosition dimensionPosition = DimensionPosition::Above;
    DisplayUnit displayUnit = DisplayUnit::Metre;
    Switch additionalDrawing = Switch::Off;  // Off: erase the drawing first; On: lock the layers after
    Switch areaTable = Switch::Off;          // On: draw the area table
    std::string drawingLayerName;
    std::string dimensionLayerName;
    std::string areaTableLayerName;

    // The longest layer name the CAD program takes, in characters.
    static constexpr std::size_t kLayerNameMaxCharacters = 255;

    // The values every start of the program sets: 2 mm text at scale 1:200, the three default layers.
    static DrawingConditions startupDefaults() {
        DrawingConditions c;
        c.numberHeight = 400.0f / 1000.0f;
        c.labelHeight = 400.0f / 1000.0f;
        c.scale = 200.0f;
        c.drawingLayerName = "図面";
        c.dimensionLayerName = "寸法値";
        c.areaTableLayerName = "面積表";
        return c;
    }

    // Whether every number is finite: the data file holds no infinity and no NaN.
    bool numbersAreFinite() const;

    bool operator==(const DrawingConditions&) const = default;
};

// Whether a UTF-8 layer name has more characters (code points) than a layer name may have.
bool isLayerNameTooLong(std::string_view name);

// Why a text cannot be kept in the data file: more than maxCharacters characters (code points), a double
// quote, a line break or a character outside code page 932; in words that follow the field's caption
// ("は…"), or nothing.
std::optional<std::string> storedTextProblem(std::string_view text, std::size_t maxCharacters);

// Why a layer name cannot be kept (too long, a double quote or a character outside code page 932 that
// the data file cannot hold), in words that follow the field's caption ("は…"), or nothing.
std::optional<std::string> layerNameProblem(std::string_view name);

}  // namespace mirota
