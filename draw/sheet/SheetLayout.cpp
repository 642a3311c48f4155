#include "draw/sheet/SheetLayout.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "draw/sheet/SheetDevelopment.h"
#include "draw/sheet/SheetTables.h"

namespace mirota::sheet {

namespace {

constexpr double kMargin = 15.0;
constexpr double kRowHeight = 6.0;
constexpr double kTextSize = 3.0;
constexpr double kSmallestTextSize = 1.5;
constexpr double kCellPadding = 1.2;
constexpr double kHeadingHeight = 9.0;
constexpr double kHeadingSize = 3.8;
constexpr double kRunningHeadSize = 2.8;
constexpr double kBodyTop = 18.0;
constexpr double kFooterHeight = 14.0;
constexpr double kTableRuleWidth = 0.2;
constexpr double kHeaderFill = 0.9;

const char* inputSetName(InputSet set) { return set == InputSet::Design ? "設計値" : "実測値"; }
const char* formName(Form form) { return form == Form::BaseAndHeight ? "三斜式（底辺・高さ）" : "ヘロン式（三辺長）"; }

const char* unitName(DisplayUnit unit) {
    switch (unit) {
    case DisplayUnit::Centimetre: return "cm（面積 cm²）";
    case DisplayUnit::Millimetre: return "mm（面積 mm²）";
    default: return "m（面積 m²）";
    }
}

std::string roundingText(const AreaRules& rules) {
    return std::string(captionOf(rules.rounding)) + "・小数点以下 " + std::to_string(rules.decimals) + " 桁";
}

std::string scaleText(double scale) {
    char text[32];
    std::snprintf(text, sizeof text, "1/%g", scale);
    return text;
}

// Lays out pages top to bottom, starting a new one whenever the next thing does not fit.
class Pages {
public:
    explicit Pages(const Options& options)
        : options_(options), width_(options.paper == Paper::A3 ? 297.0 : 210.0),
          height_(options.paper == Paper::A3 ? 420.0 : 297.0) {
        documentName_ = options.documentName.empty() ? "無題" : options.documentName;
        sheet_.title = "求積表 " + documentName_;
        newPage();
    }

    double left() const { return kMargin; }
    double usableWidth() const { return width_ - 2.0 * kMargin; }
    double bodyHeight() const { return height_ - kFooterHeight - kBodyTop; }
    double room() const { return height_ - kFooterHeight - y_; }
    double y() const { return y_; }
    void advance(double by) { y_ += by; }
    Page& page() { return sheet_.pages.back(); }

    void newPage() {
        Page& page = sheet_.pages.emplace_back();
        page.width = width_;
        page.height = height_;
        const double baseline = kMargin - 3.0;
        page.texts.push_back({{left(), baseline}, kRunningHeadSize, Align::Left, "求積表　" + documentName_});
        page.texts.push_back({{width_ - kMargin, baseline}, kRunningHeadSize, Align::Right,
                              std::string(inputSetName(options_.inputSet)) + "　" + formName(options_.form)});
        page.lines.push_back({{left(), kMargin - 1.5}, {width_ - kMargin, kMargin - 1.5}, 0.15});
        y_ = kBodyTop;
    }

    void text(double x, double baseline, double size, Align align, std::string text, bool bold = false) {
        page().texts.push_back({{x, baseline}, size, align, std::move(text), bold});
    }

    void heading(const std::string& text) {
        this->text(left(), y_ + kHeadingHeight - 2.5, kHeadingSize, Align::Left, text, true);
        y_ += kHeadingHeight;
    }

    Sheet finish() {
        const std::size_t count = sheet_.pages.size();
        for (std::size_t i = 0; i < count; ++i) {
            Page& page = sheet_.pages[i];
            page.texts.push_back({{width_ / 2.0, height_ - kFooterHeight / 2.0}, kTextSize, Align::Center,
                                  std::to_string(i + 1) + " / " + std::to_string(count)});
        }
        return std::move(sheet_);
    }

