// A surveyor's chain: 基準 (9, 12, 15), a deduction (15, 13, 8) joined C-A, a triangle (5, 13, 12) joined B-B.
// Inserting or deleting a figure keeps every value typed, each figure keeps its join code, the chain stays
// closed, and undo gives back the same file.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calc/AreaCalculation.h"
#include "calc/Totals.h"
#include "edit/DocumentEditor.h"
#include "io/DataFileWriter.h"

namespace mirota {
namespace {

constexpr ListKind kChain = ListKind::Chain;

struct Figure {
    std::string type, a, b, c, join;
    bool operator==(const Figure&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Figure& f) {
    return out << f.type << " (" << f.a << ", " << f.b << ", " << f.c << ") join " << f.join;
}

Figure figureAt(const SurveyData& data, int figure, InputSet set) {
    const int row = tableRow(figure, set);
    const auto cell = [&](int col) { return data.cell(kChain, 0, row, col); };
    return {cell(column::Type), cell(column::SideA), cell(column::SideB), cell(column::SideC), cell(column::Join)};
}

SurveyData surveyorsChain() {
    SurveyData data;
    data.setFigureCount(kChain, 0, 3);
    const std::array<Figure, 3> figures{{{"0", "9.00", "12.00", "15.00", "0"},
                                         {"21", "15.00", "13.00", "8.00", "0"},
                                         {"10", "5.00", "13.00", "12.00", "1"}}};
    for (int figure = 0; figure < 3; ++figure) {
        const Figure& f = figures[static_cast<std::size_t>(figure)];
        for (InputSet set : {InputSet::Design, InputSet::Measured}) {
            data.setRow(kChain, 0, tableRow(figure, set), {f.type, f.a, f.b, f.c, "", "", f.join});
        }
    }
    return data;
}

std::string fileOf(const SurveyData& data) {
    std::string bytes;
    EXPECT_FALSE(formatDataFile(data, bytes));
    return bytes;
}

ExactDecimal netArea(SurveyData& data, InputSet set) {
    calculateAreas(data, "No.");
    return updateTotals(data, 0, set).sums.net();
}

TEST(InsertDeleteKeepValues, InsertBeforeTheDeduction) {
    SurveyData data = surveyorsChain();
    const std::string file = fileOf(data);
    const ExactDecimal net = netArea(data, InputSet::Design);
    EXPECT_EQ(net.fixedText(6, RoundingRule::HalfUp), "32.038476");  // 54 - 51.961524 + 30
    DocumentEditor editor(data);
    ASSERT_FALSE(editor.insertFigure(kChain, 0, 1));
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        EXPECT_EQ(figureAt(data, 0, set), (Figure{"0", "9.00", "12.00", "15.00", "0"}));
        // A from the base's C; C the side the deduction is joined to, so that it keeps its A.
        EXPECT_EQ(figureAt(data, 1, set), (Figure{"11", "15.00", "", "15.00", "0"}));
        // The deduction mark and the join codes move; the orientation stays with the position.
        EXPECT_EQ(figureAt(data, 2, set), (Figure{"20", "15.00", "13.00", "8.00", "0"}));
        EXPECT_EQ(figureAt(data, 3, set), (Figure{"11", "5.00", "13.00", "12.00", "1"}));
        EXPECT_EQ(netArea(data, set), net);  // the new figure, with no B, counts in no total
    }
    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(fileOf(data), file);
    ASSERT_NE(editor.redo(), nullptr);
    EXPECT_EQ(figureAt(data, 2, InputSet::Measured), (Figure{"20", "15.00", "13.00", "8.00", "0"}));
}

TEST(InsertDeleteKeepValues, InsertBeforeTheBase) {
    SurveyData data = surveyorsChain();
    const std::string file = fileOf(data);
    const ExactDecimal net = netArea(data, InputSet::Design);
    DocumentEditor editor(data);
    ASSERT_FALSE(editor.insertFigure(kChain, 0, 0));
    EXPECT_EQ(figureAt(data, 0, InputSet::Design), (Figure{"10", "", "", "9.00", "0"}));
    EXPECT_EQ(figureAt(data, 1, InputSet::Measured), (Figure{"0", "9.00", "12.00", "15.00", "0"}));
    EXPECT_EQ(figureAt(data, 2, InputSet::Design), (Figure{"20", "15.00", "13.00", "8.00", "0"}));
    EXPECT_EQ(figureAt(data, 3, InputSet::Design), (Figure{"11", "5.00", "13.00", "12.00", "1"}));
    EXPECT_EQ(netArea(data, InputSet::Design), net);
    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(fileOf(data), file);
}

TEST(InsertDeleteKeepValues, InsertBeforeAFigureThatSharesTheNewOnesA) {
    SurveyData data = surveyorsChain();
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        data.setRow(kChain, 0, tableRow(2, set), {"10", "4.00", "13.00", "15.00", "", "", "2"});  // joined A-C
    }
    DocumentEditor editor(data);
    ASSERT_FALSE(editor.insertFigure(kChain, 0, 2));
    // Joined A-C itself: its C from the deduction's A, its A the one the moved figure's C is joined to.
    EXPECT_EQ(figureAt(data, 2, InputSet::Design), (Figure{"10", "15.00", "", "15.00", "2"}));
    EXPECT_EQ(figureAt(data, 3, InputSet::Design), (Figure{"11", "4.00", "13.00", "15.00", "2"}));
}

TEST(InsertDeleteKeepValues, DeleteJoinsTheNextFigureToThePreviousOne) {
    SurveyData data = surveyorsChain();
    const std::string file = fileOf(data);
    DocumentEditor editor(data);
    ASSERT_FALSE(editor.deleteFigure(kChain, 0, 1));
    // Joined B-B to the base now: its B is the base's B; A and C as typed.
    EXPECT_EQ(figureAt(data, 1, InputSet::Measured), (Figure{"11", "5.00", "12.00", "12.00", "1"}));
    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(fileOf(data), file);

    ASSERT_FALSE(editor.deleteFigure(kChain, 0, 0));  // the first figure is joined to nothing: all three kept
    EXPECT_EQ(figureAt(data, 0, InputSet::Design), (Figure{"20", "15.00", "13.00", "8.00", "0"}));
    EXPECT_EQ(figureAt(data, 1, InputSet::Design), (Figure{"11", "5.00", "13.00", "12.00", "1"}));
    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(fileOf(data), file);
}

TEST(InsertDeleteKeepValues, RaisingTheCountJoinsTheNewFigures) {
    SurveyData data = surveyorsChain();
    DocumentEditor editor(data);
    ASSERT_TRUE(editor.setFigureCount(kChain, 0, 5));
    EXPECT_EQ(figureAt(data, 3, InputSet::Measured), (Figure{"11", "12.00", "", "", "0"}));
    EXPECT_EQ(figureAt(data, 4, InputSet::Design), (Figure{"10", "", "", "", "0"}));
    ASSERT_TRUE(editor.enterCell({kChain, 0, tableRow(3, InputSet::Design), column::SideC}, "7.00"));
    EXPECT_EQ(data.cell(kChain, 0, tableRow(4, InputSet::Design), column::SideA), "7.00");
}

}  // namespace
}  // namespace mirota
