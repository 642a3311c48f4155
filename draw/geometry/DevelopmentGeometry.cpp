#include "draw/geometry/DevelopmentGeometry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "draw/geometry/ChainRule.h"
#include "draw/geometry/SideAngles.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

using geometry::AngleFault;

// Numbers of the "[No.n]" failures.
constexpr int kZeroByZero = 6;
constexpr int kOverflow = 6;
constexpr int kOutsideTable = 9;
constexpr int kZeroDivisor = 11;
constexpr int kNotANumber = 13;

constexpr std::array<const char*, 3> kSideNames{"Ａ辺", "Ｂ辺", "Ｃ辺"};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// The sides A, B, C and the half perimeter of the figure being placed, as stored singles.
struct Sides {
    std::array<float, 3> length{};
    float s = 0.0f;
};

// What a fault does to the run: end it, or leave out the rest of its tier and go on.
enum class OnFault { Stop, GoOn };

class DevelopmentRun {
public:
    DevelopmentRun(const SurveyData& data, std::string_view stationPrefix, FigureGeometry& geometry, OnFault onFault)
        : data_(data),
          prefix_(stationPrefix),
          geometry_(geometry),
          firstRow_(data.view.currentInputSet == InputSet::Measured ? 1 : 0),
          onFault_(onFault) {}

    std::optional<Message> run() {
        start();
        for (int tier = 0; tier < data_.tierCount(); ++tier) {
            if (!placeTier(tier)) return failure_;
        }
        return std::nullopt;
    }

    void runEveryTier(std::vector<int>& placedFigures, std::vector<DevelopmentFault>& faults) {
        start();
        placedFigures.assign(static_cast<std::size_t>(data_.tierCount()), 0);
        for (int tier = 0; tier < data_.tierCount(); ++tier) {
            failure_.reset();
            faultFigure_.reset();
            const bool whole = placeTier(tier);
            placedFigures[static_cast<std::size_t>(tier)] = (placedEnd_ - firstRow_) / 2;
            if (!whole) faults.push_back({tier, faultFigure_.value_or(0), failure_.value_or(Message{})});
        }
    }

private:
    void start() {
        geometry_ = FigureGeometry(data_.tierCount(), data_.rowCapacity());
        for (int tier = 0; tier < data_.tierCount(); ++tier) geometry_.baseFigureNumber(tier) = -1;
    }

    // Places the tier's figures up to the first that cannot be; false after a fault.
    bool placeTier(int tier) {
        placedEnd_ = firstRow_;
        if (!findBase(tier)) return false;
        const bool chained = chainTier(tier);
        if (!chained && onFault_ == OnFault::Stop) return false;
        if (tier > 0 && !(baseRow(tier) < placedEnd_ && layOutTier(tier))) {
            if (!faultFigure_) faultFigure_ = 0;
            leaveOut(tier, firstRow_);
            return false;
        }
        return labelSides(tier) && chained;
    }

    bool chainTier(int tier) {
        if (!placeFirstFigure(tier)) return faultAt(tier, firstRow_);
        placedEnd_ = firstRow_ + 2;
        for (int row = firstRow_ + 2; row < rowEnd(tier); row += 2) {
            if (!chainFigure(tier, row)) return faultAt(tier, row);
            placedEnd_ = row + 2;
        }
        return true;
    }

    // Going on after a fault, the figure of the row and every one after it in the tier are left out.
    bool faultAt(int tier, int row) {
        if (!faultFigure_) faultFigure_ = row / 2 + 1;
        leaveOut(tier, row);
        return false;
    }

    // Stopping at a fault, the rows stay as the fault left them.
    void leaveOut(int tier, int fromRow) {
        if (onFault_ == OnFault::Stop) return;
        for (int row = fromRow; row < rowEnd(tier); row += 2) {
            for (int v = 0; v < FigureGeometry::kVertices; ++v) {
                for (int c = 0; c < FigureGeometry::kComponents; ++c) geometry_.at(tier, row, v, c) = 0.0f;
            }
        }
        placedEnd_ = std::min(placedEnd_, fromRow);
    }

    int rowEnd(int tier) const { return 2 * data_.figureCount(ListKind::Chain, tier); }
    int baseRow(int tier) const { return 2 * (geometry_.baseFigureNumber(tier) - 1) + firstRow_; }

