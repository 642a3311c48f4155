#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "draw/engine/CommandInput.h"
#include "draw/engine/Commands.h"
#include "draw/engine/Drawing.h"

namespace mirota::drawing {

// Executes command texts the way the CAD program executes them at its command line, into a drawing
// of its own: LAYER (new, make, set, colour, lock, unlock), LINE (close, undo), DTEXT, CIRCLE, MOVE,
// ROTATE, ERASE (selection by "all" and "p", objects on locked layers left out) and INSERT with
// attribute values. Command names may carry the prefixes "_" and "-"; an empty answer at the command
// prompt repeats the last command, an escape there cancels nothing.
class DrawingEngine {
public:
    // Starts from the drawing template.
    DrawingEngine();
    explicit DrawingEngine(Drawing start);

    // Runs one request: its answers, each ended by a carriage return. The commands finished before a
    // failure stay done; the failing command changes nothing. A command still asking for answers when
    // the request ends has failed.
    std::optional<EngineFailure> execute(std::string_view request);

    const Drawing& drawing() const { return drawing_; }

private:
    Drawing drawing_;
    CommandMemory memory_;
    std::string lastCommand_;
};

}  // namespace mirota::drawing
