#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// Every text the program keeps is 8-bit Windows-1252, held as bytes in
// std::string. This is the one place where it meets UTF-8: the screen
// (through the GUI's QString helpers) and file names on disk.
//
// A character Windows-1252 cannot hold (from U+0100 on) is kept as an HTML
// numeric character reference: "&#", its code point in decimal without
// leading zeros, ";" ("\xA3&#321;\xF3d&#378;" is "£Łódź"). Text Windows-1252
// can hold keeps its bytes; the files the program writes stay Windows-1252
// files that any reader of them keeps whole, and a page of an older build
// shows the character. Only references of that exact form stand for a
// character: "&#65;" or "&#08364;" are the characters typed.
namespace palimora {

// Text in UTF-8, as it crosses the program's edge: file names on disk, the
// command line and the terminal, the screen, a server that speaks UTF-8.
// A type of its own, so that it is never taken for the Windows-1252 text
// the program keeps: its bytes are reached by name.
class Utf8Text {
public:
    Utf8Text() = default;
    explicit Utf8Text(std::string bytes) : bytes_(std::move(bytes)) {}
    const std::string& Bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }
    friend bool operator==(const Utf8Text&, const Utf8Text&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Utf8Text& text) { return out << text.bytes_; }

private:
    std::string bytes_;
};

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value.
Utf8Text Utf8FromCp1252(std::string_view cp1252);

// UTF-8 to Windows-1252, characters beyond it as references. Throws
// PalimoraError naming the first byte that is not valid UTF-8, or a C1
// control character Windows-1252 has no byte for.
std::string Cp1252FromUtf8(const Utf8Text& utf8);
// True when Cp1252FromUtf8 takes the text.
bool IsStorableText(const Utf8Text& utf8);

// UTF-8 to Windows-1252 for a message: what cannot be stored becomes '?'.
std::string Cp1252ForDisplay(const Utf8Text& utf8);
std::string DisplayPath(const std::filesystem::path& path);

// A Windows-1252 letter without its accent ('\xE9' gives 'e', '\x8A' 'S');
// any other byte as it is.
char Cp1252BaseLetter(char cp1252);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsCp1252(const Utf8Text& utf8);

// The code point of the reference that begins at `pos`, with its length in
// bytes; nothing when no reference begins there.
struct CharacterReference {
    char32_t codePoint;
    std::size_t length;
};
std::optional<CharacterReference> ReferenceAt(std::string_view cp1252, std::size_t pos);
// The bytes of the character at `pos`: a reference's length, or 1.
std::size_t CharacterLength(std::string_view cp1252, std::size_t pos);
// True when the text holds a character beyond Windows-1252.
bool HoldsReferences(std::string_view cp1252);
// The longest start of the text within `maxBytes` that cuts no reference.
std::string_view CutToBytes(std::string_view cp1252, std::size_t maxBytes);

// Appends a code point to UTF-8 bytes.
void AppendUtf8(std::string& out, char32_t codePoint);

// A path's name on disk, as it is there.
Utf8Text Utf8OfPath(const std::filesystem::path& path);
// A Windows-1252 name as a path on disk (file names are UTF-8 there).
std::filesystem::path PathFromCp1252(std::string_view cp1252);

// A file name read from disk, as Windows-1252. Throws like Cp1252FromUtf8.
std::string Cp1252FromPath(const std::filesystem::path& path);

}  // namespace palimora
