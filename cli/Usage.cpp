#include "cli/Usage.h"

#include "common/Cp1252.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <vector>

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
    {CliCommand::Build,
     "build",
     "build PROJECT [--quiet | --progress=json]",
     {TextId::BuildHelp, TextId::ProgressHelp}},
    {CliCommand::Publish,
     "publish",
     "publish PROJECT --host H --user U [--port N] [--folder PATH]\n"
     "                    [--replace ask|all|none|changed] [--delete] [--timeout S] [--trust-fingerprint SHA256]\n"
     "                    [--allow-plain] [--web-address URL] [--quiet | --progress=json]",
     {TextId::PublishHelp, TextId::PublishPasswordHelp, TextId::PublishReplaceHelp, TextId::PublishDeleteHelp,
      TextId::PublishSecurityHelp, TextId::PublishKeysHelp, TextId::WebAddressHelp, TextId::ProgressHelp}},
    {CliCommand::Sort, "sort", "sort PROJECT --by date|name [--gallery NAME]", {TextId::SortHelp}},
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

// Every command's usage, the lines after the first under it.
void PrintUsage(std::ostream& out, const Language& language) {
    const std::string word = Utf8FromCp1252(language.LangText(TextId::UsageWord)).Bytes();
    // The lines after the first line up under it: as many blanks as the word has characters.
    const std::size_t characters =
        static_cast<std::size_t>(std::count_if(word.begin(), word.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    const std::string indent(characters, ' ');
    for (const CommandText& text : kCommands)
        out << (&text == kCommands ? word : indent) << " palimora-cli " << text.usage << '\n';
    out << indent << " palimora-cli --help | --version\n";
}

}  // namespace

std::optional<CliCommand> CommandNamed(std::string_view name) {
    for (const CommandText& text : kCommands) {
        if (text.name == name) return text.command;
    }
    return std::nullopt;
}

void PrintUsageLine(std::ostream& out, CliCommand command, const Language& language) {
    out << Utf8FromCp1252(language.LangText(TextId::UsageWord)) << " palimora-cli " << TextOf(command).usage << '\n';
}

void PrintCommandHelp(std::ostream& out, CliCommand command, const Language& language) {
    PrintUsageLine(out, command, language);
    PrintParagraphs(out, {TextId::ProjectHelp}, language);
    PrintParagraphs(out, TextOf(command).help, language);
    PrintParagraphs(out, {TextId::ExitStatusHelp}, language);
}

void PrintHelp(std::ostream& out, const Language& language) {
    PrintUsage(out, language);
    PrintParagraphs(out, {TextId::CommandsHelp, TextId::ProjectHelp}, language);
    // A paragraph two commands share (the progress options) is printed once.
    std::vector<TextId> printed;
    for (const CommandText& text : kCommands) {
        for (const TextId help : text.help) {
            if (std::find(printed.begin(), printed.end(), help) != printed.end()) continue;
            printed.push_back(help);
            out << Utf8FromCp1252(language.LangText(help)) << '\n';
        }
    }
    PrintParagraphs(out, {TextId::ExitStatusHelp}, language);
}

}  // namespace palimora
