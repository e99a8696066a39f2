#include "cli/CommandLine.h"

#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "cli/CommandSupport.h"
#include "cli/ExitStatus.h"
#include "cli/PublishCommand.h"
#include "cli/Usage.h"
#include "common/ProgramFolder.h"
#include "lang/ErrorMessages.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <ostream>

namespace palimora {
namespace {

bool AsksForHelp(const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    return std::any_of(arguments.begin(), end,
                       [](const std::string& argument) { return argument == "--help" || argument == "-h"; });
}

int RunCommand(CliCommand command, const ProgramFolder& program, const std::vector<std::string>& arguments,
               std::ostream& messages, Terminal& terminal) {
    switch (command) {
        case CliCommand::Add: return AddCommand(program, arguments, messages);
        case CliCommand::Build: return BuildCommand(program, arguments, messages);
        case CliCommand::Publish: return PublishCommand(program, arguments, messages, terminal);
    }
    return kExitBadArguments;
}

bool IsHelpOrVersion(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "--version" || argument == "-V";
}

}  // namespace

bool NeedsNoProgramFolder(const std::vector<std::string>& arguments) {
    if (arguments.size() == 1 && IsHelpOrVersion(arguments.front())) return true;
    return !arguments.empty() && CommandNamed(arguments.front()) &&
           AsksForHelp(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
}

int RunCommandLine(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& messages, Terminal& terminal) {
    // Loaded only for what the dispatcher says itself: a command loads its own.
    std::optional<Language> loaded;
    const auto spoken = [&]() -> const Language& {
        if (!loaded)
            (void)loaded.emplace().LoadChosen(program,
                                              LocaleLanguageCode(program));  // a missing file is told by the command
        return *loaded;
    };
    const std::string first = arguments.empty() ? std::string() : arguments.front();
    if (arguments.size() == 1 && (first == "--help" || first == "-h")) {
        PrintHelp(out, spoken());
        return kExitDone;
    }
    if (arguments.size() == 1 && (first == "--version" || first == "-V")) {
        out << "palimora-cli " PALIMORA_VERSION "\n";
        return kExitDone;
    }
    const std::optional<CliCommand> command = CommandNamed(first);
    if (!command) {
        if (!first.empty()) {
            Tell(messages, spoken().LangText(first.starts_with("-") ? TextId::UnknownOption : TextId::UnknownCommand),
                 first);
        }
        for (const CliCommand each : {CliCommand::Add, CliCommand::Build, CliCommand::Publish})
            PrintUsageLine(messages, each, spoken());
        return kExitBadArguments;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (AsksForHelp(rest)) {
        PrintCommandHelp(out, *command, spoken());
        return kExitDone;
    }
    try {
        return RunCommand(*command, program, rest, messages, terminal);
    } catch (...) {
        Tell(messages, UserMessageOf(std::current_exception(), spoken()));
        return kExitFailed;
    }
}

}  // namespace palimora
