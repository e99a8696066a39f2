#include "cli/Usage.h"

#include "common/Cp1252.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <initializer_list>
#include <ostream>

namespace palimora {
namespace {

struct CommandText {
    CliCommand command;
    std::string_view name;
    std::string_view usage;
    std::initializer_list<TextId> help;
};

const CommandText kCommands[] = {
    {CliCommand::Add,
     "add",
     "add PROJECT FILE... [--convert] [--gallery NAME] [--titles-from-names]",
     {TextId::AddHelp, TextId::AddGalleryHelp, TextId::AddConvertHelp, TextId::AddTitlesHelp}},
    {CliCommand::Build, "build", "build PROJECT", {TextId::BuildHelp}},
    {CliCommand::Publish,
     "publish",
     "publish PROJECT --host H --user U [--port N] [--folder PATH]\n"
     "                    [--replace ask|all|none|changed] [--delete] [--timeout S] [--trust-fingerprint SHA256]",
     {TextId::PublishHelp, TextId::PublishPasswordHelp, TextId::PublishReplaceHelp, TextId::PublishDeleteHelp}},
};

const CommandText& TextOf(CliCommand command) {
    for (const CommandText& text : kCommands) {
        if (text.command == command) return text;
    }
    return kCommands[0];
}

void PrintParagraphs(std::ostream& out, std::initializer_list<TextId> texts, const Language& language) {
    for (const TextId text : texts) out << Utf8FromCp1252(language.LangText(text)) << '\n';
}

}  // namespace

std::optional<CliCommand> CommandNamed(std::string_view name) {
    for (const CommandText& text : kCommands) {
        if (text.name == name) return text.command;
    }
    return std::nullopt;
}

void PrintUsageLine(std::ostream& out, CliCommand command) {
    out << "Usage: palimora-cli " << TextOf(command).usage << '\n';
}

void PrintCommandHelp(std::ostream& out, CliCommand command, const Language& language) {
    PrintUsageLine(out, command);
    PrintParagraphs(out, {TextId::ProjectHelp}, language);
    PrintParagraphs(out, TextOf(command).help, language);
    PrintParagraphs(out, {TextId::ExitStatusHelp}, language);
}

void PrintHelp(std::ostream& out, const Language& language) {
    for (const CommandText& text : kCommands)
        out << (&text == kCommands ? "Usage: " : "       ") << "palimora-cli " << text.usage << '\n';
    out << "       palimora-cli --help | --version\n";
    PrintParagraphs(out, {TextId::CommandsHelp, TextId::ProjectHelp}, language);
    for (const CommandText& text : kCommands) PrintParagraphs(out, text.help, language);
    PrintParagraphs(out, {TextId::ExitStatusHelp}, language);
}

}  // namespace palimora
