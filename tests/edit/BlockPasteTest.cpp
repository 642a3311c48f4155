#include "edit/BlockPaste.h"

#include <gtest/gtest.h>

#include <ostream>

#include "edit/DocumentEditor.h"

namespace mirota {
namespace {

constexpr ListKind kChain = ListKind::Chain;
constexpr ListKind kException = ListKind::Exception;

struct SplitCase {
    const char* name;
    std::string_view text;
    TextTable rows;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitTabSeparated : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTabSeparated, GivesOneRowPerLineAndOneFieldPerTab) { EXPECT_EQ(splitTabSeparated(GetParam().text), GetParam().rows); }

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitTabSeparated,
    testing::Values(SplitCase{"CrLf", "3\t4\r\n5\t6", {{"3", "4"}, {"5", "6"}}},
                    SplitCase{"Lf", "3\t4\n5\t6", {{"3", "4"}, {"5", "6"}}},
                    SplitCase{"Cr", "3\r5", {{"3"}, {"5"}}},
                    SplitCase{"TrailingLineEnd", "3\t4\r\n5\t6\r\n", {{"3", "4"}, {"5", "6"}}},
                    SplitCase{"SingleValue", "2.5\n", {{"2.5"}}},
                    SplitCase{"EmptyFieldsAndLines", "\t4\t\r\n\r\n5", {{"", "4", ""}, {""}, {"5"}}},
                    SplitCase{"Nothing", "", {}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

void setSides(SurveyData& data, int row, const char* a, const char* b, const char* c) {
    data.setCell(kChain, 0, row, column::SideA, a);
    data.setCell(kChain, 0, row, column::SideB, b);
    data.setCell(kChain, 0, row, column::SideC, c);
}

// Three chain figures joined C-A with their design sides and figure 1's S and area; one exception figure.
SurveyData document() {
    SurveyData data;
    data.setFigureCount(kChain, 0, 3);
    for (int row = 0; row < 6; ++row) {
        data.setCell(kChain, 0, row, column::Type, row % 4 < 2 ? "10" : "11");
        data.setCell(kChain, 0, row, column::Join, "0");
    }
    setSides(data, 0, "3.00", "4.00", "5.00");
    setSides(data, 2, "5.00", "4.00", "6.00");
    setSides(data, 4, "6.00", "4.00", "3.00");
    data.setCell(kChain, 0, 0, column::HalfPerimeter, "6.00");
    data.setCell(kChain, 0, 0, column::Area, "6.00");
    for (int row = 0; row < 2; ++row) {
        data.setCell(kException, 0, row, column::Type, "23");
        data.setCell(kException, 0, row, column::SideA, "名称1");
    }
    return data;
}

const std::string kThirtyThousandDigits(30000, '7');

struct PasteCase {
    const char* name;
    ListKind list;
    InputSet set;
    int figure;
    int column;
    std::string_view text;
    std::vector<CellChange> pinned;  // cells as before and after; on a refusal, empty
    std::string refusal{};           // the message's text after its first line
    int figureCount = 0;             // the chain's count after the paste, when it grows
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class BlockPasteCases : public testing::TestWithParam<PasteCase> {};

TEST_P(BlockPasteCases, StoresEveryValueOrNothing) {
    const PasteCase& c = GetParam();
    SurveyData data = document();
    const SurveyData before = data;
    DocumentEditor editor(data);
    const BlockPaste paste{c.list, 0, c.set, c.figure, c.column, splitTabSeparated(c.text), "0.00", "No."};

    const auto refused = editor.pasteBlock(paste);

    if (!c.refusal.empty()) {
        ASSERT_TRUE(refused);
        EXPECT_EQ(*refused, (Message{"貼り付けできません。\r\n\r\n" + c.refusal, "LTミロタ展開図", Message::Icon::Warning}));
        EXPECT_FALSE(editor.history().canUndo());
        for (int row = 0; row < data.rowCapacity(); ++row) {
            for (int col = 0; col < SurveyData::kColumnCount; ++col) {
                ASSERT_EQ(data.cell(c.list, 0, row, col), before.cell(c.list, 0, row, col)) << row << "," << col;
            }
        }
        EXPECT_EQ(data.figureCount(kChain, 0), 3);
        return;
    }
    ASSERT_FALSE(refused) << refused->text;
    for (const CellChange& pin : c.pinned) {
        const auto [list, tier, row, col] = pin.cell;
        EXPECT_EQ(before.cell(list, tier, row, col), pin.before) << "row " << row << " col " << col;
        EXPECT_EQ(data.cell(list, tier, row, col), pin.after) << "row " << row << " col " << col;
    }
    EXPECT_EQ(data.figureCount(kChain, 0), c.figureCount ? c.figureCount : 3);
    ASSERT_EQ(editor.history().size(), 1u);
    EXPECT_EQ(editor.history().nextUndo()->kind, EditKind::BlockPaste);
    editor.undo();
    EXPECT_EQ(data.figureCount(kChain, 0), 3);
    for (const CellChange& pin : c.pinned) {
        const auto [list, tier, row, col] = pin.cell;
        EXPECT_EQ(data.cell(list, tier, row, col), pin.before) << "row " << row << " col " << col;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockPasteCases,
    testing::Values(
        PasteCase{"RowsFillFiguresAndCarryTheirSides", kChain, InputSet::Design, 0, column::SideA,
                  "3.5\t4\t7\r\n\t2\t1\r\n",
                  {{{kChain, 0, 0, column::SideC}, "5.00", "7.00"},
                   {{kChain, 0, 2, column::SideA}, "5.00", "7.00"},  // carried by the first row
                   {{kChain, 0, 2, column::SideB}, "4.00", "2.00"},
                   {{kChain, 0, 4, column::SideA}, "6.00", "1.00"}}},
        PasteCase{"JoinedSideEqualOnceFormatted", kChain, InputSet::Design, 1, column::SideA, "5\t9",
                  {{{kChain, 0, 2, column::SideA}, "5.00", "5.00"}, {{kChain, 0, 2, column::SideB}, "4.00", "9.00"}}},
        PasteCase{"JoinedSideAsCarriedByThePaste", kChain, InputSet::Design, 0, column::SideA, "3\t4\t8\r\n8",
                  {{{kChain, 0, 2, column::SideA}, "5.00", "8.00"}}},
        PasteCase{"JoinedSideDiffers", kChain, InputSet::Design, 1, column::SideA, "4\t9", {},
                  "No.2 の Ａ辺：接合辺の値は前の図形から引き継いだ値（5.00）と同じにしてください。"},
        PasteCase{"ComputedColumnsSkipped", kChain, InputSet::Design, 0, column::SideB, "2\t2\t99\t99",
                  {{{kChain, 0, 0, column::SideB}, "4.00", "2.00"},
                   {{kChain, 0, 0, column::HalfPerimeter}, "6.00", "6.00"},
                   {{kChain, 0, 0, column::Area}, "6.00", "6.00"}}},
        PasteCase{"EmptyValueClears", kChain, InputSet::Design, 2, column::SideB, "\t1",
                  {{{kChain, 0, 4, column::SideB}, "4.00", ""}, {{kChain, 0, 4, column::SideC}, "3.00", "1.00"}}},
        PasteCase{"MeasuredRows", kChain, InputSet::Measured, 0, column::SideA, "3.1\t4.1\t5.1\n\t4.2",
                  {{{kChain, 0, 1, column::SideA}, "", "3.10"},
                   {{kChain, 0, 3, column::SideA}, "", "5.10"},
                   {{kChain, 0, 3, column::SideB}, "", "4.20"},
                   {{kChain, 0, 2, column::SideB}, "4.00", "4.00"}}},
        PasteCase{"FigureCountGrows", kChain, InputSet::Design, 2, column::SideA, "\t1\t1\n\t2\t2\n\t3",
                  {{{kChain, 0, 6, column::SideA}, "", "1.00"},  // a new figure, joined C-A
                   {{kChain, 0, 6, column::SideB}, "", "2.00"},
                   {{kChain, 0, 6, column::Type}, "", "11"},
                   {{kChain, 0, 7, column::Join}, "", "0"},
                   {{kChain, 0, 8, column::SideA}, "", "2.00"},
                   {{kChain, 0, 8, column::SideB}, "", "3.00"}},
                  "", 5},
        PasteCase{"FigureCountUpToTheLast", kChain, InputSet::Design, 98, column::SideB, "3\n3",
                  {{{kChain, 0, 198, column::SideB}, "", "3.00"}}, "", 100},
        PasteCase{"FigureCountPastTheLast", kChain, InputSet::Design, 98, column::SideB, "3\n3\n3", {},
                  "No.101 の Ｂ辺：最高個数は\"100\"です。"},
        PasteCase{"FirstRefusedValueNamed", kChain, InputSet::Design, 0, column::SideB, "2\n2\tabc\n\"", {},
                  "No.2 の Ｃ辺：数値を入力してください！"},
        PasteCase{"RefusedValueNamedByItsOwnFigure", kChain, InputSet::Design, 4, column::SideB, "1\nabc", {},
                  "No.6 の Ｂ辺：数値を入力してください！"},
        PasteCase{"NumberTooLong", kChain, InputSet::Design, 0, column::SideB, kThirtyThousandDigits, {},
                  "No.1 の Ｂ辺：数値が長すぎます。数値は 24 文字以内で入力してください。"},
        PasteCase{"CharacterTheFileCannotHold", kException, InputSet::Design, 0, column::SideA, "池😀", {},
                  "No.1 の 名称：文字「😀」（U+1F600）はデータファイル（シフトJIS）に保存できないため入力できません。"},
        PasteCase{"PastTheLastColumn", kChain, InputSet::Design, 0, column::SideC, "1\t2\t3\t4", {},
                  "No.1：貼り付ける値が表の右端を越えています。"},
        PasteCase{"ExceptionNameElementsAndPosition", kException, InputSet::Measured, 0, column::SideA,
                  "杭A\t2\t\t1,2",
                  {{{kException, 0, 0, column::SideA}, "名称1", "杭A"},
                   {{kException, 0, 1, column::SideA}, "名称1", "杭A"},
                   {{kException, 0, 1, column::SideB}, "", "2.00"},
                   {{kException, 0, 1, column::HalfPerimeter}, "", "1.00,2.00"}}}),
    [](const testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

TEST(BlockPaste, AJoinedSideTypedWithOtherDigitsTakesTheSameValuePasted) {
    const struct {
        const char* stored;  // figure 1's side C and figure 2's joined side A, as typed or read
        const char* pasted;
    } cases[] = {{"5.0", "5.00"}, {"5", "5"}, {"5", "5.00"}, {"5.0", "5"}};
    for (const auto& c : cases) {
        SurveyData data = document();
        data.setCell(kChain, 0, 0, column::SideC, c.stored);
        data.setCell(kChain, 0, 2, column::SideA, c.stored);
        DocumentEditor editor(data);
        const BlockPaste paste{kChain, 0, InputSet::Design, 1, column::SideA,
                               splitTabSeparated(std::string(c.pasted) + "\t9"), "0.00", "No."};
        const auto refused = editor.pasteBlock(paste);
        EXPECT_FALSE(refused) << c.stored << " / " << c.pasted << ": " << refused->text;
        EXPECT_EQ(data.cell(kChain, 0, 2, column::SideB), "9.00") << c.stored << " / " << c.pasted;
    }
}

TEST(BlockPaste, ATextNoListCanTakeIsRefusedBeforeItIsSplit) {
    const std::string hundredLines = [] {
        std::string text;
        for (int line = 0; line < 100; ++line) text += "1\t2\r\n";
        return text;
    }();
    const struct {
        const char* name;
        std::string text;
        std::size_t rows;  // 0: refused
    } cases[] = {
        {"as many lines as figures", hundredLines, 100},
        {"a line more", hundredLines + "3", 0},
        {"a line more by a lone CR", hundredLines + "\r", 0},
        {"the largest text", std::string(kPastedTextMaxBytes, '1'), 1},
        {"a byte larger", std::string(kPastedTextMaxBytes + 1, '1'), 0},
    };
    for (const auto& c : cases) {
        const auto split = splitPastedText(c.text, 100);
        if (c.rows == 0) {
            ASSERT_TRUE(std::holds_alternative<Message>(split)) << c.name;
            EXPECT_EQ(std::get<Message>(split).text.rfind("貼り付けできません。", 0), 0u) << c.name;
        } else {
            ASSERT_TRUE(std::holds_alternative<TextTable>(split)) << c.name;
            EXPECT_EQ(std::get<TextTable>(split).size(), c.rows) << c.name;
        }
    }
    const auto full = splitPastedText(hundredLines, 40);
    ASSERT_TRUE(std::holds_alternative<Message>(full));
    EXPECT_NE(std::get<Message>(full).text.find("40 行"), std::string::npos) << std::get<Message>(full).text;
}

}  // namespace
}  // namespace mirota
