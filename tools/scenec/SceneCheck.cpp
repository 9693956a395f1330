#include "tools/scenec/SceneCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "engine/Strings.h"
#include "scene/KindTable.h"
#include "scene/Object.h"
#include "scene/TypeIds.h"
#include "tools/scenec/ArtList.h"
#include "tools/scenec/SourceParser.h"

namespace scenec {
namespace {

using namespace scene_type;

// The highest id a source may give. The game hands out ids upwards from the
// file's next id, one for every object it makes while playing; far below the
// 32-bit limit they can never wrap round to 0 and take the ids of the file's
// own objects.
constexpr uint32_t kHighestId = 0x7FFFFFFF;

std::string Quote(const std::u16string& text) {
    return "'" + qor::ToUtf8(text) + "'";
}

std::string CellText(cCell c) {
    return "(" + std::to_string(c.i) + ", " + std::to_string(c.j) + ")";
}

std::string FromLine(int line) {
    return " from line " + std::to_string(line);
}

bool IsNodeType(uint32_t type) {
    return type == kNode || type == kNodeObj || type == kNodeTrajectory;
}

bool HasFootprint(const cKindInfo& info) {
    return info.placement == ePlacement::kBlocker || info.placement == ePlacement::kOnWater;
}

// An object on its way to the file: a statement, or a work place or approach
// point derived from one.
struct cPending {
    cSourceObject source;
    const cKindInfo* info = nullptr;
    qor::cVec2 position;
    int derivedFrom = -1;  // the owner's index for derived nodes
};

class cChecker {
  public:
    cChecker(const cSceneSource& source, cCheckedScene& out, cErrors& errors, const cArtList* art)
        : m_source(source), m_out(out), m_errors(errors), m_art(art) {
        m_occupant.fill(-1);
    }

    void Run() {
        m_out.kind = m_source.kind;
        m_out.levelName = m_source.levelName;
        m_level = m_source.kind == eSceneKind::kLevel;
        if (m_source.kind == eSceneKind::kNone) {
            if (m_errors.empty())
                Error(1, "the file must begin with 'level NAME', 'map' or 'room'");
            return;
        }
        Ground();
        for (const cSourceObject& object : m_source.objects)
            Accept(object);
        // Where the ground could not be read, standing and covering are not
        // checked: every answer would be a guess.
        if (m_level && !m_source.gridBroken) {
            for (size_t k = 0; k < m_pending.size(); ++k)
                Occupy(static_cast<int>(k));
            // Work places and approach points may stand inside their owner:
            // they are checked once their owners are known.
            for (size_t k = 0; k < m_pending.size(); ++k) {
                const uint32_t type = m_pending[k].source.type;
                if (type != kNode && type != kNodeObj)
                    Stand(static_cast<int>(k), -1);
            }
            const size_t statements = m_pending.size();
            for (size_t k = 0; k < statements; ++k)
                Derive(static_cast<int>(k));
        }
        Order();
        Link();
        Route();
        if (m_level)
            Flood();
    }

  private:
    void Error(int line, const std::string& message) { m_errors.push_back({line, message}); }

    void Ground() {
        if (!m_level) {
            if (m_source.gridLine)
                Error(m_source.gridLine, "only a level has a grid");
            for (const cTerrainCell& t : m_source.terrain)
                Error(t.line, "only a level has a grid");
            for (const cFloodCell& f : m_source.flood)
                Error(f.line, "only a level floods");
            if (m_source.routeLine)
                Error(m_source.routeLine, "only a level has an enemies' route");
            return;
        }
        if (!m_source.gridLine) {
            Error(1, "a level needs its grid: draw the ground between 'grid' and 'end'");
            return;
        }
        m_out.cells = m_source.cells;
        for (const cTerrainCell& t : m_source.terrain)
            m_out.cells[t.cell.i * kGridRows + t.cell.j] = t.kind;
        if (m_source.gridBroken)
            return;
        int open = 0;
        cCell first;
        for (cCell rim : IslandRim()) {
            if (m_out.cells[rim.i * kGridRows + rim.j] != kTerrainBlocked && open++ == 0)
                first = rim;
        }
        if (open > 0) {
            Error(m_source.gridLine, "cell " + CellText(first) +
                                         (open > 1 ? " and " + std::to_string(open - 1) +
                                                         (open > 2 ? " more cells" : " more cell")
                                                   : "") +
                                         " of the island's rim " + (open > 1 ? "are" : "is") +
                                         " drawn open; the rim is always blocked: draw it as '~'");
        }
    }

