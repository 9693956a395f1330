#include "tests/ManifestEntries.h"

#include <fstream>
#include <sstream>

namespace qor::test {

std::vector<cManifestEntry> ReadManifest() {
    std::ifstream in(std::string(QOR_SOURCE_DIR) + "/data-src/manifest.txt");
    std::vector<cManifestEntry> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        cManifestEntry entry;
        if (words >> entry.kind >> entry.name) {
            std::string mark;
            while (words >> mark)
                entry.missing = entry.missing || mark == "missing";
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::vector<std::string> ManifestNames(const std::string& kind) {
    std::vector<std::string> names;
    for (const cManifestEntry& entry : ReadManifest()) {
        if (entry.kind == kind)
            names.push_back(entry.name);
    }
    return names;
}

}  // namespace qor::test
