#include "draw/geometry/SideAngles.h"

#include <cmath>

namespace mirota::geometry {

std::optional<double> slopeAngle(double run, double rise) {
    if (run == 0.0) {
        if (rise == 0.0) return std::nullopt;
        return rise > 0.0 ? kHalfTurn / 2.0 : -kHalfTurn / 2.0;
    }
    // Differences of single-precision values: the quotient stays far inside the double range.
    return std::atan(rise / run);
}

std::optional<double> edgeDirection(double px, double py, double qx, double qy) {
    const auto slope = slopeAngle(qx - px, qy - py);
    if (!slope) return std::nullopt;
    return qx < px ? *slope + kHalfTurn : *slope;
}

namespace {

std::variant<double, AngleFault> divide(double dividend, double divisor) {
    if (divisor == 0.0) return dividend == 0.0 ? AngleFault::ZeroByZero : AngleFault::ZeroDivisor;
    return dividend / divisor;
}

}  // namespace

std::variant<double, AngleFault> interiorAngle(double s, double x, double y, double z) {
    auto radicand = divide((s - x) * (s - y), s);
    if (const double* value = std::get_if<double>(&radicand)) radicand = divide(*value, s - z);
    const double* value = std::get_if<double>(&radicand);
    if (!value) return std::get<AngleFault>(radicand);
    if (*value < 0.0) return AngleFault::NegativeRadicand;
    return 2.0 * std::atan(std::sqrt(*value));
}

}  // namespace mirota::geometry
