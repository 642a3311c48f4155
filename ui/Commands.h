#pragma once

#include <array>
#include <cstddef>

#include "ui/CommandActions.h"

namespace mirota {

// Every command of the main window's menus, in menu order.
enum class Command {
    NewFile,
    Open,
    SaveAs,
    Save,
    ExportCsv,
    Sheet,
    Exit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    HideExceptions,
    ExceptionsBelow,
    ExceptionsRight,
    ShowDrawingWindow,
    ShowPreview,
    ShowSummary,
    EditDesign,
    EditMeasured,
    AllUpToDown,
    AllDownToUp,
    CalcTriangleUp,
    CalcTriangleDown,
    CalcSquare,
    CalcCircle,
    DeductTriangleUp,
    DeductTriangleDown,
    DeductSquare,
    DeductCircle,
    MakeBase,
    JoinCA,
    JoinBB,
    JoinAC,
    InsertFigure,
    DeleteFigure,
    Calculate,
    Draw,
    Settings,
    Help,
    Version,
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Version) + 1;

const std::array<CommandEntry<Command>, kCommandCount>& commandTable();

}  // namespace mirota
