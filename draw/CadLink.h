#pragma once

#include <optional>
#include <string>

namespace mirota {

// What went wrong in a conversation with the CAD program, in words for the user.
struct LinkError {
    std::string description;
};

// A conversation with the CAD program: each command text is delivered as if typed at its prompt.
// Back ends: the embedded drawing engine, a script file, DDE on Windows.
class CadLink {
public:
    static constexpr int kTimeoutMilliseconds = 5000;

    virtual ~CadLink() = default;

    // Closes any conversation still open, then opens one with the application and topic.
    virtual std::optional<LinkError> open(const std::string& application, const std::string& topic) = 0;
    // Delivers one command text unchanged; returns when it was accepted, or fails after the time-out.
    virtual std::optional<LinkError> execute(const std::string& text) = 0;

    // Erases every object of the drawing the CAD program has open.
    std::optional<LinkError> EraseAcadDrawing() { return execute("erase\rall\r\r"); }
};

}  // namespace mirota
