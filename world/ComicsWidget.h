#pragma once
// The picture stories ("comics"): the opening story a new player sees before
// the world map, and the closing story after the last level is won for the
// first time. A page is one full-screen picture that fades in over a second,
// stays with a line or two of caption and fades out over its last second.
// Escape ends the story, any other key turns the page at once, and a click
// cuts the page short to its last second. The panel "comics" with its "next"
// and "skip" buttons lies over it.
//
// Only one page picture is in memory at a time, under the texture name
// "comics_temp"; it is let go whenever the story leaves the screen, so the
// eight full-screen pictures never weigh on the rest of the game.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Widget.h"
#include "engine/Font.h"
#include "engine/TextureCache.h"

inline constexpr char16_t kComicsWidgetName[] = u"comics";
inline constexpr char16_t kComicsTextureName[] = u"comics_temp";
inline constexpr char16_t kComicsFontName[] = u"MonotypeCorsivaRegular18";
inline constexpr char16_t kComicsMusic[] = u"music3";
inline constexpr char16_t kMenuMusic[] = u"music0";

// One caption of a page: a localization key and where it stands. A negative
// x centres the line; a negative y puts it on the default line near the
// bottom. Otherwise (x, y) is the line's centre, y counted upwards.
struct cComicsCaption {
    std::u16string key;
    float x = -1.0f;
    float y = -1.0f;
};

struct cComicsStory {
    bool closing = false;
    int page = 0;  // the page on screen; -1 before the first
    qor::cTextureRef picture;
    float pageTimeLeft = 0.0f;  // seconds until the page is replaced; 0 when idle
    qor::cFontRef font;
    std::vector<std::u16string> pictures;  // per page: the picture's path
    std::vector<std::vector<cComicsCaption>> texts;
    std::vector<float> durations;  // per page: seconds it stays
};

class cComicsWidget : public qor::cWidget {
  public:
    // Registers with the engine core when one exists.
    cComicsWidget();
    ~cComicsWidget() override;

    void Draw() override;
    void Tick() override;
    // Builds the chosen story and starts its music; the first tick shows the
    // first page.
    void OnFocus() override;
    // Empties the story, lets the picture go and gives the menu its music back.
    void OnUnfocus() override;
    int OnEvent(int kind, int param) override;

    // 0 (false) the opening story, 1 the closing one; chosen before each focus,
    // since leaving the screen returns it to the opening story.
    void SetStory(bool closing);
    // The next page, or the end of the story when there is none.
    void NextPage();
    void AddPage(const std::u16string& picturePath, float seconds);
    // Ignored for a page that does not exist.
    void AddText(int page, const std::u16string& key, float x, float y);

    // The picture's opacity now: rising over a page's first second, falling
    // over its last.
    float PageOpacity() const;

    cComicsStory story;
    // What follows the story (the world map); set by the game.
    std::function<void()> onStoryOver;

  private:
    void ResetStory();
    void BuildStory();
    void EndStory();
    void DrawPage();
};
