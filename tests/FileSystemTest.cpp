#include "engine/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>

#include "app/Game.h"
#include "engine/BitStream.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "tests/TestUtil.h"
#include "tests/TestZip.h"

namespace qor {
namespace {

using test::cTempFolder;

class PathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = GetSystemPaths();
        SetSystemPaths(
            {u"/opt/game", u"data", u"/home/p/.local/share/Vantrel/Brindlemoor", u"/home/p"});
    }
    void TearDown() override { SetSystemPaths(saved); }
    cSystemPaths saved;
};

TEST_F(PathTest, ParsesTokensFoldersArchivesAndExtensions) {
    struct Case {
        std::u16string text, full, drive, archive, folder, name, ext;
    };
    const std::vector<Case> cases = {
        {u"{StaticPath}/gui/pack.zip/win/main.lua", u"data/gui/pack.zip/win/main.lua", u"",
         u"data\\gui\\pack.zip", u"win", u"main", u"lua"},
        {u"{AppPath}/conf/settings.lua",
         u"/home/p/.local/share/Vantrel/Brindlemoor/conf/settings.lua", u"/", u"",
         u"home\\p\\.local\\share\\Vantrel\\Brindlemoor\\conf", u"settings", u"lua"},
        // Only the first token is expanded.
        {u"{ExePath}/{UserPath}", u"/opt/game/{UserPath}", u"/", u"", u"opt\\game", u"{UserPath}",
         u""},
        // The last ".zip" that ends a folder names the archive.
        {u"a.zip/b.zip/c/d.txt", u"a.zip/b.zip/c/d.txt", u"", u"a.zip\\b.zip", u"c", u"d", u"txt"},
        {u"data\\x.zip\\y.png", u"data/x.zip/y.png", u"", u"data\\x.zip", u"", u"y", u"png"},
        {u"C:/games/x.dat", u"C:/games/x.dat", u"C", u"", u"games", u"x", u"dat"},
        {u"noext", u"noext", u"", u"", u"", u"noext", u""},
        {u"", u"", u"", u"", u"", u"", u""},
    };
    for (const Case& c : cases) {
        const cPath p(c.text);
        SCOPED_TRACE(ToUtf8(c.text));
        EXPECT_EQ(p.full, c.full);
        EXPECT_EQ(p.drive, c.drive);
        EXPECT_EQ(p.archive, c.archive);
        EXPECT_EQ(p.folder, c.folder);
        EXPECT_EQ(p.name, c.name);
        EXPECT_EQ(p.ext, c.ext);
    }
    EXPECT_EQ(cPath(u"{StaticPath}/gui/pack.zip/win/main.lua").MemberName(), u"win/main.lua");
    EXPECT_EQ(cPath(u"{StaticPath}/gui/pack.zip/win/main.lua").ArchiveFile(), u"data/gui/pack.zip");
}

std::string ReadString(const std::filesystem::path& file) {
    const std::vector<uint8_t> bytes = test::ReadBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

void MakeZip(const std::string& file, const std::vector<test::cZipMember>& members) {
    ASSERT_TRUE(test::WriteTestZip(file, members));
}

TEST(FileSystem, ReadsZipMembersWithoutRegardToCaseAndNeverWritesThem) {
    cTempFolder dir;
    const std::string zipFile = (dir.path() / "pack.zip").string();
    MakeZip(zipFile, {{"Win/Main.LUA", "hello"}, {"top.txt", "x"}});
    const std::vector<uint8_t> before = test::ReadBytes(zipFile);

    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadWholeFile(cPath(dir.u16("pack.zip/win/main.lua")), &bytes), 0);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "hello");
    EXPECT_EQ(ReadWholeFile(cPath(dir.u16("pack.zip/top.txt")), &bytes), 0);
    EXPECT_TRUE(Exists(cPath(dir.u16("pack.zip/WIN/main.lua"))));
    EXPECT_FALSE(Exists(cPath(dir.u16("pack.zip/win/other.lua"))));

    cFileHolder file;
    EXPECT_EQ(OpenFile(file, cPath(dir.u16("pack.zip/win/other.lua")), u"rb"), 1);
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(OpenFile(file, cPath(dir.u16("missing.zip/a.txt")), u"rb"), 2);
    EXPECT_EQ(file, nullptr);

    // Archives are read-only: the write is refused and the archive stays as it was.
    EXPECT_EQ(OpenFile(file, cPath(dir.u16("pack.zip/win/main.lua")), u"wb"), 3);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->mode, cFile::kNone);
    char c;
    EXPECT_EQ(ReadFile(file.get(), 1, &c, 1), 0u);
    EXPECT_EQ(OpenFile(file, cPath(dir.u16("x.txt")), u"rb"), 5);  // holder still busy
    CloseFile(file);
    EXPECT_EQ(file, nullptr);
    cBitStream stream;
    stream.WriteU32(1);
    EXPECT_EQ(WriteDataFile(stream, cPath(dir.u16("pack.zip/win/main.lua"))), 0);
    EXPECT_EQ(test::ReadBytes(zipFile), before);
}