    void Accept(const cSourceObject& object) {
        const int line = object.line;
        const cKindInfo* info = FindKind(object.type, object.kind);
        const std::string what = Quote(object.kind);
        if (object.broken) {
            // Its syntax error is told; it keeps its name and id so that
            // references to it and the ids after it stay as they will be.
            if (!object.name.empty())
                m_names.emplace(object.name, line);
            m_pending.push_back({object, info, object.where.at, -1});
            return;
        }
        if (!info) {
            Error(line, "unknown kind " + what);
            return;
        }
        if (!m_level) {
            if (object.where.byCell)
                Error(line, "a map or room has no grid: place objects with 'at X Y'");
            if (IsNodeType(object.type) || object.derivedPlaces || object.deriveApproach)
                Error(line, "work places, approach points and waypoints belong to levels");
        }
        if (m_art && (object.type == kDecor || object.type == kBack)) {
            const std::string name = qor::ToUtf8(object.kind);
            const std::string missing =
                object.type == kDecor ? m_art->CheckDecor(name) : m_art->CheckBack(name);
            if (!missing.empty())
                Error(line, missing);
        }
        if (object.type == kPoint && m_source.kind != eSceneKind::kMap)
            Error(line, "level points belong on the world map");
        if ((object.flags & kFlagReady) && !(object.type & (kBuildings | kBridge)))
            Error(line, "'ready' applies to bridges and buildings, not to " + what);
        if ((object.flags & kFlagMeteor) && object.type != kBarrier)
            Error(line, "'meteor' applies to logs and stones, not to " + what);
        if (object.layer && info->layerFixed && *object.layer != info->layer)
            Error(line, what + " always stands on layer " + std::to_string(info->layer));
        if ((object.derivedPlaces || object.deriveApproach) && !HasFootprint(*info))
            Error(line, what + " has no footprint to put work places or an approach point around");
        if (!object.name.empty()) {
            const auto [it, fresh] = m_names.emplace(object.name, line);
            if (!fresh)
                Error(line, "the name " + Quote(object.name) + " is already used on line " +
                                std::to_string(it->second));
        }
        if (object.type == kPoint) {
            const auto [it, fresh] = m_points.emplace(object.pointLevel, line);
            if (!fresh)
                Error(line, "level " + std::to_string(object.pointLevel + 1) +
                                " already has a point on line " + std::to_string(it->second));
        }
        cPending pending{object, info, object.where.at, -1};
        if (object.where.byCell)
            pending.position = FootprintPosition(object.where.cell, info->width, info->height);
        m_pending.push_back(std::move(pending));
    }

    int32_t Terrain(cCell c) const { return m_out.cells[c.i * kGridRows + c.j]; }
    int& Occupant(cCell c) { return m_occupant[c.i * kGridRows + c.j]; }

    // Where a cell lies, as a refusal; empty when it is on the island.
    static std::string OffIsland(cCell c) {
        if (IsRimCell(c))
            return "cell " + CellText(c) + " of the island's rim, which is always blocked";
        if (!IsIslandCell(c))
            return "cell " + CellText(c) + ", off the island";
        return {};
    }

