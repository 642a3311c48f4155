#include "cli/CliSupport.h"

#include <iostream>

#include "io/DataFileReader.h"
#include "model/NumberText.h"

namespace mirota::cli {

std::string DocumentOptions::digitsFormat() const { return number::digitsFormatFor(digits); }

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
