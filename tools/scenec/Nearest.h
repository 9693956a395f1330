#pragma once
// Suggestions for a misspelt name: the known name nearest to what was written.
#include <string>
#include <string_view>
#include <vector>

namespace scenec {

// The candidate fewest edits away from `word`, when it is close enough to be
// what was meant (at most two edits, and fewer than the word's length); else
// empty.
std::string Nearest(std::string_view word, const std::vector<std::string>& candidates);

// ": did you mean 'NAME'?" for the nearest candidate, or nothing.
std::string DidYouMean(std::string_view word, const std::vector<std::string>& candidates);

}  // namespace scenec
