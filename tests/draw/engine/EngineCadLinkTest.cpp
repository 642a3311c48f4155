#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "draw/engine/EngineCadLink.h"

namespace mirota {
namespace {

TEST(EngineCadLinkTest, ExecuteNeedsAnOpenConversation) {
    EngineCadLink link;
    const auto error = link.execute("line\r0,0\r1,1\r\r");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description, "描画エンジンとの会話が開かれていません。");
    EXPECT_TRUE(link.drawing().entities.empty());
}

TEST(EngineCadLinkTest, TheDrawingOutlivesTheConversation) {
    EngineCadLink link;
    ASSERT_FALSE(link.open("AutoCAD LT.DDE", "System"));
    ASSERT_FALSE(link.execute("line\r0,0\r1,1\r\r"));
    ASSERT_FALSE(link.open("AutoCAD LT.DDE", "System"));
    ASSERT_FALSE(link.execute("line\r1,1\r2,2\r\r"));
    EXPECT_EQ(link.drawing().entities.size(), 2u);
    ASSERT_FALSE(link.EraseAcadDrawing());
    EXPECT_TRUE(link.drawing().entities.empty());
    EXPECT_TRUE(link.drawing().findBlock("hyou1"));  // started from the template
}

TEST(EngineCadLinkTest, EngineFailureBecomesTheLinkError) {
    EngineCadLink link;
    ASSERT_FALSE(link.open("AutoCAD LT.DDE", "System"));
    const auto error = link.execute("-insert\rnothere\r0,0\r1\r1\r\r");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description,
              "描画エンジンがコマンドを実行できませんでした。\r\n"
              "「-insert」のブロック名に「nothere」は使えません：その名前のブロックは定義されていません。");
}

}  // namespace
}  // namespace mirota
