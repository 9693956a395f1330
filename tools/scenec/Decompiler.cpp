#include "tools/scenec/Decompiler.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "scene/BaseWidget.h"
#include "scene/KindTable.h"
#include "scene/LevelFile.h"
#include "scene/LvxFile.h"
#include "scene/Node.h"
#include "scene/ObjectFactory.h"
#include "tools/scenec/SceneCheck.h"
#include "tools/scenec/SceneCompiler.h"
#include "tools/scenec/SourceParser.h"
#include "world/GameObjects.h"
#include "world/Point.h"

namespace scenec {
namespace {

using namespace scene_type;

std::string Number(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Quoted(const std::u16string& text) {
    std::string out = "\"";
    for (char c : qor::ToUtf8(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return out + "\"";
}

class cDecompiler {
  public:
    cDecompiler(const cBaseWidget& scene, const cLevelFile* level)
        : m_scene(scene), m_level(level) {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            for (const auto& object : scene.Layer(layer)) {
                m_objects.push_back(object.get());
                if (!object->name.empty())
                    ++m_nameCount[object->name];
            }
        }
    }

    std::string Run() {
        if (m_level) {
            m_out += "level " + Quoted(m_level->name) + "\n\n";
            Grid();
        } else {
            bool map = false;
            for (const cObject* object : m_objects)
                map = map || object->GetTypeId() == kPoint;
            m_out += map ? "map\n\n" : "room\n\n";
            m_statementsFrom = Lines();
        }
        uint32_t previous = 0;
        uint32_t highest = 0;
        for (const cObject* object : m_objects) {
            Object(*object, previous);
            previous = object->id;
            highest = std::max(highest, object->id);
        }
        if (m_level)
            Route();
        if (m_objects.empty() ? m_scene.nextObjectId != 1 : m_scene.nextObjectId != highest + 1)
            m_out += "next-id " + std::to_string(m_scene.nextObjectId) + "\n";
        return m_out;
    }

    // What could not be said, one sentence each; also a comment in the text.
    const std::vector<std::string>& Dropped() const { return m_dropped; }
    // Lines before this one (1-based) are the header and the ground.
    int StatementsFrom() const { return m_statementsFrom; }

  private:
    int Lines() const { return 1 + static_cast<int>(std::count(m_out.begin(), m_out.end(), '\n')); }

    void Drop(const std::string& what) {
        m_dropped.push_back(what);
        m_out += "# left out: " + what + "\n";
    }

    void Grid() {
        m_out += "grid\n";
        std::string odd;
        for (int j = kGridRows - 1; j >= 0; --j) {
            m_out += (j < 10 ? " " : "") + std::to_string(j) + " ";
            for (int i = 0; i < kGridColumns; ++i) {
                const int32_t kind = m_level->Cell({i, j});
                const char c = TerrainChar(kind);
                m_out += c ? c : '~';
                if (!c) {
                    odd += "terrain " + std::to_string(i) + " " + std::to_string(j) + " " +
                           std::to_string(kind) + "\n";
                }
            }
            m_out += "\n";
        }
        m_out += "end\n" + odd;
        m_statementsFrom = Lines();
        std::string flood;
        std::set<std::pair<int, int>> flooded;
        for (cCell c : m_level->floodCells) {
            const std::string cell = std::to_string(c.i) + " " + std::to_string(c.j);
            if (!c.IsValid() || !IsIslandCell(c))
                Drop("a flooded cell off the island, " + cell);
            else if (!flooded.insert({c.i, c.j}).second)
                Drop("the cell " + cell + ", flooded twice");
            else
                flood += " " + cell;
        }
        if (!flood.empty())
            m_out += "flood" + flood + "\n";
        m_out += "\n";
    }

    // How a statement names another object: its name when that is unique and
    // plain, else its id.
    std::string Reference(const cObject& object) const {
        const std::string name = qor::ToUtf8(object.name);
        const auto it = m_nameCount.find(object.name);
        const bool plain =
            !name.empty() && name.find_first_of(" \t#\"\\@") == std::string::npos && name != "none";
        if (plain && it != m_nameCount.end() && it->second == 1)
            return name;
        return "@" + std::to_string(object.id);
    }

    std::string Position(const cObject& object, const cKindInfo* info) const {
        if (m_level && info) {
            const cCellRect cells = FootprintCells({object.x, object.y}, info->width, info->height);
            const cCell first{cells.firstI, cells.firstJ};
            const qor::cVec2 back = FootprintPosition(first, info->width, info->height);
            if (first.IsValid() && back.x == object.x && back.y == object.y)
                return "cell " + std::to_string(first.i) + " " + std::to_string(first.j);
        }
        return "at " + Number(object.x) + " " + Number(object.y);
    }

    void Object(const cObject& object, uint32_t previous) {
        const uint32_t type = object.GetTypeId();
        const cKindInfo* info = FindKind(type, object.kind);
        std::string statement;
        if (type == kNode || type == kNodeObj) {
            const cObject* owner = static_cast<const cNode&>(object).owner;
            if (!owner) {
                Drop("a work place or approach point that belongs to nothing, id " +
                     std::to_string(object.id));
                return;
            }
            statement = std::string(type == kNode ? "place " : "approach ") + Reference(*owner);
        } else if (type == kNodeTrajectory) {
            statement = "waypoint";
        } else if (type == kObjectHint && info && info->kind) {
            statement = "hint";
        } else if (type == kDecor || type == kBack) {
            statement = std::string(type == kDecor ? "decor " : "back ") + Quoted(object.kind);
        } else if (type == kPoint) {
            statement = "point " + std::to_string(static_cast<const cPoint&>(object).level + 1LL);
        } else if (info && info->kind) {
            statement = qor::ToUtf8(object.kind);
        } else {
            Drop("an object of type " + std::to_string(type) + " and kind " + Quoted(object.kind) +
                 " that no scene source can name, id " + std::to_string(object.id));
            return;
        }
        statement += " " + Position(object, info);
        if (!object.name.empty())
            statement += " name " + Quoted(object.name);
        const int defaultLayer = info ? info->layer : DefaultLayer(type);
        if (object.GetLayer() != defaultLayer)
            statement += " layer " + std::to_string(object.GetLayer());
        if (object.flags & kFlagReady)
            statement += " ready";
        if (object.flags & kFlagMeteor)
            statement += " meteor";
        // A point's id is what a player's progress names it by: always written.
        if (object.id != previous + 1 || type == kPoint)
            statement += " id " + std::to_string(object.id);
        m_out += statement + "\n";
        if (object.flags & ~(kFlagReady | kFlagMeteor))
            Drop("the flags " + std::to_string(object.flags & ~(kFlagReady | kFlagMeteor)) +
                 " of the object above, which no scene source can give");
    }

    // Waypoints in file order need no route; any other order is written out.
    void Route() {
        std::vector<const cObject*> waypoints;
        for (const cObject* object : m_objects) {
            if (object->GetTypeId() == kNodeTrajectory)
                waypoints.push_back(object);
        }
        if (std::equal(waypoints.begin(), waypoints.end(), m_level->trajectory.begin(),
                       m_level->trajectory.end()))
            return;
        std::string route = "route";
        for (const cObject* node : m_level->trajectory)
            route += " " + Reference(*node);
        m_out += (m_level->trajectory.empty() ? "route none" : route) + "\n";
    }

    const cBaseWidget& m_scene;
    const cLevelFile* m_level;
    std::vector<const cObject*> m_objects;
    std::map<std::u16string, int> m_nameCount;
    std::string m_out;
    std::vector<std::string> m_dropped;
    int m_statementsFrom = 1;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Leaves out every statement the compiler refuses (what a damaged file holds
// may overlap, stand off the island or name what is gone), until the text
// compiles; each one is told. False when a refusal is not about a statement.
bool LeaveOutRefused(cDecompiled& out, int statementsFrom) {
    std::vector<std::string> lines = SplitLines(out.text);
    // Each round leaves out at least one line, so this ends.
    for (size_t round = 0; round <= lines.size(); ++round) {
        cSceneSource source;
        cErrors errors;
        ParseScene(JoinLines(lines), source, errors);
        cCheckedScene checked;
        CheckScene(source, checked, errors);
        if (errors.empty()) {
            out.text = JoinLines(lines);
            return true;
        }
        std::set<int> refused;
        for (const cSourceError& e : errors) {
            if (e.line < statementsFrom || e.line > static_cast<int>(lines.size())) {
                out.dropped.push_back("the description cannot be made to compile: line " +
                                      std::to_string(e.line) + ": " + e.message);
                return false;
            }
            if (refused.insert(e.line).second) {
                std::string& line = lines[e.line - 1];
                out.dropped.push_back("'" + line + "' (" + e.message + ")");
                line = "# left out: " + line + "  # " + e.message;
            }
        }
    }
    return false;
}

}  // namespace

cDecompiled DecompileScene(const std::vector<uint8_t>& bytes, bool level) {
    cObjectFactory factory;
    RegisterGameObjects(factory);
    cBaseWidget scene(u"scenec", &factory);
    qor::cBitStream stream;
    stream.Load(bytes.data(), bytes.size());
    const uint32_t version = stream.ReadU32();
    std::string header = "# Decompiled scene";
    if (version != kSceneFileVersion)
        header += " (a version " + std::to_string(version) + " file)";
    header += "\n";
    cLevelFile file;
    if (level)
        ReadLevelFile(stream, scene, file);
    else
        ReadLvxFile(stream, scene, u"scenec");
    cDecompiler decompiler(scene, level ? &file : nullptr);
    cDecompiled out;
    out.text = header + decompiler.Run();
    out.dropped = decompiler.Dropped();
    // The header comment is one more line before the statements.
    out.ok = LeaveOutRefused(out, decompiler.StatementsFrom() + 1);
    if (!out.ok)
        return out;
    // What the readers passed over (a record cut short or of no known class,
    // a link to nothing) shows as a difference in the bytes.
    std::vector<std::string> messages;
    cCompiled again;
    if (version == kSceneFileVersion && CompileScene(out.text, "", again, messages) &&
        again.bytes != bytes && out.dropped.empty()) {
        out.dropped.push_back(
            "part of the file could not be read (it is cut short or damaged); the description "
            "holds what was read");
    }
    return out;
}

}  // namespace scenec
