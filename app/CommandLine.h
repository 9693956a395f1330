#pragma once
// What the game was started with. The game takes one switch:
//   --replay FILE   after loading, play the replay FILE in its level instead
//                   of showing the menu (the menu comes when FILE is missing,
//                   damaged or made for a level this game does not have)
//   --help          prints the usage and leaves
#include <span>
#include <string>

namespace qor {

struct cCommandLine {
    std::u16string replayFile;  // absolute, or empty
    bool help = false;
};

// The words after the program's name. False, with what is wrong, for an
// unknown word or a switch without its value. A relative FILE is taken from
// the current folder, as a shell user means it.
bool ParseCommandLine(std::span<const char* const> words, cCommandLine* out, std::string* error);

// How to start the game, for --help and after a mistake.
const char* CommandLineUsage();

// The start-up switches, read by the game at the end of loading.
extern cCommandLine g_commandLine;

}  // namespace qor
