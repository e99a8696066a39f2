#include "styles/ProjectSettings.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
using namespace settings;

namespace {

constexpr int kGalleryOneName = 89;
constexpr int kBrowserFont = 85;
constexpr int kFirstStyle = 77, kLastStyle = 80;
constexpr int kFirstPosition = 81, kLastPosition = 83;
constexpr int kFirstCorner = 207, kLastCorner = 210;

std::vector<std::string> SortedFiles(const fs::path& folder, bool (*keep)(const std::string&)) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && name.front() != '.' && keep(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Texts(const Language& language, int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) items.push_back(language.LangText(n));
    return items;
}

void CopyOver(const fs::path& source, const fs::path& target) {
    std::error_code error;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) throw PalimoraError("Impossible de copier / cannot copy: " + DisplayPath(source) + " -> " + DisplayPath(target));
}

}  // namespace

std::vector<std::string> PictureListItems(const fs::path& picturesFolder) {
    return SortedFiles(picturesFolder, [](const std::string&) { return true; });
}

std::vector<std::string> TemplateItems(const fs::path& templateFolder) {
    return SortedFiles(templateFolder, [](const std::string& name) {
        const std::string extension = UpperExtensionOf(name);
        return extension == ".HTM" || extension == ".HTML";
    });
}

void ProjectSettings::Initialise(const ProgramFolder& folder, const fs::path& projectFolder, const fs::path& savedFile,
                                 const Language& language) {
    CopyOver(folder.DefaultSettings(), workingFile_);
    CopyOver(folder.DefaultSettings(), savedFile);
    store_.Load(workingFile_);
    // One gallery, named text 89, from the first picture to the last.
    store_.SetLine(kGalleryName1, language.LangText(kGalleryOneName));
    const std::vector<std::string> pictures = PictureListItems(PicturesFolder(projectFolder));
    store_.SetLine(kGalleryFirstPicture1, pictures.empty() ? std::string() : pictures.front());
    store_.SetLine(kGalleryLastPicture1, pictures.empty() ? std::string() : pictures.back());
}

fs::path ProjectSettings::Bind(const ProgramFolder& folder, const std::string& name) {
    const fs::path projectFolder = folder.Project(name);
    workingFile_ = projectFolder / "runweb.ini";
    picturesFolder_ = PicturesFolder(projectFolder);
    return projectFolder / PathFromCp1252(name + ".ini");
}

void ProjectSettings::Commit(const ProgramFolder& folder, const std::string& name, const Language& language) {
    const fs::path savedFile = Bind(folder, name);
    std::error_code error;
    if (fs::exists(savedFile, error)) {
        CopyOver(workingFile_, savedFile);
        store_.Load(workingFile_);
        return;
    }
    Initialise(folder, folder.Project(name), savedFile, language);
    store_.Save(workingFile_);
    store_.Save(savedFile);
}

void ProjectSettings::Restore(const ProgramFolder& folder, const std::string& name, const Language& language) {
    const fs::path savedFile = Bind(folder, name);
    std::error_code error;
    if (fs::exists(savedFile, error)) {
        CopyOver(savedFile, workingFile_);
        store_.Load(workingFile_);
        return;
    }
    Initialise(folder, folder.Project(name), savedFile, language);
    store_.Save(workingFile_);
}

void ProjectSettings::LoadWorking(const ProgramFolder& folder, const std::string& name) {
    Bind(folder, name);
    store_.Load(workingFile_);
}

void ProjectSettings::Store(int line, std::string value) {
    store_.SetLine(line, std::move(value));
    store_.Save(workingFile_);
}

bool ProjectSettings::Check(int line) const { return ReadCheck(store_.Line(line)); }
int ProjectSettings::Number(int line) const { return ReadNumber(store_.Line(line), Layout(line)); }
int ProjectSettings::Colour(int line) const { return ReadColour(store_.Line(line), Layout(line)); }

int ProjectSettings::RgbColour(int line) const { return ResolveColour(Colour(line)); }

std::string ProjectSettings::FontFace(int line, const Language& language) const {
    const std::string stored = store_.Line(line);
    return stored.empty() ? language.LangText(kBrowserFont) : stored;
}

std::string ProjectSettings::Text(int line, const Language& language, const std::string& projectName) const {
    const int defaultText = Layout(line).defaultText;
    const std::string shownWhenEmpty = defaultText == kDefaultIsProjectName ? projectName
                                       : defaultText >= 0                   ? language.LangText(defaultText)
                                                                            : std::string();
    return ReadText(store_.Line(line), shownWhenEmpty);
}

std::optional<std::size_t> ProjectSettings::Choice(int line, const std::vector<std::string>& items) const {
    return Layout(line).kind == Kind::Picture ? ReadPictureChoice(store_.Line(line), items)
                                              : ReadChoice(store_.Line(line), items);
}

std::vector<std::string> ProjectSettings::ItemsOf(int line, const ProgramFolder& folder, const Language& language,
                                                  const std::vector<std::string>& fonts) const {
    switch (Layout(line).kind) {
        case Kind::Style: return Texts(language, kFirstStyle, kLastStyle);
        case Kind::Position: return Texts(language, kFirstPosition, kLastPosition);
        case Kind::Corner: return Texts(language, kFirstCorner, kLastCorner);
        case Kind::Font: {
            std::vector<std::string> items{language.LangText(kBrowserFont)};
            items.insert(items.end(), fonts.begin(), fonts.end());
            return items;
        }
        case Kind::Picture: return PictureListItems(picturesFolder_);
        case Kind::Template: return TemplateItems(folder.Root() / "models" / std::string(*TemplateFolderOf(line)));
        default: return {};
    }
}

std::string ProjectSettings::ChosenItem(int line, const ProgramFolder& folder, const Language& language,
                                        const std::vector<std::string>& fonts) const {
    const std::vector<std::string> items = ItemsOf(line, folder, language, fonts);
    const auto choice = Choice(line, items);
    return choice ? items[*choice] : std::string();
}

}  // namespace palimora
