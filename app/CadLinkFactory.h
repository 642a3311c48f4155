#pragma once

#include <functional>
#include <memory>
#include <string>

#include "draw/CadLink.h"

namespace mirota {

// Where a drawing run sends its commands, by the drawingOutput preference.
enum class LinkKind {
    Engine,  // "engine": the embedded drawing engine, shown in the drawing window
    Dde,     // "dde": the CAD program itself, through a DDE conversation
    Script,  // "script": a script file (.scr) for the CAD program
};

// The kind the preference names; any other value means the embedded engine.
LinkKind linkKindFor(const std::string& drawingOutput);

// A link to a back end outside the program: the script file at scriptPath (UTF-8), or the CAD
// program. Nothing for the engine (the drawing window keeps its own) and for a back end this
// platform does not have.
std::unique_ptr<CadLink> makeOutsideLink(LinkKind kind, const std::string& scriptPath);

using OutsideLinkFactory = std::function<std::unique_ptr<CadLink>(LinkKind kind, const std::string& scriptPath)>;

}  // namespace mirota
