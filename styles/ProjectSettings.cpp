#include "styles/ProjectSettings.h"

#include "common/AtomicFiles.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/FileNames.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "project/ProjectLayout.h"
#include "styles/StyleWords.h"

#include <algorithm>
#include <array>
#include <span>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
using namespace settings;

namespace {

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

// The language texts a list of fixed choices offers; none for another kind of list.
std::span<const TextId> FixedTextsOf(Kind kind) {
    switch (kind) {
        case Kind::Style: return kStyleTexts;
        case Kind::Position: return kPositionTexts;
        case Kind::Corner: return kCornerTexts;
        default: return {};
    }
}

// The browser's own font, named in any language of the program folder.
bool NamesBrowserFont(const ProgramFolder& folder, std::string_view stored) {
    return StyleWordIndex(folder, std::array{TextId::BrowserFont}, stored).has_value();
}

std::vector<std::string> Texts(const Language& language, std::span<const TextId> texts) {
    std::vector<std::string> items;
    for (const TextId text : texts) items.push_back(language.LangText(text));
    return items;
}

void CopyOver(const fs::path& source, const fs::path& target) {
    CopyFileAtomically(source, target, Durability::Flushed);
}

}  // namespace

std::vector<std::string> PictureListItems(const fs::path& picturesFolder) {
    return SortedFiles(picturesFolder, [](const std::string& name) { return !IsTemporaryName(name); });
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
    // One gallery, with the first gallery's default name, from the first picture to the last.
    store_.SetLine(SettingLine::GalleryName1, language.LangText(GalleryText(1)));
    const std::vector<std::string> pictures = PictureListItems(project_layout::PicturesFolder(projectFolder));
    store_.SetLine(SettingLine::GalleryFirstPicture1, pictures.empty() ? std::string() : pictures.front());
    store_.SetLine(SettingLine::GalleryLastPicture1, pictures.empty() ? std::string() : pictures.back());
}

fs::path ProjectSettings::Bind(const ProgramFolder& folder, const std::string& name) {
    const fs::path projectFolder = folder.Project(name);
    workingFile_ = project_layout::WorkingSettingsFile(projectFolder);
    picturesFolder_ = project_layout::PicturesFolder(projectFolder);
    return project_layout::SavedSettingsFile(projectFolder, name);
}

void ProjectSettings::Commit(const ProgramFolder& folder, const std::string& name, const Language& language,
                             FileTransaction* save) {
    const fs::path savedFile = Bind(folder, name);
    std::error_code error;
    if (fs::exists(savedFile, error)) {
        if (save) {
            save->Copy(workingFile_, savedFile);
        } else {
            CopyOver(workingFile_, savedFile);
        }
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

void ProjectSettings::Store(SettingLine line, std::string value) {
    store_.SetLine(line, std::move(value));
    store_.Save(workingFile_);
}

std::vector<std::string> ProjectSettings::FollowPictures(const std::vector<std::string>& before,
                                                         const std::vector<std::string>& after,
                                                         const NewPositions& moved,
                                                         std::optional<InsertedPictures> inserted) {
    if (workingFile_.empty() || store_.LineCount() == 0) return {};
    SettingsStore changed = store_;
    std::vector<std::string> removed = palimora::FollowPictures(changed, before, after, moved, inserted);
    changed.Save(workingFile_);
    store_ = std::move(changed);
    return removed;
}

bool ProjectSettings::Check(SettingLine line) const { return ReadCheck(store_.Line(line)); }
VisitorExtras ProjectSettings::Extras() const {
    if (!Check(SettingLine::TodaysBrowsers)) return {};
    return VisitorExtras::Read(store_.Line(SettingLine::VisitorExtras));
}

int ProjectSettings::Number(SettingLine line) const { return ReadNumber(store_.Line(line), Layout(line)); }
int ProjectSettings::Colour(SettingLine line) const { return ReadColour(store_.Line(line), Layout(line)); }

int ProjectSettings::RgbColour(SettingLine line) const { return ResolveColour(Colour(line)); }

std::string ProjectSettings::FontFace(SettingLine line, const Language& language, const ProgramFolder& folder) const {
    const std::string stored = store_.Line(line);
    return stored.empty() || NamesBrowserFont(folder, stored) ? language.LangText(TextId::BrowserFont) : stored;
}

std::string ProjectSettings::Text(SettingLine line, const Language& language, const std::string& projectName) const {
    const LineLayout& layout = Layout(line);
    const std::string shownWhenEmpty = layout.whenEmpty == EmptyText::ProjectName ? projectName
                                       : layout.whenEmpty == EmptyText::LanguageText
                                           ? language.LangText(layout.defaultText)
                                           : std::string();
    return ReadText(store_.Line(line), shownWhenEmpty);
}

std::optional<std::size_t> ProjectSettings::Choice(SettingLine line, const std::vector<std::string>& items) const {
    return Layout(line).kind == Kind::Picture ? ReadPictureChoice(store_.Line(line), items)
                                              : ReadChoice(store_.Line(line), items);
}

std::vector<std::string> ProjectSettings::ItemsOf(SettingLine line, const ProgramFolder& folder,
                                                  const Language& language,
                                                  const std::vector<std::string>& fonts) const {
    switch (Layout(line).kind) {
        case Kind::Style:
        case Kind::Position:
        case Kind::Corner: return Texts(language, FixedTextsOf(Layout(line).kind));
        case Kind::Language: {
            // An empty line is the first item: the program's own language.
            std::vector<std::string> items{language.LangText(TextId::LanguageName)};
            for (const AvailableLanguage& other : AvailableLanguages(folder)) {
                if (other.code != language.Code()) items.push_back(other.name);
            }
            return items;
        }
        case Kind::Font: {
            std::vector<std::string> items{language.LangText(TextId::BrowserFont)};
            items.insert(items.end(), fonts.begin(), fonts.end());
            return items;
        }
        case Kind::Picture: return PictureListItems(picturesFolder_);
        case Kind::Template: return TemplateItems(folder.Root() / "models" / std::string(*TemplateFolderOf(line)));
        default: return {};
    }
}

std::string ProjectSettings::ChosenItem(SettingLine line, const ProgramFolder& folder, const Language& language,
                                        const std::vector<std::string>& fonts) const {
    const std::vector<std::string> items = ItemsOf(line, folder, language, fonts);
    std::optional<std::size_t> choice = Choice(line, items);
    // A style word stored while the program spoke another language.
    const std::string stored = store_.Line(line);
    if (!choice) choice = StyleWordIndex(folder, FixedTextsOf(Layout(line).kind), stored);
    if (!choice && Layout(line).kind == Kind::Font && NamesBrowserFont(folder, stored)) choice = 0;
    return choice && *choice < items.size() ? items[*choice] : std::string();
}

}  // namespace palimora
