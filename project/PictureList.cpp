#include "project/PictureList.h"

#include "common/AtomicFiles.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureContent.h"
#include "project/PictureNames.h"
#include "project/PictureTextLayout.h"
#include "project/ProjectLayout.h"

#include <map>
#include <system_error>
#include <utility>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// A number picture files never reach, used while two pictures swap places.
constexpr int kSwapNumber = 9999;

// Renames each file in turn. When a rename fails, those done are undone
// backwards, so every picture keeps its number (and so its texts), and the
// failure is thrown.
void RenameAllOrNone(const std::vector<std::pair<fs::path, fs::path>>& renames) {
    for (std::size_t done = 0; done < renames.size(); ++done) {
        std::error_code error;
        fs::rename(renames[done].first, renames[done].second, error);
        if (!error) continue;
        for (std::size_t back = done; back-- > 0;) {
            std::error_code ignored;  // what cannot be put back shows in the next listing
            fs::rename(renames[back].second, renames[back].first, ignored);
        }
        throw fs::filesystem_error("rename", renames[done].first, renames[done].second, error);
    }
}

// Where added pictures are made whole before they join the list.
constexpr const char* kStagingFolder = ".adding";

// A copy's extension names what the source holds: its own extension when it
// says so, else the format's (a JPEG named ".jpe" is kept as ".jpg").
std::string CopyExtension(const fs::path& source) {
    const std::string name = source.filename().string();
    const PictureFormat content = PictureFormatOfContent(source);
    if (content == PictureFormat::Other || FormatOfName(name) == content) return LowerExtensionOf(name);
    return ProjectExtensionOf(content);
}

}  // namespace

std::string TitleOfSource(const fs::path& source) {
    try {
        return Cp1252FromPath(source.stem());
    } catch (const PalimoraError&) {
        // Not UTF-8: older cameras and archives write names in Windows-1252,
        // and the name is read as it was written, its control bytes as blanks.
        std::string title = source.stem().string();
        for (char& c : title) {
            if (static_cast<unsigned char>(c) < 32) c = ' ';
        }
        return title;
    }
}

PictureList::PictureList(fs::path projectFolder)
    : folder_(std::move(projectFolder)), texts_(project_layout::PictureTextFile(folder_)) {}

fs::path PictureList::PicturesFolder() const { return project_layout::PicturesFolder(folder_); }

std::vector<std::string> PictureList::Files() const { return ListPictureFiles(PicturesFolder()); }

void PictureList::RenameTo(const std::string& name, int number) const {
    std::error_code ignored;  // the next listing shows the files as they are
    fs::rename(FileOf(name), FileOf(SixDigits(number) + ExtensionOf(name)), ignored);
}

std::vector<PictureList::Added> PictureList::Add(const std::vector<fs::path>& sources, int current,
                                                 const Converter& convert, AddedTexts from) {
    std::vector<PictureTextFile::Texts> texts;  // every name is checked before anything moves
    for (const fs::path& source : sources) texts.push_back(TextsOfAddedPicture(source, from));
    const std::vector<std::string> files = Files();
    const int count = static_cast<int>(files.size());
    const int inserted = static_cast<int>(sources.size());
    int next = current + 1;
    if (current < count) {
        // Free the numbers current .. current + k - 1, from the last picture down.
        for (auto it = files.rbegin(); it != files.rend(); ++it) {
            const int number = PictureFileNumber(*it);
            if (number < current) continue;
            texts_.Copy(number, number + inserted);
            RenameTo(*it, number + inserted);
        }
        next = current;
    }
    // Each picture is copied and converted in the staging folder, then its
    // record is written and only then is it renamed into the list: a kill or
    // a full disk never leaves a cut picture, nor a picture without texts.
    const fs::path staging = PicturesFolder() / kStagingFolder;
    std::error_code error;
    fs::create_directories(staging, error);
    if (error) FailOnFile(Failure::CannotWrite, staging);
    std::vector<Added> added;
    // A number without a record gets one added at the end of images.dat,
    // which is not written whole again for each picture.
    std::set<int> recorded = texts_.Numbers();
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const fs::path& source = sources[i];
        const int number = next++;
        const fs::path copy = staging / (SixDigits(number) + CopyExtension(source));
        try {
            CopyFileAtomically(source, copy, Durability::Flushed);
        } catch (const PalimoraError&) {
            fs::remove_all(staging, error);
            throw;
        }
        fs::path stays = copy;
        try {
            if (convert) stays = convert(copy, source);
        } catch (const PalimoraError&) {
            fs::remove_all(staging, error);  // this picture is not added; those before it are
            throw;
        }
        if (stays != copy) FlushFile(stays);
        if (recorded.insert(number).second) {
            texts_.Append(number, texts[i]);
        } else {
            texts_.Write(number, texts[i].title, texts[i].comment);
        }
        const fs::path placed = FileOf(stays.filename().string());
        fs::rename(stays, placed, error);
        if (error) {
            fs::remove_all(staging, error);
            FlushFolder(PicturesFolder());
            FailOnFile(Failure::CannotCopy, source);
        }
        added.push_back({number, texts[i].title, texts[i].comment, placed});
    }
    // The pictures' names in the list go to the disk once, with the staging folder's removal.
    fs::remove_all(staging, error);
    FlushFolder(PicturesFolder());
    return added;
}

