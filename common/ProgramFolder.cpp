#include "common/ProgramFolder.h"

#include "common/Cp1252.h"
#include "common/ProgramFolderChoice.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include <system_error>
#include <utility>

namespace palimora {
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(fs::path root) : root_(std::move(root)), projects_(root_ / "Projets") {}

ProgramFolder::ProgramFolder(fs::path root, fs::path projects)
    : root_(std::move(root)), projects_(std::move(projects)) {}

ProgramFolder ProgramFolder::OfRunningProgram() {
    const fs::path executableFolder = fs::read_symlink("/proc/self/exe").parent_path();
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* account = ::getpwuid(::getuid());
        home = account != nullptr ? account->pw_dir : nullptr;
    }
    // PALIMORA_INSTALLED_DATA: the installed data folder, relative to the installed executables.
    return ProgramFolder(ChooseProgramFolder(executableFolder, IsWritableFolder(executableFolder),
                                             (executableFolder / PALIMORA_INSTALLED_DATA).lexically_normal(),
                                             UserDataHome(std::getenv("XDG_DATA_HOME"), home)));
}

fs::path ProgramFolder::LanguageFile(std::string_view languageCode) const {
    return root_ / (std::string(languageCode) + ".asc");
}

fs::path ProgramFolder::Project(std::string_view cp1252Name) const { return Projects() / PathFromCp1252(cp1252Name); }

fs::path ProgramFolder::ButtonLook(std::string_view name, bool pressed) const {
    return Interface(std::string(name) + (pressed ? "1.jpg" : ".jpg"));
}

fs::path ProgramFolder::Interface(std::string_view fileName) const { return root_ / "interface" / fileName; }

fs::path ProgramFolder::HelpFolder(std::string_view languageCode) const {
    if (languageCode == "french") return root_ / "aide" / "aide_france" / "aideweb";
    // Another language keeps its help in aide/<code>; one that has none yet is helped in English.
    std::error_code error;
    if (const fs::path own = root_ / "aide" / std::string(languageCode);
        languageCode != "english" && !languageCode.empty() && fs::is_directory(own, error)) {
        return own;
    }
    return root_ / "aide" / "aide_us" / "aideweb_us";
}

void ProgramFolder::DeleteSamplePages() const {
    for (const char* page : kSamplePages) {
        std::error_code ignored;
        fs::remove(root_ / page, ignored);
    }
}

}  // namespace palimora
