#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Text files of numbered lines (language files, palimora.ini, settings lines).
// Lines end with CR LF; a lone CR or LF ends a line too. A final line end does
// not start another line. Bytes are kept as they are (Windows-1252).
namespace palimora {

using TextLines = std::vector<std::string>;

// Splits file contents into lines.
TextLines SplitLines(std::string_view contents);

// Reads a whole file. Throws PalimoraError when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);
TextLines ReadTextLines(const std::filesystem::path& file);

// Writes through a temporary file in the same folder renamed over the target,
// so the old file stays whole until the new one is complete.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);
void WriteTextLines(const std::filesystem::path& file, const TextLines& lines);

}  // namespace palimora
