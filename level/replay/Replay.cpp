// The stored form of replays: writing it, and reading it back with every
// limit checked, since a replay may come from anywhere (a bug report, a
// hand-written solution, a damaged disk).
#include "level/replay/Replay.h"

#include <cmath>
#include <cstdio>

#include "engine/Strings.h"

namespace {

// Seventeen significant digits would do for doubles; nine give every float back.
std::string FloatText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

const char* ActionWord(eReplayAction action) {
    switch (action) {
        case eReplayAction::kKey:
            return "key";
        case eReplayAction::kPress:
            return "press";
        case eReplayAction::kClick:
            return "click";
        case eReplayAction::kPoint:
            return "point";
        case eReplayAction::kClock:
            return "clock";
    }
    return "?";
}

bool IsPlainNameByte(unsigned char c) {
    return c > ' ' && c <= '~' && c != '%' && c != '"';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes as UTF-8: a UTF-16LE file (with its mark) is converted, a UTF-8
// mark dropped. False for a UTF-16 file with an odd number of bytes.
bool AsUtf8(std::span<const uint8_t> bytes, std::string* out) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        if (bytes.size() % 2 != 0)
            return false;
        std::u16string wide;
        wide.reserve(bytes.size() / 2 - 1);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            wide.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
        *out = qor::ToUtf8(wide);
        return true;
    }
    size_t start = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        start = 3;
    out->assign(reinterpret_cast<const char*>(bytes.data()) + start, bytes.size() - start);
    return true;
}

// One line split into words at spaces and tabs.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A whole number of digits only, within [0, limit].
bool ReadCount(std::string_view word, int64_t limit, int64_t* out) {
    if (word.empty() || word.size() > 12)
        return false;
    int64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > limit)
        return false;
    *out = value;
    return true;
}

bool ReadFloat(std::string_view word, float limit, float* out) {
    if (word.empty() || word.size() > 32)
        return false;
    const std::string text(word);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value) || std::fabs(value) > limit)
        return false;
    *out = static_cast<float>(value);
    return true;
}

class cReplayReader {
  public:
    cReplayReader(cReplay* out, std::string* error) : m_out(out), m_error(error) {}

    bool Read(std::string_view text);

  private:
    bool Fail(const std::string& what) {
        *m_error = "line " + std::to_string(m_line) + ": " + what;
        return false;
    }
    bool ReadHeader(const std::vector<std::string_view>& words);
    bool ReadRecord(const std::vector<std::string_view>& words);
    bool ReadPoint(std::string_view x, std::string_view y, qor::cVec2* at);
    bool ReadName(std::string_view word, std::string* name);

    cReplay* m_out;
    std::string* m_error;
    int m_line = 0;
    int m_headerLines = 0;  // magic, level, seed read so far
    bool m_ended = false;
};

bool cReplayReader::Read(std::string_view text) {
    *m_out = cReplay{};
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++m_line;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string_view> words = Words(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (m_ended)
            return Fail("nothing may follow 'end'");
        if (m_headerLines < 3 || words[0] == "hints") {
            if (!ReadHeader(words))
                return false;
        } else if (!ReadRecord(words)) {
            return false;
        }
    }
    if (m_headerLines == 0)
        return Fail("not a replay (no '" + std::string(kReplayMagic) + "' line)");
    if (!m_ended)
        return Fail("the replay is cut short: its 'end' line is missing");
    return true;
}