    void Occupy(int k) {
        const cPending& p = m_pending[k];
        if (p.source.broken || !HasFootprint(*p.info))
            return;
        const cCellRect rect = FootprintCells(p.position, p.info->width, p.info->height);
        const std::string what = Quote(p.source.kind);
        if (rect.lastI < rect.firstI) {
            Error(p.source.line, what + " stands off the island");
            return;
        }
        for (int i = rect.firstI; i <= rect.lastI; ++i) {
            for (int j = rect.firstJ; j <= rect.lastJ; ++j) {
                const cCell c{i, j};
                if (const std::string off = OffIsland(c); !off.empty()) {
                    Error(p.source.line, what + " would cover " + off);
                    return;
                }
                if (p.info->placement == ePlacement::kOnWater && !IsWalkableTerrain(Terrain(c))) {
                    Error(p.source.line,
                          what +
                              " needs ground that walkers can cross under it, "
                              "but cell " +
                              CellText(c) + " is drawn '" +
                              (TerrainChar(Terrain(c)) ? TerrainChar(Terrain(c)) : '?') + "'");
                    return;
                }
                if (Occupant(c) >= 0) {
                    const cPending& other = m_pending[Occupant(c)];
                    Error(p.source.line, what + " overlaps " + Quote(other.source.kind) +
                                             FromLine(other.source.line) + " at cell " +
                                             CellText(c));
                    return;
                }
            }
        }
        for (int i = rect.firstI; i <= rect.lastI; ++i) {
            for (int j = rect.firstJ; j <= rect.lastJ; ++j)
                Occupant({i, j}) = k;
        }
    }

    // Objects that stand in one cell: walkers, items, nodes, spawn points.
    void Stand(int k, int owner) {
        const cPending& p = m_pending[k];
        if (p.source.broken)
            return;
        const std::string what = Quote(p.source.kind);
        const cCell c = CellOfPoint(p.position);
        if (p.info->placement == ePlacement::kInGrid) {
            if (!c.IsValid())
                Error(p.source.line, what + " stands outside the grid");
            return;
        }
        if (p.info->placement != ePlacement::kStanding)
            return;
        if (!c.IsValid()) {
            Error(p.source.line, what + " stands outside the grid");
        } else if (const std::string off = OffIsland(c); !off.empty()) {
            Error(p.source.line, what + " stands on " + off);
        } else if (Occupant(c) >= 0 && Occupant(c) != owner) {
            const cPending& other = m_pending[Occupant(c)];
            Error(p.source.line, what + " stands inside " + Quote(other.source.kind) +
                                     FromLine(other.source.line) + " at cell " + CellText(c));
        } else if (Occupant(c) < 0 && !IsWalkableTerrain(Terrain(c))) {
            Error(p.source.line,
                  what + " stands on cell " + CellText(c) + ", where walkers cannot go");
        }
    }

    bool Usable(cCell c) const {
        return c.IsValid() && IsIslandCell(c) && IsWalkableTerrain(Terrain(c)) &&
               m_occupant[c.i * kGridRows + c.j] < 0 && !m_nodeCells.contains({c.i, c.j});
    }

    void AddDerived(int owner, uint32_t type, const char16_t* kind, cCell c) {
        cPending node;
        node.source.line = m_pending[owner].source.line;
        node.source.type = type;
        node.source.kind = kind;
        node.info = FindKind(type, kind);
        node.position = CellCentre(c);
        node.derivedFrom = owner;
        m_nodeCells.insert({c.i, c.j});
        m_pending.push_back(std::move(node));
    }

    // Work places around the footprint, front row first (the side nearest the
    // viewer), then the right side, the back and the left; the approach point
    // in the middle of the first side that has room.
    void Derive(int k) {
        // A copy: deriving appends to m_pending, which may move its elements.
        const cSourceObject s = m_pending[k].source;
        if (s.broken || (!s.derivedPlaces && !s.deriveApproach))
            return;
        const cPending& p = m_pending[k];
        if (!HasFootprint(*p.info))
            return;
        const cCellRect r = FootprintCells(p.position, p.info->width, p.info->height);
        std::vector<cCell> ring;
        for (int i = r.firstI; i <= r.lastI; ++i)
            ring.push_back({i, r.firstJ - 1});
        for (int j = r.firstJ; j <= r.lastJ; ++j)
            ring.push_back({r.lastI + 1, j});
        for (int i = r.lastI; i >= r.firstI; --i)
            ring.push_back({i, r.lastJ + 1});
        for (int j = r.lastJ; j >= r.firstJ; --j)
            ring.push_back({r.firstI - 1, j});
        int placed = 0;
        for (cCell c : ring) {
            if (placed < s.derivedPlaces && Usable(c)) {
                AddDerived(k, kNode, u"place", c);
                ++placed;
            }
        }
        if (placed < s.derivedPlaces) {
            Error(s.line, "only " + std::to_string(placed) + " of the " +
                              std::to_string(s.derivedPlaces) + " work places around " +
                              Quote(s.kind) + " find open ground: write them out with 'place'");
        }
        if (!s.deriveApproach)
            return;
        const int midI = r.firstI + (r.lastI - r.firstI) / 2;
        const int midJ = r.firstJ + (r.lastJ - r.firstJ) / 2;
        for (cCell c : {cCell{midI, r.firstJ - 1}, cCell{r.lastI + 1, midJ},
                        cCell{midI, r.lastJ + 1}, cCell{r.firstI - 1, midJ}}) {
            if (Usable(c)) {
                AddDerived(k, kNodeObj, u"approach", c);
                return;
            }
        }
        Error(s.line, Quote(s.kind) + " has no open ground beside it for an approach point");
    }

