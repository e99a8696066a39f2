#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// The opening words of the messages the lower layers compose when a file,
// a text or the server connection fails them ("<words> <file>."). The
// running language installs its own texts whenever its file is loaded;
// until one is, and for any it leaves out, both languages are given.
enum class Failure {
    CannotRead,
    NotAFile,
    FileTooLarge,
    CannotWrite,
    CannotReplace,
    CannotCopy,
    NotUtf8,
    NotStorable,
    NotConnected,
    ListingBusy,
    ControlInName,
    NameNeedsUtf8Server,
};
inline constexpr int kFailureCount = static_cast<int>(Failure::NameNeedsUtf8Server) + 1;

std::string FailureText(Failure failure);
// The whole message about a file or folder: "<words> <file>.".
std::string FailureAbout(Failure failure, const std::filesystem::path& file);
// Throws PalimoraError with that message.
[[noreturn]] void FailOnFile(Failure failure, const std::filesystem::path& file);

// Texts in the order of Failure; an empty or missing text keeps the
// two-language wording.
void SetFailureTexts(std::vector<std::string> texts);

}  // namespace palimora
