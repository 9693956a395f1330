#pragma once
// "{AppPath}/profile/counter.dat": how many profiles were ever made (the next
// new profile folder is "plr" and that number in three digits) and the name
// of the profile that was current last. Layout, little-endian, do not change:
// a signed 32-bit counter, a 16-bit name length in UTF-16 units, the name.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Path.h"

struct cProfileCounter {
    int32_t counter = 0;
    std::u16string lastName;
};

qor::cPath ProfileCounterPath();
// False when the file is missing or unreadable (`out` is left as it was). A
// negative counter reads as 0: folder names never take a minus sign.
bool ReadProfileCounter(cProfileCounter* out);
// False (logged with the reason) when the write failed.
bool WriteProfileCounter(const cProfileCounter& counter);
// Profile folders are "plr" and exactly three digits, so there are this many
// at most; anything else in the profile folder (a backup "plr000.bak", a copy,
// the counter) is no profile.
inline constexpr int32_t kProfileFolderCount = 1000;
bool IsProfileFolderName(std::u16string_view name);
// "plr000" to "plr999"; a counter outside that range has no folder name and
// gives an empty one.
std::u16string ProfileFolderName(int32_t counter);