bool cReplayReader::ReadHeader(const std::vector<std::string_view>& words) {
    const std::string_view word = words[0];
    if (m_headerLines == 0) {
        if (word != kReplayMagic)
            return Fail("not a replay (it must start with '" + std::string(kReplayMagic) + "')");
        int64_t version = 0;
        if (words.size() != 2 || !ReadCount(words[1], 1000000, &version))
            return Fail("the format line needs one version number");
        if (version != kReplayVersion) {
            return Fail("replay version " + std::to_string(version) + " is not known here (" +
                        std::to_string(kReplayVersion) + " is)");
        }
    } else if (m_headerLines == 1) {
        if (word != "level" || words.size() != 3)
            return Fail("expected 'level \"NAME\" DIGEST'");
        const std::string_view quoted = words[1];
        if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
            return Fail("the level's name stands in double quotes");
        if (quoted.size() > 2 && !ReadName(quoted.substr(1, quoted.size() - 2), &m_out->levelName))
            return false;
        const std::string_view digest = words[2];
        if (digest.size() != 16)
            return Fail("the level digest must be 16 hexadecimal digits");
        for (char c : digest) {
            const int v = HexValue(c);
            if (v < 0)
                return Fail("the level digest must be 16 hexadecimal digits");
            m_out->levelDigest = (m_out->levelDigest << 4) | static_cast<uint64_t>(v);
        }
    } else if (m_headerLines == 2) {
        int64_t seed = 0;
        if (word != "seed" || words.size() != 2 || !ReadCount(words[1], 0xFFFFFFFFll, &seed))
            return Fail("expected 'seed NUMBER' (0 to 4294967295)");
        m_out->seed = static_cast<uint32_t>(seed);
    } else {
        if (!m_out->records.empty())
            return Fail("'hints' belongs to the header, before the first record");
        if (words.size() != 2 || (words[1] != "0" && words[1] != "1"))
            return Fail("expected 'hints 0' or 'hints 1'");
        m_out->hints = words[1] == "1";
        return true;
    }
    ++m_headerLines;
    return true;
}

bool cReplayReader::ReadRecord(const std::vector<std::string_view>& words) {
    int64_t tick = 0;
    if (words[0] == "end") {
        if (words.size() != 2 || !ReadCount(words[1], kReplayMaxTicks, &tick))
            return Fail("expected 'end STEPS' (at most " + std::to_string(kReplayMaxTicks) + ")");
        if (!m_out->records.empty() && tick < m_out->records.back().tick)
            return Fail("the replay ends before its last record");
        m_out->endTick = static_cast<int32_t>(tick);
        m_ended = true;
        return true;
    }
    if (!ReadCount(words[0], kReplayMaxTicks, &tick))
        return Fail("a record starts with its step, 0 to " + std::to_string(kReplayMaxTicks));
    if (!m_out->records.empty() && tick < m_out->records.back().tick) {
        return Fail("steps go backwards (" + std::to_string(tick) + " after " +
                    std::to_string(m_out->records.back().tick) + ")");
    }
    if (m_out->records.size() >= kReplayMaxRecords)
        return Fail("more than " + std::to_string(kReplayMaxRecords) + " records");
    if (words.size() < 2)
        return Fail("a record needs an action after its step");
    cReplayRecord record;
    record.tick = static_cast<int32_t>(tick);
    const std::string_view action = words[1];
    const size_t args = words.size() - 2;
    int64_t value = 0;
    if (action == "key") {
        record.action = eReplayAction::kKey;
        if (args != 1 || !ReadCount(words[2], 255, &value))
            return Fail("expected 'key CODE' with a code of 0 to 255");
        record.value = static_cast<int32_t>(value);
    } else if (action == "press") {
        record.action = eReplayAction::kPress;
        if (args != 3 || !ReadCount(words[2], 2, &value))
            return Fail("expected 'press BUTTON X Y' with a button of 0 to 2");
        record.value = static_cast<int32_t>(value);
        if (!ReadPoint(words[3], words[4], &record.at))
            return false;
    } else if (action == "click") {
        record.action = eReplayAction::kClick;
        if (args < 1 || args > 2)
            return Fail("expected 'click NAME [BUTTON]'");
        if (!ReadName(words[2], &record.name))
            return false;
        if (args == 2 && !ReadCount(words[3], 2, &value))
            return Fail("a button is 0 to 2");
        record.value = static_cast<int32_t>(value);
    } else if (action == "point") {
        record.action = eReplayAction::kPoint;
        if (args != 2)
            return Fail("expected 'point X Y'");
        if (!ReadPoint(words[2], words[3], &record.at))
            return false;
    } else if (action == "clock") {
        record.action = eReplayAction::kClock;
        if (args > kReplayMaxClockValues) {
            return Fail("more than " + std::to_string(kReplayMaxClockValues) +
                        " frames in one step");
        }
        for (size_t i = 0; i < args; ++i) {
            float s = 0.0f;
            if (!ReadFloat(words[2 + i], kReplayMaxFrameSeconds, &s) || s < 0.0f)
                return Fail("a frame's seconds are 0 to 1");
            record.seconds.push_back(s);
        }
    } else {
        return Fail("unknown action '" + std::string(action.substr(0, 32)) + "'");
    }
    m_out->records.push_back(std::move(record));
    return true;
}

