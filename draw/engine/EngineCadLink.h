#pragma once

#include <optional>
#include <string>
#include <utility>

#include "draw/CadLink.h"
#include "draw/engine/DrawingEngine.h"

namespace mirota {

// The conversation with the embedded drawing engine, the back end that needs no CAD program. Like the
// CAD program, the engine keeps its drawing from one conversation to the next (additional drawing
// relies on that): open() starts a conversation, it does not start a new drawing. A request never
// leaves a command half done, so nothing of an earlier conversation is left to reset.
class EngineCadLink : public CadLink {
public:
    EngineCadLink() = default;
    explicit EngineCadLink(drawing::Drawing start) : engine_(std::move(start)) {}

    std::optional<LinkError> open(const std::string& application, const std::string& topic) override;
    // Runs the text in the engine; what the engine cannot execute is the error.
    std::optional<LinkError> execute(const std::string& text) override;

    const drawing::Drawing& drawing() const { return engine_.drawing(); }

private:
    drawing::DrawingEngine engine_;
    bool open_ = false;
};

}  // namespace mirota
