#include "bench/FullDocument.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "model/NumberText.h"

namespace mirota::bench {

namespace {

constexpr int kFigures = SurveyData::kFigureCapacity;

// Lengths in metres, typed to the centimetre.
class Lengths {
public:
    explicit Lengths(unsigned seed) : random_(seed) {}

    double between(double low, double high) {
        return std::round(std::uniform_real_distribution<double>(low, high)(random_) * 100.0) / 100.0;
    }
    // The measured length of a design length: off by up to 3 cm.
    double measured(double design) { return design + between(-0.03, 0.03); }

private:
    std::mt19937 random_;
};

std::string text(double length) { return number::formatDouble(length, "0.00"); }

// Sides A, B, C of one row, A being the C of the row before.
struct Sides {
    double a;
    double b;
    double c;
};

// Widths across the strip of 6 to 12 m, lengths along it of 8 to 16 m. C keeps 1.5 m from the limits
// of a triangle, far more than the 3 cm the measured values differ by.
Sides nextTriangle(Lengths& lengths, double a) {
    const double b = lengths.between(8.0, 16.0);
    const double low = std::max(6.0, std::abs(a - b) + 1.5);
    const double high = std::min(12.0, a + b - 1.5);
    return {a, b, lengths.between(low, high)};
}

void fillChain(SurveyData& document, int tier, Lengths& lengths) {
    // The base sits at figure 2 .. 31, a different one in neighbouring tiers.
    const int base = 1 + (tier * 7) % 30;
    Sides design{0.0, 0.0, lengths.between(6.0, 12.0)};
    Sides measured{0.0, 0.0, lengths.measured(design.c)};
    for (int figure = 0; figure < kFigures; ++figure) {
        design = nextTriangle(lengths, design.c);
        measured = {measured.c, lengths.measured(design.b), lengths.measured(design.c)};
        // Up and down alternate, the base being an up triangle.
        const char* type = figure == base ? "0" : (figure - base) % 2 == 0 ? "10" : "11";
        for (const auto& [row, sides] : {std::pair{2 * figure, design}, std::pair{2 * figure + 1, measured}}) {
            document.setCell(ListKind::Chain, tier, row, column::Type, type);
            document.setCell(ListKind::Chain, tier, row, column::SideA, text(sides.a));
            document.setCell(ListKind::Chain, tier, row, column::SideB, text(sides.b));
            document.setCell(ListKind::Chain, tier, row, column::SideC, text(sides.c));
            document.setCell(ListKind::Chain, tier, row, column::Join, "0");
        }
    }
}

void fillExceptions(SurveyData& document, int tier, Lengths& lengths) {
    static const char* const kNames[] = {"花壇", "池", "物置", "浄化槽", "駐車場", "庭石", "井戸", "植込み"};
    static const char* const kTypes[] = {"12", "13", "22", "23"};
    for (int figure = 0; figure < kFigures; ++figure) {
        const std::string name = std::string(kNames[figure % 8]) + std::to_string(figure + 1);
        const double first = lengths.between(0.5, 9.0);
        const double second = lengths.between(0.5, 9.0);
        const std::string position = text(lengths.between(0.0, 600.0)) + "," + text(lengths.between(-20.0, 20.0));
        for (int row : {2 * figure, 2 * figure + 1}) {
            const bool design = row % 2 == 0;
            document.setCell(ListKind::Exception, tier, row, column::Type, kTypes[figure % 4]);
            document.setCell(ListKind::Exception, tier, row, column::SideA, name);
            document.setCell(ListKind::Exception, tier, row, column::SideB,
                             text(design ? first : lengths.measured(first)));
            document.setCell(ListKind::Exception, tier, row, column::SideC,
                             text(design ? second : lengths.measured(second)));
            document.setCell(ListKind::Exception, tier, row, column::HalfPerimeter, position);
        }
    }
}

}  // namespace

SurveyData fullDocument() {
    Lengths lengths(20240607);
    SurveyData document;
    document.changeTierCount(SurveyData::kTierCapacity);
    for (int tier = 0; tier < SurveyData::kTierCapacity; ++tier) {
        document.setFigureCount(ListKind::Chain, tier, kFigures);
        document.setFigureCount(ListKind::Exception, tier, kFigures);
        fillChain(document, tier, lengths);
        fillExceptions(document, tier, lengths);
    }
    // Reference point and angle, 2 mm and 1.5 mm text at 1:200, the table beside the drawing.
    DrawingConditions& c = document.conditions;
    c.referenceX = 12345.67f;
    c.referenceY = -2345.5f;
    c.referenceAngle = 32.5f;
    c.numberHeight = 0.4f;
    c.labelHeight = 0.3f;
    c.tableX = 150.25f;
    c.tableY = -80.5f;
    c.scale = 200;
    c.dimensionPosition = DimensionPosition::Middle;
    c.areaTable = Switch::On;
    c.drawingLayerName = "作図_本体";
    return document;
}

}  // namespace mirota::bench
