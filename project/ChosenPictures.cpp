#include "project/ChosenPictures.h"

#include "common/Cp1252.h"
#include "common/UserDialogs.h"
#include "imaging/ImageError.h"
#include "imaging/PictureContent.h"
#include "imaging/VideoClip.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <cctype>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

std::vector<fs::path> FilesOfDropped(const std::vector<fs::path>& dropped) {
    std::vector<fs::path> files;
    for (const fs::path& item : dropped) {
        std::error_code error;
        if (!fs::is_directory(item, error)) {
            files.push_back(item);
            continue;
        }
        fs::recursive_directory_iterator walk(item, fs::directory_options::skip_permission_denied, error);
        for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error)) {
            std::error_code unreadable;  // a broken link or the like: left out, the walk goes on
            const bool hidden = walk->path().filename().string().starts_with('.');
            if (hidden && walk->is_directory(unreadable)) walk.disable_recursion_pending();
            if (hidden || !walk->is_regular_file(unreadable)) continue;
            if (PictureFormatOfContent(walk->path()) != PictureFormat::Other) files.push_back(walk->path());
        }
    }
    return files;
}

namespace {

// A clip the libraries can open and decode a frame of.
bool IsReadableClip(const fs::path& file) {
    try {
        ClipPoster(file, 16, 16);
        return true;
    } catch (const ImageError&) {
        return false;
    }
}

}  // namespace

std::vector<fs::path> AddableChoice(const std::vector<fs::path>& chosen, const fs::path& picturesFolder,
                                    UserDialogs& dialogs, const Language& language) {
    std::vector<fs::path> addable;
    if (chosen.empty()) return addable;
    std::error_code error;
    if (fs::equivalent(chosen.front().parent_path(), picturesFolder, error)) {
        dialogs.ShowMessageOk(language.LangText(TextId::AlreadyInProject));
        return addable;
    }
    for (const fs::path& file : chosen) {
        // Any name gives a title (TitleOfSource): only the bytes decide.
        const PictureFormat content = PictureFormatOfContent(file);
        if (content == PictureFormat::Other) {
            dialogs.ShowMessageOk(language.LangText(TextId::NotAPictureToAdd) + " " + DisplayPath(file));
        } else if (content == PictureFormat::Clip && !IsReadableClip(file)) {
            dialogs.ShowMessageOk(language.LangText(TextId::ClipNotAdded) + " " + DisplayPath(file));
        } else {
            addable.push_back(file);
        }
    }
    return addable;
}

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

namespace {

// A name as compared: Windows-1252 (a name it cannot hold keeps its bytes).
std::string Comparable(std::string_view name) {
    const Utf8Text utf8{std::string(name)};
    return IsStorableText(utf8) ? Cp1252FromUtf8(utf8) : std::string(name);
}

// -1, 0 or 1: runs of digits by value, letters by their base letter with
// case aside ("été" beside "ete", "IMG10" after "img2").
int CompareNaturally(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA])) ++endA;
            while (endB < b.size() && IsDigit(b[endB])) ++endB;
            std::string_view numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
            while (numberA.size() > 1 && numberA.front() == '0') numberA.remove_prefix(1);
            while (numberB.size() > 1 && numberB.front() == '0') numberB.remove_prefix(1);
            if (numberA.size() != numberB.size()) return numberA.size() < numberB.size() ? -1 : 1;
            if (numberA != numberB) return numberA < numberB ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const char letterA = Folded(Cp1252BaseLetter(a[i])), letterB = Folded(Cp1252BaseLetter(b[j]));
        if (letterA != letterB)
            return static_cast<unsigned char>(letterA) < static_cast<unsigned char>(letterB) ? -1 : 1;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j ? -1 : 1;
    return 0;
}

}  // namespace

bool NaturalNameLess(std::string_view a, std::string_view b) {
    const std::string first = Comparable(a), second = Comparable(b);
    const int order = CompareNaturally(first, second);
    // Names alike but for accents or case keep one order all the same.
    return order != 0 ? order < 0 : first < second;
}

}  // namespace palimora
