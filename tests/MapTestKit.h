#pragma once
// What the world-map tests share: a map whose pointer and button the test
// moves, a hint window that notes what it was asked to show, a small map of
// five levels compiled from source, and map progress records as bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "world/MapWidget.h"
#include "world/Point.h"

namespace map_test {

class cTestMap : public cMapWidget {
  public:
    using cMapWidget::cMapWidget;
    qor::cVec2 ReadPointer() const override { return pointer; }
    bool IsPrimaryButtonDown() const override { return buttonDown; }

    qor::cVec2 pointer{-5000.0f, -5000.0f};  // far from everything
    bool buttonDown = false;
};

class cHintSpy : public cMapHintWindow {
  public:
    struct cShown {
        std::u16string text;
        const cObject* object;
        bool anchored;
        qor::cVec2 offset;
    };
    void ShowHint(const std::u16string& text, const cObject* object, bool anchored,
                  qor::cVec2 offset) override {
        shown.push_back({text, object, anchored, offset});
    }
    void HideHint() override { ++hidden; }

    std::vector<cShown> shown;
    int hidden = 0;
};

// Five levels along y 400 at x 100, 300, 500, 1500 and 1900, each point's id
// its level's number, and a decor between the first two.
inline constexpr float kPointX[] = {100.0f, 300.0f, 500.0f, 1500.0f, 1900.0f};
inline constexpr float kPointY = 400.0f;
std::string FiveLevelSource();
// The source compiled into a map file; fails the test when it does not compile.
std::vector<uint8_t> CompileMap(const std::string& source);

// One run-state record of a point, as the profile's "map.dat" holds it.
std::vector<uint8_t> Record(uint32_t id, int32_t medal, uint8_t current);
std::vector<uint8_t> Progress(uint32_t version, const std::vector<std::vector<uint8_t>>& records);

// Medals and chosen flags of every point, in level order.
std::vector<int> Medals(const cMapWidget& map);
std::vector<int> Chosen(const cMapWidget& map);

}  // namespace map_test
