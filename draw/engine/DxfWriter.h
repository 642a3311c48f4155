#pragma once

#include <optional>
#include <string>
#include <variant>

#include "draw/engine/Drawing.h"
#include "model/Message.h"

// The drawing as a DXF file of release 12 (AC1009) in code page 932 ($DWGCODEPAGE ANSI_932), the form
// old and new CAD programs alike read: the layers with colour and lock, the text style with a Japanese
// font, the blocks with their attribute definitions, and the objects with the attributes of inserts.
namespace mirota::drawing {

struct DxfOptions {
    // Every block insert (the area table) written as the lines and texts it shows: its attribute
    // values as plain TEXT where the attributes stand, for CAD programs that show no attributes. The
    // block definitions stay in the file; an empty value is left out.
    bool insertsAsText = false;
};

// The file's bytes. Fails when a text of the drawing cannot be written in code page 932 or holds a
// line break; the message names the text.
std::variant<std::string, Message> dxfBytes(const Drawing& drawing, const DxfOptions& options = {});

// Writes the bytes to the file at path (UTF-8) in one step: the old file is kept on failure. The
// drawing can be made again at any time, so the file is not flushed to the disk before it replaces
// the old one.
std::optional<Message> writeDxfFile(const std::string& path, const Drawing& drawing, const DxfOptions& options = {});

}  // namespace mirota::drawing
