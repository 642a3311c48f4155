#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/engine/CommandInput.h"
#include "draw/engine/Drawing.h"

// The commands of the engine. Each reads its answers from the input and changes the drawing only
// when it has all it asks for: a command that fails or is cancelled leaves the drawing as it was
// (only LINE keeps the segments already drawn when it is cancelled, as the CAD program does).
namespace mirota::drawing {

// What the command line remembers between commands.
struct CommandMemory {
    double textHeight = 2.5;
    double textRotation = 0.0;
    std::vector<std::uint64_t> previousSelection;  // ids, rising
    std::string lastBlock;
};

struct CommandContext {
    Drawing& drawing;
    CommandMemory& memory;
    CommandInput& input;
};

// The text justification a DTEXT answer names ("BC", "M", ...), if it names one of a single point.
std::optional<Justification> justificationOption(std::string_view answer);

void runLayer(CommandContext& context);
void runLine(CommandContext& context);
void runText(CommandContext& context);
void runCircle(CommandContext& context);
void runInsert(CommandContext& context);
void runMove(CommandContext& context);
void runRotate(CommandContext& context);
void runErase(CommandContext& context);

}  // namespace mirota::drawing