    // File order: statements as written, each followed by what was derived
    // from it, then sorted by layer; ids follow that order.
    void Order() {
        std::vector<int> order;
        for (size_t k = 0; k < m_pending.size(); ++k) {
            if (m_pending[k].derivedFrom >= 0)
                continue;
            order.push_back(static_cast<int>(k));
            for (size_t d = 0; d < m_pending.size(); ++d) {
                if (m_pending[d].derivedFrom == static_cast<int>(k))
                    order.push_back(static_cast<int>(d));
            }
        }
        auto layer = [this](int k) {
            const cPending& p = m_pending[k];
            return p.source.layer ? *p.source.layer : p.info ? p.info->layer : 0;
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return layer(a) < layer(b); });
        std::map<uint32_t, int> ids;
        uint32_t previous = 0;
        for (int k : order) {
            const cPending& p = m_pending[k];
            cFinalObject object;
            object.line = p.source.line;
            object.type = p.source.type;
            object.kind = p.source.kind;
            object.position = p.position;
            object.name = p.source.name;
            object.layer = layer(k);
            object.flags = p.source.flags;
            object.id = p.source.id ? *p.source.id : previous + 1;
            object.pointLevel = p.source.pointLevel;
            previous = object.id;
            if (p.source.id && *p.source.id > kHighestId) {
                Error(object.line, "id " + std::to_string(object.id) +
                                       " leaves no room for the ids handed out after it "
                                       "(by this file and by the game while it plays): ids go "
                                       "up to " +
                                       std::to_string(kHighestId));
                previous = 0;  // one complaint, not one for every object after it
            }
            if (object.type == kPoint && !p.source.id && !p.source.broken) {
                Error(object.line,
                      "level point " + std::to_string(object.pointLevel + 1) +
                          " needs its own 'id': a player's progress names the point by it, so "
                          "it must not move when lines are added (in this order it gets id " +
                          std::to_string(object.id) + ")");
            }
            const auto [it, fresh] = ids.emplace(object.id, object.line);
            if (!fresh)
                Error(object.line, "id " + std::to_string(object.id) + " is already used on line " +
                                       std::to_string(it->second));
            m_finalOf[k] = static_cast<int>(m_out.objects.size());
            m_pendingOf.push_back(k);
            m_out.objects.push_back(std::move(object));
        }
        const uint32_t next = ids.empty() ? 1 : ids.rbegin()->first + 1;
        m_out.nextId = next;
        if (m_source.nextId) {
            if (*m_source.nextId < next)
                Error(m_source.nextIdLine,
                      "the next id must be above every id, at least " + std::to_string(next));
            else if (*m_source.nextId > kHighestId + 1)
                Error(m_source.nextIdLine,
                      "the next id leaves no room for the ids the game hands "
                      "out while it plays: at most " +
                          std::to_string(kHighestId + 1));
            m_out.nextId = *m_source.nextId;
        }
    }