// Names of 1024 bytes and more must neither be read past their end nor spoil
// the lookup of the members after them.
TEST(FileSystem, LongZipMemberNamesAreComparedByTheirFullLength) {
    cTempFolder dir;
    const std::string longName = "deep/" + std::string(1100, 'n') + ".txt";
    std::string nearMiss = longName;
    nearMiss[1090] = 'm';  // differs only after the first 1024 bytes
    MakeZip((dir.path() / "pack.zip").string(),
            {{longName, "long"}, {nearMiss.substr(0, 1030), "cut"}, {"a.txt", "short"}});

    struct Case {
        std::string member;
        int code;
        std::string content;
    };
    const std::vector<Case> cases = {
        {longName, 0, "long"},
        {"a.txt", 0, "short"},
        {"A.TXT", 0, "short"},
        {nearMiss, 1, ""},
        {longName.substr(0, 1024), 1, ""},
        {"b.txt", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member.substr(0, 40) + "... " + std::to_string(c.member.size()));
        const cPath path(dir.u16("pack.zip/" + c.member));
        std::vector<uint8_t> bytes;
        cFileHolder file;
        EXPECT_EQ(OpenFile(file, path, u"rb"), c.code);
        EXPECT_EQ(Exists(path), c.code == 0);
        if (c.code == 0) {
            EXPECT_EQ(ReadWholeFile(path, &bytes), 0);
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.content);
        }
    }
}

TEST(FileSystem, CorruptOrTruncatedZipFailsCleanly) {
    cTempFolder dir;
    const std::string zipFile = (dir.path() / "pack.zip").string();
    MakeZip(zipFile, {{"a.txt", std::string(5000, 'a')}});
    std::vector<uint8_t> bytes = test::ReadBytes(zipFile);
    test::WriteBytes(dir.path() / "cut.zip",
                     std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    test::WriteBytes(dir.path() / "junk.zip", std::string(300, 'J'));
    std::vector<uint8_t> out;
    EXPECT_NE(ReadWholeFile(cPath(dir.u16("cut.zip/a.txt")), &out), 0);
    EXPECT_NE(ReadWholeFile(cPath(dir.u16("junk.zip/a.txt")), &out), 0);
}

TEST(FileSystem, TextFilesNeedTheByteOrderMark) {
    cTempFolder dir;
    test::WriteUtf16File(dir.path() / "ok.lua", std::u16string(u"x = '\u00e9'\0ignored", 15));
    test::WriteBytes(dir.path() / "utf8.lua", "x = 1");
    test::WriteBytes(dir.path() / "empty.lua", "");
    test::WriteBytes(dir.path() / "odd.lua", std::string("\xFF\xFE"
                                                         "a\0b",
                                                         5));

    std::u16string text;
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("ok.lua")), &text), 0);
    EXPECT_EQ(text, u"x = '\u00e9'");
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("utf8.lua")), &text), 3);
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("empty.lua")), &text), 3);
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("missing.lua")), &text), 2);
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("ok.lua")), nullptr), 4);
    EXPECT_EQ(ReadTextFile(cPath(dir.u16("odd.lua")), &text), 0);
    EXPECT_EQ(text, u"a");  // a trailing half character is ignored

    EXPECT_EQ(WriteTextFile(cPath(dir.u16("out.lua")), u"y = 2"), 0);
    EXPECT_EQ(test::ReadBytes(dir.path() / "out.lua"),
              (std::vector<uint8_t>{0xFF, 0xFE, 'y', 0, ' ', 0, '=', 0, ' ', 0, '2', 0}));
}

TEST(FileSystem, DataFilesRoundTripThroughBitStreams) {
    cTempFolder dir;
    cBitStream out;
    out.WriteU32(42);
    out.WriteString(u"plr001");
    EXPECT_EQ(WriteDataFile(out, cPath(dir.u16("p/player.dat"))), 2);  // folder missing
    EXPECT_EQ(WriteDataFile(out, cPath(dir.u16("player.dat"))), 0);
    cBitStream in;
    EXPECT_EQ(ReadDataFile(cPath(dir.u16("player.dat")), &in), 0);
    EXPECT_EQ(in.ReadU32(), 42u);
    EXPECT_EQ(in.ReadString(), u"plr001");
    test::WriteBytes(dir.path() / "empty.dat", "");
    EXPECT_EQ(ReadDataFile(cPath(dir.u16("empty.dat")), &in), 3);
    EXPECT_EQ(ReadDataFile(cPath(dir.u16("none.dat")), &in), 2);
    EXPECT_EQ(ReadDataFile(cPath(dir.u16("player.dat")), nullptr), 4);
}

