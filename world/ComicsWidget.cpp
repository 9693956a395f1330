#include "world/ComicsWidget.h"

#include <cmath>

#include "app/Game.h"
#include "engine/Image.h"
#include "engine/Log.h"
#include "engine/Music.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/SoundManager.h"
#include "engine/SpriteBatch.h"
#include "engine/StringTable.h"
#include "scene/SceneDraw.h"

namespace {

constexpr std::u16string_view kSender = u"cComicsWidget";
constexpr int kEscape = 27;
constexpr float kFadeSeconds = 1.0f;
constexpr float kMusicFadeSeconds = 1.0f;
// Where a caption without a height of its own stands, from the bottom edge.
constexpr float kDefaultCaptionY = 30.0f;
// Dark brown, like ink on the pages' parchment strip.
constexpr float kInkRed = 0.14f, kInkGreen = 0.10f, kInkBlue = 0.06f;

struct cPageDef {
    const char16_t* picture;
    float seconds;
    std::vector<cComicsCaption> captions;
};

const std::vector<cPageDef>& OpeningStory() {
    static const std::vector<cPageDef> pages = {
        {u"comics1.jpg", 10.0f, {{u"ComicsStart00", -1.0f, -1.0f}}},
        {u"comics2.jpg", 5.0f, {}},
        {u"comics3.jpg", 10.0f, {{u"ComicsStart20", -1.0f, -1.0f}}},
        {u"comics4.jpg", 10.0f, {{u"ComicsStart30", -1.0f, -1.0f}}},
    };
    return pages;
}

const std::vector<cPageDef>& ClosingStory() {
    static const std::vector<cPageDef> pages = {
        {u"comics5.jpg",
         10.0f,
         {{u"ComicsFinish00", -1.0f, 55.0f}, {u"ComicsFinish01", -1.0f, 35.0f}}},
        {u"comics6.jpg",
         10.0f,
         {{u"ComicsFinish10", -1.0f, 55.0f}, {u"ComicsFinish11", -1.0f, 35.0f}}},
        {u"comics7.jpg", 10.0f, {{u"ComicsFinish20", -1.0f, -1.0f}}},
        {u"comics8.jpg", 10.0f, {{u"ComicsFinish30", -1.0f, -1.0f}}},
    };
    return pages;
}

qor::cMusic* Track(const char16_t* name) {
    return qor::g_soundManager ? qor::g_soundManager->FindMusic(name) : nullptr;
}

}  // namespace

cComicsWidget::cComicsWidget() : qor::cWidget(kComicsWidgetName) {
    ResetStory();
}

cComicsWidget::~cComicsWidget() {
    ResetStory();
}

void cComicsWidget::ResetStory() {
    story.closing = false;
    story.page = 0;
    if (story.picture) {
        // The cache would keep the full-screen picture alive until the next
        // story; nobody else holds it, so this frees its memory and its
        // device texture now.
        story.picture.reset();
        qor::RemoveTexture(kComicsTextureName);
    }
    story.pageTimeLeft = 0.0f;
    story.font = qor::FindFont(kComicsFontName);
    story.pictures.clear();
    story.texts.clear();
    story.durations.clear();
}

void cComicsWidget::SetStory(bool closing) {
    story.closing = closing;
}

void cComicsWidget::AddPage(const std::u16string& picturePath, float seconds) {
    story.pictures.push_back(picturePath);
    story.durations.push_back(seconds);
    story.texts.emplace_back();
}

void cComicsWidget::AddText(int page, const std::u16string& key, float x, float y) {
    if (page < 0 || static_cast<size_t>(page) >= story.texts.size())
        return;
    story.texts[static_cast<size_t>(page)].push_back({key, x, y});
}

void cComicsWidget::BuildStory() {
    const std::vector<cPageDef>& pages = story.closing ? ClosingStory() : OpeningStory();
    for (const cPageDef& def : pages) {
        const int index = static_cast<int>(story.pictures.size());
        AddPage(u"{StaticPath}/texture/comics/" + std::u16string(def.picture), def.seconds);
        for (const cComicsCaption& caption : def.captions)
            AddText(index, caption.key, caption.x, caption.y);
    }
}

void cComicsWidget::OnFocus() {
    BuildStory();
    story.page = -1;
    if (qor::cMusic* menu = Track(kMenuMusic); menu && menu->IsActive())
        menu->Pause();
    if (qor::cMusic* music = Track(kComicsMusic)) {
        music->Fade(true, kMusicFadeSeconds);
        music->SetLoop();
        music->Play();
    }
}

