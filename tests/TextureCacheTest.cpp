// The texture cache and device textures: names and holders, loading from
// files, upload of every image format, and textures surviving a new window.
#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/FileSystem.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/SpriteBatch.h"
#include "engine/Strings.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// --- cache without a device ------------------------------------------------

class TextureCacheTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearTextureCache(); }
    void TearDown() override { ClearTextureCache(); }
};

TEST_F(TextureCacheTest, LookupLeavesAnEmptyEntry) {
    EXPECT_EQ(FindTexture(u"never"), nullptr);
    EXPECT_EQ(TextureCacheSize(), 1u);
    RemoveTexture(u"never");
    EXPECT_EQ(TextureCacheSize(), 0u);
}

TEST_F(TextureCacheTest, AddReplacesTheEntryWhileHoldersKeepTheOldTexture) {
    cTextureRef first = AddTexture(u"t", MakeSolidImage(kImageRGBA32, 4, 4, kWhite));
    cTextureRef second = AddTexture(u"t", MakeSolidImage(kImageRGBA32, 8, 2, kWhite));
    EXPECT_NE(first, second);
    EXPECT_EQ(FindTexture(u"t"), second);
    EXPECT_EQ(first->GetWidth(), 4u);
    EXPECT_EQ(second->GetWidth(), 8u);
    EXPECT_EQ(second->name, u"t");
}

TEST_F(TextureCacheTest, SetTextureImageChangesTheTextureEveryHolderSees) {
    cTextureRef held = AddTexture(u"t", MakeSolidImage(kImageRGBA32, 4, 4, kWhite));
    SetTextureImage(FindTexture(u"t").get(), MakeSolidImage(kImageL8, 16, 8, kWhite));
    EXPECT_EQ(held->GetWidth(), 16u);
    EXPECT_EQ(held->GetHeight(), 8u);
    EXPECT_EQ(held->image->format.id, kImageL8);
}

TEST_F(TextureCacheTest, RemovedTextureStaysValidForItsHolder) {
    cTextureRef held = AddTexture(u"page", MakeSolidImage(kImageRGBA32, 4, 4, kWhite));
    RemoveTexture(u"page");
    EXPECT_EQ(TextureCacheSize(), 0u);
    EXPECT_EQ(held->GetWidth(), 4u);
    EXPECT_EQ(held.use_count(), 1);
}

TEST_F(TextureCacheTest, SizeComesFromTheImageWhileNoDeviceTextureExists) {
    cTexture none(u"none");
    EXPECT_EQ(none.GetWidth(), 0u);
    EXPECT_EQ(none.GetHeight(), 0u);
    cTexture zero(u"zero");
    zero.image = std::make_unique<cImage>();  // an image of no size still counts as 1
    EXPECT_EQ(zero.GetWidth(), 1u);
    EXPECT_EQ(zero.GetHeight(), 1u);
    cTextureRef pending = AddTexture(u"p", MakeSolidImage(kImageRGBA32, 300, 200, kWhite));
    EXPECT_EQ(pending->GetWidth(), 300u);
    EXPECT_FALSE(pending->HasDeviceTexture());
    SetTextureClamped(pending.get());
    EXPECT_EQ(pending->filterKind, kFilterLinearMipLinear);
    SetTextureClamped(nullptr);
}

// --- loading from files -------------------------------------------------------

bool PixelsAreBlack(const cRgbaImage& frame) {
    for (size_t i = 0; i < frame.pixels.size(); i += 4) {
        if (frame.pixels[i] || frame.pixels[i + 1] || frame.pixels[i + 2])
            return false;
    }
    return !frame.pixels.empty();
}

// A JPEG of one flat value: grey with one component, that grey in every
// channel with three.
bool WriteJpeg(const std::string& path, int width, int height, int components, uint8_t value) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * components, value);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
    return true;
}

