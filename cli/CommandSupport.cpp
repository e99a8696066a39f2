#include "cli/CommandSupport.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "lang/LanguageChoice.h"
#include "lang/TextId.h"
#include "project/ProjectLayout.h"
#include "styles/SettingsStore.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace palimora {

Language TerminalLanguage(const ProgramFolder& program, std::ostream& messages) {
    Language language;
    if (const std::string problem = language.LoadChosen(program, LocaleLanguageCode(program)); !problem.empty()) {
        Tell(messages, problem);
    }
    // A language chosen in the window whose file went missing or was damaged
    // is no longer offered: the locale's stands in, and the user is told.
    if (const std::string choice = ReadLanguageChoice(program);
        !choice.empty() && LanguageCodeOfChoice(program, choice).empty()) {
        Tell(messages, language.LangText(TextId::ChosenLanguageUnusable), Utf8FromCp1252(choice).Bytes());
    }
    return language;
}

void Tell(std::ostream& messages, const std::string& cp1252Text, const std::string& utf8Value) {
    messages << "palimora-cli: " << Utf8FromCp1252(cp1252Text);
    if (!utf8Value.empty()) messages << ' ' << utf8Value;
    messages << '\n';
}

std::unique_ptr<InstanceLock> TakeProgramFolder(const ProgramFolder& program, const Language& language,
                                                std::ostream& messages) {
    auto lock = std::make_unique<InstanceLock>(program.LockFile());
    if (!lock->HeldByAnother()) return lock;
    Tell(messages, language.LangText(TextId::ProgramFolderInUse));
    return nullptr;
}

std::optional<ProjectArgument> FindProjectTelling(const ProgramFolder& program, const std::string& project,
                                                  const Language& language, std::ostream& messages) {
    std::optional<ProjectArgument> found = FindProject(program, project);
    if (!found) Tell(messages, language.LangText(TextId::NoProjectAt), project);
    return found;
}

void ChangeBothSettingsFiles(const ProjectArgument& project, const std::function<void(SettingsStore&)>& change) {
    for (const std::filesystem::path& file :
         {project_layout::WorkingSettingsFile(project.projectFolder),
          project_layout::SavedSettingsFile(project.projectFolder, project.projectName)}) {
        std::error_code error;
        if (!std::filesystem::exists(file, error)) continue;
        SettingsStore settings;
        settings.Load(file);
        change(settings);
        settings.Save(file);
    }
}

}  // namespace palimora