    bool findBase(int tier) {
        for (int row = firstRow_; row < rowEnd(tier); row += 2) {
            const auto code = typeNumber(tier, row);
            if (!code) return false;
            if (*code == 0.0) {
                geometry_.baseFigureNumber(tier) = static_cast<std::int16_t>(row / 2 + 1);
                return true;
            }
        }
        return setFailure(Message{"タイプ変更で基準を指定して下さい！ 【" + std::to_string(tier + 1) +
                                      "段目に基準の図形がありません】",
                                  "入力必須項目", Message::Icon::Critical});
    }

    bool placeFirstFigure(int tier) {
        const int row = firstRow_;
        Sides sides;
        float angle = 0.0f;
        if (!readSides(tier, row, sides) || !interiorAngleAt(tier, row, sides, 0, angle)) return false;
        // The orientation of the first figure is always that of its design row.
        const auto up = isUp(tier, 0);
        if (!up) return false;
        const double a = sides.length[0];
        const double sign = *up ? 1.0 : -1.0;
        return storeVertex(tier, row, 0, {0.0, 0.0}) && storeVertex(tier, row, 1, {sides.length[1], 0.0}) &&
               storeVertex(tier, row, 2, {a * std::cos(double{angle}), sign * a * std::sin(double{angle})});
    }

    bool chainFigure(int tier, int row) {
        Sides sides;
        if (!readSides(tier, row, sides)) return false;
        const int previous = row - 2;
        const auto previousUp = isUp(tier, previous);
        if (!previousUp) return false;
        const auto join = joinSideFromCode(data_.cell(ListKind::Chain, tier, row, column::Join));
        if (!join) return true;  // an unknown join places nothing; the figure stays at zeros
        const auto& rule = geometry::chainRule(*previousUp, *join);

        for (int i = 0; i < 2; ++i) {
            if (!storeVertex(tier, row, rule.copiedTo[i], vertex(tier, previous, rule.copiedFrom[i]))) return false;
        }
        float angle = 0.0f;
        if (!interiorAngleAt(tier, row, sides, rule.angle, angle)) return false;
        const Point from = vertex(tier, previous, rule.edgeFrom);
        const Point to = vertex(tier, previous, rule.edgeTo);
        const auto direction = geometry::edgeDirection(from.x, from.y, to.x, to.y);
        if (!direction) {
            return fail(kZeroByZero, figureName(tier, row) + " の図形を置けません。前の図形（" + prefix_ +
                                         std::to_string(previous / 2 + 1) +
                                         "）の接する辺の両端が同じ点にあり、辺の向きが決まりません。");
        }
        const double turned = static_cast<double>(number::toSingle(*direction)) + rule.turn * double{angle};
        const Point start = vertex(tier, row, rule.start);
        const double length = sides.length[static_cast<std::size_t>(rule.lengthSide)];
        return storeVertex(tier, row, rule.placed,
                           {start.x + length * std::cos(turned), start.y + length * std::sin(turned)});
    }

    // Moves and turns the tier so that its base figure stands beside the tier before it.
    bool layOutTier(int tier) {
        const int previousTier = tier - 1;
        const int rowR = 2 * (geometry_.baseFigureNumber(previousTier) - 2) + firstRow_;
        if (rowR < 0) {
            return fail(kOutsideTable, std::to_string(tier + 1) + "段目を配置できません。" +
                                           std::to_string(previousTier + 1) +
                                           "段目の基準が 1 番目の図形のため、基準の前の図形がありません。");
        }
        float alpha = 0.0f;
        float beta = 0.0f;
        if (!sideSlope(previousTier, rowR, 0, tier, alpha) || !sideSlope(previousTier, rowR, 1, tier, beta)) {
            return false;
        }
        beta = std::fabs(beta);

        // Within the table: the base number of this tier is at most its figure count.
        const Point q0 = vertex(previousTier, baseRow(tier), 0);
        const double h = data_.conditions.numberHeight;
        const Point anchor{q0.x + h * std::cos(double{alpha}), q0.y + h * std::sin(double{alpha})};
        const Point base0 = vertex(tier, baseRow(tier), 0);
        const float dx = number::toSingle(anchor.x - base0.x);
        const float dy = number::toSingle(anchor.y - base0.y);
        if (!std::isfinite(dx) || !std::isfinite(dy)) {
            return fail(kOverflow,
                        std::to_string(tier + 1) + "段目を配置できません。配置する位置が数値の範囲を超えました。");
        }
        if (!transformTier(tier, [&](Point p) { return Point{p.x + dx, p.y + dy}; })) return false;

        float gamma = 0.0f;
        if (!sideSlope(tier, baseRow(tier), 1, tier, gamma)) return false;
        const double turn = -(double{beta} + double{gamma});
        const double c = std::cos(turn);
        const double s = std::sin(turn);
        return transformTier(tier, [&](Point p) {
            const double x = p.x - anchor.x;
            const double y = p.y - anchor.y;
            return Point{anchor.x + x * c - y * s, anchor.y + x * s + y * c};
        });
    }

