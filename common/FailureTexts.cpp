#include "common/FailureTexts.h"

#include "common/Cp1252.h"
#include "common/Error.h"

#include <array>
#include <mutex>

namespace palimora {
namespace {

constexpr std::array<const char*, kFailureCount> kBothLanguages{
    "Impossible de lire / cannot read:",
    "Pas un fichier ordinaire / not an ordinary file:",
    "Fichier trop grand / file too large:",
    "Impossible d'\xE9"
    "crire / cannot write:",
    "Impossible de remplacer / cannot replace:",
    "Impossible de copier / cannot copy:",
    "Texte illisible, pas de l'UTF-8 / unreadable text, not UTF-8:",
    "Caract\xE8re impossible \xE0 enregistrer / character that cannot be stored (Windows-1252):",
    "Non connect\xE9 / not connected.",
    "Une liste est d\xE9j\xE0 en cours / a listing is already under way.",
    "Saut de ligne ou caract\xE8re de contr\xF4le dans un nom / line break or control character in a name:",
    "Nom hors Windows-1252, que ce serveur n'accepte pas / a name beyond Windows-1252, which this server does not "
    "take:",
};

std::mutex guard;
std::vector<std::string> installed;

}  // namespace

std::string FailureText(Failure failure) {
    const auto index = static_cast<std::size_t>(failure);
    const std::lock_guard lock(guard);
    if (index < installed.size() && !installed[index].empty()) return installed[index];
    return kBothLanguages[index];
}

std::string FailureAbout(Failure failure, const std::filesystem::path& file) {
    return FailureText(failure) + " " + DisplayPath(file) + ".";
}

void FailOnFile(Failure failure, const std::filesystem::path& file) {
    throw PalimoraError(FailureAbout(failure, file));
}

void SetFailureTexts(std::vector<std::string> texts) {
    const std::lock_guard lock(guard);
    installed = std::move(texts);
}

}  // namespace palimora