// A file-size limit makes the system refuse the write part way, for root too:
// the player's old file must survive and the caller must hear of it.
TEST(FileSystem, WriteRefusedByTheSystemKeepsTheOldFile) {
    cTempFolder dir;
    test::WriteBytes(dir.path() / "player.dat", "old progress");
    test::WriteBytes(dir.path() / "settings.lua", "old settings");
    const std::u16string data = dir.u16("player.dat"), text = dir.u16("settings.lua");
    const auto limitedWrite = [](auto write) {
        ::signal(SIGXFSZ, SIG_IGN);  // a refused write then fails with EFBIG
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::_Exit(write());
    };
    EXPECT_EXIT(limitedWrite([&] {
                    cBitStream big;
                    for (int i = 0; i < 4000; ++i)
                        big.WriteU32(i);
                    return WriteDataFile(big, cPath(data));
                }),
                ::testing::ExitedWithCode(2), "");
    EXPECT_EXIT(
        limitedWrite([&] { return WriteTextFile(cPath(text), std::u16string(5000, u'x')); }),
        ::testing::ExitedWithCode(2), "");
    EXPECT_EQ(ReadString(dir.path() / "player.dat"), "old progress");
    EXPECT_EQ(ReadString(dir.path() / "settings.lua"), "old settings");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
              2);  // no leftovers
}

// Whichever step of a replacement fails, the old file survives whole, no
// half-written file is left beside it, and the next write works again.
TEST(FileSystem, EveryFailedWriteStepKeepsTheOldFile) {
    test::UseTestSystemPaths();
    cGame game;  // for the log
    cTempFolder dir;
    const cPath target(dir.u16("map.dat"));
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto openBefore = openFiles();
    for (eWriteStep step : {eWriteStep::kCreate, eWriteStep::kWrite, eWriteStep::kSync,
                            eWriteStep::kClose, eWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(step));
        test::WriteBytes(dir.path() / "map.dat", "old map");
        int calls = 0;
        SetWriteFaultHook([&](eWriteStep s) {
            ++calls;
            return s == step;
        });
        EXPECT_EQ(WriteTextFile(target, std::u16string(300, u'n')), 2);
        cBitStream stream;
        stream.WriteU32(7);
        EXPECT_EQ(WriteDataFile(stream, target), 2);
        SetWriteFaultHook({});
        EXPECT_GE(calls, 2);
        EXPECT_EQ(ReadString(dir.path() / "map.dat"), "old map");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
    EXPECT_EQ(openFiles(), openBefore);  // no descriptor left behind by a failure
    EXPECT_NE(test::ReadLog().find(u"map.dat not written: write failed"), std::u16string::npos);
    EXPECT_EQ(WriteTextFile(target, u"new"), 0);
    EXPECT_EQ(ReadString(dir.path() / "map.dat"), std::string("\xFF\xFEn\0e\0w\0", 8));
}

TEST(FileSystem, FoldersAreCreatedEnumeratedInByteOrderAndRemoved) {
    cTempFolder dir;
    EXPECT_TRUE(CreateFolder(dir.u16("app/conf/")));  // chain created in one call
    EXPECT_FALSE(CreateFolder(dir.u16("app/conf")));  // exists already
    EXPECT_TRUE(IsFolder(cPath(dir.u16("app/conf"))));
    EXPECT_FALSE(CreateFolder(u""));

    for (const char* name : {"b.lvl", "B.lvl", "a.lvl", "_x.lvl"}) {
        test::WriteBytes(dir.path() / "app" / name, "1");
    }
    std::filesystem::create_directories(dir.path() / "app/conf/deep/er");
    test::WriteBytes(dir.path() / "app/conf/deep/er/f.txt", "1");
    // A link inside the tree must be removed, not followed.
    cTempFolder outside;
    test::WriteBytes(outside.path() / "keep.txt", "1");
    std::filesystem::create_directory_symlink(outside.path(), dir.path() / "app/conf/link");

    cFileFinder finder;
    std::vector<std::u16string> names;
    for (cPath p = FindFirst(finder, cPath(dir.u16("app"))); !p.empty(); p = FindNext(finder)) {
        names.push_back(p.name + (p.ext.empty() ? u"" : u"." + p.ext));
    }
    EXPECT_EQ(names,
              (std::vector<std::u16string>{u"B.lvl", u"_x.lvl", u"a.lvl", u"b.lvl", u"conf"}));

    EXPECT_TRUE(RemoveFolder(cPath(dir.u16("app"))));
    EXPECT_FALSE(Exists(cPath(dir.u16("app"))));
    EXPECT_TRUE(std::filesystem::exists(outside.path() / "keep.txt"));
}

}  // namespace
}  // namespace qor
