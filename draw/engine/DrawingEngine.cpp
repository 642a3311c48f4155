#include "draw/engine/DrawingEngine.h"

#include <array>
#include <utility>
#include <variant>

#include "draw/engine/DrawingTemplate.h"

namespace mirota::drawing {

namespace {

struct CommandEntry {
    std::string_view name;
    void (*run)(CommandContext&);
};

constexpr std::array<CommandEntry, 9> kCommands{{
    {"layer", runLayer},
    {"line", runLine},
    {"dtext", runText},
    {"text", runText},
    {"circle", runCircle},
    {"insert", runInsert},
    {"move", runMove},
    {"rotate", runRotate},
    {"erase", runErase},
}};

// "_-insert", "-insert", "_insert" and "insert" all name INSERT.
const CommandEntry* findCommand(std::string_view typed) {
    for (int i = 0; i < 2 && !typed.empty() && (typed.front() == '_' || typed.front() == '-'); ++i) {
        typed.remove_prefix(1);
    }
    for (const CommandEntry& entry : kCommands) {
        if (sameName(typed, entry.name)) return &entry;
    }
    return nullptr;
}

}  // namespace

DrawingEngine::DrawingEngine() : DrawingEngine(makeDrawingTemplate()) {}

DrawingEngine::DrawingEngine(Drawing start) : drawing_(std::move(start)) {}

std::optional<EngineFailure> DrawingEngine::execute(std::string_view request) {
    auto split = splitRequest(request);
    if (auto* failure = std::get_if<EngineFailure>(&split)) return *failure;
    CommandInput input(std::move(std::get<std::vector<Answer>>(split)));
    CommandContext context{drawing_, memory_, input};
    std::string finished;  // the command of this request that ended last
    while (!input.atEnd()) {
        const Answer& answer = input.take();
        if (answer.cancel) continue;  // nothing to cancel between commands
        std::string typed = answer.text;
        std::string named = typed;
        if (typed.empty()) {
            if (lastCommand_.empty()) continue;
            typed = lastCommand_;
            named = typed + "（空の入力による繰り返し）";
        }
        const CommandEntry* command = findCommand(typed);
        if (!command) {
            std::string description = shown(typed) + "は実行できるコマンドではありません";
            if (!finished.empty()) description += "（その前の「" + finished + "」はすでに終わっています）";
            return EngineFailure{description + "。"};
        }
        lastCommand_ = typed;
        input.begin(named);
        command->run(context);
        if (input.failure()) return input.failure();
        finished = typed;
    }
    return std::nullopt;
}

}  // namespace mirota::drawing
