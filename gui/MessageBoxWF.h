#pragma once
// The one "messagebox" window behind every question and error the game asks:
// an optional title, a text (one text control or numbered line controls), a
// large image and a small icon, and one or two buttons. While it shows it
// counts as an open modal layer, which pauses the focused widget. Any button
// closes it; "ok" gives the result 0, "cancel" 1. The caller tags each box
// with an identifier and reads it back with the result once the box is hidden.
#include <string>

#include "gui/BaseWF.h"

namespace qor {
class cCtrl;
class cWindow;
}  // namespace qor

class cMessageBoxWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    // Texture names for "image" and "icon". 1 (nothing done) before the window
    // was filled, else 0; the same for SetText and SetButtons.
    virtual int SetImages(const std::u16string& image, const std::u16string& icon);
    // "title" and "text"; without a "text" control the text is split at line
    // feeds over "line0", "line1", ... (surplus pieces dropped, spare lines emptied).
    virtual int SetText(const std::u16string& text, const std::u16string& title);
    // An empty cancel text hides "cancel": a one-button box.
    virtual int SetButtons(const std::u16string& okText, const std::u16string& cancelText);
    virtual void SetId(const std::u16string& newId) { id = newId; }
    virtual std::u16string GetId() const { return id; }
    virtual int GetResult() const { return result; }

    int result = 1;
    std::u16string id;
    qor::cWindow* window = nullptr;

  private:
    qor::cCtrl* Find(const std::u16string& name) const;
    // Whether this box holds one of the engine's modal layers now.
    bool m_counted = false;
};
