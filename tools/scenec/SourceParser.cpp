#include "tools/scenec/SourceParser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "engine/Strings.h"
#include "scene/KindTable.h"
#include "scene/TypeIds.h"
#include "tools/scenec/Nearest.h"

namespace scenec {
namespace {

struct cToken {
    std::string text;
    bool quoted = false;
};

constexpr struct {
    char c;
    int32_t kind;
} kTerrainChars[] = {
    {'=', kTerrainRoad}, {'.', kTerrainGrass}, {':', kTerrainRough}, {'~', kTerrainBlocked}};

std::string UnknownKind(const std::string& word) {
    std::vector<std::string> kinds;
    for (const cKindInfo& info : KindTable()) {
        if (info.kind)
            kinds.push_back(qor::ToUtf8(info.kind));
    }
    for (const char* statement :
         {"level", "map", "room", "grid", "terrain", "flood", "route", "next-id", "place",
          "approach", "waypoint", "hint", "decor", "back", "point"})
        kinds.push_back(statement);
    return "unknown kind '" + word + "'" + DidYouMean(word, kinds);
}

const std::vector<std::string>& OptionNames() {
    static const std::vector<std::string> names = {"name",  "layer",  "id",      "places",
                                                   "ready", "meteor", "approach"};
    return names;
}

class cParser {
  public:
    cParser(cSceneSource& out, cErrors& errors) : m_out(out), m_errors(errors) {}

    void Run(std::string_view text) {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++m_line;
            if (Tokenize(line) && !m_tokens.empty())
                m_gridOpen ? GridRow() : Statement();
            start = end + 1;
        }
        if (m_gridOpen) {
            ErrorAt(m_out.gridLine, "the grid has no 'end' line");
            m_out.gridBroken = true;
        }
    }

  private:
    void Error(const std::string& message) { m_errors.push_back({m_line, message}); }
    void ErrorAt(int line, const std::string& message) { m_errors.push_back({line, message}); }

