#pragma once
// The entries of data-src/manifest.txt, the list of names the game looks up in
// its data, in the order written there. Tests compare the game's own tables
// with it: the two are written separately, so a name typed wrong, left out or
// moved on either side shows up as a difference.
#include <string>
#include <vector>

namespace qor::test {

struct cManifestEntry {
    std::string kind;  // "sound", "area", "locale" ...
    std::string name;
    bool missing = false;  // marked as data still to come
};

// Every entry, with or without the "missing" mark.
std::vector<cManifestEntry> ReadManifest();
// The names of the entries of one kind, in order.
std::vector<std::string> ManifestNames(const std::string& kind);

}  // namespace qor::test
