#pragma once

#include <array>
#include <cstddef>

#include "ui/CommandActions.h"

namespace mirota {

// Every command of the drawing window's menus, in menu order.
enum class DrawingCommand {
    New,
    SaveDxf,
    SaveSima,
    SaveSvg,
    SavePdf,
    Print,
    Close,
    Fit,
    ZoomIn,
    ZoomOut,
};

inline constexpr std::size_t kDrawingCommandCount = static_cast<std::size_t>(DrawingCommand::ZoomOut) + 1;

const std::array<CommandEntry<DrawingCommand>, kDrawingCommandCount>& drawingCommandTable();

}  // namespace mirota
