#include "tools/scenec/SceneCompiler.h"

#include "engine/BitStream.h"
#include "tools/scenec/SceneBuild.h"
#include "tools/scenec/SceneCheck.h"
#include "tools/scenec/SourceParser.h"

namespace scenec {

bool CompileScene(std::string_view text, const std::string& fileName, cCompiled& out,
                  std::vector<std::string>& messages) {
    cSceneSource source;
    cErrors errors;
    ParseScene(text, source, errors);
    cCheckedScene checked;
    // Meaning is checked only on a clean parse: half-read statements would
    // only add confusing follow-up errors.
    if (errors.empty())
        CheckScene(source, checked, errors);
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
