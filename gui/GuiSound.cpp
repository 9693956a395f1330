#include "gui/GuiSound.h"

#include <utility>

#include "engine/Sound.h"

namespace qor {

namespace {

// Silent without a sound manager or output.
void DefaultSink(std::u16string_view name) {
    PlayNamedSound(name);
}

cGuiSoundSink& Sink() {
    static cGuiSoundSink sink = DefaultSink;
    return sink;
}

}  // namespace

void PlayGuiSound(std::u16string_view name) {
    Sink()(name);
}

void SetGuiSoundSink(cGuiSoundSink sink) {
    Sink() = sink ? std::move(sink) : DefaultSink;
}

}  // namespace qor
