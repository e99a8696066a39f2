#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Every text the program keeps is 8-bit Windows-1252, held as bytes in
// std::string. This is the one place where it meets UTF-8: the screen
// (through the GUI's QString helpers) and file names on disk.
namespace palimora {

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value.
std::string Utf8FromCp1252(std::string_view cp1252);

// UTF-8 to Windows-1252. Throws PalimoraError naming the first character that
// Windows-1252 cannot hold, or the first byte that is not valid UTF-8.
std::string Cp1252FromUtf8(std::string_view utf8);

// UTF-8 to Windows-1252 for a message: characters it cannot hold become '?'.
std::string Cp1252ForDisplay(std::string_view utf8);
std::string DisplayPath(const std::filesystem::path& path);

// A Windows-1252 letter without its accent ('\xE9' gives 'e', '\x8A' 'S');
// any other byte as it is.
char Cp1252BaseLetter(char cp1252);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsCp1252(std::string_view utf8);

// A Windows-1252 name as a path on disk (file names are UTF-8 there).
std::filesystem::path PathFromCp1252(std::string_view cp1252);

// A file name read from disk, as Windows-1252. Throws like Cp1252FromUtf8.
std::string Cp1252FromPath(const std::filesystem::path& path);

}  // namespace palimora
