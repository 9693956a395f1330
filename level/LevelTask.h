#pragma once
// One goal of a level: so many buildings of a kind, so many workers, so much
// of a resource, or one special deed. The story sets a level's goals when it
// starts and the task panel counts them.
#include <cstdint>
#include <string>

struct cLevelTask {
    std::u16string objectKey;  // what is counted: "house00", "worker", "food" ...
    int32_t kind = 0;          // 0 build, 1 population, 2 resource, 3 special
    int32_t current = 0;       // never above target
    int32_t target = 0;
    std::u16string text;  // the goal as the player reads it
    uint8_t retired = 0;  // a reached goal that has left the panel

    bool IsReached() const { return current == target; }
};
