#pragma once

#include "common/ProgramFolder.h"

#include <string>

namespace palimora {

// The program folder a program starts on. When the running copy's folder
// cannot be prepared (a read-only installation without a usable home
// folder), the folder of its read-only data stands in, enough for --help
// and --version, and `problem` says why nothing else can run.
struct StartFolder {
    ProgramFolder folder;
    std::string problem;  // Windows-1252, in the locale's language; empty when the folder is usable
};

StartFolder FindStartFolder();

}  // namespace palimora
