#pragma once

#include "styles/GalleryRanges.h"
#include "styles/SettingValues.h"
#include "styles/SettingsStore.h"
#include "styles/VisitorExtras.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

class FileTransaction;
class Language;
class ProgramFolder;

// The settings of the open project: the store loaded from its runweb.ini,
// the saved copy <name>.ini beside it, and the rules that read a line as
// its control shows it.
class ProjectSettings {
public:
    const SettingsStore& Lines() const { return store_; }
    const std::filesystem::path& WorkingFile() const { return workingFile_; }

    // Saving: when <name>.ini exists, runweb.ini is copied over it (staged
    // in `save` when given, to land with the rest of the save) and loaded;
    // otherwise the settings are initialised and written to both.
    void Commit(const ProgramFolder& folder, const std::string& name, const Language& language,
                FileTransaction* save = nullptr);
    // Opening: when <name>.ini exists, it is copied over runweb.ini (unsaved
    // changes dropped) and loaded; otherwise the settings are initialised and
    // written to runweb.ini.
    void Restore(const ProgramFolder& folder, const std::string& name, const Language& language);

    // Loads a project's working settings as they are, for a build. Throws
    // PalimoraError when the project has none (it was never saved).
    void LoadWorking(const ProgramFolder& folder, const std::string& name);

    // The write-through of one change: the line takes the value and the whole
    // store goes to runweb.ini. The caller marks the project modified.
    void Store(SettingLine line, std::string value);

    // The galleries' ranges rewritten for pictures deleted or inserted
    // (FollowPictures) and stored, when the project has settings; the names
    // of the galleries that went for want of pictures.
    std::vector<std::string> FollowPictures(const std::vector<std::string>& before,
                                            const std::vector<std::string>& after, const NewPositions& moved,
                                            std::optional<InsertedPictures> inserted = std::nullopt);

    // A line as its control shows it (see SettingValues.h for the rules).
    bool Check(SettingLine line) const;
    int Number(SettingLine line) const;
    int Colour(SettingLine line) const;
    // `projectName` is the summary title's default.
    std::string Text(SettingLine line, const Language& language, const std::string& projectName) const;
    std::optional<std::size_t> Choice(SettingLine line, const std::vector<std::string>& items) const;
    // What the pages offer visitors: as the line holds it, every extra off
    // for pages not written for today's browsers.
    VisitorExtras Extras() const;

    // The items of a list line: fixed language texts for styles, positions
    // and corners; the browser's font then `fonts` for fonts; the project's pictures;
    // the templates of the line's template folder.
    std::vector<std::string> ItemsOf(SettingLine line, const ProgramFolder& folder, const Language& language,
                                     const std::vector<std::string>& fonts) const;
    // A colour line as a plain RGB value (system colours resolved).
    int RgbColour(SettingLine line) const;
    // A font line as pages name it: the browser's own font for an empty
    // line or its name in any language, else the stored name, installed on
    // this machine or not, so that every machine builds the same pages.
    std::string FontFace(SettingLine line, const Language& language, const ProgramFolder& folder) const;

    // The text a list line resolves to; empty when nothing is selected.
    std::string ChosenItem(SettingLine line, const ProgramFolder& folder, const Language& language,
                           const std::vector<std::string>& fonts) const;

private:
    // Points the files at the project's; returns the saved copy <name>.ini.
    std::filesystem::path Bind(const ProgramFolder& folder, const std::string& name);
    void Initialise(const ProgramFolder& folder, const std::filesystem::path& projectFolder,
                    const std::filesystem::path& savedFile, const Language& language);

    SettingsStore store_;
    std::filesystem::path workingFile_;
    std::filesystem::path picturesFolder_;
};

// The names of the files of a project's images folder, sorted: the items of
// the gallery picture lists.
std::vector<std::string> PictureListItems(const std::filesystem::path& picturesFolder);

// The .htm and .html files of a template folder, sorted.
std::vector<std::string> TemplateItems(const std::filesystem::path& templateFolder);

}  // namespace palimora
