#include "model/TitleBlock.h"

#include "model/DrawingConditions.h"

namespace mirota {

std::optional<std::string> titleFieldProblem(std::string_view text) {
    return storedTextProblem(text, TitleBlock::kMaxCharacters);
}

}  // namespace mirota