bool cReplayReader::ReadPoint(std::string_view x, std::string_view y, qor::cVec2* at) {
    if (!ReadFloat(x, kReplayMaxCoordinate, &at->x) || !ReadFloat(y, kReplayMaxCoordinate, &at->y))
        return Fail("a point is two numbers within the screen's reach");
    return true;
}

bool cReplayReader::ReadName(std::string_view word, std::string* name) {
    if (word.size() > kReplayMaxName * 3 || !UnescapeReplayName(word, name))
        return Fail("a name is at most " + std::to_string(kReplayMaxName) + " bytes, %XX escaped");
    if (name->empty() || name->size() > kReplayMaxName)
        return Fail("a name is 1 to " + std::to_string(kReplayMaxName) + " bytes");
    return true;
}

}  // namespace

uint64_t DigestLevelBytes(std::span<const uint8_t> bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t b : bytes) {
        hash ^= b;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string EscapeReplayName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (IsPlainNameByte(u)) {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

bool UnescapeReplayName(std::string_view text, std::string* out) {
    out->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out->push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int hi = HexValue(text[i + 1]);
        const int lo = HexValue(text[i + 2]);
        if (hi < 0 || lo < 0)
            return false;
        out->push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
    }
    return true;
}

std::string ReplayToText(const cReplay& replay) {
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx",
                  static_cast<unsigned long long>(replay.levelDigest));
    std::string text = std::string(kReplayMagic) + " " + std::to_string(kReplayVersion) + "\n";
    // A level's name is any text of its file: kept to its first bytes, which
    // the player compares the same way.
    text += "level \"" + EscapeReplayName(replay.levelName.substr(0, kReplayMaxName)) + "\" " +
            digest + "\n";
    text += "seed " + std::to_string(replay.seed) + "\n";
    text += std::string("hints ") + (replay.hints ? "1" : "0") + "\n";
    for (const cReplayRecord& r : replay.records) {
        text += std::to_string(r.tick) + " " + ActionWord(r.action);
        switch (r.action) {
            case eReplayAction::kKey:
                text += " " + std::to_string(r.value);
                break;
            case eReplayAction::kPress:
                text += " " + std::to_string(r.value) + " " + FloatText(r.at.x) + " " +
                        FloatText(r.at.y);
                break;
            case eReplayAction::kClick:
                text += " " + EscapeReplayName(r.name);
                if (r.value != 0)
                    text += " " + std::to_string(r.value);
                break;
            case eReplayAction::kPoint:
                text += " " + FloatText(r.at.x) + " " + FloatText(r.at.y);
                break;
            case eReplayAction::kClock:
                for (float s : r.seconds)
                    text += " " + FloatText(s);
                break;
        }
        text += "\n";
    }
    text += "end " + std::to_string(replay.endTick) + "\n";
    return text;
}

bool ParseReplay(std::span<const uint8_t> bytes, cReplay* out, std::string* error) {
    if (bytes.size() > kReplayMaxBytes) {
        *error = "the file is larger than " + std::to_string(kReplayMaxBytes >> 20) + " MiB";
        return false;
    }
    std::string text;
    if (!AsUtf8(bytes, &text)) {
        *error = "a UTF-16 text must have an even number of bytes";
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        *error = "the text holds a zero byte";
        return false;
    }
    cReplayReader reader(out, error);
    return reader.Read(text);
}
