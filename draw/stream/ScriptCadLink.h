#pragma once

#include <optional>
#include <string>

#include "draw/CadLink.h"

namespace mirota {

// Writes the command texts as a script file (.scr, code page 932) for a CAD program on another
// machine, which runs it as if the answers were typed: every Enter becomes a line end (CR LF), so an
// empty answer is an empty line. The escape after a finished command (the circle's) is left out:
// the command has ended by then, and a script has no keystroke for it; an empty line in its place
// would repeat the last command. An escape anywhere else, another control character, or a character
// that code page 932 cannot hold fails the command.
class ScriptCadLink : public CadLink {
public:
    explicit ScriptCadLink(std::string path) : path_(std::move(path)) {}

    // Starts a fresh script; what an earlier conversation wrote and did not save is dropped.
    std::optional<LinkError> open(const std::string& application, const std::string& topic) override;
    std::optional<LinkError> execute(const std::string& text) override;

    // Writes the script (UTF-8 path) in one step; an existing file is replaced only when all is written.
    std::optional<LinkError> save() const;

    // The script so far, in code page 932.
    const std::string& scriptBytes() const { return bytes_; }

private:
    std::string path_;
    std::string bytes_;
    bool open_ = false;
};

}  // namespace mirota
