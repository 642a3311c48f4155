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
constexpr int kSideColumns = 3;   // A, B, C
// The footer block of the drawing template stands 12 text heights tall; the next tier's table
// starts below it instead of on top of it.
constexpr double kFooterHeight = 12.0;
constexpr double kNetLineHeight = 6.0;  // the net line under a footer, "hyou3"
constexpr std::string_view kDeductionRemark = "控除";

using RowValues = std::array<std::string, kValueColumns>;

struct TableTotals {
    ExactDecimal normalDesign;
    ExactDecimal deductionDesign;
    ExactDecimal normalMeasured;
    ExactDecimal deductionMeasured;
};

// A value cell of the chain as the table reads it: an empty cell counts as zero.
std::string valueText(const SurveyData& data, int tier, int row, int col) {
    const std::string& text = data.cell(ListKind::Chain, tier, row, col);
    return text.empty() ? "0" : text;
}

// An exception figure is listed when an element of it is typed in either row: the list's default
// row, a name and nothing else, stays out of the table.
bool hasElements(const SurveyData& data, int tier, int figure) {
    for (int row : {2 * figure, 2 * figure + 1}) {
        for (int col : {column::SideB, column::SideC}) {
            if (!data.cell(ListKind::Exception, tier, row, col).empty()) return true;
        }
    }
    return false;
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
          sideRules_{rules.sideDecimals < 0 ? rules_.decimals : rules.sideDecimals, rules.rounding},
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
            writeChainRow(tier, figure, totals);
        }
        // The exception figures count in the table's totals only when it closes with the document's
        // net, which holds both lists: then they are listed too, and the tier's lines add up to it.
        if (summary_) {
            for (int figure = 0; figure < data_.figureCount(ListKind::Exception, tier); ++figure) {
                if (hasElements(data_, tier, figure)) writeExceptionRow(tier, figure, totals);
            }
        }

        commands_.push_back(insertion("hyou2") +
                            command::answers({formatted(totals.normalDesign), formatted(totals.deductionDesign),
                                              inParentheses(formatted(totals.normalMeasured)),
                                              inParentheses(formatted(totals.deductionMeasured))}));
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
        const DocumentSummary summary = summarizeDocument(data_, rules_);
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

    // A chain figure's row, numbered as the drawing's circled number: from 1 in every tier.
    void writeChainRow(int tier, int figure, TableTotals& totals) {
        const int designRow = 2 * figure;
        RowValues design;
        RowValues measured;
        for (int i = 0; i < kValueColumns; ++i) {
            design[i] = valueText(data_, tier, designRow, column::SideA + i);
            measured[i] = valueText(data_, tier, designRow + 1, column::SideA + i);
        }
        writeRow(std::to_string(figure + 1), data_.cell(ListKind::Chain, tier, designRow, column::Type), design,
                 measured, totals);
    }

    // An exception figure's row under its name, as the drawing labels it: its two elements in the
    // A and B columns, no C or S, its area.
    void writeExceptionRow(int tier, int figure, TableTotals& totals) {
        const auto cell = [&](InputSet set, int col) {
            return data_.cell(ListKind::Exception, tier, tableRow(figure, set), col);
        };
        const auto values = [&](InputSet set) {
            const std::string& area = cell(set, column::Area);
            return RowValues{cell(set, column::SideB), cell(set, column::SideC), "", "", area.empty() ? "0" : area};
        };
        writeRow(cell(InputSet::Design, column::SideA), cell(InputSet::Design, column::Type), values(InputSet::Design),
                 values(InputSet::Measured), totals);
    }

    // A row of the table: design values above, measured values in parentheses below; a figure of a
    // deduction type shows its areas negated, is marked "控除" and counts into the deduction totals.
    // An empty value of an exception figure (no C, no S) stays empty.
    void writeRow(const std::string& number, const std::string& typeCode, RowValues design, RowValues measured,
                  TableTotals& totals) {
        const bool deduction = isDeductionCode(typeCode);
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
        // The sides (A, B, C) by the sides' decimals, S and the area by the computed values'.
        const auto shown = [this](const std::string& value, int column) {
            if (value.empty()) return value;
            return column < kSideColumns ? shownValue(value, sideRules_) : formatted(value);
        };
        std::string text = insertion("hyou1") + command::answers({number});
        for (int i = 0; i < kValueColumns; ++i) text += command::answers({shown(design[i], i)});
        text += command::answers({remark});
        for (int i = 0; i < kValueColumns; ++i) {
            text += command::answers({measured[i].empty() ? measured[i] : inParentheses(shown(measured[i], i))});
        }
        text += command::answers({remark});
        commands_.push_back(std::move(text));
        y_ -= 6.0 * step_;
    }

    const SurveyData& data_;
    AreaRules rules_;
    AreaRules sideRules_;
    bool summary_;
    std::string_view word_;
    std::string_view unit_;
    std::string x_;
    double y_;
    std::string height_;
    double step_;
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