    template <typename Transform>
    bool transformTier(int tier, Transform transform) {
        for (int row = firstRow_; row < placedEnd_; row += 2) {
            for (int v = 0; v < FigureGeometry::kVertices; ++v) {
                if (!storeVertex(tier, row, v, transform(vertex(tier, row, v)))) return false;
            }
        }
        return true;
    }

    // Midpoint and slope angle of side A, B, C in the components 2 .. 4 of vertex 0, 1, 2.
    bool labelSides(int tier) {
        for (int row = firstRow_; row < placedEnd_; row += 2) {
            for (int side = 0; side < 3; ++side) {
                const auto [p, q] = sideEnds(tier, row, side);
                geometry_.at(tier, row, side, FigureGeometry::LabelX) = number::toSingle((p.x + q.x) / 2.0);
                geometry_.at(tier, row, side, FigureGeometry::LabelY) = number::toSingle((p.y + q.y) / 2.0);
                float slope = 0.0f;
                if (!sideSlope(tier, row, side, tier, slope)) return faultAt(tier, row);
                geometry_.at(tier, row, side, FigureGeometry::Slope) = slope;
            }
        }
        return true;
    }

    // The ends of a side as its slope is taken: A from vertex 2 to 0, B from 0 to 1, C from 1 to 2.
    std::array<Point, 2> sideEnds(int tier, int row, int side) const {
        static constexpr std::array<std::array<int, 2>, 3> kEnds{{{2, 0}, {0, 1}, {1, 2}}};
        const auto& ends = kEnds[static_cast<std::size_t>(side)];
        return {vertex(tier, row, ends[0]), vertex(tier, row, ends[1])};
    }

    // The slope angle of a side; `placedTier` is the tier being placed, named in the message.
    bool sideSlope(int tier, int row, int side, int placedTier, float& slope) {
        const auto [p, q] = sideEnds(tier, row, side);
        const auto angle = geometry::slopeAngle(q.x - p.x, q.y - p.y);
        if (!angle) {
            std::string text =
                placedTier == tier ? std::string() : std::to_string(placedTier + 1) + "段目を配置できません。";
            return fail(kZeroByZero, text + figureName(tier, row) + " の図形の" +
                                         kSideNames[static_cast<std::size_t>(side)] +
                                         "の両端が同じ点にあり、辺の角度が決まりません。");
        }
        slope = number::toSingle(*angle);
        return true;
    }

    bool interiorAngleAt(int tier, int row, const Sides& sides, int at, float& angle) {
        // The angle at vertex k lies between the two sides meeting there, opposite the third.
        static constexpr std::array<std::array<int, 3>, 3> kSidesAt{{{1, 0, 2}, {2, 1, 0}, {2, 0, 1}}};
        const auto& order = kSidesAt[static_cast<std::size_t>(at)];
        const auto result =
            geometry::interiorAngle(sides.s, sides.length[order[0]], sides.length[order[1]], sides.length[order[2]]);
        if (const double* value = std::get_if<double>(&result)) {
            angle = number::toSingle(*value);
            return true;
        }
        const std::string figure = figureName(tier, row);
        switch (std::get<AngleFault>(result)) {
        case AngleFault::NegativeRadicand:
            return setFailure(Message{"数値入力に誤りがあります。（" + figure + "）\r\n\r\n作図を中止します！",
                                      "データ入力エラー", Message::Icon::Critical});
        case AngleFault::ZeroDivisor:
            return fail(kZeroDivisor, figure +
                                          " の図形の三辺から内角を求められません。内角の式が 0 による割り算になります"
                                          "（三辺が三角形になりません）。");
        case AngleFault::ZeroByZero:
            break;
        }
        return fail(kZeroByZero, figure +
                                     " の図形の三辺から内角を求められません。内角の式が 0 ÷ 0 になります"
                                     "（三辺が三角形になりません）。");
    }

