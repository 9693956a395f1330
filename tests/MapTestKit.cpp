#include "tests/MapTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/SceneTestKit.h"

namespace map_test {

std::string FiveLevelSource() {
    return "map\n"
           "point 1 at 100 400 id 1\n"
           "point 2 at 300 400 id 2\n"
           "point 3 at 500 400 id 3\n"
           "point 4 at 1500 400 id 4\n"
           "point 5 at 1900 400 id 5\n"
           "decor \"map_tree\" at 200 400 id 101\n";
}

std::vector<uint8_t> CompileMap(const std::string& source) {
    std::vector<std::string> messages;
    std::vector<uint8_t> bytes = scene_test::Compile(source, &messages);
    EXPECT_FALSE(bytes.empty()) << (messages.empty() ? "" : messages[0]);
    return bytes;
}

namespace {
void Append32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}
}  // namespace

std::vector<uint8_t> Record(uint32_t id, int32_t medal, uint8_t current) {
    std::vector<uint8_t> out;
    Append32(out, cPoint::kType);
    Append32(out, id);
    Append32(out, static_cast<uint32_t>(medal));
    out.push_back(current);
    return out;
}

std::vector<uint8_t> Progress(uint32_t version, const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> out;
    Append32(out, version);
    for (const auto& record : records)
        out.insert(out.end(), record.begin(), record.end());
    return out;
}

namespace {
std::vector<cPoint*> ByLevel(const cMapWidget& map) {
    std::vector<cPoint*> points = map.Points();
    std::stable_sort(points.begin(), points.end(),
                     [](const cPoint* a, const cPoint* b) { return a->level < b->level; });
    return points;
}
}  // namespace

std::vector<int> Medals(const cMapWidget& map) {
    std::vector<int> out;
    for (const cPoint* point : ByLevel(map))
        out.push_back(point->medal);
    return out;
}

std::vector<int> Chosen(const cMapWidget& map) {
    std::vector<int> out;
    for (const cPoint* point : ByLevel(map))
        out.push_back(point->current);
    return out;
}

}  // namespace map_test
