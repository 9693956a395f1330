#pragma once
// Where a sprite of the content tables lives: a texture and an area of its
// atlas. The names point at the tables' own constant texts. An empty name
// means "no sprite"; looking it up draws nothing and logs nothing.
#include <string_view>

struct SpriteName {
    std::u16string_view texture;
    std::u16string_view area;

    bool empty() const { return area.empty(); }
    friend bool operator==(const SpriteName&, const SpriteName&) = default;
};