    bool readSides(int tier, int row, Sides& sides) {
        for (int side = 0; side < 3; ++side) {
            const std::string& text = data_.cell(ListKind::Chain, tier, row, column::SideA + side);
            const std::string sideName = kSideNames[static_cast<std::size_t>(side)];
            if (text.empty()) {
                const std::string inputSet = row % 2 == 0 ? "設計値" : "実測値";
                return setFailure(Message{"入力データを確認して下さい！ 【" + figureName(tier, row) + " " + inputSet +
                                              "の" + sideName + "が空です】",
                                          "", Message::Icon::None});
            }
            const auto value = number::strictNumber(text);
            if (!value)
                return fail(kNotANumber, figureName(tier, row) + " の図形の" + sideName + "が数値ではありません。");
            const float length = number::toSingle(*value);
            if (!std::isfinite(length)) {
                return fail(kOverflow, figureName(tier, row) + " の図形の" + sideName + "の値が大きすぎます。");
            }
            sides.length[static_cast<std::size_t>(side)] = length;
        }
        const double sum = double{sides.length[0]} + sides.length[1] + sides.length[2];
        sides.s = number::toSingle(sum / 2.0);
        if (!std::isfinite(sides.s))
            return fail(kOverflow, figureName(tier, row) + " の図形の三辺の和が大きすぎます。");
        return true;
    }

    std::optional<double> typeNumber(int tier, int row) {
        const auto code = number::strictNumber(data_.cell(ListKind::Chain, tier, row, column::Type));
        if (!code) fail(kNotANumber, figureName(tier, row) + " の図形のタイプが数値ではありません。");
        return code;
    }

    // Base, up and deduction-up triangles are up; every other code is placed as a down triangle.
    std::optional<bool> isUp(int tier, int row) {
        const auto code = typeNumber(tier, row);
        if (!code) return std::nullopt;
        return *code == 0.0 || *code == 10.0 || *code == 20.0;
    }

    Point vertex(int tier, int row, int v) const {
        return {geometry_.at(tier, row, v, FigureGeometry::VertexX),
                geometry_.at(tier, row, v, FigureGeometry::VertexY)};
    }

    bool storeVertex(int tier, int row, int v, Point p) {
        const float x = number::toSingle(p.x);
        const float y = number::toSingle(p.y);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            return fail(kOverflow, figureName(tier, row) + " の図形の座標が数値の範囲を超えました。");
        }
        geometry_.at(tier, row, v, FigureGeometry::VertexX) = x;
        geometry_.at(tier, row, v, FigureGeometry::VertexY) = y;
        return true;
    }

    std::string figureName(int tier, int row) const {
        return std::to_string(tier + 1) + "段目 " + prefix_ + std::to_string(row / 2 + 1);
    }

    bool fail(int number, const std::string& description) {
        return setFailure(Message{"[No." + std::to_string(number) + "]\r\n" + description, "DrawDataCalc0エラー",
                                  Message::Icon::Critical});
    }

    // The first fault of a tier is the one reported; what follows from it is not.
    bool setFailure(Message message) {
        if (!failure_) failure_ = std::move(message);
        return false;
    }

    const SurveyData& data_;
    const std::string prefix_;
    FigureGeometry& geometry_;
    const int firstRow_;
    const OnFault onFault_;
    int placedEnd_ = 0;  // the rows of the tier being placed before this one are placed
    std::optional<Message> failure_;
    std::optional<int> faultFigure_;
};

}  // namespace

std::optional<Message> computeDevelopmentGeometry(const SurveyData& data, std::string_view stationPrefix,
                                                  FigureGeometry& geometry) {
    return DevelopmentRun(data, stationPrefix, geometry, OnFault::Stop).run();
}

PartialDevelopment computePartialDevelopment(const SurveyData& data, std::string_view stationPrefix) {
    PartialDevelopment result;
    DevelopmentRun(data, stationPrefix, result.geometry, OnFault::GoOn).runEveryTier(result.placedFigures, result.faults);
    return result;
}

std::string faultMessageLine(const DevelopmentFault& fault) {
    std::string line = fault.message.text.substr(0, fault.message.text.find("\r\n\r\n"));
    // The error number of a failure while computing means nothing to the user.
    if (line.rfind("[No.", 0) == 0 && line.find("]\r\n") != std::string::npos) line.erase(0, line.find("]\r\n") + 3);
    for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) {
        line.replace(at, 2, " ");
    }
    const std::string tierName = std::to_string(fault.tier + 1) + "段目";
    bool named = false;
    for (std::size_t at = line.find(tierName); at != std::string::npos && !named; at = line.find(tierName, at + 1)) {
        named = at == 0 || !std::isdigit(static_cast<unsigned char>(line[at - 1]));  // "1段目" is not in "11段目"
    }
    return named ? line : tierName + "： " + line;
}

}  // namespace mirota
