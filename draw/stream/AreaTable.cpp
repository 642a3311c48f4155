#include "draw/stream/AreaTable.h"

#include <array>

#include "calc/DocumentSummary.h"
#include "calc/ShownValue.h"
#include "draw/stream/CommandText.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr int kValueColumns = 5;  // A, B, C, S, area
// The footer block of the drawing template stands 12 text heights tall; the next tier's table
// starts below it instead of on top of it.
constexpr double kFooterHeight = 12.0;
constexpr double kNetLineHeight = 6.0;  // the net line under a footer, "hyou3"
constexpr std::string_view kDeductionRemark = "控除";

struct TableTotals {
    ExactDecimal normalDesign;
    ExactDecimal deductionDesign;
    ExactDecimal normalMeasured;
    ExactDecimal deductionMeasured;
};

// A value cell as the table reads it: an empty cell counts as zero.
std::string valueText(const SurveyData& data, int tier, int row, int col) {
    const std::string& text = data.cell(ListKind::Chain, tier, row, col);
    return text.empty() ? "0" : text;
}

// Turns the sign of a number written as text, so that it is still rounded on its digits as
// written; text that is no number stays as it is.
std::string negated(std::string text) {
    if (!number::strictNumber(text)) return text;
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (text[first] == '-') {
        text.erase(first, 1);
    } else if (text[first] == '+') {
        text[first] = '-';
    } else {
        text.insert(first, 1, '-');
    }
    return text;
}

std::string inParentheses(const std::string& text) { return "(" + text + ")"; }

std::string registeredCaption(RegisteredClass registered) {
    switch (registered) {
        case RegisteredClass::Residential:
        case RegisteredClass::Other: return "地積";
        case RegisteredClass::Floor: return "床面積";
        case RegisteredClass::None: break;
    }
    return {};
}

class TableWriter {
public:
    TableWriter(const SurveyData& data, std::string_view digitsFormat, const AreaTableRules& rules)
        : data_(data),
          rules_{number::decimalsOf(digitsFormat), rules.rounding, rules.sum, rules.registered},
          summary_(rules.summary),
          word_(insertCommandWord(data.acadVersion)),
          unit_(unitText(data.conditions.displayUnit)),
          x_(number::singleText(data.conditions.tableX)),
          y_(data.conditions.tableY),
          height_(number::singleText(data.conditions.labelHeight)),
          step_(data.conditions.labelHeight) {}

    std::vector<std::string> write() {
        for (int tier = 0; tier < data_.tierCount(); ++tier) writeTier(tier);
        if (summary_) writeClosingBlock();
        return std::move(commands_);
    }

private:
    std::string insertion(std::string_view block) const {
        return command::answers({word_, block, command::point(x_, number::doubleText(y_)), height_, height_, ""});
    }

    std::string formatted(const std::string& text) const { return shownValue(text, rules_); }
    std::string formatted(const ExactDecimal& total) const { return shownValue(total, rules_); }
    // What a row adds to the totals, exactly: its value as stored, or as shown when the parts shown are summed.
    ExactDecimal counted(const std::string& text) const {
        return ExactDecimal::fromLeadingNumber(rules_.sum == SumRule::Shown ? formatted(text) : text).value_or(ExactDecimal());
    }

    void writeTier(int tier) {
        const std::string unit(unit_);
        commands_.push_back(insertion("hyou") +
                            command::answers({"番号", "A辺(" + unit + ")", "B辺(" + unit + ")", "C辺(" + unit + ")", "S",
                                              "A(" + unit + "2)", "適用"}));
        y_ -= 3.0 * step_;

        TableTotals totals;
        for (int figure = 0; figure < data_.figureCount(ListKind::Chain, tier); ++figure) {
            writeRow(tier, 2 * figure, totals);
            y_ -= 6.0 * step_;
        }

        commands_.push_back(insertion("hyou2") +
                            command::answers({formatted(totals.normalDesign), formatted(totals.deductionDesign),
                                              inParentheses(formatted(totals.normalMeasured)),
                                              formatted(totals.deductionMeasured)}));
        y_ -= kFooterHeight * step_;
        if (!summary_) return;
        // The deductions were added negated.
        commands_.push_back(insertion("hyou3") +
                            command::answers({formatted(totals.normalDesign + totals.deductionDesign),
                                              inParentheses(formatted(totals.normalMeasured + totals.deductionMeasured))}));
        y_ -= kNetLineHeight * step_;
    }

    // The net of the whole document (every tier, both lists) and the registered area, by the rules.
    void writeClosingBlock() {
        const DocumentSummary summary = SummarizeDocument(data_, rules_);
        const InputSetSummary& design = summary.of(InputSet::Design);
        const InputSetSummary& measured = summary.of(InputSet::Measured);
        const auto registered = [](const InputSetSummary& set) {
            return set.registered ? set.registered->text() : std::string();
        };
        commands_.push_back(insertion("hyou4") +
                            command::answers({shownValue(design.total.net(), rules_),
                                              inParentheses(shownValue(measured.total.net(), rules_)),
                                              registeredCaption(rules_.registered), registered(design),
                                              design.registered ? inParentheses(registered(measured)) : ""}));
    }

    void writeRow(int tier, int designRow, TableTotals& totals) {
        ++tableNumber_;
        const bool deduction = isDeductionCode(data_.cell(ListKind::Chain, tier, designRow, column::Type));
        std::array<std::string, kValueColumns> design;
        std::array<std::string, kValueColumns> measured;
        for (int i = 0; i < kValueColumns; ++i) {
            design[i] = valueText(data_, tier, designRow, column::SideA + i);
            measured[i] = valueText(data_, tier, designRow + 1, column::SideA + i);
        }
        std::string& designArea = design.back();
        std::string& measuredArea = measured.back();
        if (deduction) {
            designArea = negated(designArea);
            measuredArea = negated(measuredArea);
            totals.deductionDesign += counted(designArea);
            totals.deductionMeasured += counted(measuredArea);
        } else {
            totals.normalDesign += counted(designArea);
            totals.normalMeasured += counted(measuredArea);
        }

        const std::string_view remark = deduction ? kDeductionRemark : std::string_view();
        std::string text = insertion("hyou1") + command::answers({std::to_string(tableNumber_)});
        for (const std::string& value : design) text += command::answers({formatted(value)});
        text += command::answers({remark});
        for (const std::string& value : measured) text += command::answers({inParentheses(formatted(value))});
        text += command::answers({remark});
        commands_.push_back(std::move(text));
    }

    const SurveyData& data_;
    AreaRules rules_;
    bool summary_;
    std::string_view word_;
    std::string_view unit_;
    std::string x_;
    double y_;
    std::string height_;
    double step_;
    int tableNumber_ = 0;
    std::vector<std::string> commands_;
};

}  // namespace

std::string_view insertCommandWord(std::string_view acadVersion) {
    const auto release = number::strictNumber(acadVersion);
    if (release == 98.0) return "_insert";
    if (release == 2000.0) return "-insert";
    return {};
}

std::string_view unitText(DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Metre: return "ｍ";
        case DisplayUnit::Centimetre: return "ｃｍ";
        case DisplayUnit::Millimetre: return "ｍｍ";
    }
    return {};
}

std::vector<std::string> areaTableCommands(const SurveyData& data, std::string_view digitsFormat) {
    return areaTableCommands(data, digitsFormat, AreaTableRules{});
}

std::vector<std::string> areaTableCommands(const SurveyData& data, std::string_view digitsFormat,
                                           const AreaTableRules& rules) {
    return TableWriter(data, digitsFormat, rules).write();
}

}  // namespace mirota
