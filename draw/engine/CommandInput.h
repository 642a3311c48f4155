#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "draw/engine/Drawing.h"

// The answers of one request to the engine, as the command line of the CAD program takes them:
// every answer ends with a carriage return (13); an escape (27) cancels the command in progress.
namespace mirota::drawing {

struct EngineFailure {
    std::string description;  // a Japanese sentence that names the command and the answer
};

struct Answer {
    bool cancel = false;  // an escape rather than a text
    std::string text;
};

// Splits a request into its answers. Refused: malformed UTF-8, a control character other than the
// carriage return and the escape, and text after the last carriage return (an answer never ended).
std::variant<std::vector<Answer>, EngineFailure> splitRequest(std::string_view request);

// An option word typed in full or shortened down to its capital letters: "LOck" takes "lo", "loc",
// "lock" in any case.
bool isKeyword(std::string_view answer, std::string_view keyword);

// An answer as a failure message shows it.
std::string shown(std::string_view answer);

// The answers of one request, read prompt by prompt by the command being executed. A read that
// gives nothing has stopped the command: it was cancelled, or it failed (failure() says why).
class CommandInput {
public:
    explicit CommandInput(std::vector<Answer> answers);

    bool atEnd() const { return next_ >= answers_.size(); }
    // The next answer at the command prompt (not inside a command); only when not atEnd().
    const Answer& take() { return answers_[next_++]; }

    // Starts a command; its failures name it.
    void begin(std::string command);

    std::optional<std::string> answer(std::string_view prompt);
    std::optional<Point> point(std::string_view prompt);
    // A number; an empty answer takes the default when there is one.
    std::optional<double> number(std::string_view prompt, std::optional<double> byDefault = std::nullopt);

    // The answer just read, which was not an option word, as a point or a number.
    std::optional<Point> pointFromAnswer();
    std::optional<double> numberFromAnswer();

    // Refuses the answer just read: the command fails with the reason.
    void refuse(std::string_view reason);

    bool cancelled() const { return cancelled_; }
    const std::optional<EngineFailure>& failure() const { return failure_; }

private:
    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    std::string command_;
    std::string prompt_;
    std::string answer_;
    bool cancelled_ = false;
    std::optional<EngineFailure> failure_;
};

}  // namespace mirota::drawing
