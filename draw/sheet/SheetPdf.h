#pragma once

#include <optional>
#include <string>

#include "draw/sheet/SheetPage.h"
#include "model/Message.h"

namespace mirota::sheet {

// Writes the sheet as a PDF file (UTF-8 path), its Japanese text in the embedded IPA Gothic font; the
// file is replaced in one step. A message when it could not be written, or where this program has no
// PDF writer without its window (on Windows the sheet is made from the window).
std::optional<Message> writeSheetPdf(const Sheet& sheet, const std::string& path);

}  // namespace mirota::sheet
