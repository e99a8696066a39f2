#include "cli/AddCommand.h"

#include "cli/ConsoleDialogs.h"
#include "cli/ProjectArgument.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/AddedPictureConversion.h"
#include "project/ChosenPictures.h"
#include "project/PictureList.h"
#include "project/PictureTextFile.h"
#include "project/ProjectFolders.h"
#include "project/ProjectLayout.h"
#include "styles/ProjectSettings.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// The console's answers, with the conversion question answered as --convert
// says; counts the messages, each of which tells a picture not added whole.
class AddDialogs : public ConsoleDialogs {
public:
    AddDialogs(std::ostream& out, bool convert) : ConsoleDialogs(out), out_(out), convert_(convert) {}
    int ShowMessageOk(const std::string& text) override {
        ++messages_;
        return ConsoleDialogs::ShowMessageOk(text);
    }
    int AskOkCancel(const std::string& text) override {
        if (!convert_) return ConsoleDialogs::AskOkCancel(text);
        out_ << Utf8FromCp1252(text) << " -> ok\n";
        return kModalYes;
    }
    int Messages() const { return messages_; }

private:
    std::ostream& out_;
    bool convert_;
    int messages_ = 0;
};

struct AddArguments {
    std::string project;
    std::vector<fs::path> files;
    bool convert = false;
};

std::optional<AddArguments> Parse(const std::vector<std::string>& arguments) {
    AddArguments parsed;
    for (const std::string& argument : arguments) {
        if (argument == "--convert") {
            parsed.convert = true;
        } else if (argument.starts_with("--")) {
            return std::nullopt;
        } else if (parsed.project.empty()) {
            parsed.project = argument;
        } else {
            parsed.files.emplace_back(argument);
        }
    }
    if (parsed.project.empty() || parsed.files.empty()) return std::nullopt;
    return parsed;
}

// A new project as the window's first save makes it: empty pictures and
// texts, and the settings initialised under its name.
std::optional<ProjectArgument> CreateProject(const ProgramFolder& program, const std::string& project,
                                             const Language& language, std::ostream& messages) {
    fs::path folder(project);
    if (!folder.has_parent_path()) {
        if (!IsUsableProjectName(Cp1252FromPath(folder))) {
            messages << "palimora-cli: unusable project name: " << project << '\n';
            return std::nullopt;
        }
        folder = program.Projects() / folder;
    }
    fs::create_directories(project_layout::PicturesFolder(folder));
    fs::create_directories(project_layout::PictureTextFile(folder).parent_path());
    PictureTextFile(project_layout::PictureTextFile(folder)).CreateEmpty();
    std::optional<ProjectArgument> created = FindProject(program, folder.string());
    if (created) ProjectSettings().Commit(created->folder, created->projectName, language);
    return created;
}

}  // namespace

int AddCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages) {
    const std::optional<AddArguments> parsed = Parse(arguments);
    if (!parsed) {
        messages << "Usage: palimora-cli add PROJECT FILE... [--convert]\n";
        return 2;
    }
    Language language;
    if (const std::string problem = language.LoadChosen(program); !problem.empty()) messages << Utf8FromCp1252(problem) << '\n';
    AddDialogs dialogs(messages, parsed->convert);
    try {
        std::optional<ProjectArgument> project = FindProject(program, parsed->project);
        if (!project) project = CreateProject(program, parsed->project, language, messages);
        if (!project) return 2;

        std::vector<fs::path> chosen;
        bool everyFile = true;
        for (const fs::path& file : parsed->files) {
            std::error_code error;
            if (!fs::is_regular_file(file, error)) {
                messages << "palimora-cli: no such file: " << file.string() << '\n';
                everyFile = false;
            } else if (IsConvertibleFormat(FormatOf(file)) && !parsed->convert) {
                dialogs.ShowMessageOk(ConversionQuestion(file, FormatOf(file), language) + " " +
                                      language.LangText(TextId::SkippedWithoutConvert));
            } else {
                chosen.push_back(fs::absolute(file, error));
            }
        }
        PictureList pictures(project->projectFolder);
        std::vector<fs::path> sources = AddableChoice(chosen, pictures.PicturesFolder(), dialogs, language);
        std::stable_sort(sources.begin(), sources.end(), [](const fs::path& a, const fs::path& b) {
            return NaturalNameLess(a.filename().string(), b.filename().string());
        });
        const int last = static_cast<int>(pictures.Files().size());
        const auto added = pictures.Add(sources, last, [&](const fs::path& copy, const fs::path& source) {
            return ConvertAddedPicture(copy, source, dialogs, language);
        });
        for (const PictureList::Added& picture : added) {
            messages << Utf8FromCp1252(language.LangText(TextId::PictureAdded)) << ' ' << picture.file.filename().string()
                     << " (" << Utf8FromCp1252(picture.title) << ")\n";
        }
        return everyFile && dialogs.Messages() == 0 ? 0 : 1;
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return 1;
    }
}

}  // namespace palimora
