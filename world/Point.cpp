#include "world/Point.h"

#include "engine/BitStream.h"

bool cPoint::Load(qor::cBitStream& stream, uint32_t version) {
    if (!cObject::Load(stream, version))
        return false;
    level = stream.ReadI32();
    return true;
}

void cPoint::Save(qor::cBitStream& stream) const {
    cObject::Save(stream);
    stream.WriteI32(level);
}

bool cPoint::LoadState(qor::cBitStream& stream, uint32_t /*version*/) {
    medal = stream.ReadI32();
    current = stream.ReadBool() ? 1 : 0;
    return true;
}

bool cPoint::SaveState(qor::cBitStream& stream) const {
    stream.WriteI32(medal);
    stream.WriteBool(current != 0);
    return true;
}
