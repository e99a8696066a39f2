#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);

// Copies the shipped assets into `root`, making it a program folder.
void StageProgramFolder(const std::filesystem::path& root);

}  // namespace palimora::testing
