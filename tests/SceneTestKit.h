#pragma once
// What the scene tests share: services that hand out made-up sprites and count
// the emitter calls, a walker whose target the test sets, and the example
// scene sources compiled in-process.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scene/BaseWidget.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"

namespace scene_test {

// A sprite of `frames` frames of w × h at `fps`; with offsets, every frame has
// its own size (w + frame, h) and offset (frame, 0).
qor::cSpriteInfo MakeSprite(int frames, float w, float h, float fps, bool perFrame = false);

class cTestServices : public cSceneServices {
  public:
    qor::cSpriteBatch* Batch() override { return batch; }
    qor::cSpriteInfo FindSprite(const std::u16string& texture, const std::u16string& area) override;
    qor::cSpriteInfo FindSprite(const std::u16string& area) override;
    std::u16string Localize(const std::u16string& key) override { return u"<" + key + u">"; }
    void FinishEmitter(cEmitter* emitter) override { finished.push_back(emitter); }
    void MoveEmitter(cEmitter*, qor::cVec2 position) override { moves.push_back(position); }

    std::map<std::u16string, qor::cSpriteInfo> sprites;  // by area name
    qor::cSpriteBatch* batch = nullptr;
    std::vector<cEmitter*> finished;
    std::vector<qor::cVec2> moves;
};

// A walker stand-in: it works at whatever the test names as its target.
class cTestMan : public cObject {
  public:
    using cObject::cObject;
    cObject* GetTarget() const override { return target; }
    int HitTest(qor::cVec2 point) const override;
    cObject* target = nullptr;
};

// A scene of every game class, headless, owned by the test.
struct cTestScene {
    cTestScene();
    cObjectFactory factory;
    cTestServices services;
    std::unique_ptr<cBaseWidget> widget;
};

// The text of an example under data-src/scenes/examples/.
std::string ExampleSource(const std::string& name);
// The example compiled; fails the test when it does not compile.
std::vector<uint8_t> CompileExample(const std::string& name);
// A source compiled from text; empty bytes and the messages when refused.
std::vector<uint8_t> Compile(const std::string& text, std::vector<std::string>* messages);

}  // namespace scene_test
