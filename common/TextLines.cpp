#include "common/TextLines.h"

#include "common/Cp1252.h"
#include "common/Error.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

std::string Shown(const fs::path& file) {
    try {
        return Cp1252FromPath(file);
    } catch (const PalimoraError&) {
        return file.string();
    }
}

}  // namespace

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

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw PalimoraError("Impossible de lire / cannot read: " + Shown(file));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw PalimoraError("Impossible de lire / cannot read: " + Shown(file));
    return bytes;
}

TextLines ReadTextLines(const fs::path& file) {
    return SplitLines(ReadFileBytes(file));
}

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    fs::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw PalimoraError("Impossible d'\xE9" "crire / cannot write: " + Shown(file));
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        fs::remove(temporary, error);
        throw PalimoraError("Impossible de remplacer / cannot replace: " + Shown(file));
    }
}

void WriteTextLines(const fs::path& file, const TextLines& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    WriteFileAtomically(file, bytes);
}

}  // namespace palimora
