#pragma once

// A program folder of its own for a benchmark run (one per process): a copy of the built one with
// the language already chosen, so no first-start window waits for an answer.

#include "common/ProgramFolder.h"
#include "lang/LanguageChoice.h"

#include <unistd.h>
#include <filesystem>
#include <string>

namespace palimora::bench {

inline std::filesystem::path ProgramFolderCopy(const std::filesystem::path& built, const std::string& name) {
    const std::filesystem::path copy = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(copy);
    std::filesystem::copy(built, copy, std::filesystem::copy_options::recursive);
    SaveLanguageChoice(ProgramFolder(copy), kEnglishChoice);
    return copy;
}

}  // namespace palimora::bench