void PictureList::Reconcile() const {
    std::error_code error;
    fs::remove_all(PicturesFolder() / kStagingFolder, error);
    for (const fs::path& folder : {folder_, PicturesFolder(), project_layout::TextsFolder(folder_)})
        RemoveTemporaries(folder);
    // One pass finds the numbers with a record; only a picture without one is written.
    const std::set<int> recorded = texts_.Numbers();
    for (const std::string& name : Files()) {
        const int number = PictureFileNumber(name);
        if (number > 0 && !recorded.contains(number)) texts_.Append(number, {});
    }
}

std::vector<int> PictureList::Delete(const std::vector<int>& positions) {
    const std::vector<std::string> before = Files();
    std::vector<int> deleted;
    for (int position : positions) {
        if (position < 0 || position >= static_cast<int>(before.size())) continue;
        std::error_code error;
        fs::remove(FileOf(before[position]), error);
        if (error) continue;  // it stays, with its texts
        texts_.Clear(position + 1);
        deleted.push_back(position);
    }
    // Numbers only fall and the walk goes up, so no file or record is
    // overwritten before it has moved; the backup holds the texts meanwhile.
    const PictureTextFile backup(project_layout::TextsFolder(folder_) / picture_text::kDeleteCopyName);
    std::error_code error;
    CopyFileAtomically(texts_.Path(), backup.Path());
    const std::vector<std::string> remaining = Files();
    for (std::size_t j = 0; j < remaining.size(); ++j) {
        const int number = PictureFileNumber(remaining[j]);
        const int wanted = static_cast<int>(j) + 1;
        if (number == wanted) continue;
        texts_.CopyFromBackup(backup, number, wanted);
        RenameTo(remaining[j], wanted);
    }
    fs::remove(backup.Path(), error);
    return deleted;
}

bool PictureList::Move(int current, int direction) { return MoveTo(current, current + direction); }

bool PictureList::MoveTo(int from, int to) {
    const std::vector<std::string> files = Files();
    const int count = static_cast<int>(files.size());
    if (from < 1 || from > count || to < 1 || to > count || from == to) return false;
    const auto numbered = [&](int number, int newNumber) {
        const std::string& name = files[number - 1];
        return std::pair(FileOf(name), FileOf(SixDigits(newNumber) + ExtensionOf(name)));
    };
    // The moved picture is parked out of the way, those between move up or
    // down one by one into the place just freed, then it takes its new place.
    const int step = from < to ? 1 : -1;
    const fs::path parked = FileOf(std::to_string(kSwapNumber) + ExtensionOf(files[from - 1]));
    std::vector<std::pair<fs::path, fs::path>> renames = {{FileOf(files[from - 1]), parked}};
    std::map<int, int> renumbering = {{from, to}};
    for (int number = from + step; number != to + step; number += step) {
        renames.push_back(numbered(number, number - step));
        renumbering[number] = number - step;
    }
    renames.emplace_back(parked, numbered(from, to).second);
    RenameAllOrNone(renames);
    texts_.RenumberAll(renumbering);
    return true;
}

bool PictureList::Reorder(const std::vector<int>& order) {
    const std::vector<std::string> files = Files();
    const int count = static_cast<int>(files.size());
    if (static_cast<int>(order.size()) != count) return false;
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) {
        if (sorted[static_cast<std::size_t>(i)] != i + 1) return false;
    }
    std::vector<int> newNumber(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) newNumber[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = i + 1;
    const auto nameOf = [&](int number, int as) {
        const std::string& name = files[static_cast<std::size_t>(number - 1)];
        return FileOf(SixDigits(as) + ExtensionOf(name));
    };
    // Each cycle of the new order moves as MoveTo moves: its last picture is
    // parked, the others step into the places just freed, the parked one
    // takes the first.
    std::vector<std::pair<fs::path, fs::path>> renames;
    std::map<int, int> renumbering;
    std::vector<bool> done(static_cast<std::size_t>(count) + 1, false);
    for (int start = 1; start <= count; ++start) {
        if (done[static_cast<std::size_t>(start)] || newNumber[static_cast<std::size_t>(start)] == start) continue;
        std::vector<int> cycle;  // each picture, then the one whose place it takes
        for (int n = start; !done[static_cast<std::size_t>(n)]; n = newNumber[static_cast<std::size_t>(n)]) {
            done[static_cast<std::size_t>(n)] = true;
            cycle.push_back(n);
        }
        const int last = cycle.back();
        const fs::path parked =
            FileOf(std::to_string(kSwapNumber) + ExtensionOf(files[static_cast<std::size_t>(last - 1)]));
        renames.emplace_back(nameOf(last, last), parked);
        for (std::size_t i = cycle.size() - 1; i-- > 0;) {
            const int n = cycle[i];
            renames.emplace_back(nameOf(n, n), nameOf(n, newNumber[static_cast<std::size_t>(n)]));
        }
        renames.emplace_back(parked, nameOf(last, newNumber[static_cast<std::size_t>(last)]));
        for (const int n : cycle) renumbering[n] = newNumber[static_cast<std::size_t>(n)];
    }
    RenameAllOrNone(renames);
    if (!renumbering.empty()) texts_.RenumberAll(renumbering);
    return true;
}

}  // namespace palimora
