#include "draw/sima/SimaWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "draw/stream/DevelopmentPlacement.h"
#include "draw/stream/DrawingCommands.h"
#include "model/CodePage.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Records in UTF-8; the whole is converted at the end.
class SimaComposer {
public:
    SimaComposer(const SurveyData& data, const FigureGeometry& geometry, const DevelopmentPlacement& placement)
        : data_(data), geometry_(geometry), placement_(placement) {}

    SimaFile compose(const SimaNames& names) {
        collectLots(names.stationPrefix);
        record({"G00", "01", names.title});
        record({"Z00", "座標データ"});
        record({"A00"});
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            record({"A01", number, pointName(i), points_[i].x, points_[i].y, "0.0000"});
        }
        record({"A99"});
        record({"Z00", "区画データ"});
        for (std::size_t i = 0; i < lots_.size(); ++i) {
            record({"D00", std::to_string(i + 1), lots_[i].name});
            for (std::size_t point : lots_[i].points) record({"B01", std::to_string(point + 1), pointName(point)});
            record({"D99"});
        }
        record({"A99", "END"});
        SimaFile file{std::move(out_), {}};
        for (const Lot& lot : lots_) {
            if (!hasCalculatedArea(lot)) file.lotsOffArea.push_back(lot.name);
        }
        return file;
    }

private:
    struct WrittenPoint {
        std::string x;  // northing: the drawing's y
        std::string y;  // easting: the drawing's x
    };
    struct Lot {
        std::string name;
        int tier = 0;
        int row = 0;
        std::vector<std::size_t> points;
        double largestCoordinate = 0.0;  // of its laid-out vertices
    };

    static std::string pointName(std::size_t index) { return "P" + std::to_string(index + 1); }

    void record(std::initializer_list<std::string_view> fields) {
        for (std::string_view field : fields) {
            out_ += field;
            out_ += ',';
        }
        out_ += kLineEnd;
    }

    void collectLots(const std::string& stationPrefix) {
        const int firstRow = static_cast<int>(data_.view.currentInputSet);
        for (int tier = 0; tier < data_.tierCount(); ++tier) {
            for (int row = firstRow; row < 2 * data_.figureCount(ListKind::Chain, tier); row += 2) {
                Lot lot{std::to_string(tier + 1) + "-" + stationPrefix + std::to_string(row / 2 + 1), tier, row, {}};
                for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                    const float x = geometry_.at(tier, row, vertex, FigureGeometry::VertexX);
                    const float y = geometry_.at(tier, row, vertex, FigureGeometry::VertexY);
                    lot.points.push_back(pointOf(x, y));
                    lot.largestCoordinate = std::max({lot.largestCoordinate, std::fabs(double{x}), std::fabs(double{y})});
                }
                lots_.push_back(std::move(lot));
            }
        }
    }

    // The shoelace area of the lot from its coordinates as written against the figure's calculated area,
    // within what the writing and the layout's single precision can make of it.
    bool hasCalculatedArea(const Lot& lot) const {
        double twice = 0.0;
        double perimeter = 0.0;
        for (std::size_t i = 0; i < lot.points.size(); ++i) {
            const WrittenPoint& p = points_[lot.points[i]];
            const WrittenPoint& q = points_[lot.points[(i + 1) % lot.points.size()]];
            twice += writtenValue(p.x) * writtenValue(q.y) - writtenValue(q.x) * writtenValue(p.y);
            perimeter += std::hypot(writtenValue(q.x) - writtenValue(p.x), writtenValue(q.y) - writtenValue(p.y));
        }
        const double calculated = number::leadingNumber(data_.cell(ListKind::Chain, lot.tier, lot.row, column::Area));
        return std::fabs(std::fabs(twice) / 2.0 - calculated) <= lotAreaTolerance(perimeter, lot.largestCoordinate);
    }

    static double writtenValue(const std::string& text) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }

    // A vertex joined figures share has the same coordinates in each of them: one point.
    std::size_t pointOf(float x, float y) {
        const PlanePoint placed = placement_.place(x, y);
        WrittenPoint written{simaCoordinate(placed.y), simaCoordinate(placed.x)};
        const auto [entry, added] = pointIndex_.try_emplace(written.x + "," + written.y, points_.size());
        if (added) points_.push_back(std::move(written));
        return entry->second;
    }

    const SurveyData& data_;
    const FigureGeometry& geometry_;
    const DevelopmentPlacement& placement_;
    std::vector<WrittenPoint> points_;
    std::unordered_map<std::string, std::size_t> pointIndex_;
    std::vector<Lot> lots_;
    std::string out_;
};

}  // namespace

// Moving vertex i of a polygon by (ex, ey) changes its shoelace area by ½(ex(y[i+1] − y[i−1]) − ey(x[i+1] − x[i−1])),
// at most ½·e·√2·|P[i+1] − P[i−1]| ≤ ½·e·√2·(|P[i+1] − P[i]| + |P[i] − P[i−1]|) when |ex|, |ey| ≤ e; over every
// vertex at most √2·e·perimeter (the products of two errors, e² a vertex, are far below it). A written
// coordinate is within kCoordinateRounding of the laid-out vertex, and the vertex, laid out in single
// precision from the figures before it, within a few units of the last place of the largest coordinate
// (2^-22 of it) of where its sides put it. A relative 1e-4 instead would refuse every lot under about
// 1 m² even when nothing is wrong with it.
double lotAreaTolerance(double perimeter, double largestCoordinate) {
    return std::sqrt(2.0) * perimeter * (kCoordinateRounding + largestCoordinate * 0x1p-22);
}

std::string simaCoordinate(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, result.ptr);
    if (text == "-0.0000") text.erase(0, 1);
    return text;
}

std::variant<SimaFile, Message> simaFile(const SurveyData& data, const FigureGeometry& geometry,
                                         const SimaNames& names) {
    const auto refused = [](const std::string& cause) {
        return Message{"SIMA ファイルを書き出せませんでした。\r\n\r\n" + cause, kProgramTitle, Message::Icon::Critical};
    };
    if (const auto cause = undrawableCause(data, geometry)) return refused(*cause);
    const auto placement = DevelopmentPlacement::of(data, geometry);
    if (!placement) return refused("基準図形の頂点が重なっているため、図面の向きを決められません。");
    SimaFile file = SimaComposer(data, geometry, *placement).compose(names);
    codepage::Conversion bytes = codepage::fromUtf8(file.bytes);
    if (!bytes.ok()) {
        return refused("「" + codepage::characterAt(file.bytes, *bytes.failedAt) +
                       "」はシフト JIS（コードページ 932）で書けない文字です。");
    }
    file.bytes = std::move(bytes.text);
    return file;
}

}  // namespace mirota
