// bm_scenec: compiles scene descriptions into the game's level, map and room
// files, and back.
//   bm_scenec [--art LIST] SOURCE OUTPUT  OUTPUT ends in .lvl (a level) or .lvx;
//                                         with LIST, decor and backgrounds must
//                                         name art from it (see ArtList.h)
//   bm_scenec --decompile INPUT [OUTPUT]  writes the description (default: stdout)
// Exit codes: 0 done; 1 refused, unreadable, or (decompiling) something of the
// file left out, each told on the error output; 2 wrong arguments.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/scenec/ArtList.h"
#include "tools/scenec/Decompiler.h"
#include "tools/scenec/SceneCompiler.h"

namespace {

bool ReadFile(const std::string& path, std::string* out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr << "usage: bm_scenec [--art LIST] SOURCE OUTPUT.lvl|OUTPUT.lvx\n"
                 "       bm_scenec --decompile INPUT.lvl|INPUT.lvx [OUTPUT]\n";
    return 2;
}

int Decompile(const std::string& input, const char* output) {
    std::string bytes;
    if (!ReadFile(input, &bytes)) {
        std::cerr << input << ": cannot be read\n";
        return 1;
    }
    const bool level = input.ends_with(".lvl");
    const scenec::cDecompiled result =
        scenec::DecompileScene(std::vector<uint8_t>(bytes.begin(), bytes.end()), level);
    for (const std::string& dropped : result.dropped)
        std::cerr << input << ": left out " << dropped << "\n";
    if (!result.ok)
        return 1;
    if (!output) {
        std::cout << result.text;
    } else if (!WriteFile(output, result.text.data(), result.text.size())) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return result.dropped.empty() ? 0 : 1;
}

bool ReadArt(const std::string& path, scenec::cArtList* art) {
    std::string text, error;
    if (!ReadFile(path, &text)) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    if (!art->Parse(text, &error)) {
        std::cerr << path << ": " << error << "\n";
        return false;
    }
    return true;
}

int Compile(const std::string& source, const std::string& output, const scenec::cArtList* art) {
    std::string text;
    if (!ReadFile(source, &text)) {
        std::cerr << source << ": cannot be read\n";
        return 1;
    }
    scenec::cCompiled compiled;
    std::vector<std::string> messages;
    const bool ok = scenec::CompileScene(text, source, compiled, messages, art);
    for (const std::string& message : messages)
        std::cerr << message << "\n";
    if (!ok)
        return 1;
    const char* extension = scenec::SceneExtension(compiled.kind);
    if (!output.ends_with(extension)) {
        std::cerr << source << ":1: this scene compiles to a " << extension << " file, not to "
                  << output << "\n";
        return 1;
    }
    if (!WriteFile(output, compiled.bytes.data(), compiled.bytes.size())) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--decompile" && argc <= 4)
        return Decompile(argv[2], argc == 4 ? argv[3] : nullptr);
    if (argc == 3 && argv[1][0] != '-')
        return Compile(argv[1], argv[2], nullptr);
    if (argc == 5 && std::string(argv[1]) == "--art" && argv[3][0] != '-') {
        scenec::cArtList art;
        if (!ReadArt(argv[2], &art))
            return 1;
        return Compile(argv[3], argv[4], &art);
    }
    return Usage();
}
