#pragma once
// The object list that every scene file holds: records of a type id followed
// by the object's own record, read into a scene through its factory.
#include <cstdint>
#include <string_view>

namespace qor {
class cBitStream;
}

class cBaseWidget;

// The version every scene file is written with. Version 1 files lack object
// names, version 2 files lack flags, version 3 files lack flood cells.
inline constexpr uint32_t kSceneFileVersion = 4;

// Reads one record into a new object of the scene. On a failure it logs a
// warning from `sender` ("Invalid object type: %i" for a type the factory
// does not know, "Can't load object. ..." for a record the object refuses),
// leaves no half-read object behind and returns false.
bool ReadObjectRecord(qor::cBitStream& stream, cBaseWidget& scene, uint32_t version,
                      std::u16string_view sender);
// Writes every object, layers 0 to 9 in list order, as type id and record.
void WriteObjectRecords(const cBaseWidget& scene, qor::cBitStream& stream);
// After reading, the id counter must stay above every id read: loading hands
// out an id to each new object before its record replaces it, which would
// otherwise drift the counter by the number of objects.
void SettleNextId(cBaseWidget& scene, uint32_t fileNextId);
