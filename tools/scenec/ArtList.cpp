#include "tools/scenec/ArtList.h"

#include <sstream>

#include "tools/scenec/Nearest.h"

namespace scenec {

bool cArtList::Parse(std::string_view text, std::string* error) {
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string what, first, second, extra;
        words >> what >> first >> second >> extra;
        if (what.empty())
            continue;
        const bool ok = (what == "sprite" && !second.empty() && extra.empty()) ||
                        (what == "back" && !first.empty() && second.empty());
        if (!ok) {
            *error = "line " + std::to_string(number) + ": expected 'sprite TEXTURE AREA', " +
                     "'sprite * NAME' or 'back NAME', not '" + line + "'";
            return false;
        }
        if (what == "back")
            m_backs.insert(first);
        else if (first == "*")
            m_alone.insert(second);
        else
            m_areas[first].insert(second);
    }
    return true;
}

std::string cArtList::CheckDecor(const std::string& sprite) const {
    const size_t split = sprite.find(';');
    if (split == std::string::npos) {
        if (m_alone.contains(sprite))
            return {};
        // A texture's area written without its texture is a likely slip too.
        for (const auto& [texture, areas] : m_areas) {
            if (areas.contains(sprite))
                return "no sprite is named '" + sprite + "' alone: did you mean '" + texture + ";" +
                       sprite + "'?";
        }
        return "no sprite is named '" + sprite + "'" +
               DidYouMean(sprite, std::vector<std::string>(m_alone.begin(), m_alone.end()));
    }
    const std::string texture = sprite.substr(0, split);
    const std::string area = sprite.substr(split + 1);
    const auto it = m_areas.find(texture);
    if (it == m_areas.end()) {
        std::vector<std::string> textures;
        for (const auto& entry : m_areas)
            textures.push_back(entry.first);
        return "no texture '" + texture + "' with named areas is made" +
               DidYouMean(texture, textures);
    }
    if (it->second.contains(area))
        return {};
    return "the texture '" + texture + "' has no area '" + area + "'" +
           DidYouMean(area, std::vector<std::string>(it->second.begin(), it->second.end()));
}

std::string cArtList::CheckBack(const std::string& name) const {
    if (m_backs.contains(name))
        return {};
    return "no background picture is named '" + name + "'" +
           DidYouMean(name, std::vector<std::string>(m_backs.begin(), m_backs.end()));
}

}  // namespace scenec
