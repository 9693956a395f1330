#include "tools/artgen/TextureBook.h"

namespace artgen {

const std::vector<TextureDef>& TextureBook() {
    static const std::vector<TextureDef> book = [] {
        std::vector<TextureDef> all;
        AddHudTextures(all);
        AddMedalCupTextures(all);
        AddSpeakerPortraits(all);
        AddMapTextures(all);
        AddHintMarks(all);
        AddSkinTextures(all);
        AddIconTextures(all);
        AddScreenTextures(all);
        AddSplashTextures(all);
        AddParticleTextures(all);
        AddEffectSprites(all);
        AddSceneMarks(all);
        AddWindowIcon(all);
        AddRoomTextures(all);
        AddFigureTextures(all);
        AddSourceTextures(all);
        AddStructureTextures(all);
        AddPrisonTextures(all);
        AddComicsTextures(all);
        return all;
    }();
    return book;
}

}  // namespace artgen
