#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// Reads the data file at path (UTF-8) into a new document and, only when the whole file is sound,
// puts it in place of document; otherwise document is untouched and the message says what is
// wrong (for a malformed file: what and on which line). The view state, which a file does not
// hold, is kept from the old document; PreviousTierCount becomes the old TierCount and
// CurrentFilePath the path.
std::optional<Message> readDataFile(const std::string& path, SurveyData& document);

// The same for the bytes of a data file; CurrentFilePath stays as it is.
std::optional<Message> parseDataFile(std::string_view bytes, SurveyData& document);

}  // namespace mirota
