#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/AreaCalculation.h"
#include "calc/AreaRules.h"
#include "draw/stream/AreaTable.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota::cli {

enum ExitStatus { kDone = 0, kRefused = 1, kUsage = 2 };

// Options shared by the commands that read a document.
struct DocumentOptions {
    std::string file;
    int digits = 2;
    int sideDigits = -1;  // 辺の桁数 of typed sides and elements; below 0: as digits
    std::string prefix = "No.";
    std::string inputSet = "design";
    std::string format = "json";  // calc's output: json, table or csv

    std::string digitsFormat() const;
    std::string sideDigitsFormat() const;
};

// The rules by the names the options take ("half-up", "stored", "residential", ...); a name not known
// (none given) keeps the default.
AreaRules areaRulesNamed(int digits, std::string_view rounding, std::string_view sum, std::string_view registered);

// The rules options of the commands that draw (rounding, sum, registered area by their names, as calc and
// report take them) and whether the area table closes with the net lines and the document's total.
struct DrawingRuleOptions {
    std::string rounding;
    std::string sum;
    std::string registered;
    bool tableTotals = false;

    AreaTableRules areaTable() const;
};

// Writes a message to standard error: its title on the first line, then its text.
void printMessage(const Message& message);
void printMessages(const std::vector<Message>& messages);

// Every fault on standard error under one title: the figure, its list when it is the exception list,
// and its input set.
void printFaults(const CalculationFailure& failure);

// Reads the document named by the options; on failure prints the message and gives nothing.
std::optional<SurveyData> loadDocument(const DocumentOptions& options);

}  // namespace mirota::cli