    const Options& options() const { return options_; }
    const std::string& documentName() const { return documentName_; }

private:
    const Options& options_;
    double width_;
    double height_;
    std::string documentName_;
    Sheet sheet_;
    double y_ = kBodyTop;
};

// The title block: a ruled grid of names and values, two pairs to a row but the location, which has a row
// of its own. Fields left empty stay blank for the pen.
void titleBlock(Pages& pages, const SurveyData& data, const std::string& scale) {
    const Options& options = pages.options();
    const TitleBlock& title = options.titleBlock;
    pages.advance(4.0);
    pages.text(pages.left() + pages.usableWidth() / 2.0, pages.y() + 7.0, 7.0, Align::Center, "求　積　表", true);
    pages.advance(12.0);
    const char* landUse = options.rules.registered == RegisteredClass::Floor ? "建物" : "地目";
    using Entry = std::pair<const char*, std::string>;
    const std::vector<std::vector<Entry>> rows{
        {{"所在", title.location}},
        {{"地番", title.lot}, {landUse, title.landUse}},
        {{"作成者", title.author}, {"作成日", options.date}},
        {{"縮尺", scale}, {"文書", pages.documentName()}},
        {{"入力値", inputSetName(options.inputSet)}, {"様式", formName(options.form)}},
        {{"単位", unitName(data.conditions.displayUnit)}, {"端数処理", roundingText(options.rules)}},
        {{"合計の出し方", std::string(captionOf(options.rules.sum))},
         {"登記面積", std::string(captionOf(options.rules.registered))}},
    };
    constexpr double labelWidth = 26.0;
    const double left = pages.left();
    const double right = left + pages.usableWidth();
    const double half = pages.usableWidth() / 2.0;
    Page& page = pages.page();
    const double top = pages.y();
    for (const std::vector<Entry>& row : rows) {
        const double y = pages.y();
        for (std::size_t i = 0; i < row.size(); ++i) {
            const double x = left + static_cast<double>(i) * half;
            const double end = i + 1 < row.size() ? x + half : right;
            page.polygons.push_back({{{x, y}, {x + labelWidth, y}, {x + labelWidth, y + kRowHeight}, {x, y + kRowHeight}},
                                     0.0,
                                     kHeaderFill});
            page.lines.push_back({{x + labelWidth, y}, {x + labelWidth, y + kRowHeight}, kTableRuleWidth});
            if (i > 0) page.lines.push_back({{x, y}, {x, y + kRowHeight}, kTableRuleWidth});
            const double baseline = y + kRowHeight / 2.0 + 0.36 * kTextSize;
            pages.text(x + kCellPadding, baseline, kTextSize, Align::Left, row[i].first, true);
            const double room = end - x - labelWidth - 2.0 * kCellPadding;
            const double natural = textWidth(row[i].second, kTextSize);
            const double size = natural > room ? std::max(kSmallestTextSize, kTextSize * room / natural) : kTextSize;
            pages.text(x + labelWidth + kCellPadding, y + kRowHeight / 2.0 + 0.36 * size, size, Align::Left,
                       row[i].second);
        }
        page.lines.push_back({{left, y + kRowHeight}, {right, y + kRowHeight}, kTableRuleWidth});
        pages.advance(kRowHeight);
    }
    page.lines.push_back({{left, top}, {right, top}, 0.3});
    page.lines.push_back({{left, top}, {left, pages.y()}, 0.3});
    page.lines.push_back({{right, top}, {right, pages.y()}, 0.3});
    page.lines.push_back({{left, pages.y()}, {right, pages.y()}, 0.3});
    pages.advance(6.0);
}

// Draws tables row by row; a table that runs on to the next page repeats its heading and header there.
class TableWriter {
public:
    TableWriter(Pages& pages, const Table& table) : pages_(pages), table_(table) {
        double total = 0.0;
        for (const Column& column : table.columns) total += column.width;
        double x = pages.left();
        for (const Column& column : table.columns) {
            edges_.push_back(x);
            x += column.width * pages.usableWidth() / total;
        }
        edges_.push_back(x);
        ruleFrom_.resize(edges_.size());
    }