    // The final index of a name or "@id"; -1 (with an error) when none.
    int Resolve(const std::string& reference, int line) {
        if (reference.starts_with('@')) {
            for (size_t f = 0; f < m_out.objects.size(); ++f) {
                if (std::to_string(m_out.objects[f].id) == reference.substr(1))
                    return static_cast<int>(f);
            }
            Error(line, "no object has the id " + reference.substr(1));
            return -1;
        }
        const std::u16string name = qor::FromUtf8(reference);
        for (size_t f = 0; f < m_out.objects.size(); ++f) {
            if (m_out.objects[f].name == name)
                return static_cast<int>(f);
        }
        Error(line, "no object is named '" + reference + "'");
        return -1;
    }

    void Link() {
        std::map<int, int> approachOf;  // owner -> line of its approach point
        for (size_t f = 0; f < m_out.objects.size(); ++f) {
            cFinalObject& node = m_out.objects[f];
            const int k = m_pendingOf[f];
            const cPending& p = m_pending[k];
            if ((node.type != kNode && node.type != kNodeObj) || p.source.broken)
                continue;
            node.owner =
                p.derivedFrom >= 0 ? m_finalOf[p.derivedFrom] : Resolve(p.source.owner, node.line);
            if (node.owner < 0)
                continue;
            const cFinalObject& owner = m_out.objects[node.owner];
            if (m_pending[m_pendingOf[node.owner]].source.broken)
                continue;
            if (IsNodeType(owner.type)) {
                Error(node.line, "a work place or approach point belongs to an object, not to " +
                                     Quote(owner.kind));
                node.owner = -1;
                continue;
            }
            if (node.type == kNodeObj) {
                const auto [it, fresh] = approachOf.emplace(node.owner, node.line);
                if (!fresh)
                    Error(node.line, Quote(owner.kind) + " already has an approach point on line " +
                                         std::to_string(it->second) + "; only one is used");
            }
            if (m_level && p.derivedFrom < 0)
                Stand(k, m_pendingOf[node.owner]);
        }
    }

    void Route() {
        if (!m_source.routeLine) {
            for (size_t f = 0; f < m_out.objects.size(); ++f) {
                if (m_out.objects[f].type == kNodeTrajectory)
                    m_out.route.push_back(static_cast<int>(f));
            }
            return;
        }
        for (const std::string& reference : m_source.route) {
            const int f = Resolve(reference, m_source.routeLine);
            if (f < 0 || m_pending[m_pendingOf[f]].source.broken)
                continue;
            if (m_out.objects[f].type != kNodeTrajectory) {
                Error(m_source.routeLine, "'" + reference + "' on the route is not a waypoint");
                continue;
            }
            m_out.route.push_back(f);
        }
    }

    // Flooded cells lie on the island, each once.
    void Flood() {
        std::map<std::pair<int, int>, int> seen;
        for (const cFloodCell& flood : m_source.flood) {
            const cCell c = flood.cell;
            if (const std::string off = OffIsland(c); !off.empty()) {
                Error(flood.line, "cannot flood " + off);
                continue;
            }
            const auto [it, fresh] = seen.emplace(std::pair{c.i, c.j}, flood.line);
            if (!fresh) {
                Error(flood.line, "cell " + CellText(c) + " is already flooded on line " +
                                      std::to_string(it->second));
                continue;
            }
            m_out.flood.push_back(c);
        }
    }

    const cSceneSource& m_source;
    cCheckedScene& m_out;
    cErrors& m_errors;
    const cArtList* m_art;
    bool m_level = false;
    std::vector<cPending> m_pending;
    std::array<int, kGridCells> m_occupant;
    std::set<std::pair<int, int>> m_nodeCells;
    std::map<std::u16string, int> m_names;
    std::map<int32_t, int> m_points;
    std::map<int, int> m_finalOf;  // pending index -> final index
    std::vector<int> m_pendingOf;  // final index -> pending index
};

}  // namespace

bool CheckScene(const cSceneSource& source, cCheckedScene& out, cErrors& errors,
                const cArtList* art) {
    const size_t before = errors.size();
    cChecker(source, out, errors, art).Run();
    std::stable_sort(errors.begin() + static_cast<long>(before), errors.end(),
                     [](const cSourceError& a, const cSourceError& b) { return a.line < b.line; });
    return errors.size() == before;
}

}  // namespace scenec
