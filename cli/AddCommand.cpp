#include "cli/AddCommand.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectArgument.h"
#include "cli/Usage.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "common/TextLines.h"
#include "imaging/PictureContent.h"
#include "lang/TextId.h"
#include "project/AddedPictureConversion.h"
#include "project/ChosenPictures.h"
#include "project/PictureList.h"
#include "project/PictureTextFile.h"
#include "project/ProjectFolders.h"
#include "project/ProjectLayout.h"
#include "styles/AddedGalleries.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsStore.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// Gallery names longer than this would not fit a page's title line.
constexpr std::size_t kLongestGalleryName = 200;

// The console's answers, with the conversion question answered as --convert
// says; counts the messages, each of which tells a picture not added whole.
class AddDialogs : public ConsoleDialogs {
public:
    AddDialogs(std::ostream& out, const Language& language, bool convert)
        : ConsoleDialogs(out, &language), convert_(convert) {}
    int ShowMessageOk(const std::string& text) override {
        ++messages_;
        return ConsoleDialogs::ShowMessageOk(text);
    }
    int AskOkCancel(const std::string& text) override {
        if (!convert_) return ConsoleDialogs::AskOkCancel(text);
        TellAnswer(text, TextId::Ok, "OK");
        return kModalYes;
    }
    int Messages() const { return messages_; }

private:
    bool convert_;
    int messages_ = 0;
};

struct AddArguments {
    std::string project;
    std::vector<fs::path> files;
    bool convert = false;
    AddedTexts texts = AddedTexts::FromPhoto;
    std::optional<std::string> gallery;  // UTF-8, as typed
};

// The arguments, or nullopt once the problem is told. "--" ends the options.
std::optional<AddArguments> Parse(const std::vector<std::string>& arguments, const Language& language,
                                  std::ostream& messages) {
    AddArguments parsed;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options && argument == "--") {
            options = false;
        } else if (options && argument == "--convert") {
            parsed.convert = true;
        } else if (options && argument == "--titles-from-names") {
            parsed.texts = AddedTexts::FromFileName;
        } else if (options && argument == "--gallery") {
            if (i + 1 == arguments.size()) {
                Tell(messages, language.LangText(TextId::OptionNeedsValue), argument);
                return std::nullopt;
            }
            parsed.gallery = arguments[++i];
        } else if (options && argument.starts_with("-") && argument.size() > 1) {
            Tell(messages, language.LangText(TextId::UnknownOption), argument);
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

// A gallery name a settings line can hold: one line of Windows-1252 text.
std::optional<std::string> GalleryNameOf(const std::string& typed) {
    const Utf8Text utf8(typed);
    if (typed.empty() || typed.size() > kLongestGalleryName || !IsStorableText(utf8)) return std::nullopt;
    std::string name = Cp1252FromUtf8(utf8);
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return std::nullopt;
    return name;
}

// The folder a new project would take, or nullopt once told why its name
// cannot be one: the checks the window's save makes, before anything is made.
std::optional<fs::path> NewProjectFolder(const ProgramFolder& program, const std::string& project,
                                         const Language& language, std::ostream& messages) {
    fs::path folder = ProjectPath(project);
    const Utf8Text name = Utf8OfPath(folder.filename());
    if (!IsStorableText(name) || !IsUsableProjectName(Cp1252FromUtf8(name))) {
        Tell(messages, language.LangText(TextId::UnusableName), project);
        return std::nullopt;
    }
    if (IsWorkingFolderName(program, Cp1252FromUtf8(name))) {
        Tell(messages, language.LangText(TextId::ReservedName), project);
        return std::nullopt;
    }
    folder = folder.has_parent_path() ? folder : program.Projects() / folder;
    // A folder of the user's is never taken over: its files would go at the next build.
    std::error_code error;
    if (fs::exists(folder, error) && !(fs::is_directory(folder, error) && fs::is_empty(folder, error))) {
        Tell(messages, language.LangText(TextId::FolderNotAProject), project);
        return std::nullopt;
    }
    return folder;
}

// A new project as the window's first save makes it: empty pictures and
// texts, and the settings initialised under its name.
std::optional<ProjectArgument> CreateProject(const ProgramFolder& program, const fs::path& folder,
                                             const Language& language) {
    fs::create_directories(project_layout::PicturesFolder(folder));
    fs::create_directories(project_layout::PictureTextFile(folder).parent_path());
    PictureTextFile(project_layout::PictureTextFile(folder)).CreateEmpty();
    std::optional<ProjectArgument> created = FindProject(program, folder.string());
    if (created) ProjectSettings().Commit(created->folder, created->projectName, language);
    return created;
}

// The galleries of both settings files (the working one and the saved copy)
// take the added pictures alike.
void PlaceInGalleries(const ProjectArgument& project, const AddedGalleries& galleries,
                      const std::vector<std::string>& before, const std::vector<std::string>& after) {
    if (after.size() <= before.size()) return;
    ChangeBothSettingsFiles(project, [&](SettingsStore& settings) { galleries.Place(settings, before, after); });
}

// Which gallery the pictures being added go to, written before they are
// added and removed once their galleries hold them: an add that was killed
// is finished by the next one.
class GalleryJournal {
public:
    explicit GalleryJournal(const fs::path& projectFolder) : file_(projectFolder / ".adding-galleries") {}

    void Begin(const std::string& galleryName, std::size_t picturesBefore) const {
        WriteTextLines(file_, {galleryName, std::to_string(picturesBefore)});
    }
    void End() const {
        std::error_code ignored;
        fs::remove(file_, ignored);
    }
    // Places the pictures a killed add left out of its gallery.
    void Finish(const ProjectArgument& project, const PictureList& pictures, const Language& language) const {
        std::error_code error;
        if (!fs::exists(file_, error)) return;
        const TextLines lines = ReadTextLines(file_);
        const std::vector<std::string> now = pictures.Files();
        std::size_t count = 0;
        if (lines.size() == 2 &&
            std::from_chars(lines[1].data(), lines[1].data() + lines[1].size(), count).ec == std::errc() &&
            count <= now.size()) {
            PlaceInGalleries(project, AddedGalleries(language, lines[0]),
                             {now.begin(), now.begin() + static_cast<std::ptrdiff_t>(count)}, now);
        }
        End();
    }

private:
    fs::path file_;
};

bool GalleriesFit(const ProjectArgument& project, const AddedGalleries& galleries,
                  const std::vector<std::string>& before) {
    const fs::path file = project_layout::WorkingSettingsFile(project.projectFolder);
    std::error_code error;
    if (!fs::exists(file, error)) return true;
    SettingsStore settings;
    settings.Load(file);
    return galleries.Fit(settings, before);
}

}  // namespace

int AddCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages) {
    const Language language = TerminalLanguage(program, messages);
    const std::optional<AddArguments> parsed = Parse(arguments, language, messages);
    if (!parsed) {
        PrintUsageLine(messages, CliCommand::Add, language);
        return kExitBadArguments;
    }
    std::string galleryName;
    if (parsed->gallery) {
        const auto name = GalleryNameOf(*parsed->gallery);
        if (!name) {
            Tell(messages, language.LangText(TextId::GalleryNameUnusable), *parsed->gallery);
            return kExitBadArguments;
        }
        galleryName = *name;
    }
    std::optional<ProjectArgument> project = FindProject(program, parsed->project);
    std::optional<fs::path> newFolder;
    if (!project) {
        newFolder = NewProjectFolder(program, parsed->project, language, messages);
        if (!newFolder) return kExitBadArguments;
    }
    const auto lock = TakeProgramFolder(program, language, messages);
    if (!lock) return kExitFolderInUse;

    AddDialogs dialogs(messages, language, parsed->convert);
    try {
        std::vector<fs::path> chosen;
        bool everyFile = true;
        for (const fs::path& file : parsed->files) {
            std::error_code error;
            const PictureFormat content = PictureFormatOfContent(file);
            if (!fs::is_regular_file(file, error)) {
                Tell(messages, language.LangText(TextId::NoSuchFile), file.string());
                everyFile = false;
            } else if (IsConvertibleFormat(content) && !parsed->convert) {
                dialogs.ShowMessageOk(ConversionQuestion(file, content, language) + " " +
                                      language.LangText(TextId::SkippedWithoutConvert));
            } else {
                chosen.push_back(fs::absolute(file, error));
            }
        }
        if (chosen.empty()) return kExitFailed;
        if (!project) project = CreateProject(program, *newFolder, language);
        if (!project) return kExitFailed;

        PictureList pictures(project->projectFolder);
        pictures.Reconcile();
        const GalleryJournal journal(project->projectFolder);
        journal.Finish(*project, pictures, language);
        std::vector<fs::path> sources = AddableChoice(chosen, pictures.PicturesFolder(), dialogs, language);
        std::stable_sort(sources.begin(), sources.end(), [](const fs::path& a, const fs::path& b) {
            return NaturalNameLess(a.filename().string(), b.filename().string());
        });
        const std::vector<std::string> before = pictures.Files();
        const AddedGalleries galleries(language, galleryName);
        if (!GalleriesFit(*project, galleries, before)) {
            Tell(messages, language.LangText(TextId::GalleriesFull), *parsed->gallery);
            return kExitFailed;
        }
        journal.Begin(galleryName, before.size());
        std::vector<PictureList::Added> added;
        try {
            added = pictures.Add(
                sources, static_cast<int>(before.size()),
                [&](const fs::path& copy, const fs::path& source) {
                    return ConvertAddedPicture(copy, source, dialogs, language);
                },
                parsed->texts);
        } catch (const PalimoraError&) {
            PlaceInGalleries(*project, galleries, before, pictures.Files());  // those added before the failure
            journal.End();
            throw;
        }
        PlaceInGalleries(*project, galleries, before, pictures.Files());
        journal.End();
        for (const PictureList::Added& picture : added) {
            messages << Utf8FromCp1252(language.LangText(TextId::PictureAdded)) << ' '
                     << picture.file.filename().string() << " (" << Utf8FromCp1252(picture.title) << ")\n";
        }
        return everyFile && dialogs.Messages() == 0 ? kExitDone : kExitFailed;
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return kExitFailed;
    }
}

}  // namespace palimora
