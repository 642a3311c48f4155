#include "edit/BlockPaste.h"

#include <algorithm>
#include <map>
#include <optional>

#include "model/CellEntry.h"
#include "model/ColumnCaption.h"
#include "model/FigureType.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

bool isComputed(ListKind list, int col) {
    return col == column::Area || (list == ListKind::Chain && col == column::HalfPerimeter);
}

Message refusal(const BlockPaste& paste, int figure, int col, const std::string& why) {
    std::string where = paste.figurePrefix + std::to_string(figure + 1);
    if (col <= column::Area) where += " の " + std::string(columnCaption(paste.list, col));
    return {"貼り付けできません。\r\n\r\n" + where + "：" + why, kProgramTitle, Message::Icon::Warning};
}

}  // namespace

TextTable splitTabSeparated(std::string_view text) {
    TextTable rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        std::vector<std::string>& fields = rows.emplace_back();
        std::size_t field = 0;
        while (true) {
            const std::size_t tab = line.find('\t', field);
            fields.emplace_back(line.substr(field, tab == std::string_view::npos ? tab : tab - field));
            if (tab == std::string_view::npos) break;
            field = tab + 1;
        }
        if (end == std::string_view::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return rows;
}

std::variant<TextTable, Message> splitPastedText(std::string_view text, int maxFigures) {
    const auto refused = [](const std::string& why) {
        return Message{"貼り付けできません。\r\n\r\n" + why, kProgramTitle, Message::Icon::Warning};
    };
    if (text.size() > kPastedTextMaxBytes) {
        return refused("貼り付ける値が多すぎます。一度に貼り付けられるのは " +
                       std::to_string(kPastedTextMaxBytes / (1024 * 1024)) + " MiB までです。");
    }
    // Lines counted as splitTabSeparated makes rows, stopping at the first one too many.
    int lines = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        if (lines == maxFigures) {
            return refused("貼り付ける行が多すぎます。一度に貼り付けられるのは " + std::to_string(maxFigures) +
                           " 行（図形 " + std::to_string(maxFigures) + " 個分）までです。");
        }
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return splitTabSeparated(text);
}

std::variant<PastePlan, Message> planBlockPaste(const SurveyData& data, const BlockPaste& paste) {
    PastePlan plan;
    plan.figureCount = data.figureCount(paste.list, paste.tier);
    // The chain sides this paste gives, by figure and column: the next figure's joined side carries them.
    std::map<std::pair<int, int>, std::string> pastedSides;
    const auto sideAfterPaste = [&](int figure, int col) {
        const auto given = pastedSides.find({figure, col});
        return given != pastedSides.end() ? given->second
                                          : data.cell(paste.list, paste.tier, tableRow(figure, paste.set), col);
    };
    for (std::size_t line = 0; line < paste.values.size(); ++line) {
        const int figure = paste.figure + static_cast<int>(line);
        if (figure >= data.maxFigures()) {
            return refusal(paste, figure, paste.column,
                           "最高個数は\"" + std::to_string(data.maxFigures()) + "\"です。");
        }
        plan.figureCount = std::max(plan.figureCount, figure + 1);
        const int row = tableRow(figure, paste.set);
        // A new figure has no join code yet and is joined C-A, as the completed figure will be.
        std::optional<JoinSide> join;
        if (paste.list == ListKind::Chain && figure >= 1) {
            join = joinSideFromCode(data.cell(paste.list, paste.tier, row, column::Join)).value_or(JoinSide::JoinCA);
        }
        const std::vector<std::string>& fields = paste.values[line];
        for (std::size_t index = 0; index < fields.size(); ++index) {
            const int col = paste.column + static_cast<int>(index);
            if (col > column::Area) return refusal(paste, figure, col, "貼り付ける値が表の右端を越えています。");
            if (isComputed(paste.list, col)) continue;
            const auto entry = enterCellText(fields[index], paste.list, col, paste.digitsFormat);
            if (const auto* refused = std::get_if<RefusedEntry>(&entry)) {
                return refusal(paste, figure, col, refused->message.text);
            }
            const std::string& stored = std::get<std::string>(entry);
            if (join && col == joinedColumn(*join)) {
                const std::string carried =
                    number::formatDigits(sideAfterPaste(figure - 1, previousJoinedColumn(*join)), paste.digitsFormat);
                if (stored.empty() || stored == carried) continue;
                return refusal(paste, figure, col,
                               "接合辺の値は前の図形から引き継いだ値（" + carried + "）と同じにしてください。");
            }
            if (paste.list == ListKind::Chain) pastedSides[{figure, col}] = stored;
            plan.cells.push_back({CellAddress{paste.list, paste.tier, row, col}, stored});
        }
    }
    return plan;
}

}  // namespace mirota
