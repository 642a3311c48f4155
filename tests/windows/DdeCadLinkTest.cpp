#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <future>
#include <mutex>
#include <thread>

#include "StandInServerThread.h"
#include "draw/dde/DdeCadLink.h"

namespace mirota {
namespace {

using test::ServerThread;
using test::StandInOptions;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* const kService = "AutoCAD LT.DDE";
const char* const kTopic = "System";

TEST(DdeCadLink, DeliversEveryTextUnchangedInCodePage932) {
    struct Case {
        std::string text;
        std::string bytes;
    };
    const Case cases[] = {
        {"erase\rall\r\r", "erase\rall\r\r"},
        {"-layer\rn\r図面\r\r", "-layer\rn\r\x90\x7D\x96\xCA\r\r"},                      // 図 90 7D, 面 96 CA
        {"_circle\r1.5,-2\r0.4\r\x1b", "_circle\r1.5,-2\r0.4\r\x1b"},                     // ends in ESC
        {"_dtext\rm\r3,4\r0.4\r-30\r①～髙ｱ\\\r\r", "_dtext\rm\r3,4\r0.4\r-30\r\x87\x40\x81\x60\xFB\xFC\xB1\\\r\r"},
        {"-insert\rhyou1\r表\r", "-insert\rhyou1\r\x95\x5C\r"},                            // a trail byte 5C
    };
    ServerThread server;
    ASSERT_FALSE(server.failure()) << *server.failure();
    DdeCadLink link;
    ASSERT_FALSE(link.open(kService, kTopic));
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        const auto failure = link.execute(c.text);
        EXPECT_FALSE(failure) << failure->description;
        expected.push_back(c.bytes);
    }
    EXPECT_EQ(server.requests(), expected);
    EXPECT_EQ(server.server().connections(), 1);
}

TEST(DdeCadLink, OpensANewConversationOnEveryOpen) {
    ServerThread server;
    ASSERT_FALSE(server.failure()) << *server.failure();
    DdeCadLink link;
    ASSERT_FALSE(link.open(kService, kTopic));
    ASSERT_FALSE(link.execute("first\r"));
    ASSERT_FALSE(link.open(kService, kTopic));
    EXPECT_EQ(server.server().connections(), 2);
    EXPECT_EQ(server.server().disconnections(), 1);
    ASSERT_FALSE(link.execute("second\r"));
    EXPECT_EQ(server.requests(), (std::vector<std::string>{"first\r", "second\r"}));
}

TEST(DdeCadLink, ReportsAProgramThatIsNotThere) {
    struct Case {
        const char* service;
        const char* topic;
    };
    // No server at all, and a server that does not take the topic.
    ServerThread server;
    ASSERT_FALSE(server.failure()) << *server.failure();
    for (const Case& c : {Case{"Mirota Absent.DDE", kTopic}, Case{kService, "Drawing1"}}) {
        DdeCadLink link;
        const auto failure = link.open(c.service, c.topic);
        ASSERT_TRUE(failure) << c.service;
        EXPECT_EQ(failure->description, std::string("「") + c.service + "」（トピック「" + c.topic +
                                            "」）と DDE で接続できませんでした。" + c.service +
                                            " が起動していないか、応答していません。"
                                            "（DDE エラー DMLERR_NO_CONV_ESTABLISHED）");
        const auto unsent = link.execute("line\r");
        ASSERT_TRUE(unsent);
        EXPECT_TRUE(contains(unsent->description, "開かれていません")) << unsent->description;
    }
    EXPECT_TRUE(server.requests().empty());
}

TEST(DdeCadLink, ReportsARefusedRequest) {
    StandInOptions options;
    options.refuseRequest = 2;
    ServerThread server(options);
    ASSERT_FALSE(server.failure()) << *server.failure();
    DdeCadLink link;
    ASSERT_FALSE(link.open(kService, kTopic));
    ASSERT_FALSE(link.execute("erase\rall\r\r"));
    const auto failure = link.execute("-layer\rn\r図面\r\r");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description, "AutoCAD LT.DDE が命令「-layer」を拒否しました。（DDE エラー DMLERR_NOTPROCESSED）");
    EXPECT_EQ(server.requests(), std::vector<std::string>{"erase\rall\r\r"});
}

TEST(DdeCadLink, GivesUpOnARequestNotAcceptedInTime) {
    StandInOptions options;
    options.stallRequest = 1;
    options.stallMilliseconds = 1500;
    ServerThread server(options);
    ASSERT_FALSE(server.failure()) << *server.failure();
    const auto start = std::chrono::steady_clock::now();
    std::optional<LinkError> failure;
    {
        DdeCadLink link(250);
        ASSERT_FALSE(link.open(kService, kTopic));
        failure = link.execute("_move\rall\r\r");
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description,
              "AutoCAD LT.DDE が命令「_move」を 0.25 秒以内に受け付けませんでした（時間切れ）。"
              "ほかの処理の途中か、応答していません。（DDE エラー DMLERR_EXECACKTIMEOUT）");
    // The link gave up, and was done with, before the server answered.
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    EXPECT_EQ(server.requests(), std::vector<std::string>{"_move\rall\r\r"});
}

TEST(DdeCadLink, SendsNothingThatWouldNotArriveAsWritten) {
    ServerThread server;
    ASSERT_FALSE(server.failure()) << *server.failure();
    DdeCadLink link;
    ASSERT_FALSE(link.open(kService, kTopic));
    struct Case {
        std::string text;
        std::string description;
    };
    const Case cases[] = {
        {"_dtext\rm\r0,0\r1\r0\r😀\r\r", "命令「_dtext」の文字「😀」は送れません（コードページ 932 にない文字です）。"},
        {"-layer\rn\r〜\r\r", "命令「-layer」の文字「〜」は送れません（コードページ 932 にない文字です）。"},
        {std::string("line\r0,0\0\r", 10), "命令「line」に NUL 文字が含まれているため送れません。"},
    };
    for (const Case& c : cases) {
        const auto failure = link.execute(c.text);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->description, c.description);
    }
    EXPECT_TRUE(server.requests().empty());
}

}  // namespace
}  // namespace mirota
