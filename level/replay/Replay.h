#pragma once
// A replay: what a player did in one level, step by step, so that the level
// can be played again exactly as it went. A level is a function of its file,
// the game's random seed when it was loaded, and the input it got at each
// step; a replay keeps those three and nothing else.
//
// The stored form is a small text, one statement per line, so that a
// solution can be written by hand and a recording read in a bug report:
//
//     brindlemoor-replay 1          format and version
//     level "001" 8c3f0a2b91d4e7f6  the level's name and its file's digest
//     seed 2417                     the game's random seed before loading
//     hints 1                       whether the level's tutorial ran (hints
//                                   wanted and the level not won before)
//     0 key 32                      records, by step (see below)
//     40 click home_tree            a left click on the object of that name
//     41 press 2 512 384            button 2 (right) down at a screen point
//     41 point 500.5 380            the pointer moves there
//     95 clock 0.016 0.017          the level's frame clock, when not 1/30 s
//     end 5400                      the number of steps played
//
// Step N is what happens after the level's N-th fixed tick and before the
// next one: first the frame clock (one 1/30 s update unless clock lines say
// otherwise; before the first tick there is none), then the records of N in
// their order. Lines starting with '#' and blank lines are skipped. Names
// are written with %XX escapes for bytes outside '!'..'~' and for '%' and
// '"'; a level's name stands in quotes and may be empty, and only its first
// kReplayMaxName bytes are kept.
//
// Do not change the meaning of a statement: replays and solutions are kept
// in files. A new kind of record takes a new word, a changed meaning a new
// version number.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SpriteBatch.h"

inline constexpr int32_t kReplayVersion = 1;
inline constexpr char kReplayMagic[] = "brindlemoor-replay";

// What a reader accepts at most; beyond it a file is refused as hostile.
inline constexpr size_t kReplayMaxBytes = 64u << 20;
inline constexpr size_t kReplayMaxRecords = 2000000;
inline constexpr int32_t kReplayMaxTicks = 30 * 60 * 60 * 4;  // four hours of play
inline constexpr size_t kReplayMaxName = 64;                  // bytes, unescaped
inline constexpr size_t kReplayMaxClockValues = 16;           // frames in one step
inline constexpr float kReplayMaxFrameSeconds = 1.0f;
inline constexpr float kReplayMaxCoordinate = 100000.0f;

enum class eReplayAction : uint8_t {
    kKey,    // a key went down: value is its virtual-key number
    kPress,  // a button went down with the pointer at `at`: value 0 left, 1 middle, 2 right
    kClick,  // a button went down over the object named `name` (written by hand)
    kPoint,  // the pointer is at `at` from now on
    kClock,  // frame updates of the level clock, `seconds` each
};

struct cReplayRecord {
    int32_t tick = 0;
    eReplayAction action = eReplayAction::kKey;
    int32_t value = 0;
    qor::cVec2 at;
    std::string name;  // UTF-8
    std::vector<float> seconds;
};

struct cReplay {
    std::string levelName;  // UTF-8, as stored in the level file (its first bytes)
    uint64_t levelDigest = 0;
    uint32_t seed = 0;
    bool hints = true;
    std::vector<cReplayRecord> records;  // ticks never go backwards
    int32_t endTick = 0;
};

// The digest that ties a replay to one level file: FNV-1a over its bytes.
uint64_t DigestLevelBytes(std::span<const uint8_t> bytes);

// The stored form of a replay, in UTF-8.
std::string ReplayToText(const cReplay& replay);

// Reads the stored form. A file may be UTF-8 (with or without a byte-order
// mark) or UTF-16LE with its byte-order mark, as the game's text files are.
// False, with a message naming the line and what is wrong, for anything
// truncated, malformed or beyond the limits above; `out` is then unspecified.
bool ParseReplay(std::span<const uint8_t> bytes, cReplay* out, std::string* error);

// Escaping of names for the stored form, and back (false for a bad escape).
std::string EscapeReplayName(std::string_view name);
bool UnescapeReplayName(std::string_view text, std::string* out);
