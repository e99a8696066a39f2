#pragma once

#include "common/AtomicFiles.h"

#include <cstdint>
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

// Text files beyond this size are refused rather than read.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16u << 20;

// Throws PalimoraError naming the file unless it is an ordinary file (a
// symbolic link to one will do): a folder, a device or a pipe could never
// be read whole, or would block the reader.
void RequireOrdinaryFile(const std::filesystem::path& file);

// Reads a whole ordinary file of at most maxBytes bytes. Throws
// PalimoraError naming the file when it is not one, is larger or cannot be
// read.
std::string ReadFileBytes(const std::filesystem::path& file, std::uintmax_t maxBytes = kMaxTextFileBytes);
TextLines ReadTextLines(const std::filesystem::path& file);

// The bytes of a text file of these lines, each ended by CR LF.
std::string JoinTextLines(const TextLines& lines);

// Writes the lines whole or not at all (AtomicFiles.h); flushed to the disk
// unless told otherwise, since most text files are the program's own.
void WriteTextLines(const std::filesystem::path& file, const TextLines& lines,
                    Durability durability = Durability::Flushed);

}  // namespace palimora
