#include "tools/scenec/Nearest.h"

#include <algorithm>

namespace scenec {
namespace {

// Levenshtein distance.
size_t Distance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1] ? 1u : 0u)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::string Nearest(std::string_view word, const std::vector<std::string>& candidates) {
    std::string best;
    size_t bestDistance = std::min<size_t>(3, word.size());
    for (const std::string& candidate : candidates) {
        const size_t d = Distance(word, candidate);
        if (d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    }
    return best;
}

std::string DidYouMean(std::string_view word, const std::vector<std::string>& candidates) {
    const std::string best = Nearest(word, candidates);
    return best.empty() ? std::string() : ": did you mean '" + best + "'?";
}

}  // namespace scenec
