#pragma once
// A widget is a full-screen mode of the program (splash, loading screen, level,
// world map, comics, achievements room). Exactly one is focused at a time and
// it draws the whole frame. Constructing a widget registers it with cGame,
// which owns it from then on; a widget that is destroyed otherwise leaves
// cGame's list as it goes.
#include <string>

namespace qor {

// Event kinds of OnEvent.
enum eWidgetEvent : int {
    kWidgetKeyDown = 1,
    kWidgetChar = 3,
    kWidgetMouseDown = 4,
    kWidgetMouseUp = 5,
    kWidgetMouseMove = 6,
    kWidgetLocaleChanged = 8,
};

class cWidget {
public:
    // Registers the widget at the end of cGame's list; cGame must exist.
    explicit cWidget(std::u16string name);
    virtual ~cWidget();
    cWidget(const cWidget&) = delete;
    cWidget& operator=(const cWidget&) = delete;

    virtual void Draw();
    virtual void Tick() {}
    virtual void Update(float /*seconds*/) {}
    virtual const std::u16string& GetName() const { return m_name; }
    virtual void OnFocus() {}
    virtual void OnUnfocus() {}
    virtual int OnEvent(int /*kind*/, int /*param*/) { return 0; }

private:
    std::u16string m_name;
};

}  // namespace qor
