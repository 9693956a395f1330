#include "engine/Log.h"

#include <gtest/gtest.h>

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        start = test::ReadLog().size();
    }
    // What the log gained since the test began.
    std::u16string Written() const { return test::ReadLog().substr(start); }

    std::unique_ptr<cGame> game;
    size_t start = 0;
};

TEST_F(LogTest, FileStartsWithTheExactDocumentHead) {
    game.reset();
    game = std::make_unique<cGame>();
    const std::vector<uint8_t> bytes =
        test::ReadBytes(ToUtf8(GetSystemPaths().appPath) + "/_log.html");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const std::u16string head =
        u"<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN' "
        u"'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'> \n"
        u"<html xmlns='http://www.w3.org/1999/xhtml'> \n"
        u"<head> \n"
        u"  <title>qor15 log file</title> \n"
        u"  <meta http-equiv='Content-Type' content='text/html; charset=utf-16le' /> \n"
        u"  <style type='text/css'> \n"
        u"    <!-- \n"
        u"    body { font-size:10pt; font-family:monospace; background-color: darkgray } \n"
        u"    .error { color:darkred } \n"
        u"    .warning { color:saddlebrown } \n"
        u"    .sender { font-weight:bolder; color:white } \n"
        u"    .text {} \n"
        u"    .time { color:darkgreen } \n"
        u"    --> \n"
        u"  </style> \n"
        u"</head> \n"
        u"<body><p> \n";
    const std::u16string text = test::ReadLog();
    EXPECT_EQ(text.substr(0, head.size()), head);
    // The system paths follow, as plain text lines.
    EXPECT_NE(text.find(u"&nbsp;&nbsp;{AppPath} = " + GetSystemPaths().appPath + u"<br />"),
              std::u16string::npos);
    game.reset();
    EXPECT_TRUE(test::ReadLog().ends_with(u"</p></body>\n</html>\n"));
}

TEST_F(LogTest, EntriesGetLevelClassesAndEscaping) {
    struct Case {
        std::u16string code, message, written;
    };
    const std::vector<Case> cases = {
        {u"^5", u"two  spaces", u"<span class='sender'>S: </span><span class='warning'>two&nbsp;&nbsp;spaces</span><br />\n"},
        {u"^4", u"one space", u"<span class='sender'>S: </span><span class='error'>one space</span><br />\n"},
        {u"^9", u" lead <a href=\"x\">&'", u"<span class='sender'>S: </span><span class='text'>&nbsp;lead &lt;a href=&quot;x&quot;&gt;&amp;&#39;</span><br />\n"},
        {u"^6", u"^4red^6 plain", u"<span class='sender'>S: </span><span class='text'><span style='color:red'>red</span> plain</span><br />\n"},
        {u"^6", u"ends^", u"<span class='sender'>S: </span><span class='text'>ends</span><br />\n"},
        {u"^6", u"a\nb", u"<span class='sender'>S: </span><span class='text'>a<br />\nb</span><br />\n"},
    };
    for (const Case& c : cases) {
        const size_t before = test::ReadLog().size();
        LogEntry(c.code, u"S", c.message);
        EXPECT_EQ(test::ReadLog().substr(before), c.written) << ToUtf8(c.message);
    }
}

TEST_F(LogTest, AColourSpanStaysOpenAcrossEntriesUntilALineFeed) {
    LogEntry(kLogText, u"S", u"^2green");
    LogEntry(kLogText, u"S", u"still\nnew");
    const std::u16string w = Written();
    EXPECT_NE(w.find(u"<span style='color:green'>green</span><br />\n"), std::u16string::npos);
    EXPECT_NE(w.find(u"still</span><br />\nnew"), std::u16string::npos);
}

TEST_F(LogTest, EntriesReachTheConsoleWithSenderAndLevelColours) {
    LogEntry(kLogWarning, u"File", u"File %s not found on disk", u"data/x.png");
    ASSERT_FALSE(g_log->console()->lines().empty());
    EXPECT_EQ(g_log->console()->lines().back(), u"^7File^6: ^5File data/x.png not found on disk");
    LogText(u"only %s", std::vector<cFormatValue>{u"file"});
    EXPECT_NE(g_log->console()->lines().back(), u"only file");
    EXPECT_NE(Written().find(u"only file"), std::u16string::npos);
}

TEST_F(LogTest, NothingIsWrittenWithoutAGame) {
    game.reset();
    const std::u16string closed = test::ReadLog();
    LogEntry(kLogError, u"S", u"after");
    EXPECT_EQ(test::ReadLog(), closed);
}

TEST(Console, ContinuesUnfinishedLinesAndCountsBreaks) {
    cConsole console(1024, 768, 384);
    console.Print(u"first ");
    console.Print(u"half\nsecond\r\nthird\n");
    console.Print(u"%s", std::vector<cFormatValue>{u"tail"});
    EXPECT_EQ(console.lines(), (std::vector<std::u16string>{u"first half", u"second", u"third", u"tail"}));
    EXPECT_EQ(console.scroll(), 4);
}

}  // namespace
}  // namespace qor
