#include "edit/StepName.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit/DocumentEditor.h"

namespace mirota {
namespace {

// An operation of the edit layer on a document of one tier with three chain figures, and the name of
// the step it records.
struct NamedStep {
    const char* what;
    std::function<void(DocumentEditor&)> operation;
    std::string name;
};

class StepNameTest : public testing::TestWithParam<NamedStep> {};

TEST_P(StepNameTest, NamesTheStepTheOperationRecorded) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 3);
    DocumentEditor editor(data);
    editor.completeFigures(ListKind::Chain, 0);
    GetParam().operation(editor);
    ASSERT_NE(editor.history().nextUndo(), nullptr);
    EXPECT_EQ(stepName(*editor.history().nextUndo()), GetParam().name);
}

const CellAddress kSideBOfFigure3{ListKind::Chain, 0, tableRow(2, InputSet::Design), column::SideB};
const CellAddress kElement2OfException1{ListKind::Exception, 0, tableRow(0, InputSet::Measured), column::SideC};

INSTANTIATE_TEST_SUITE_P(
    EveryKind, StepNameTest,
    testing::Values(
        NamedStep{"typed", [](DocumentEditor& e) { e.enterCell(kSideBOfFigure3, "4.00"); }, "No.3 の B辺 入力"},
        NamedStep{"typed exception element", [](DocumentEditor& e) { e.enterCell(kElement2OfException1, "2.00"); },
                  "例外処理 No.1 の 要素2 入力"},
        NamedStep{"cut", [](DocumentEditor& e) { e.enterCell(kSideBOfFigure3, "4.00", EditKind::CellCut); },
                  "No.3 の B辺 切り取り"},
        NamedStep{"pasted", [](DocumentEditor& e) { e.enterCell(kSideBOfFigure3, "4.00", EditKind::CellPaste); },
                  "No.3 の B辺 貼り付け"},
        NamedStep{"chain count", [](DocumentEditor& e) { e.setFigureCount(ListKind::Chain, 0, 5); }, "個数変更"},
        NamedStep{"exception count", [](DocumentEditor& e) { e.setFigureCount(ListKind::Exception, 0, 2); },
                  "例外処理の個数変更"},
        NamedStep{"insert", [](DocumentEditor& e) { e.insertFigure(ListKind::Chain, 0, 1); }, "No.2 の 挿入"},
        NamedStep{"delete", [](DocumentEditor& e) { e.deleteFigure(ListKind::Chain, 0, 2); }, "No.3 の 削除"},
        NamedStep{"type", [](DocumentEditor& e) { e.setFigureType(ListKind::Chain, 0, 1, FigureType::Base); },
                  "No.2 の タイプ変更"},
        NamedStep{"bulk", [](DocumentEditor& e) { e.setChainOrientation(0, false); }, "タイプの一括変更"},
        NamedStep{"join", [](DocumentEditor& e) { e.setJoinSide(0, 2, JoinSide::JoinBB); }, "No.3 の 接合辺変更"},
        NamedStep{"block paste",
                  [](DocumentEditor& e) {
                      e.pasteBlock({ListKind::Chain, 0, InputSet::Design, 1, column::SideB, {{"4.00", "5.00"}}, "0.00", "No."});
                  },
                  "No.2 から 貼り付け"},
        NamedStep{"block cleared",
                  [](DocumentEditor& e) {
                      e.enterCell(kSideBOfFigure3, "4.00");
                      e.clearCells({kSideBOfFigure3});
                  },
                  "No.3 から 消去"},
        NamedStep{"tiers", [](DocumentEditor& e) { e.setTierCount(2); }, "段数変更"},
        NamedStep{"settings",
                  [](DocumentEditor& e) {
                      DocumentSettings settings = DocumentSettings::of(e.document());
                      settings.acadVersion = "98";
                      e.changeSettings(settings);
                  },
                  "設定変更"},
        NamedStep{"title block", [](DocumentEditor& e) { e.changeTitleBlock({"所在", "", "", ""}); }, "表題欄の変更"}),
    [](const testing::TestParamInfo<NamedStep>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ') c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace mirota
