#pragma once

#include "lang/TextId.h"

#include <map>
#include <string>

namespace palimora::testing {

// A whole language file: every text numbered on its line, `texts` where
// given (Windows-1252), "text N" elsewhere.
inline std::string WholeLanguageFile(const std::map<int, std::string>& texts) {
    std::string file;
    for (int n = 0; n < kLanguageFileLines; ++n) {
        const auto given = texts.find(n);
        file += std::to_string(n) + "," + (given != texts.end() ? given->second : "text " + std::to_string(n)) + "\r\n";
    }
    return file;
}

}  // namespace palimora::testing
