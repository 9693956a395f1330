#pragma once
// A player profile as the application base sees it: a folder under
// "{AppPath}/profile/" with the profile record and the world-map progress.
#include <string>

class cPlayerBase {
  public:
    virtual ~cPlayerBase() = default;
    // Reads the profile record; false when it cannot be read (the fields keep
    // their defaults, so a damaged profile still loads as far as it can).
    virtual bool Load() = 0;
    // Writes the profile record; false when the write failed (logged).
    virtual bool Save() = 0;
    virtual bool LoadMap() = 0;
    // False when nothing was written.
    virtual bool SaveMap() = 0;
    // Deletes the profile folder with everything in it.
    virtual bool DeleteFiles() = 0;
    virtual const std::u16string& GetName() const = 0;
    virtual std::u16string GetNameCopy() const = 0;
};
