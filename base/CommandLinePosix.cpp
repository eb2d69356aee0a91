#include "base/CommandLine.h"

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

void UseUtf8Console() {}
