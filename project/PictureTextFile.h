#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace palimora {

// textes/images.dat: titles and comments of a project's pictures, one fixed
// record per picture, found by number (layout in PictureTextLayout.h).
// A truncated file or a record with an impossible length byte is read
// safely: a cut last record is ignored, a length is never trusted past its field.
class PictureTextFile {
public:
    struct Texts {
        std::string title;    // at most 200 characters
        std::string comment;  // the comment's lines in comma-list form, at most 249
    };

    explicit PictureTextFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    // Creates the file empty, replacing one that was there.
    void CreateEmpty() const;

    std::optional<Texts> Read(int number) const;
    // The titles of pictures 1 to `count`, read in one pass (empty for a
    // picture without texts).
    std::vector<std::string> Titles(int count) const;
    // Overwrites picture n's record, or appends one; texts are cut to their fields.
    void Write(int number, const std::string& title, const std::string& comment) const;
    // Adds a record for picture n, which has none (see Numbers): only that
    // record is written, whatever the file's size.
    void Append(int number, const Texts& texts) const;
    // The numbers that have a record, read in one pass.
    std::set<int> Numbers() const;
    // Frees picture n's record (number 0, empty texts); appends a free record when it has none.
    void Clear(int number) const;
    // Writes picture `from`'s texts as picture `to`'s; `from` stays as it was.
    void Copy(int from, int to) const;
    // Gives picture `from`'s record the number `to`; false when it has none.
    bool Renumber(int from, int to) const;
    // Gives each record numbered as a key of `renumbering` the number it maps
    // to, in one write of the file (a kill leaves all or none renumbered).
    void RenumberAll(const std::map<int, int>& renumbering) const;
    // Into the slot of picture `oldNumber` here, writes number `newNumber`
    // with the texts that `backup` holds for `oldNumber`.
    void CopyFromBackup(const PictureTextFile& backup, int oldNumber, int newNumber) const;

    // The slot (1 and up) of picture n's record.
    std::optional<std::size_t> FindSlot(int number) const;
    std::size_t SlotCount() const;

private:
    void WriteSlot(std::size_t slot, int number, const Texts& texts) const;

    std::filesystem::path file_;
};

// Every picture's texts as images.dat held them when it was read, in one
// pass: for work that looks up many pictures (a build, a preview), which
// then never reads the file again.
class PictureTextIndex {
public:
    PictureTextIndex() = default;
    explicit PictureTextIndex(const PictureTextFile& file);

    // As PictureTextFile::Read found it at the reading.
    std::optional<PictureTextFile::Texts> Read(int number) const;

private:
    std::unordered_map<int, PictureTextFile::Texts> texts_;
};

}  // namespace palimora
