#include <cstdio>
#include <span>
#include <string>

#include "app/CommandLine.h"
#include "app/Platform.h"

int main(int argc, char** argv) {
    std::string error;
    const std::span<const char* const> words(argv + 1, argc > 1 ? argc - 1 : 0);
    if (!qor::ParseCommandLine(words, &qor::g_commandLine, &error)) {
        std::fprintf(stderr, "brindlemoor: %s\n%s", error.c_str(), qor::CommandLineUsage());
        return 2;
    }
    if (qor::g_commandLine.help) {
        std::fputs(qor::CommandLineUsage(), stdout);
        return 0;
    }
    return qor::RunGame();
}