    void write() {
        const double start = kHeadingHeight + kRowHeight * (table_.rows.empty() ? 1.0 : 2.0);
        if (pages_.room() < start) pages_.newPage();
        pages_.heading(table_.heading);
        header();
        for (const Row& row : table_.rows) {
            if (pages_.room() < kRowHeight) {
                closeRules();
                pages_.newPage();
                pages_.heading(table_.heading + "（続き）");
                header();
            }
            cells(row.cells, row.labelSpan, false);
        }
        closeRules();
        pages_.advance(4.0);
    }

private:
    void header() {
        const double top = pages_.y();
        pages_.page().polygons.push_back(
            {{{edges_.front(), top}, {edges_.back(), top}, {edges_.back(), top + kRowHeight}, {edges_.front(), top + kRowHeight}},
             0.0,
             kHeaderFill});
        pages_.page().lines.push_back({{edges_.front(), top}, {edges_.back(), top}, kTableRuleWidth});
        std::vector<std::string> titles;
        for (const Column& column : table_.columns) titles.push_back(column.title);
        cells(titles, 0, true);
    }

    // One row: its texts, the rule under it and the column rules beside it (none inside a total's label).
    // A column rule runs on over the rows that have it as one line.
    void cells(const std::vector<std::string>& texts, int labelSpan, bool header) {
        Page& page = pages_.page();
        const double top = pages_.y();
        const double bottom = top + kRowHeight;
        for (std::size_t i = 0; i < edges_.size(); ++i) {
            const bool ruled = i == 0 || i >= static_cast<std::size_t>(labelSpan);
            if (ruled && !ruleFrom_[i]) ruleFrom_[i] = top;
            if (!ruled) closeRule(i, top);
        }
        page.lines.push_back({{edges_.front(), bottom}, {edges_.back(), bottom}, kTableRuleWidth});
        for (std::size_t i = 0; i < texts.size() && i + 1 < edges_.size(); ++i) {
            if (texts[i].empty()) continue;
            const bool label = labelSpan > 0 && i == 0;
            const double from = edges_[i];
            const double to = label ? edges_[static_cast<std::size_t>(labelSpan)] : edges_[i + 1];
            const Align align = header ? Align::Center : label ? Align::Left : table_.columns[i].align;
            const double room = to - from - 2.0 * kCellPadding;
            const double natural = textWidth(texts[i], kTextSize);
            const double size = natural > room ? std::max(kSmallestTextSize, kTextSize * room / natural) : kTextSize;
            const double x = align == Align::Left ? from + kCellPadding : align == Align::Right ? to - kCellPadding
                                                                                                 : (from + to) / 2.0;
            page.texts.push_back({{x, top + kRowHeight / 2.0 + 0.36 * size}, size, align, texts[i], header || label});
        }
        pages_.advance(kRowHeight);
    }

    void closeRule(std::size_t edge, double to) {
        if (!ruleFrom_[edge]) return;
        pages_.page().lines.push_back({{edges_[edge], *ruleFrom_[edge]}, {edges_[edge], to}, kTableRuleWidth});
        ruleFrom_[edge].reset();
    }
    void closeRules() {
        for (std::size_t i = 0; i < edges_.size(); ++i) closeRule(i, pages_.y());
    }

