#include "draw/stream/ScriptCadLink.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace mirota {
namespace {

// 図 面 in code page 932.
const std::string kZumen = "\x90\x7d\x96\xca";

class ScriptCadLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("stream_script_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        ASSERT_EQ(link.open("AutoCAD LT.DDE", "System"), std::nullopt);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
    ScriptCadLink link{(std::filesystem::temp_directory_path() / "unused.scr").string()};
};

TEST_F(ScriptCadLinkTest, EveryAnswerIsALineInCodePage932) {
    ASSERT_EQ(link.execute("-layer\rn\r図面\r\r"), std::nullopt);
    ASSERT_EQ(link.execute("line\r0,0\r4,0\r1,2\rc\r"), std::nullopt);
    EXPECT_EQ(link.scriptBytes(), "-layer\r\nn\r\n" + kZumen + "\r\n\r\nline\r\n0,0\r\n4,0\r\n1,2\r\nc\r\n");
}

// The circle has ended with its radius: its escape leaves no line (an empty one would repeat the circle).
TEST_F(ScriptCadLinkTest, EscapeAfterAFinishedCommandIsLeftOut) {
    ASSERT_EQ(link.execute("_circle\r1.5,2\r0.5\r\x1b"), std::nullopt);
    ASSERT_EQ(link.execute("_move\rall\r\r0,0\r100,200\r"), std::nullopt);
    EXPECT_EQ(link.scriptBytes(), "_circle\r\n1.5,2\r\n0.5\r\n_move\r\nall\r\n\r\n0,0\r\n100,200\r\n");
}

// A text without its last Enter stays unfinished, and the next one goes on typing on the same line.
TEST_F(ScriptCadLinkTest, UnfinishedAnswerContinuesOnTheSameLine) {
    ASSERT_EQ(link.execute("_dtext\rm\r1,"), std::nullopt);
    ASSERT_EQ(link.execute("2\r"), std::nullopt);
    EXPECT_EQ(link.scriptBytes(), "_dtext\r\nm\r\n1,2\r\n");
}

TEST_F(ScriptCadLinkTest, RefusesWhatAScriptCannotHold) {
    struct Case {
        const char* what;
        std::string text;
        std::string description;
    };
    const Case cases[] = {
        {"escape inside", "_circle\r1,2\x1b\r", "スクリプトでは入力の途中で命令を取り消せません。"},
        {"escape alone", "\x1b", "スクリプトでは入力の途中で命令を取り消せません。"},
        {"tab", "-layer\rn\ra\tb\r\r", "スクリプトに書けない制御文字が命令に含まれています。"},
        {"line feed", "-layer\rn\ra\nb\r\r", "スクリプトに書けない制御文字が命令に含まれています。"},
        {"wave dash", "-layer\rn\r1〜2\r\r",
         "スクリプトに書けない文字「〜」が命令に含まれています（コードページ 932 にない文字です）。"},
        {"emoji", "_dtext\rm\r0,0\r1\r0\r😀\r\r",
         "スクリプトに書けない文字「😀」が命令に含まれています（コードページ 932 にない文字です）。"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(link.open("", ""), std::nullopt);
        ASSERT_EQ(link.execute("erase\rall\r\r"), std::nullopt);
        const auto failure = link.execute(c.text);
        ASSERT_TRUE(failure) << c.what;
        EXPECT_EQ(failure->description, c.description) << c.what;
        EXPECT_EQ(link.scriptBytes(), "erase\r\nall\r\n\r\n") << c.what;
    }
}

TEST_F(ScriptCadLinkTest, SaveWritesTheScriptAndReplacesAnOldOne) {
    const auto path = folder / "drawing.scr";
    {
        std::ofstream old(path, std::ios::binary);
        old << "old script\r\n";
    }
    ScriptCadLink script(path.string());
    ASSERT_EQ(script.open("AutoCAD LT.DDE", "System"), std::nullopt);
    ASSERT_EQ(script.execute("-layer\rs\r図面\r\r"), std::nullopt);
    ASSERT_EQ(script.save(), std::nullopt);
    EXPECT_EQ(contents(path), "-layer\r\ns\r\n" + kZumen + "\r\n\r\n");
}

TEST_F(ScriptCadLinkTest, SaveIntoAMissingFolderFails) {
    ScriptCadLink script((folder / "missing" / "drawing.scr").string());
    ASSERT_EQ(script.open("AutoCAD LT.DDE", "System"), std::nullopt);
    ASSERT_EQ(script.execute("erase\rall\r\r"), std::nullopt);
    const auto failure = script.save();
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->description.find("drawing.scr"), std::string::npos) << failure->description;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace mirota
