#include "common/TextLines.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

TextLines SplitLines(std::string_view contents) {
    TextLines lines;
    std::string current;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

void RequireOrdinaryFile(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error || !fs::exists(status)) FailOnFile(Failure::CannotRead, file);
    if (!fs::is_regular_file(status)) FailOnFile(Failure::NotAFile, file);
}

std::string ReadFileBytes(const fs::path& file, std::uintmax_t maxBytes) {
    RequireOrdinaryFile(file);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error && size > maxBytes) FailOnFile(Failure::FileTooLarge, file);
    std::ifstream in(file, std::ios::binary);
    if (!in) FailOnFile(Failure::CannotRead, file);
    // The size told may be wrong (a file still growing, a system file that
    // says 0): the reading stops at the bound whatever it said.
    std::string bytes;
    if (!error) bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) FailOnFile(Failure::FileTooLarge, file);
    }
    if (in.bad()) FailOnFile(Failure::CannotRead, file);
    return bytes;
}

TextLines ReadTextLines(const fs::path& file) { return SplitLines(ReadFileBytes(file)); }

std::string JoinTextLines(const TextLines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void WriteTextLines(const fs::path& file, const TextLines& lines, Durability durability) {
    WriteFileAtomically(file, JoinTextLines(lines), durability);
}

}  // namespace palimora
