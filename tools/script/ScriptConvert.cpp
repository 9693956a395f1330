// Turns a UTF-8 data source (Lua script or plain text list) into the UTF-16LE
// file with byte-order mark that the game reads.
//
//   bm_script SOURCE OUTPUT [--lua] [--depfile FILE]
//
// A line of the form
//   --#include "skin.lua"
// is replaced by the named file (looked up beside the source, then in the
// folders given with --include); window scripts share their skin helpers this
// way, since the game runs each window script on its own. With --lua the
// result is compiled by Lua 5.1 so that a syntax error stops the build instead
// of surfacing as an empty window in the game. Carriage returns are dropped:
// the game keeps them as part of a line (the console's command list).
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "tools/common/Utf16Text.h"

namespace {

namespace fs = std::filesystem;

struct Options {
    std::string source, output, depfile;
    bool lua = false;
    std::vector<fs::path> includeDirs;
};

bool Expand(const fs::path& file, const Options& options, int depth, std::string* out,
            std::set<std::string>* used, std::string* error) {
    if (depth > 8) {
        *error = "includes nested too deeply at " + file.string();
        return false;
    }
    std::string text;
    if (!datakit::ReadWholeFile(file.string(), &text, error))
        return false;
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    size_t pos = 0;
    int lineNumber = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        const bool lastLine = end == std::string::npos;
        if (lastLine)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        std::erase(line, '\r');
        static const std::string kDirective = "--#include \"";
        if (line.rfind(kDirective, 0) == 0) {
            const size_t close = line.find('"', kDirective.size());
            if (close == std::string::npos) {
                *error = file.string() + ":" + std::to_string(lineNumber) + ": bad include line";
                return false;
            }
            const std::string name = line.substr(kDirective.size(), close - kDirective.size());
            std::vector<fs::path> candidates{file.parent_path() / name};
            for (const auto& dir : options.includeDirs)
                candidates.push_back(dir / name);
            bool found = false;
            for (const auto& candidate : candidates) {
                if (!fs::is_regular_file(candidate))
                    continue;
                used->insert(fs::absolute(candidate).lexically_normal().string());
                if (!Expand(candidate, options, depth + 1, out, used, error))
                    return false;
                found = true;
                break;
            }
            if (!found) {
                *error = file.string() + ":" + std::to_string(lineNumber) + ": include \"" + name +
                         "\" not found";
                return false;
            }
            continue;
        }
        *out += line;
        if (!lastLine)
            *out += '\n';
    }
    if (!out->empty() && out->back() != '\n')
        *out += '\n';
    return true;
}

bool CheckLua(const std::string& text, const std::string& name, std::string* error) {
    lua_State* state = luaL_newstate();
    if (!state) {
        *error = "cannot create a Lua state";
        return false;
    }
    const int status = luaL_loadbuffer(state, text.data(), text.size(), name.c_str());
    if (status != 0) {
        const char* message = lua_tostring(state, -1);
        *error = message ? message : "Lua load error";
    }
    lua_close(state);
    return status == 0;
}

std::string EscapeDep(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#' || c == '$' || c == ':')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lua") {
            options.lua = true;
        } else if (arg == "--depfile" && i + 1 < argc) {
            options.depfile = argv[++i];
        } else if (arg == "--include" && i + 1 < argc) {
            options.includeDirs.emplace_back(argv[++i]);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        std::fprintf(stderr,
                     "usage: bm_script SOURCE OUTPUT [--lua] [--include DIR] [--depfile FILE]\n");
        return 2;
    }
    options.source = positional[0];
    options.output = positional[1];

    std::string text, error;
    std::set<std::string> used;
    if (!Expand(options.source, options, 0, &text, &used, &error) ||
        (options.lua && !CheckLua(text, options.source, &error)) ||
        !datakit::WriteUtf16File(options.output, text, &error)) {
        std::fprintf(stderr, "bm_script: %s: %s\n", options.source.c_str(), error.c_str());
        return 1;
    }
    if (!options.depfile.empty()) {
        // The source itself is listed too: a depfile without dependencies is
        // dropped by CMake's depfile handling and the command would rerun on
        // every build.
        used.insert(fs::absolute(options.source).lexically_normal().string());
        std::string deps = EscapeDep(options.output) + ":";
        for (const auto& file : used)
            deps += " " + EscapeDep(file);
        deps += "\n";
        if (!datakit::WriteBinaryFile(options.depfile, deps, &error)) {
            std::fprintf(stderr, "bm_script: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
