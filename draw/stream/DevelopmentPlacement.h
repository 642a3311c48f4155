#pragma once

#include <optional>

#include "draw/FigureGeometry.h"
#include "model/SurveyData.h"

namespace mirota {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// Where the stream's move and turn put a point of the development: the base figure's vertex 0 onto
// the reference point, then the whole turned about it by the alignment angle plus the reference angle.
// The drawing's own coordinates, as the drawing window shows them.
class DevelopmentPlacement {
public:
    // Nothing when the base figure of tier 0 gives no direction.
    static std::optional<DevelopmentPlacement> of(const SurveyData& data, const FigureGeometry& geometry);

    PlanePoint place(float x, float y) const;
    // The point of the development that place puts at (x, y).
    PlanePoint unplace(double x, double y) const;
    // The turn of the whole drawing in degrees, counter-clockwise.
    float turnDegrees() const { return turn_; }

private:
    DevelopmentPlacement(PlanePoint from, PlanePoint to, float turn);

    PlanePoint from_;
    PlanePoint to_;
    float turn_ = 0.0f;
    double cos_ = 1.0;
    double sin_ = 0.0;
};

// The row the base figure of tier 0 is drawn from.
int baseRowOf(const SurveyData& data, const FigureGeometry& geometry);

}  // namespace mirota
