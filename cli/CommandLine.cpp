#include "cli/CommandLine.h"

#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "cli/CommandSupport.h"
#include "cli/ConsoleProgress.h"
#include "cli/ExitStatus.h"
#include "cli/PublishCommand.h"
#include "cli/SortCommand.h"
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
               std::ostream& messages, Terminal& terminal, const ProgressOutput& progress) {
    switch (command) {
        case CliCommand::Add: return AddCommand(program, arguments, messages);
        case CliCommand::Build: return BuildCommand(program, arguments, messages, progress);
        case CliCommand::Publish: return PublishCommand(program, arguments, messages, terminal, progress);
        case CliCommand::Sort: return SortCommand(program, arguments, messages);
    }
    return kExitBadArguments;
}

// Takes --quiet and --progress=json|lines out of `arguments` (before any
// "--"): the style they ask for, else the one that suits where messages go.
// Nullopt, with `unusable` set, for a --progress of another value.
std::optional<ProgressStyle> TakeProgressOptions(std::vector<std::string>& arguments, bool onTerminal,
                                                 std::string& unusable) {
    ProgressStyle style = onTerminal ? ProgressStyle::StatusLine : ProgressStyle::Lines;
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    std::vector<std::string> kept(arguments.begin(), end);
    std::erase_if(kept, [&](const std::string& argument) {
        if (argument == "--quiet" || argument == "-q") {
            style = ProgressStyle::Quiet;
        } else if (argument == "--progress=json") {
            style = ProgressStyle::Json;
        } else if (argument == "--progress=lines") {
            style = ProgressStyle::Lines;
        } else if (argument.starts_with("--progress")) {
            unusable = argument;
        } else {
            return false;
        }
        return true;
    });
    if (!unusable.empty()) return std::nullopt;
    kept.insert(kept.end(), end, arguments.end());
    arguments = std::move(kept);
    return style;
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
                   std::ostream& messages, Terminal& terminal, TerminalTextBuffer* statusLine) {
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
        for (const CliCommand each : {CliCommand::Add, CliCommand::Build, CliCommand::Publish, CliCommand::Sort})
            PrintUsageLine(messages, each, spoken());
        return kExitBadArguments;
    }
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (AsksForHelp(rest)) {
        PrintCommandHelp(out, *command, spoken());
        return kExitDone;
    }
    std::string unusable;
    const std::optional<ProgressStyle> style = TakeProgressOptions(rest, statusLine != nullptr, unusable);
    if (!style) {
        Tell(messages, spoken().LangText(TextId::UnknownOption), unusable);
        PrintUsageLine(messages, *command, spoken());
        return kExitBadArguments;
    }
    try {
        return RunCommand(*command, program, rest, messages, terminal, ProgressOutput{*style, statusLine, &out});
    } catch (...) {
        Tell(messages, UserMessageOf(std::current_exception(), spoken()));
        return kExitFailed;
    }
}

}  // namespace palimora
