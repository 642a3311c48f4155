#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// The largest data file that is read (a document at full capacity is about 360 KB).
inline constexpr std::uintmax_t kDataFileSizeLimit = 16 * 1024 * 1024;

// Reads the data file at path (UTF-8) into a new document and, only when the whole file is sound,
// puts it in place of document; otherwise document is untouched and the message says what is
// wrong (for a malformed file: what and on which line). A folder, a pipe, a device or a file larger
// than kDataFileSizeLimit is refused before anything is read. The view state, which a file does not
// hold, is kept from the old document; PreviousTierCount becomes the old TierCount and
// CurrentFilePath the path.
std::optional<Message> readDataFile(const std::string& path, SurveyData& document);

// The same for the bytes of a data file; CurrentFilePath stays as it is.
std::optional<Message> parseDataFile(std::string_view bytes, SurveyData& document);

}  // namespace mirota
