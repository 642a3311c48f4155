#pragma once

#include <optional>
#include <variant>

// The angles of the development: slope angles and directions of sides, interior angles from sides.
namespace mirota::geometry {

// The half turn added to directions; the same constant the drawing commands use.
constexpr double kHalfTurn = 3.1415926538;

// Slope angle of a side, the arctangent of rise over run in -kHalfTurn/2 .. +kHalfTurn/2.
// A vertical side (run exactly zero) has +kHalfTurn/2 or -kHalfTurn/2 by the sign of its rise;
// nothing when both are zero, since two coinciding points give no side.
std::optional<double> slopeAngle(double run, double rise);

// Direction of the directed edge from (px, py) to (qx, qy): the slope angle, plus a half turn
// when the edge runs to the left. Nothing when the points coincide.
std::optional<double> edgeDirection(double px, double py, double qx, double qy);

// Why three sides give no interior angle.
enum class AngleFault {
    ZeroByZero,        // 0 / 0 in the radicand
    ZeroDivisor,       // a non-zero value divided by zero (S or S - Z is zero)
    NegativeRadicand,  // the sides form no triangle
};

// The interior angle between sides x and y, opposite side z, by the half-angle formula
// 2 * atan(sqrt((s - x)(s - y) / s / (s - z))), s the half perimeter.
std::variant<double, AngleFault> interiorAngle(double s, double x, double y, double z);

}  // namespace mirota::geometry
