#pragma once
// The world map and the menu backdrop files (".lvx"): a version, the id
// counter, and object records up to the end of the data. No grid, no links.
#include <cstdint>
#include <string_view>

#include "scene/SceneRecords.h"

namespace qor {
class cBitStream;
struct cPath;
}  // namespace qor

class cBaseWidget;

inline constexpr char16_t kMapLoadSender[] = u"cMapWidget::LoadLevel";
inline constexpr char16_t kRoomLoadSender[] = u"cAchieveWidget::LoadLevel";

// Clears the scene and reads the objects of an .lvx stream into it; a bad
// record ends the list with a warning from `sender`, keeping what was read.
void ReadLvxFile(qor::cBitStream& stream, cBaseWidget& scene, std::u16string_view sender);
// Clears the scene and reads the file; false without logging when the file is
// missing or empty (the scene then stays empty).
bool LoadLvxFile(const qor::cPath& path, cBaseWidget& scene, std::u16string_view sender);
void WriteLvxFile(const cBaseWidget& scene, qor::cBitStream& stream);
