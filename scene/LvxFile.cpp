#include "scene/LvxFile.h"

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "scene/BaseWidget.h"

void ReadLvxFile(qor::cBitStream& stream, cBaseWidget& scene, std::u16string_view sender) {
    scene.Clear();
    stream.Rewind();
    const uint32_t version = stream.ReadU32();
    const uint32_t nextId = stream.ReadU32();
    scene.nextObjectId = nextId;
    while (!stream.AtEnd()) {
        if (!ReadObjectRecord(stream, scene, version, sender))
            break;
    }
    SettleNextId(scene, nextId);
}

bool LoadLvxFile(const qor::cPath& path, cBaseWidget& scene, std::u16string_view sender) {
    scene.Clear();
    qor::cBitStream stream;
    if (qor::ReadDataFile(path, &stream) != 0)
        return false;
    ReadLvxFile(stream, scene, sender);
    return true;
}

void WriteLvxFile(const cBaseWidget& scene, qor::cBitStream& stream) {
    stream.Clear();
    stream.WriteU32(kSceneFileVersion);
    stream.WriteU32(scene.nextObjectId);
    WriteObjectRecords(scene, stream);
}
