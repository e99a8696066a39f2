#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

namespace palimora {

class Language;

enum class CliCommand { Add, Build, Publish, Sort };

// The command a name calls, if any.
std::optional<CliCommand> CommandNamed(std::string_view name);

// The command's one-line usage ("Usage: palimora-cli build PROJECT").
void PrintUsageLine(std::ostream& out, CliCommand command, const Language& language);
// The command's usage and what it does, in the user's language.
void PrintCommandHelp(std::ostream& out, CliCommand command, const Language& language);
// Every command's, then the exit statuses.
void PrintHelp(std::ostream& out, const Language& language);

}  // namespace palimora
