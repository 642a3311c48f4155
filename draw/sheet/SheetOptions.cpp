#include "draw/sheet/SheetOptions.h"

#include "model/NumberText.h"

namespace mirota::sheet {

std::string sideDigitsFormat(const Options& options) {
    return number::digitsFormatFor(options.sideDecimals < 0 ? options.rules.decimals : options.sideDecimals);
}

std::optional<Form> formNamed(std::string_view name) {
    if (name == "heron") return Form::Heron;
    if (name == "sansha") return Form::BaseAndHeight;
    return std::nullopt;
}

std::optional<Paper> paperNamed(std::string_view name) {
    if (name == "a4") return Paper::A4;
    if (name == "a3") return Paper::A3;
    return std::nullopt;
}

std::string sheetDate(int year, int month, int day) {
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

}  // namespace mirota::sheet
