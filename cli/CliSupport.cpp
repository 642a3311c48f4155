#include "cli/CliSupport.h"

#include <iostream>

#include "io/DataFileReader.h"
#include "model/NumberText.h"

namespace mirota::cli {

std::string DocumentOptions::digitsFormat() const { return number::digitsFormatFor(digits); }
std::string DocumentOptions::sideDigitsFormat() const { return number::digitsFormatFor(sideDigits < 0 ? digits : sideDigits); }

AreaRules areaRulesNamed(int digits, std::string_view rounding, std::string_view sum, std::string_view registered) {
    AreaRules rules;
    rules.decimals = digits;
    rules.rounding = roundingRuleNamed(rounding).value_or(rules.rounding);
    rules.sum = sumRuleNamed(sum).value_or(rules.sum);
    rules.registered = registeredClassNamed(registered).value_or(rules.registered);
    return rules;
}

AreaTableRules DrawingRuleOptions::areaTable() const {
    const AreaRules rules = areaRulesNamed(0, rounding, sum, registered);
    return {rules.rounding, rules.sum, rules.registered, tableTotals};
}

void printMessage(const Message& message) {
    std::string text;
    for (char c : message.text) {
        if (c != '\r') text += c;
    }
    std::cerr << message.title << '\n' << text << '\n';
}

void printMessages(const std::vector<Message>& messages) {
    for (const Message& message : messages) printMessage(message);
}

// Every fault on standard error under one title: the figure, its list when it is the exception list,
// and its input set.
void printFaults(const CalculationFailure& failure) {
    std::cerr << failure.title << '\n';
    for (const CalculationFault& fault : failure.faults) {
        const std::string& text = fault.message.text;
        std::cerr << text.substr(0, text.find('\r')) << (fault.figure.list == ListKind::Exception ? " 例外処理" : "")
                  << ' ' << (fault.inputSet == InputSet::Design ? "設計値" : "実測値") << '\n';
    }
}

std::optional<SurveyData> loadDocument(const DocumentOptions& options) {
    // The smallest tables: the file brings its own, so a full-capacity pair is not made only to be dropped.
    SurveyData data(1, 1);
    if (const auto failure = readDataFile(options.file, data)) {
        printMessage(*failure);
        return std::nullopt;
    }
    data.view.currentInputSet = options.inputSet == "measured" ? InputSet::Measured : InputSet::Design;
    return data;
}

}  // namespace mirota::cli
