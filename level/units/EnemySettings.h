#pragma once
// How hard the island's enemies press: the enemy bases' spawning intervals,
// how many roam at once and how fast bandits walk. Each level starts from the
// defaults and its row changes some of them; story events raise the pressure
// while it runs.
#include <cstdint>
#include <optional>

struct cEnemySettings {
    float goblinInterval = 0.0f;  // seconds between two gold goblins of a base; 0 stops them
    float spiritInterval = 0.0f;  // the same for the spirits of a spirit base
    int32_t enemyLimit = 10;      // most roaming enemies at once
    float banditSpeed = 45.0f;    // walking speed of bandits, units per second
};

// The settings a level changes from the defaults; the others stay as they are.
struct cEnemyChanges {
    std::optional<float> goblinInterval{};
    std::optional<float> spiritInterval{};
    std::optional<int32_t> enemyLimit{};

    void ApplyTo(cEnemySettings& settings) const {
        if (goblinInterval)
            settings.goblinInterval = *goblinInterval;
        if (spiritInterval)
            settings.spiritInterval = *spiritInterval;
        if (enemyLimit)
            settings.enemyLimit = *enemyLimit;
    }
};
