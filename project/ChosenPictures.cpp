#include "project/ChosenPictures.h"

#include "common/Cp1252.h"
#include "common/UserDialogs.h"
#include "imaging/PictureContent.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <cctype>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

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
        if (!FitsCp1252(file.stem().string())) {
            dialogs.ShowMessageOk(language.LangText(TextId::NameNotStorable) + " " + DisplayPath(file));
        } else if (PictureFormatOfContent(file) == PictureFormat::Other) {
            dialogs.ShowMessageOk(language.LangText(TextId::NotAPictureToAdd) + " " + DisplayPath(file));
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

bool NaturalNameLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA])) ++endA;
            while (endB < b.size() && IsDigit(b[endB])) ++endB;
            std::string_view numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
            while (numberA.size() > 1 && numberA.front() == '0') numberA.remove_prefix(1);
            while (numberB.size() > 1 && numberB.front() == '0') numberB.remove_prefix(1);
            if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
            if (numberA != numberB) return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        if (Folded(a[i]) != Folded(b[j])) return Folded(a[i]) < Folded(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

}  // namespace palimora
