#pragma once

#include <optional>
#include <string>

#include "draw/sheet/SheetPage.h"
#include "model/Message.h"

class QPagedPaintDevice;
class QPainter;

namespace mirota {

// The area calculation sheet on paper: the device's pages set to the sheet's paper, portrait, with no
// margins of their own (the sheet keeps its own), and every page painted as the core laid it out.
void setPageForSheet(QPagedPaintDevice& device, const sheet::Sheet& sheet);
// Paints every page on the device the painter has begun on; false when a new page could not be started.
bool paintSheet(QPainter& painter, QPagedPaintDevice& device, const sheet::Sheet& sheet);

// Writes the sheet as a PDF file at path (UTF-8) in one step: the old file is kept on failure.
std::optional<Message> writeSheetPdfFile(const std::string& path, const sheet::Sheet& sheet);

}  // namespace mirota