    bool Tokenize(std::string_view line) {
        m_tokens.clear();
        m_pos = 0;
        size_t i = 0;
        while (i < line.size()) {
            const char c = line[i];
            if (c == ' ' || c == '\t') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                cToken token{"", true};
                ++i;
                while (i < line.size() && line[i] != '"') {
                    if (line[i] == '\\' && i + 1 < line.size())
                        ++i;
                    token.text += line[i++];
                }
                if (i >= line.size()) {
                    Error("a quoted text has no closing '\"'");
                    return false;
                }
                ++i;
                m_tokens.push_back(std::move(token));
            } else {
                const size_t begin = i;
                while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '#')
                    ++i;
                m_tokens.push_back({std::string(line.substr(begin, i - begin)), false});
            }
        }
        return true;
    }

    bool More() const { return m_pos < m_tokens.size(); }
    bool Peek(std::string_view word) const {
        return More() && !m_tokens[m_pos].quoted && m_tokens[m_pos].text == word;
    }

    // The next token as a word or text; false (with an error) when missing.
    bool Text(const char* what, std::string* out) {
        if (!More()) {
            Error(std::string("missing ") + what);
            return false;
        }
        *out = m_tokens[m_pos++].text;
        return true;
    }

    bool Integer(const char* what, int64_t low, int64_t high, int64_t* out) {
        std::string text;
        if (!Text(what, &text))
            return false;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
        if (ec != std::errc() || end != text.data() + text.size()) {
            Error(std::string(what) + " must be a whole number, not '" + text + "'");
            return false;
        }
        if (*out < low || *out > high) {
            Error(std::string(what) + " " + text + " is out of range " + std::to_string(low) +
                  " to " + std::to_string(high));
            return false;
        }
        return true;
    }

    bool Number(const char* what, float* out) {
        std::string text;
        if (!Text(what, &text))
            return false;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
        if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(*out)) {
            Error(std::string(what) + " must be a number, not '" + text + "'");
            return false;
        }
        return true;
    }

    bool Cell(cCell* out) {
        int64_t i = 0, j = 0;
        if (!Integer("the column", 0, kGridColumns - 1, &i) ||
            !Integer("the row", 0, kGridRows - 1, &j))
            return false;
        *out = {static_cast<int>(i), static_cast<int>(j)};
        return true;
    }

    bool Position(cPlacement* out) {
        if (Peek("at")) {
            ++m_pos;
            out->byCell = false;
            return Number("the x position", &out->at.x) && Number("the y position", &out->at.y);
        }
        if (Peek("cell")) {
            ++m_pos;
            out->byCell = true;
            return Cell(&out->cell);
        }
        Error("expected a position: 'at X Y' or 'cell COLUMN ROW'");
        return false;
    }

    void Options(cSourceObject& object) {
        bool toldUnknown = false;
        while (More()) {
            std::string word = m_tokens[m_pos++].text;
            int64_t value = 0;
            if (word == "name") {
                std::string text;
                if (Text("the name", &text))
                    object.name = qor::FromUtf8(text);
            } else if (word == "layer") {
                if (Integer("the layer", 0, 9, &value))
                    object.layer = static_cast<int>(value);
            } else if (word == "id") {
                if (Integer("the id", 0, UINT32_MAX, &value))
                    object.id = static_cast<uint32_t>(value);
            } else if (word == "places") {
                if (Integer("the number of places", 1, 16, &value))
                    object.derivedPlaces = static_cast<int>(value);
            } else if (word == "ready") {
                object.flags |= 0x1;
            } else if (word == "meteor") {
                object.flags |= 0x2;
            } else if (word == "approach") {
                object.deriveApproach = true;
            } else if (!toldUnknown) {
                // What follows an unknown option may be its value: one
                // complaint per statement.
                Error("unknown option '" + word + "'" + DidYouMean(word, OptionNames()));
                toldUnknown = true;
            }
        }
    }

    // After a position that could not be read: the options from the first
    // word that names one, so that the statement keeps its name and id.
    void OptionsAfterBadPosition(cSourceObject& object) {
        while (More() &&
               (m_tokens[m_pos].quoted || std::find(OptionNames().begin(), OptionNames().end(),
                                                    m_tokens[m_pos].text) == OptionNames().end()))
            ++m_pos;
        Options(object);
    }

    // Adds the statement's object; one that had a syntax error is kept as
    // broken (see cSourceObject::broken).
    void Keep(cSourceObject object, size_t errorsBefore) {
        object.broken = m_errors.size() > errorsBefore;
        m_out.objects.push_back(std::move(object));
    }

    cSourceObject NewObject(uint32_t type, std::u16string kind) const {
        cSourceObject object;
        object.line = m_line;
        object.type = type;
        object.kind = std::move(kind);
        return object;
    }

    void Object(uint32_t type, std::u16string kind, bool positioned = true) {
        const size_t errorsBefore = m_errors.size();
        cSourceObject object = NewObject(type, std::move(kind));
        if (positioned && !Position(&object.where))
            OptionsAfterBadPosition(object);
        else
            Options(object);
        Keep(std::move(object), errorsBefore);
    }

    void Node(uint32_t type, const char16_t* kind) {
        const size_t errorsBefore = m_errors.size();
        cSourceObject object = NewObject(type, kind);
        if (!Text("the name of the object it belongs to", &object.owner) ||
            !Position(&object.where))
            OptionsAfterBadPosition(object);
        else
            Options(object);
        Keep(std::move(object), errorsBefore);
    }

    // A statement whose kind is unknown still holds its name and id.
    void UnknownObject(const std::string& word) {
        const size_t errorsBefore = m_errors.size();
        Error(UnknownKind(word));
        cSourceObject object = NewObject(0, qor::FromUtf8(word));
        OptionsAfterBadPosition(object);
        Keep(std::move(object), errorsBefore);
    }

    void SceneKind(eSceneKind kind) {
        if (m_out.kind != eSceneKind::kNone) {
            Error("the scene is already a level, map or room");
            return;
        }
        m_out.kind = kind;
        if (kind == eSceneKind::kLevel) {
            std::string name;
            if (Text("the level's name", &name))
                m_out.levelName = qor::FromUtf8(name);
        }
    }

    void Statement() {
        const size_t errorsBefore = m_errors.size();
        const cToken& first = m_tokens[m_pos++];
        const std::string& word = first.text;
        if (first.quoted) {
            Error("a statement begins with a word, not with a quoted text");
            return;
        }
        if (m_out.kind == eSceneKind::kNone && word != "level" && word != "map" && word != "room") {
            if (!m_toldKind)
                Error("the file must begin with 'level NAME', 'map' or 'room'");
            m_toldKind = true;
        }
        if (word == "level") {
            SceneKind(eSceneKind::kLevel);
        } else if (word == "map") {
            SceneKind(eSceneKind::kMap);
        } else if (word == "room") {
            SceneKind(eSceneKind::kRoom);
        } else if (word == "grid") {
            if (m_out.gridLine != 0)
                Error("the grid is already drawn on line " + std::to_string(m_out.gridLine));
            m_out.gridLine = m_line;
            m_gridOpen = true;
            m_gridRows = 0;
        } else if (word == "terrain") {
            cTerrainCell cell{m_line, {}, 0};
            int64_t kind = 0;
            if (Cell(&cell.cell) && Integer("the terrain kind", INT32_MIN, INT32_MAX, &kind)) {
                cell.kind = static_cast<int32_t>(kind);
                m_out.terrain.push_back(cell);
            }
        } else if (word == "flood") {
            if (!More())
                Error("missing the flooded cells");
            while (More()) {
                cFloodCell flood{m_line, {}};
                if (!Cell(&flood.cell))
                    return;
                m_out.flood.push_back(flood);
            }
        } else if (word == "route") {
            if (m_out.routeLine != 0)
                Error("the route is already given on line " + std::to_string(m_out.routeLine));
            m_out.routeLine = m_line;
            m_out.route.clear();
            if (!More())
                Error("missing the names of the route's waypoints (or 'none' for no route)");
            if (m_tokens.size() == 2 && Peek("none"))
                ++m_pos;
            while (More())
                m_out.route.push_back(m_tokens[m_pos++].text);
        } else if (word == "next-id") {
            int64_t value = 0;
            if (Integer("the next id", 0, UINT32_MAX, &value)) {
                m_out.nextId = static_cast<uint32_t>(value);
                m_out.nextIdLine = m_line;
            }
        } else if (word == "place") {
            Node(scene_type::kNode, u"place");
        } else if (word == "approach") {
            Node(scene_type::kNodeObj, u"approach");
        } else if (word == "waypoint") {
            Object(scene_type::kNodeTrajectory, u"waypoint");
        } else if (word == "hint") {
            Object(scene_type::kObjectHint, u"object_hint");
        } else if (word == "decor" || word == "back") {
            std::string sprite;
            const uint32_t type = word == "decor" ? scene_type::kDecor : scene_type::kBack;
            if (!Text(word == "decor" ? "the decor's sprite" : "the background's name", &sprite)) {
                Keep(NewObject(type, u""), errorsBefore);
                return;
            }
            // A background fills the screen: it stands in the middle unless
            // told otherwise.
            const bool positioned = word == "decor" || Peek("at") || Peek("cell");
            Object(type, qor::FromUtf8(sprite), positioned);
            if (!positioned)
                m_out.objects.back().where.at = {512.0f, 384.0f};
        } else if (word == "point") {
            int64_t number = 0;
            if (Integer("the level number", 1, INT32_MAX, &number)) {
                Object(scene_type::kPoint, u"point");
                m_out.objects.back().pointLevel = static_cast<int32_t>(number - 1);
            } else {
                cSourceObject point = NewObject(scene_type::kPoint, u"point");
                OptionsAfterBadPosition(point);
                Keep(std::move(point), errorsBefore);
            }
        } else if (const cKindInfo* info = FindKind(qor::FromUtf8(word)); info) {
            Object(info->type, info->kind);
        } else {
            UnknownObject(word);
        }
        if (More() && m_errors.size() == errorsBefore)
            Error("unexpected '" + m_tokens[m_pos].text + "'");
    }

    void GridRow() {
        const size_t errorsBefore = m_errors.size();
        ReadGridRow();
        if (m_errors.size() > errorsBefore)
            m_out.gridBroken = true;
    }

    void ReadGridRow() {
        if (!m_tokens[0].quoted && m_tokens[0].text == "end" && m_tokens.size() == 1) {
            m_gridOpen = false;
            if (m_gridRows != kGridRows) {
                ErrorAt(m_out.gridLine, "the grid has " + std::to_string(m_gridRows) +
                                            " rows; a level has " + std::to_string(kGridRows));
            }
            return;
        }
        const int j = kGridRows - 1 - m_gridRows;
        ++m_gridRows;
        if (m_tokens.size() == 2) {
            int64_t label = 0;
            if (!Integer("the row number", 0, kGridRows - 1, &label))
                return;
            if (label != j) {
                Error("this is row " + std::to_string(j) + " of the grid (rows run from " +
                      std::to_string(kGridRows - 1) + " at the top to 0), not row " +
                      std::to_string(label));
                return;
            }
        } else if (m_tokens.size() != 1) {
            Error("a grid row is its cells, optionally after the row number");
            return;
        }
        const std::string& row = m_tokens.back().text;
        if (row.size() != kGridColumns) {
            Error("row " + std::to_string(j) + " has " + std::to_string(row.size()) +
                  " cells; the grid is " + std::to_string(kGridColumns) + " wide");
            return;
        }
        if (j < 0)
            return;
        for (int i = 0; i < kGridColumns; ++i) {
            int32_t kind = 0;
            if (!CharTerrain(row[i], &kind)) {
                Error(std::string("unknown ground '") + row[i] + "' in row " + std::to_string(j) +
                      ": use '.' grass, '=' road, ':' rough ground or '~' water");
                return;
            }
            m_out.cells[i * kGridRows + j] = kind;
        }
    }

    cSceneSource& m_out;
    cErrors& m_errors;
    int m_line = 0;
    std::vector<cToken> m_tokens;
    size_t m_pos = 0;
    bool m_gridOpen = false;
    int m_gridRows = 0;
    bool m_toldKind = false;
};

}  // namespace

char TerrainChar(int32_t kind) {
    for (const auto& entry : kTerrainChars) {
        if (entry.kind == kind)
            return entry.c;
    }
    return 0;
}

bool CharTerrain(char c, int32_t* kind) {
    for (const auto& entry : kTerrainChars) {
        if (entry.c == c) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

void ParseScene(std::string_view text, cSceneSource& out, cErrors& errors) {
    cParser(out, errors).Run(text);
}

}  // namespace scenec
