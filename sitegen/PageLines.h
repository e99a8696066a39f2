#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // Inserts the lines before `index`, and deletes lines first..last (nothing
    // when last < first), each at the cost of one move of the page's tail.
    void InsertLines(int index, const std::vector<std::string>& lines);
    void DeleteLines(int first, int last);
    void Clear();
    const std::vector<std::string>& Lines() const { return lines_; }

    // The index of the first line at or after `start` that reads exactly
    // `markerLine`, a line beginning with "<!--"; -1 when there is none. The
    // page is read once to learn where its marker lines are, and that is
    // kept up to date as lines change, so a page of any length is not read
    // again for every marker a writer looks for.
    int FindMarkerLine(std::string_view markerLine, int start) const;

    // Loads a file's lines, bytes unchanged. Throws PalimoraError when unreadable.
    void Load(const std::filesystem::path& file);
    // Writes every line followed by CR LF, replacing the file whole.
    void Save(const std::filesystem::path& file) const;
    // Leaves a file that already holds these lines as it is, its time included.
    void SaveIfChanged(const std::filesystem::path& file) const;

private:
    void Index() const;
    void Unindex(int index) const;
    void IndexLine(int index) const;
    void Shift(int from, int by) const;

    std::vector<std::string> lines_;
    // Where each line that begins with "<!--" is, in ascending order; built
    // at the first search.
    mutable std::unordered_map<std::string, std::vector<int>> markerLines_;
    mutable bool indexed_ = false;
};

}  // namespace palimora
