#pragma once

#include "common/InstanceLock.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace palimora {

class ProgramFolder;

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

}  // namespace palimora