class TextureFileTest : public TextureCacheTest {
  protected:
    void SetUp() override {
        TextureCacheTest::SetUp();
        m_folder = std::filesystem::temp_directory_path() /
                   ("qor-textures-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
        CreateScript();
    }
    void TearDown() override {
        DestroyScript();
        std::filesystem::remove_all(m_folder);
        TextureCacheTest::TearDown();
    }
    std::string File(const std::string& name) const { return (m_folder / name).string(); }
    cPath Path(const std::string& name) const { return cPath(FromUtf8(File(name))); }
    void WriteImage(const std::string& name, int w, int h, uint8_t alpha = 255) {
        cRgbaImage image{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 4)};
        for (size_t i = 0; i < image.pixels.size(); i += 4) {
            image.pixels[i] = 200;
            image.pixels[i + 1] = 100;
            image.pixels[i + 2] = 50;
            image.pixels[i + 3] = alpha;
        }
        ASSERT_TRUE(WritePng(File(name), image));
    }
    void WriteBytes(const std::string& name, const std::string& bytes) {
        FILE* f = std::fopen(File(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    std::filesystem::path m_folder;
};

TEST_F(TextureFileTest, NameWithoutExtensionTriesPngThenJpgThenPvr) {
    WriteImage("both.png", 8, 4);
    WriteBytes("both.jpg", "not a jpeg at all");
    EXPECT_EQ(LoadTexture(Path("both")), 0);
    ASSERT_NE(FindTexture(u"both"), nullptr);
    EXPECT_EQ(FindTexture(u"both")->GetWidth(), 8u);

    WriteBytes("jpgonly.jpg", "not a jpeg at all");
    EXPECT_NE(LoadTexture(Path("jpgonly")), 0);  // the broken jpg was chosen
    EXPECT_EQ(FindTexture(u"jpgonly"), nullptr);

    WriteBytes("pvronly.pvr", std::string(52, '\0'));  // no "PVR!" tag
    EXPECT_EQ(LoadTexture(Path("pvronly")), 3);

    EXPECT_EQ(LoadTexture(Path("missing")), 2);
    // With an extension the file is taken as named.
    EXPECT_NE(LoadTexture(Path("both.jpg")), 0);
    EXPECT_EQ(LoadTexture(Path("both.png")), 0);
}

struct cAlphaCase {
    int alphaWidth;
    int format;  // of the loaded texture's image
    int alphaByte;
};

TEST_F(TextureFileTest, SameNamedAlphaImageBecomesTheAlphaChannel) {
    const cAlphaCase cases[] = {{16, kImageRGBA32, 90},
                                {8, kImageRGBX32, 255}};  // size mismatch: opaque
    for (const cAlphaCase& c : cases) {
        SCOPED_TRACE(c.alphaWidth);
        ASSERT_TRUE(WriteJpeg(File("tinted.jpg"), 16, 16, 3, 180));
        ASSERT_TRUE(WriteJpeg(File("tinted.alpha"), c.alphaWidth, 16, 1, 90));
        ASSERT_EQ(LoadTexture(Path("tinted")), 0);
        cTextureRef t = FindTexture(u"tinted");
        ASSERT_NE(t, nullptr);
        ASSERT_NE(t->image, nullptr);  // no device: the image waits
        EXPECT_EQ(t->image->format.id, c.format);
        EXPECT_NEAR(t->image->levels[0][3], c.alphaByte, 3);
        EXPECT_NEAR(t->image->levels[0][0], 180, 3);
    }
}

TEST_F(TextureFileTest, AtlasScriptBesideTheImageRunsOnLoadAndReload) {
    WriteImage("atlas.png", 4, 4);
    ASSERT_EQ(WriteTextFile(Path("atlas.lua"), u"atlasRuns = (atlasRuns or 0) + 1\n"), 0);
    ASSERT_EQ(LoadTexture(Path("atlas")), 0);
    EXPECT_EQ(GetNumberGlobal("atlasRuns", 0), 1.0f);

    cTextureRef held = FindTexture(u"atlas");
    WriteImage("atlas.png", 32, 8);
    ASSERT_EQ(ReloadTexture(Path("atlas"), u"atlas"), 0);
    EXPECT_EQ(FindTexture(u"atlas"), held);  // changed in place
    EXPECT_EQ(held->GetWidth(), 32u);
    EXPECT_EQ(GetNumberGlobal("atlasRuns", 0), 2.0f);

    // Reloading a name with no texture yet adds it.
    EXPECT_EQ(FindTexture(u"fresh"), nullptr);
    ASSERT_EQ(ReloadTexture(Path("atlas"), u"fresh"), 0);
    ASSERT_NE(FindTexture(u"fresh"), nullptr);
    EXPECT_EQ(FindTexture(u"fresh")->GetWidth(), 32u);
    EXPECT_EQ(ReloadTexture(Path("gone"), u"atlas"), 2);
    EXPECT_EQ(held->GetWidth(), 32u);
}

// --- device textures -----------------------------------------------------------

class DeviceTextureTest : public GLTest {
  protected:
    DeviceTextureTest() : GLTest(64, 64) {}
    void TearDown() override {
        ClearTextureCache();
        GLTest::TearDown();
    }
    // The texture over the whole window, blended over black.
    cRgbaImage DrawFull(const cTextureRef& texture) {
        EXPECT_TRUE(g_render->Begin());
        g_render->SetClearColor(0, 0, 0, 1);
        g_render->Clear();
        g_render->Begin2D(64, 64, false);
        g_render->SetBlend(kBlendAlpha, 0.0f);
        DrawSprite(m_batch.get(), texture, {0, 0, 1, 1}, {0, 0, 64, 64}, kWhite);
        FlushBatch(m_batch.get());
        m_batch->Clear();
        g_render->SetBlend(kBlendOff, 0.0f);
        g_render->End2D();
        cRgbaImage frame;
        EXPECT_TRUE(CaptureFrame(&frame));
        return frame;
    }

    std::unique_ptr<cSpriteBatch> m_batch = std::make_unique<cSpriteBatch>();
};

TEST_F(DeviceTextureTest, NewTextureGetsItsDeviceTextureAtOnce) {
    cTextureRef t = AddTexture(u"t", MakeSolidImage(kImageRGBA32, 4, 2, kWhite));
    EXPECT_TRUE(t->HasDeviceTexture());
    EXPECT_EQ(t->image, nullptr);  // the device texture is now the only copy
    EXPECT_EQ(t->GetWidth(), 4u);
    EXPECT_EQ(t->GetHeight(), 2u);
    EXPECT_FALSE(OnCreateContext(t.get()));
    EXPECT_EQ(m_gl.CountLog(u"OnCreateContext 't'. Device texture already exist."), 1);
    ASSERT_TRUE(OnDeleteContext(t.get()));
    EXPECT_FALSE(OnDeleteContext(t.get()));
    EXPECT_EQ(m_gl.CountLog(u"OnDeleteContext 't'. Device texture not found."), 1);
}

struct cNpotCase {
    uint32_t w, h;
    int widthWarnings, heightWarnings;
};

TEST_F(DeviceTextureTest, NonPowerOfTwoSizesWarnAndStillDraw) {
    const cNpotCase cases[] = {
        {300, 200, 1, 1}, {256, 200, 0, 1}, {300, 256, 1, 0}, {64, 64, 0, 0}};
    for (const cNpotCase& c : cases) {
        SCOPED_TRACE(c.w * 1000 + c.h);
        const int widthBefore = m_gl.CountLog(u"OnCreateContext 'npot'. NPOT texture width");
        const int heightBefore = m_gl.CountLog(u"OnCreateContext 'npot'. NPOT texture height");
        cTextureRef t =
            AddTexture(u"npot", MakeSolidImage(kImageRGBA32, c.w, c.h, Argb(255, 30, 140, 250)));
        EXPECT_EQ(m_gl.CountLog(u"OnCreateContext 'npot'. NPOT texture width") - widthBefore,
                  c.widthWarnings);
        EXPECT_EQ(m_gl.CountLog(u"OnCreateContext 'npot'. NPOT texture height") - heightBefore,
                  c.heightWarnings);
        ASSERT_TRUE(t->HasDeviceTexture());
        EXPECT_EQ(t->GetWidth(), c.w);
        EXPECT_EQ(t->GetHeight(), c.h);
        const cRgbaImage frame = DrawFull(t);
        const uint8_t* p = frame.AtUp(32, 32);
        EXPECT_EQ(p[0], 30);
        EXPECT_EQ(p[1], 140);
        EXPECT_EQ(p[2], 250);
    }
}

// One 4 × 4 block of a solid colour for each block-compressed format.
std::vector<uint8_t> SolidBlock(int format, uint16_t rgb565) {
    const uint8_t colour[8] = {static_cast<uint8_t>(rgb565),
                               static_cast<uint8_t>(rgb565 >> 8),
                               static_cast<uint8_t>(rgb565),
                               static_cast<uint8_t>(rgb565 >> 8),
                               0,
                               0,
                               0,
                               0};
    std::vector<uint8_t> block;
    if (format == kImageDXT3)
        block.assign(8, 0xFF);  // explicit alpha, all opaque
    if (format == kImageDXT5)
        block = {255, 255, 0, 0, 0, 0, 0, 0};
    block.insert(block.end(), colour, colour + 8);
    return block;
}

struct cFormatCase {
    int format;
    uint32_t argb;  // what the image is filled with
    int r, g, b;    // what shows over black with alpha blending
};

TEST_F(DeviceTextureTest, EveryDeviceFormatUploadsDrawsAndReadsBackExactly) {
    const cFormatCase cases[] = {
        {kImageL8, Argb(0, 100, 0, 0), 100, 100, 100},         // luminance spread to grey
        {kImageL8A8, Argb(128, 200, 0, 0), 100, 100, 100},     // second byte is alpha
        {kImageRGB16, Argb(255, 255, 0, 255), 255, 0, 255},    // 5:6:5 with red on top
        {kImageRGB24, Argb(255, 10, 20, 30), 10, 20, 30},      // blue, green, red bytes
        {kImageRGBX32, Argb(0, 10, 20, 30), 10, 20, 30},       // its alpha byte is ignored
        {kImageRGBA32, Argb(128, 200, 100, 50), 100, 50, 25},  // real alpha
    };
    for (const cFormatCase& c : cases) {
        SCOPED_TRACE(c.format);
        const cImage original = MakeImage(c.format, 4, 4, [&](uint32_t x, uint32_t y) {
            return (x == 3 && y == 3) ? (c.argb ^ 0x00010101u) : c.argb;  // one odd pixel
        });
        cTextureRef t = AddTexture(u"fmt", original);
        ASSERT_TRUE(t->HasDeviceTexture());
        const cRgbaImage frame = DrawFull(t);
        const uint8_t* p = frame.AtUp(16, 40);
        EXPECT_NEAR(p[0], c.r, 1);
        EXPECT_NEAR(p[1], c.g, 1);
        EXPECT_NEAR(p[2], c.b, 1);
        ASSERT_TRUE(OnDeleteContext(t.get()));
        ASSERT_NE(t->image, nullptr);
        EXPECT_EQ(t->image->format.id, c.format);
        EXPECT_EQ(t->image->levels, original.levels);
    }
}

TEST_F(DeviceTextureTest, BlockCompressedFormatsNeedTheDriverAndPvrtcNeverUploads) {
    for (int format : {kImageDXT1, kImageDXT3, kImageDXT5}) {
        SCOPED_TRACE(format);
        cImage image;
        image.Create(format, 4, 4);
        image.levels[0] = SolidBlock(format, 0xF800);  // pure red
        cTextureRef t = AddTexture(u"dxt", image);
        EXPECT_EQ(t->HasDeviceTexture(), g_render->HasS3tc());
        if (!g_render->HasS3tc())
            continue;
        const cRgbaImage frame = DrawFull(t);
        EXPECT_EQ(frame.AtUp(32, 32)[0], 255);
        EXPECT_EQ(frame.AtUp(32, 32)[1], 0);
        ASSERT_TRUE(OnDeleteContext(t.get()));
        EXPECT_EQ(t->image->levels, image.levels);
    }
    for (int format : {kImagePVRTC2, kImagePVRTC2A, kImagePVRTC4, kImagePVRTC4A, kImageRGBA16}) {
        SCOPED_TRACE(format);
        cImage image;
        image.Create(format, 8, 8);
        const int before = m_gl.CountLog(u"OnCreateContext 'other'. Can't create texture");
        cTextureRef t = AddTexture(u"other", image);
        EXPECT_FALSE(t->HasDeviceTexture());
        EXPECT_EQ(m_gl.CountLog(u"OnCreateContext 'other'. Can't create texture"), before + 1);
        EXPECT_EQ(t->GetWidth(), 0u);  // the image went with the failed creation
        EXPECT_TRUE(PixelsAreBlack(DrawFull(t)));
    }
}

TEST_F(DeviceTextureTest, MipChainAndTruncatedLevels) {
    cImage image = MakeSolidImage(kImageRGBA32, 4, 4, Argb(255, 1, 2, 3));
    image.levels.push_back(std::vector<uint8_t>(2 * 2 * 4, 7));
    image.levels.push_back(std::vector<uint8_t>(1 * 1 * 4, 9));
    image.levelCount = 3;
    cTextureRef t = AddTexture(u"mips", image);
    ASSERT_TRUE(t->HasDeviceTexture());
    EXPECT_EQ(t->device->levelCount, 3);
    ASSERT_TRUE(OnDeleteContext(t.get()));
    EXPECT_EQ(t->image->levels, image.levels);

    // A chain cut short (hostile file): only the complete levels are used.
    image.levels[1].resize(5);
    cTextureRef cut = AddTexture(u"cut", image);
    ASSERT_TRUE(cut->HasDeviceTexture());
    EXPECT_EQ(cut->device->levelCount, 1);
    // A level 0 shorter than its size: no device texture, nothing read past it.
    image.levels[0].resize(10);
    EXPECT_FALSE(AddTexture(u"short", image)->HasDeviceTexture());
}

// The options screen switches full screen and windowed by destroying the
// window and creating a new one: every texture must still draw afterwards.
TEST_F(DeviceTextureTest, TexturesSurviveTwoSuccessiveWindows) {
    cTextureRef pattern =
        AddTexture(u"pattern", MakeImage(kImageRGBA32, 8, 8, [](uint32_t x, uint32_t y) {
                       return Argb(255, x * 30, y * 30, (x + y) % 2 ? 255 : 0);
                   }));
    pattern->filterKind = kFilterPoint;
    cTextureRef edge = AddTexture(u"edge", MakeImage(kImageL8, 4, 4, [](uint32_t x, uint32_t) {
                                      return Argb(255, x * 80, 0, 0);
                                  }));
    SetTextureClamped(edge.get());
    cTextureRef page =
        AddTexture(u"page", MakeSolidImage(kImageRGB24, 4, 4, Argb(255, 250, 120, 0)));
    RemoveTexture(u"page");  // still held, as the comics screen holds its page

    auto draw = [&] {
        EXPECT_TRUE(g_render->Begin());
        g_render->SetClearColor(0, 0, 0, 1);
        g_render->Clear();
        g_render->Begin2D(64, 64, false);
        DrawSprite(m_batch.get(), pattern, {0, 0, 1, 1}, {0, 32, 32, 32}, kWhite);
        DrawSprite(m_batch.get(), edge, {-0.5f, 0, 2, 1}, {32, 32, 32, 32}, kWhite);
        DrawSprite(m_batch.get(), page, {0, 0, 1, 1}, {0, 0, 32, 32}, kWhite);
        FlushBatch(m_batch.get());
        m_batch->Clear();
        g_render->End2D();
        g_render->End();
        cRgbaImage frame;
        EXPECT_TRUE(CaptureFrame(&frame));
        return frame;
    };
    const cRgbaImage before = draw();
    ASSERT_TRUE(PixelNear(before, 16, 16, 250, 120, 0));

    // First switch: exactly what the platform layer does.
    ReleaseDeviceTextures();
    EXPECT_NE(pattern->image, nullptr);
    m_gl.CloseWindow();
    EXPECT_FALSE(pattern->HasDeviceTexture());
    EXPECT_EQ(pattern->GetWidth(), 8u);
    // A texture added while no window exists waits for the next device.
    cTextureRef late =
        AddTexture(u"late", MakeSolidImage(kImageRGBA32, 2, 2, Argb(255, 0, 255, 0)));
    std::string why;
    ASSERT_TRUE(m_gl.OpenWindow(64, 64, &why)) << why;
    RecreateDeviceTextures();
    for (const cTextureRef& t : {pattern, edge, page, late}) {
        EXPECT_TRUE(t->HasDeviceTexture()) << ToUtf8(t->name);
        EXPECT_EQ(t->image, nullptr);
    }
    EXPECT_EQ(edge->device->addressMode, kAddressClamp);
    EXPECT_EQ(edge->filterKind, kFilterLinearMipLinear);
    const cRgbaImage second = draw();
    EXPECT_EQ(second.pixels, before.pixels);

    // Second switch: the renderer's own release and creation suffice.
    m_gl.CloseWindow();
    ASSERT_TRUE(m_gl.OpenWindow(64, 64, &why)) << why;
    const cRgbaImage third = draw();
    EXPECT_EQ(third.pixels, before.pixels);
    EXPECT_TRUE(late->HasDeviceTexture());
    EXPECT_EQ(m_gl.CountLog(u"GL error"), 0);
}

}  // namespace
}  // namespace qor::test