    Pages& pages_;
    const Table& table_;
    std::vector<double> edges_;  // the column rules, left to right
    std::vector<std::optional<double>> ruleFrom_;  // where each column rule began, while it runs
};

constexpr double kMatchBand = 5.0;  // around a piece of the development, for its match lines' names
constexpr int kMostDevelopmentPages = 200;
constexpr double kMatchTextSize = 2.5;

// Where a piece goes on, on the next piece: a dashed line along the cut, named with that piece.
void matchLines(Page& page, const CutPiece& piece, Point at, std::size_t count) {
    const double left = at.x;
    const double top = at.y;
    const double right = at.x + piece.cut.width();
    const double bottom = at.y + piece.cut.height();
    const auto name = [&](int next) {
        return "マッチライン　展開図 " + std::to_string(next + 1) + " / " + std::to_string(count) + " に続く";
    };
    const auto line = [&](Point from, Point to, int next, Point textAt, double angle) {
        if (next < 0) return;
        page.lines.push_back({from, to, 0.3, true});
        Text text{textAt, kMatchTextSize, Align::Center, name(next)};
        text.angle = angle;
        page.texts.push_back(std::move(text));
    };
    const double middleX = (left + right) / 2.0;
    const double middleY = (top + bottom) / 2.0;
    line({left, top}, {left, bottom}, piece.left, {left - 1.2, middleY}, 90.0);
    line({right, top}, {right, bottom}, piece.right, {right + 1.2, middleY}, -90.0);
    line({left, top}, {right, top}, piece.above, {middleX, top - 1.2}, 0.0);
    line({left, bottom}, {right, bottom}, piece.below, {middleX, bottom + 1.2 + 0.75 * kMatchTextSize}, 0.0);
}

// The development at its scale: on the last page when it fits there, else on a page of its own; one larger
// than a page in pieces, a page each, with match lines where they meet.
void development(Pages& pages, const SheetDevelopment& drawing, double scale) {
    if (drawing.empty()) return;
    const Canvas canvas = drawing.drawn(scale);
    const std::string heading = "展開図（縮尺 " + scaleText(scale) + "）";
    const double boxHeight = pages.bodyHeight() - kHeadingHeight;
    if (canvas.width <= pages.usableWidth() + 1e-9 && canvas.height <= boxHeight + 1e-9) {
        if (pages.room() < kHeadingHeight + canvas.height) pages.newPage();
        pages.heading(heading);
        const double x = pages.left() + (pages.usableWidth() - canvas.width) / 2.0;
        placeCut(pages.page(), canvas, {0.0, 0.0, canvas.width, canvas.height}, {x, pages.y()});
        pages.advance(canvas.height);
        return;
    }
    const std::vector<CutPiece> pieces =
        cutCanvas(canvas, pages.usableWidth() - 2.0 * kMatchBand, boxHeight - 2.0 * kMatchBand);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pages.newPage();
        pages.heading(heading + "　" + std::to_string(i + 1) + " / " + std::to_string(pieces.size()));
        const Point at{pages.left() + kMatchBand, pages.y() + kMatchBand};
        placeCut(pages.page(), canvas, pieces[i].cut, at);
        matchLines(pages.page(), pieces[i], at, pieces.size());
    }
}

}  // namespace

Sheet layOutSheet(const SurveyData& data, const Options& options) {
    Pages pages(options);
    const SheetDevelopment drawing(data, options);
    const double boxWidth = pages.usableWidth();
    const double boxHeight = pages.bodyHeight() - kHeadingHeight;
    // However far the figures lie apart, the development takes a bounded number of pages.
    const double scale = drawing.empty() ? 0.0
                                         : drawing.withinPieces(options.scale > 0.0 ? options.scale
                                                                                    : drawing.scaleFor(boxWidth, boxHeight),
                                                                boxWidth - 2.0 * kMatchBand, boxHeight - 2.0 * kMatchBand,
                                                                kMostDevelopmentPages);
    titleBlock(pages, data, scale > 0.0 ? scaleText(scale) : "");
    const InputSetSummary summary = sheetSummary(data, options);
    for (const Table& table : sheetTables(data, options, summary)) TableWriter(pages, table).write();
    development(pages, drawing, scale);
    return pages.finish();
}

}  // namespace mirota::sheet
