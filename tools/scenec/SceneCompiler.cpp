#include "tools/scenec/SceneCompiler.h"

#include <algorithm>

#include "engine/BitStream.h"
#include "tools/scenec/SceneBuild.h"
#include "tools/scenec/SceneCheck.h"
#include "tools/scenec/SourceParser.h"

namespace scenec {

bool CompileScene(std::string_view text, const std::string& fileName, cCompiled& out,
                  std::vector<std::string>& messages, const cArtList* art) {
    cSceneSource source;
    cErrors errors;
    ParseScene(text, source, errors);
    cCheckedScene checked;
    // Meaning is checked even when some statements could not be read: those
    // are kept aside as broken, so one run tells both kinds of error.
    CheckScene(source, checked, errors, art);
    std::stable_sort(errors.begin(), errors.end(),
                     [](const cSourceError& a, const cSourceError& b) { return a.line < b.line; });
    for (const cSourceError& e : errors)
        messages.push_back(fileName + ":" + std::to_string(e.line) + ": " + e.message);
    if (!errors.empty())
        return false;
    qor::cBitStream stream;
    WriteScene(checked, stream);
    out.kind = checked.kind;
    out.bytes.assign(stream.Data(), stream.Data() + stream.ByteLength());
    return true;
}

const char* SceneExtension(eSceneKind kind) {
    return kind == eSceneKind::kLevel ? ".lvl" : ".lvx";
}

}  // namespace scenec
