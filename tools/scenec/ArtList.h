#pragma once
// The art the data build makes that a scene may name: the areas of each
// texture's atlas script, the sprites found by name alone, and the background
// pictures. The data build writes it as a file (tools/scenec/ArtManifest.cmake)
// and hands it to the compiler, so that a misspelt decor or background is
// refused instead of drawing nothing.
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace scenec {

class cArtList {
  public:
    // Reads the list's text; false (with `error` set to the line and reason)
    // when a line cannot be read.
    bool Parse(std::string_view text, std::string* error);

    // Empty when a decor of that sprite name ("TEXTURE;AREA" or a name alone)
    // has art; else the refusal, with the nearest known name.
    std::string CheckDecor(const std::string& sprite) const;
    // The same for a background picture pair.
    std::string CheckBack(const std::string& name) const;

  private:
    std::map<std::string, std::set<std::string>> m_areas;  // texture -> its areas
    std::set<std::string> m_alone;                         // sprites found by name alone
    std::set<std::string> m_backs;
};

}  // namespace scenec
