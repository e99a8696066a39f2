#pragma once

#include "lang/TextId.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace palimora {

class ProgramFolder;

// Settings lines keep style words (a position, a style, a corner, the
// browser's font) in the language the program spoke when they were chosen.
// A project opened in another language reads them all the same: a stored
// word is the item whose text it is in any language of the program folder.

// The index in `texts` of the item whose text, in one of the program
// folder's languages, is `stored` (letter case ignored); nothing when none is.
std::optional<std::size_t> StyleWordIndex(const ProgramFolder& folder, std::span<const TextId> texts,
                                          std::string_view stored);

}  // namespace palimora
