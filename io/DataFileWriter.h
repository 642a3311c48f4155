#pragma once

#include <optional>
#include <string>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// The data file of the document: its values in file order, one a line, each line ended by CR LF,
// in code page 932. Only the rows of each list's figure count are written, and the computed
// columns (S, area; the exception list's position) as empty texts. A text the file cannot hold as
// it is - a double quote, a line break, a character outside code page 932, a layer name too long -
// is refused, and so is a file larger than the reader opens, so that the file always reads back as the document: the message says where it is,
// and bytes is left empty.
std::optional<Message> formatDataFile(const SurveyData& document, std::string& bytes);

// Saves the document to path (UTF-8) in one step (see replaceFile). A refused document or a
// failed write leaves the file that is there as it was.
std::optional<Message> writeDataFile(const SurveyData& document, const std::string& path);

}  // namespace mirota
