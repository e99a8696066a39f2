#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// SHA-256 digests as 64 lowercase hexadecimal digits.
std::string Sha256Of(std::string_view bytes);
// Of a file's bytes, read in blocks; throws PalimoraError naming the file
// when it cannot be read to its end.
std::string Sha256OfFile(const std::filesystem::path& file);

}  // namespace palimora
