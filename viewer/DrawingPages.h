#pragma once

#include <optional>
#include <string>

#include "viewer/DrawingScene.h"
#include "model/Message.h"

class QPagedPaintDevice;
class QPainter;

namespace mirota {

// The drawing on paper, vector throughout: fitted into the printable area of the page, turned to
// landscape when it is wider than tall.

// Chooses the orientation of the device's page for the scene (A3 for a PDF file).
void setPageForScene(QPagedPaintDevice& device, const DrawingScene& scene);
// Paints the scene on the page the painter has begun on.
void paintScenePage(QPainter& painter, QPagedPaintDevice& device, const DrawingScene& scene);

// Writes the scene as a PDF file at path (UTF-8) in one step: the old file is kept on failure.
std::optional<Message> writePdfFile(const std::string& path, const DrawingScene& scene);

}  // namespace mirota
