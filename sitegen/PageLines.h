#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// The lines of a page being written. Reading past the end gives an empty
// line and writing past the end is ignored: the writers overwrite fixed
// slot lines of a template and never make the page longer by a put.
class PageLines {
public:
    PageLines() = default;
    explicit PageLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int Count() const { return static_cast<int>(lines_.size()); }
    std::string Get(int index) const;
    void Put(int index, std::string line);
    void Insert(int index, std::string line);
    void Delete(int index);
    void Clear() { lines_.clear(); }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Loads a file's lines, bytes unchanged. Throws PalimoraError when unreadable.
    void Load(const std::filesystem::path& file);
    // Writes every line followed by CR LF, replacing the file whole.
    void Save(const std::filesystem::path& file) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace palimora
