#pragma once
// Golden-image comparison for rendering tests. The frame is read back from the
// renderer and compared with tests/golden/NAME.png: each channel may differ by
// `tolerance`, and at most `maxBadFraction` of the pixels may exceed it.
// On a mismatch NAME.actual.png and NAME.diff.png are written into
// golden-failures/ in the build folder. With QOR_UPDATE_GOLDEN=1 the golden
// file is (re)written from the frame instead.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qor::test {

struct cRgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // RGBA, top row first

    const uint8_t* At(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * width + x) * 4];
    }
    // y counted upward from the bottom row, as the virtual screen counts it.
    const uint8_t* AtUp(int x, int yUp) const { return At(x, height - 1 - yUp); }
};

bool WritePng(const std::string& path, const cRgbaImage& image);
bool ReadPng(const std::string& path, cRgbaImage* image);

// The current back buffer (g_render->ReadPixels).
bool CaptureFrame(cRgbaImage* image);

// A pixel (y counted upward) within ±tolerance of (r, g, b).
::testing::AssertionResult PixelNear(const cRgbaImage& frame, int x, int yUp, int r, int g, int b,
                                     int tolerance = 2);

struct cGoldenOptions {
    int tolerance = 6;
    double maxBadFraction = 0.002;
};

::testing::AssertionResult MatchesGolden(const std::string& name,
                                         const cGoldenOptions& options = {});

}  // namespace qor::test
