// The level background generator (tools/bm_backgen) run as the build runs it,
// on a small island compiled here: the picture must show each cell's ground
// where the cell lies on the screen.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/Image.h"
#include "scene/LevelGrid.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace {

namespace fs = std::filesystem;

int RunBackgen(const std::string& arguments) {
    const std::string command = "tools/bm_backgen " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const fs::path& path) {
    return "'" + path.string() + "'";
}

// A scene source whose grid is all blocked but for the cells `ground` gives.
std::string Source(const std::string& back, char (*ground)(int i, int j)) {
    std::string text = "level \"950\"\ngrid\n";
    for (int j = kGridRows - 1; j >= 0; --j) {
        for (int i = 0; i < kGridColumns; ++i)
            text += ground(i, j);
        text += '\n';
    }
    text += "end\n";
    if (!back.empty())
        text += "back " + back + "\n";
    return text;
}

// A small island (columns 10 to 21, rows 7 to 16) with a road along row 9, a
// patch of rough ground, a pond of four cells, a lone rock, a bay cut in
// from the sea, and a brook one cell wide running in from the north coast.
char SmallIsland(int i, int j) {
    if (i < 10 || i > 21 || j < 7 || j > 16)
        return '~';
    if ((i == 17 || i == 18) && (j == 13 || j == 14))
        return '~';  // the pond
    if (i == 14 && j == 11)
        return '~';  // the rock
    if (i == 21 && j == 11)
        return '~';  // the bay
    if (i == 20 && j >= 12)
        return '~';  // the brook
    if (j == 9)
        return '=';
    if ((i == 11 || i == 12) && (j == 13 || j == 14))
        return ':';
    return '.';
}

struct cRgb {
    double r = 0, g = 0, b = 0;
};

class LevelBackground : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists("tools/bm_backgen"))
            << "build bm_backgen, run from the build folder";
    }
    void Write(const std::string& name, const std::string& source) {
        std::vector<std::string> messages;
        const std::vector<uint8_t> bytes = scene_test::Compile(source, &messages);
        ASSERT_FALSE(bytes.empty()) << (messages.empty() ? "" : messages[0]);
        qor::test::WriteBytes(m_temp.path() / name, bytes);
    }
    bool Load(const std::string& name, qor::cImage* image) {
        const std::vector<uint8_t> bytes = qor::test::ReadBytes(m_temp.path() / name);
        return !bytes.empty() && qor::DecodeJpeg(image, bytes.data(), bytes.size(), u"test") == 0;
    }
    // The mean colour round the middle of a cell, as the game lays the two
    // halves on the screen (the upper 512 rows, then the lower 256).
    cRgb AtCell(cCell cell) const {
        const qor::cVec2 p = CellCentre(cell);
        return Around(static_cast<int>(p.x), 768 - static_cast<int>(p.y));
    }
    cRgb Around(int x, int y) const {
        cRgb sum;
        int n = 0;
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const int py = y + dy;
                const qor::cImage& half = py < 512 ? top : bottom;
                const int row = py < 512 ? py : py - 512;
                const int bpp = qor::ImageBytesPerPixel(half.format.id);
                const uint8_t* p =
                    &half.levels[0][(static_cast<size_t>(row) * half.width + x + dx) * bpp];
                sum.r += p[0];
                sum.g += p[1];
                sum.b += p[2];
                ++n;
            }
        }
        return {sum.r / n, sum.g / n, sum.b / n};
    }

    qor::test::cTempFolder m_temp;
    qor::cImage top, bottom;
};

bool Water(const cRgb& c) {
    return c.b > c.r + 40 && c.b > 150;
}
bool Grass(const cRgb& c) {
    return c.g > c.r + 15 && c.g > c.b + 60;
}
bool Road(const cRgb& c) {
    return c.r > 200 && c.g > 180 && c.r > c.b + 40;
}
bool Stone(const cRgb& c) {
    return std::abs(c.r - c.g) < 25 && std::abs(c.g - c.b) < 25 && c.r < 200;
}

TEST_F(LevelBackground, EachCellShowsItsGroundWhereItLies) {
    Write("small.lvl", Source("small", SmallIsland));
    ASSERT_EQ(RunBackgen(Quote(m_temp.path() / "small.lvl") + " " + Quote(m_temp.path())), 0);
    ASSERT_TRUE(Load("small_t.jpg", &top));
    ASSERT_TRUE(Load("small_b.jpg", &bottom));
    EXPECT_EQ(top.width, 1024u);
    EXPECT_EQ(top.height, 512u);
    EXPECT_EQ(bottom.width, 1024u);
    EXPECT_EQ(bottom.height, 256u);

    const cRgb grass = AtCell({15, 14});
    EXPECT_TRUE(Grass(grass));
    for (int i : {11, 15, 20})
        EXPECT_TRUE(Road(AtCell({i, 9}))) << "road at column " << i;
    const cRgb rough = AtCell({12, 14});
    EXPECT_TRUE(rough.g > rough.b + 30) << "rough ground is still ground";
    EXPECT_LT(rough.r + rough.g + rough.b, grass.r + grass.g + grass.b - 40) << "and darker";
    EXPECT_TRUE(Water(AtCell({17, 13}))) << "the pond";
    EXPECT_TRUE(Stone(AtCell({14, 11}))) << "the rock";
    const cRgb bay = AtCell({21, 11});
    EXPECT_FALSE(Grass(bay)) << "the coast bends round the bay: a sandy cove";
    EXPECT_GT(bay.r, 200) << "sand, not grass or a pond's shade";
    for (int j : {13, 15})
        EXPECT_TRUE(Water(AtCell({20, j}))) << "the brook is water, not a sandy path, at row " << j;
    EXPECT_TRUE(Water(AtCell({4, 12}))) << "the sea round the island";
    EXPECT_TRUE(Water(AtCell({16, 20})));
}

TEST_F(LevelBackground, NamesComeFromTheLevelOrTheCallerAndBadInputFailsCleanly) {
    Write("plain.lvl", Source("", SmallIsland));
    EXPECT_EQ(RunBackgen(Quote(m_temp.path() / "plain.lvl") + " " + Quote(m_temp.path())), 0);
    auto pictures = [&] {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(m_temp.path()))
            count += entry.path().extension() == ".jpg" ? 1 : 0;
        return count;
    };
    EXPECT_EQ(pictures(), 0) << "no background object: nothing drawn";
    EXPECT_EQ(RunBackgen(Quote(m_temp.path() / "plain.lvl") + " " + Quote(m_temp.path()) +
                         " --name test_level"),
              0);
    EXPECT_TRUE(fs::exists(m_temp.path() / "test_level_t.jpg"));
    EXPECT_TRUE(fs::exists(m_temp.path() / "test_level_b.jpg"));
    EXPECT_EQ(pictures(), 2);

    EXPECT_EQ(RunBackgen(Quote(m_temp.path() / "none.lvl") + " " + Quote(m_temp.path())), 1);
    qor::test::WriteBytes(m_temp.path() / "noise.lvl", std::string(3000, '\xA7'));
    EXPECT_EQ(RunBackgen(Quote(m_temp.path() / "noise.lvl") + " " + Quote(m_temp.path()) +
                         " --name noise"),
              0)
        << "a level of noise still reads, as the game reads it";
    EXPECT_TRUE(fs::exists(m_temp.path() / "noise_t.jpg"));
    EXPECT_EQ(RunBackgen(Quote(m_temp.path() / "plain.lvl") + " " + Quote(m_temp.path()) +
                         " --name ../escape"),
              1);
    EXPECT_EQ(RunBackgen("only-one-argument"), 2);
}

}  // namespace
