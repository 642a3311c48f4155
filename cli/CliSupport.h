#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota::cli {

enum ExitStatus { kDone = 0, kRefused = 1, kUsage = 2 };

// Options shared by the commands that read a document.
struct DocumentOptions {
    std::string file;
    int digits = 2;
    std::string prefix = "No.";
    std::string inputSet = "design";
    std::string format = "json";  // calc's output: json, table or csv

    std::string digitsFormat() const;
};

// Writes a message to standard error: its title on the first line, then its text.
void printMessage(const Message& message);
void printMessages(const std::vector<Message>& messages);

// Reads the document named by the options; on failure prints the message and gives nothing.
std::optional<SurveyData> loadDocument(const DocumentOptions& options);

}  // namespace mirota::cli
