#pragma once

#include <optional>
#include <string>

#include "draw/engine/Drawing.h"
#include "model/Message.h"

// The drawing as an SVG picture (UTF-8) for a quick look in a browser: lines, circles and texts in
// their layers' colours on white, inserts expanded with their attribute texts, y pointing up as in
// the drawing, the view fitted to the drawing with a margin.
namespace mirota::drawing {

std::string svgDocument(const Drawing& drawing);

// Writes the picture to the file at path (UTF-8) in one step: the old file is kept on failure.
std::optional<Message> writeSvgFile(const std::string& path, const Drawing& drawing);

}  // namespace mirota::drawing
