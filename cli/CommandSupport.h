#pragma once

#include "cli/ProjectArgument.h"
#include "common/InstanceLock.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace palimora {

class ProgramFolder;
class SettingsStore;

// The language the command line speaks: the one palimora.ini names, or,
// before the window has asked, the locale's (LocaleLanguageCode). A language
// file that is missing is told on `messages`.
Language TerminalLanguage(const ProgramFolder& program, std::ostream& messages);

// Prints "palimora-cli: ", a language text (Windows-1252) and, when given,
// the value it is about (UTF-8), on a line of its own.
void Tell(std::ostream& messages, const std::string& cp1252Text, const std::string& utf8Value = {});

// The program folder's running-copy lock, held while a command works in it;
// nullptr, and the user told, when the window holds it.
std::unique_ptr<InstanceLock> TakeProgramFolder(const ProgramFolder& program, const Language& language,
                                                std::ostream& messages);

// The project an argument names (FindProject); nothing, and the user told,
// when there is none.
std::optional<ProjectArgument> FindProjectTelling(const ProgramFolder& program, const std::string& project,
                                                  const Language& language, std::ostream& messages);

// Both settings files of a project, the working one and the saved copy, each
// changed alike by `change` and saved; one that is not there is left out.
void ChangeBothSettingsFiles(const ProjectArgument& project, const std::function<void(SettingsStore&)>& change);

}  // namespace palimora