void cComicsWidget::OnUnfocus() {
    ResetStory();
    if (qor::cMusic* music = Track(kComicsMusic); music && music->IsActive())
        music->Fade(false, kMusicFadeSeconds);
    if (qor::cMusic* menu = Track(kMenuMusic))
        menu->Play();
}

void cComicsWidget::EndStory() {
    if (onStoryOver)
        onStoryOver();
}

void cComicsWidget::NextPage() {
    ++story.page;
    if (story.page < 0 || static_cast<size_t>(story.page) >= story.pictures.size()) {
        EndStory();
        return;
    }
    const size_t page = static_cast<size_t>(story.page);
    story.pageTimeLeft = story.durations[page];
    qor::cImage image;
    if (const int code = qor::LoadImage(&image, qor::cPath(story.pictures[page])); code != 0) {
        // The page keeps the picture before it, or a plain page on the first.
        qor::LogEntry(qor::kLogWarning, kSender, u"Cannot read the page '%s' (%i)",
                      story.pictures[page], code);
        return;
    }
    if (story.picture)
        qor::SetTextureImage(story.picture.get(), image);
    else
        story.picture = qor::AddTexture(kComicsTextureName, std::move(image));
}

void cComicsWidget::Tick() {
    story.pageTimeLeft -= qor::kTickSeconds;
    if (story.pageTimeLeft <= 0.0f)
        NextPage();
}

int cComicsWidget::OnEvent(int kind, int param) {
    if (kind == qor::kWidgetKeyDown) {
        if (param == kEscape)
            EndStory();
        else
            NextPage();
    } else if (kind == qor::kWidgetMouseDown) {
        if (story.pageTimeLeft > kFadeSeconds)
            story.pageTimeLeft = kFadeSeconds;
    }
    return 0;
}

float cComicsWidget::PageOpacity() const {
    if (story.pageTimeLeft < kFadeSeconds)
        return std::fmax(story.pageTimeLeft, 0.0f);
    if (story.page < 0 || static_cast<size_t>(story.page) >= story.durations.size())
        return 1.0f;
    const float elapsed = story.durations[static_cast<size_t>(story.page)] - story.pageTimeLeft;
    return elapsed < kFadeSeconds ? std::fmax(elapsed, 0.0f) : 1.0f;
}

void cComicsWidget::Draw() {
    qor::cSpriteBatch* batch = qor::g_game ? qor::g_game->batch() : nullptr;
    if (qor::g_render && batch) {
        if (g_sceneDraw)
            g_sceneDraw->DrawWidescreenBars(batch);
        qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
        batch->Clear();
        qor::g_render->SetBlend(qor::kBlendOff, 0.0f);
        qor::DrawSprite(batch, nullptr, {0, 0, 1, 1}, {0, 0, kVirtualWidth, kVirtualHeight},
                        0xFF000000u);
        qor::FlushBatch(batch);
        batch->Clear();
        if (story.pageTimeLeft > 0.0f)
            DrawPage();
        qor::g_render->End2D();
    }
    qor::cWidget::Draw();
}

void cComicsWidget::DrawPage() {
    qor::cSpriteBatch* batch = qor::g_game->batch();
    const float alpha = PageOpacity();
    qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    qor::DrawSprite(batch, story.picture, {0, 0, 1, 1}, {0, 0, kVirtualWidth, kVirtualHeight},
                    qor::PackColor(1.0f, 1.0f, 1.0f, alpha));
    const size_t page = static_cast<size_t>(story.page);
    if (page < story.texts.size() && story.font) {
        const uint32_t ink = qor::PackColor(kInkRed, kInkGreen, kInkBlue, alpha);
        for (const cComicsCaption& caption : story.texts[page]) {
            const std::u16string& text = qor::GetLocalizedText(caption.key);
            const qor::cVec2 size = qor::MeasureText(text, story.font.get());
            const float x =
                caption.x < 0.0f ? (kVirtualWidth - size.x) * 0.5f : caption.x - size.x * 0.5f;
            const float y = caption.y < 0.0f ? kDefaultCaptionY : caption.y - size.y * 0.5f;
            qor::DrawText(batch, text, x, y, story.font.get(), ink);
        }
    }
    qor::FlushBatch(batch);
    batch->Clear();
    qor::g_render->SetBlend(qor::kBlendOff, 0.0f);
}
