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
    const char* rule = rules.rounding == RoundingRule::Down ? "切り捨て"
                       : rules.rounding == RoundingRule::Up ? "切り上げ"
                                                             : "四捨五入";
    return std::string(rule) + "・小数点以下 " + std::to_string(rules.decimals) + " 桁";
}

const char* sumText(SumRule rule) { return rule == SumRule::Shown ? "表示した値の合計" : "計算値の合計"; }

const char* registeredText(RegisteredClass registered) {
    switch (registered) {
    case RegisteredClass::Residential: return "地積（宅地・鉱泉地）";
    case RegisteredClass::Other: return "地積（その他の地目）";
    case RegisteredClass::Floor: return "床面積";
    case RegisteredClass::None: break;
    }
    return "なし";
}

std::string scaleText(double scale) {
    char text[32];
    std::snprintf(text, sizeof text, "縮尺 1/%g", scale);
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

void titleBlock(Pages& pages, const SurveyData& data) {
    const Options& options = pages.options();
    pages.advance(4.0);
    pages.text(pages.left() + pages.usableWidth() / 2.0, pages.y() + 7.0, 7.0, Align::Center, "求　積　表", true);
    pages.advance(14.0);
    const std::pair<const char*, std::string> entries[] = {
        {"文書", pages.documentName()},          {"作成日", options.date},
        {"入力値", inputSetName(options.inputSet)}, {"様式", formName(options.form)},
        {"単位", unitName(data.conditions.displayUnit)}, {"端数処理", roundingText(options.rules)},
        {"合計の出し方", sumText(options.rules.sum)},  {"登記面積", registeredText(options.rules.registered)},
    };
    const double half = pages.usableWidth() / 2.0;
    const double labelWidth = 24.0;
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        const double x = pages.left() + (i % 2 == 0 ? 0.0 : half);
        const double baseline = pages.y() + kRowHeight - 1.8;
        pages.text(x, baseline, kTextSize, Align::Left, entries[i].first, true);
        const double size = std::max(kSmallestTextSize,
                                     std::min(kTextSize, kTextSize * (half - labelWidth - 2.0) /
                                                             std::max(1.0, textWidth(entries[i].second, kTextSize))));
        pages.text(x + labelWidth, baseline, size, Align::Left, entries[i].second);
        if (i % 2 == 1) pages.advance(kRowHeight);
    }
    pages.page().lines.push_back({{pages.left(), pages.y() + 2.0}, {pages.left() + pages.usableWidth(), pages.y() + 2.0}, 0.3});
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

void development(Pages& pages, const SurveyData& data) {
    const SheetDevelopment drawing(data, pages.options());
    if (drawing.empty()) return;
    const double scale = drawing.scaleToFit(pages.usableWidth(), pages.bodyHeight() - kHeadingHeight);
    if (pages.room() < kHeadingHeight + drawing.paperHeight(scale)) pages.newPage();
    pages.heading("展開図（" + scaleText(scale) + "）");
    const double x = pages.left() + (pages.usableWidth() - drawing.paperWidth(scale)) / 2.0;
    drawing.drawOn(pages.page(), {x, pages.y()}, scale);
    pages.advance(drawing.paperHeight(scale));
}

}  // namespace

Sheet layOutSheet(const SurveyData& data, const Options& options) {
    Pages pages(options);
    titleBlock(pages, data);
    const InputSetSummary summary = sheetSummary(data, options);
    for (const Table& table : sheetTables(data, options, summary)) TableWriter(pages, table).write();
    development(pages, data);
    return pages.finish();
}

}  // namespace mirota::sheet
