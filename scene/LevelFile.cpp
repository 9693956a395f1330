#include "scene/LevelFile.h"

#include "engine/BitStream.h"
#include "scene/BaseWidget.h"
#include "scene/Node.h"

namespace {

using scene_type::kNode;
using scene_type::kNodeObj;
using scene_type::kNodeTrajectory;

bool IsNode(const cObject* object) {
    return object->IsKind(kNode | kNodeObj | kNodeTrajectory);
}

// A link joins a node of the right class that no owner holds yet to an owner
// that is not a node itself. Anything else in a file would let two owners
// share a place or nodes own each other in a ring.
template <class TNode>
TNode* LinkableNode(cObject* owner, cObject* node, uint32_t nodeType) {
    if (!owner || !node || owner == node || IsNode(owner) || node->GetTypeId() != nodeType)
        return nullptr;
    auto* typed = static_cast<TNode*>(node);
    return typed->owner ? nullptr : typed;
}

void ReadCells(qor::cBitStream& stream, cLevelFile& level) {
    const uint32_t columns = stream.ReadU32();
    const uint32_t rows = stream.ReadU32();
    const uint64_t total = static_cast<uint64_t>(columns) * rows;
    for (uint64_t k = 0; k < total; ++k) {
        if (stream.AtEnd()) {
            // Every value from here on reads as zero: give those cells of the
            // grid kind 0 at once instead of counting through the rest.
            for (int i = 0; i < kGridColumns; ++i) {
                for (int j = 0; j < kGridRows; ++j) {
                    const uint64_t index = static_cast<uint64_t>(i) * rows + j;
                    if (static_cast<uint32_t>(i) < columns && static_cast<uint32_t>(j) < rows &&
                        index >= k)
                        level.Cell({i, j}) = 0;
                }
            }
            return;
        }
        const int32_t kind = stream.ReadI32();
        const uint64_t i = k / rows;
        const uint64_t j = k % rows;
        if (i < kGridColumns && j < kGridRows)
            level.Cell({static_cast<int>(i), static_cast<int>(j)}) = kind;
    }
}

// Work-place or approach links: per owner its id, a count and the node ids.
template <class TNode>
void ReadLinks(qor::cBitStream& stream, cBaseWidget& scene, uint32_t nodeType,
               void (cObject::*add)(TNode*)) {
    const uint32_t owners = stream.ReadU32();
    for (uint32_t o = 0; o < owners && !stream.AtEnd(); ++o) {
        cObject* owner = scene.FindObject(stream.ReadU32());
        const uint32_t count = stream.ReadU32();
        for (uint32_t n = 0; n < count && !stream.AtEnd(); ++n) {
            cObject* node = scene.FindObject(stream.ReadU32());
            if (TNode* linkable = LinkableNode<TNode>(owner, node, nodeType))
                (owner->*add)(linkable);
        }
    }
}

template <class TNode>
void WriteLinks(const cBaseWidget& scene, qor::cBitStream& stream,
                const std::vector<TNode*> cObject::*list) {
    uint32_t owners = 0;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer))
            owners += ((*object).*list).empty() ? 0 : 1;
    }
    stream.WriteU32(owners);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer)) {
            const std::vector<TNode*>& nodes = (*object).*list;
            if (nodes.empty())
                continue;
            stream.WriteU32(object->id);
            stream.WriteU32(static_cast<uint32_t>(nodes.size()));
            for (const TNode* node : nodes)
                stream.WriteU32(node->id);
        }
    }
}

}  // namespace

cLevelFile::cLevelFile() {
    cells.fill(kTerrainGrass);
}

void ReadLevelFile(qor::cBitStream& stream, cBaseWidget& scene, cLevelFile& level) {
    scene.Clear();
    level = cLevelFile{};
    stream.Rewind();
    level.version = stream.ReadU32();
    level.name = stream.ReadString();
    const uint32_t nextId = stream.ReadU32();
    scene.nextObjectId = nextId;
    ReadCells(stream, level);

    const uint32_t count = stream.ReadU32();
    for (uint32_t n = 0; n < count; ++n) {
        if (!ReadObjectRecord(stream, scene, level.version, kLevelLoadSender))
            break;
    }
    SettleNextId(scene, nextId);

    ReadLinks<cNode>(stream, scene, kNode, &cObject::AddWorkPlace);
    ReadLinks<cNodeObj>(stream, scene, kNodeObj, &cObject::AddApproachNode);

    const uint32_t waypoints = stream.ReadU32();
    for (uint32_t n = 0; n < waypoints && !stream.AtEnd(); ++n) {
        cObject* node = scene.FindObject(stream.ReadU32());
        if (node && node->GetTypeId() == kNodeTrajectory)
            level.trajectory.push_back(node);
    }

    if (level.version > 3) {
        const uint32_t floods = stream.ReadU32();
        for (uint32_t n = 0; n < floods && !stream.AtEnd(); ++n) {
            const auto i = static_cast<int32_t>(stream.ReadU32());
            const auto j = static_cast<int32_t>(stream.ReadU32());
            level.floodCells.push_back({i, j});
        }
    }

    for (cCell rim : IslandRim())
        level.Cell(rim) = kTerrainBlocked;
}

void WriteLevelFile(const cBaseWidget& scene, const cLevelFile& level, qor::cBitStream& stream) {
    stream.Clear();
    stream.WriteU32(kSceneFileVersion);
    stream.WriteString(level.name);
    stream.WriteU32(scene.nextObjectId);
    stream.WriteU32(kGridColumns);
    stream.WriteU32(kGridRows);
    for (int32_t kind : level.cells)
        stream.WriteI32(kind);
    stream.WriteU32(static_cast<uint32_t>(scene.ObjectCount()));
    WriteObjectRecords(scene, stream);
    WriteLinks<cNode>(scene, stream, &cObject::workPlaces);
    WriteLinks<cNodeObj>(scene, stream, &cObject::approachNodes);
    stream.WriteU32(static_cast<uint32_t>(level.trajectory.size()));
    for (const cObject* node : level.trajectory)
        stream.WriteU32(node->id);
    stream.WriteU32(static_cast<uint32_t>(level.floodCells.size()));
    for (cCell cell : level.floodCells) {
        stream.WriteU32(static_cast<uint32_t>(cell.i));
        stream.WriteU32(static_cast<uint32_t>(cell.j));
    }
}
