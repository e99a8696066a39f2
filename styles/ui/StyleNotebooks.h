#pragma once

#include "styles/PageKind.h"

#include <QObject>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace palimora {

class FileChoosers;
class GalleryNotebook;
class Language;
class ListBinder;
class ModeBinder;
class ExtrasBinder;
class PictureNotebook;
class ProgramFolder;
class PictureTextIndex;
class ProjectSettings;
class SettingBinder;
class StyleDialogs;
class SummaryNotebook;
class UserDialogs;
struct BindingContext;

// The three style notebooks of the page-design step (summary, gallery and
// picture pages) and the binding of their controls to the open project's
// settings lines. The notebooks lie on top of each other in the window;
// at most one is visible.
//
// While SettingsLoaded() is false the controls write nothing; LoadSettings
// sets it once it has shown a project's lines. Afterwards every change is
// written to the project's runweb.ini at once and reported by modified().
//
// `folder`, `language`, `dialogs` and `settings` must outlive the notebooks.
class StyleNotebooks : public QObject {
    Q_OBJECT
public:
    // `styleDialogs` answers the colour and file dialogs; null shows Qt's.
    StyleNotebooks(const ProgramFolder& folder, const Language& language, UserDialogs& dialogs,
                   ProjectSettings& settings, QWidget* window, StyleDialogs* styleDialogs = nullptr);
    ~StyleNotebooks() override;

    SummaryNotebook* Tabbedhtml = nullptr;
    GalleryNotebook* TabbedGHTML = nullptr;
    PictureNotebook* TabbedIHTML = nullptr;

    // Places the three notebooks with their top left corner at `left`, `top`.
    // Taller by `extraHeight` than designed, as the window is: fewer settings scroll.
    void Stretch(int extraHeight);
    void MoveTo(int left, int top);

    // Shows the open project's lines in every control (`projectName` is the
    // summary title's default), then sets SettingsLoaded.
    void LoadSettings(const std::string& projectName);
    bool SettingsLoaded() const;
    // The colour boxes are blank while it is false.
    void SetSettingsLoaded(bool loaded);

    // Refills the twenty gallery picture lists from the project's images
    // folder: the stored picture selected again, the first one for an empty
    // line, the last one when the stored picture is gone. Writes nothing.
    void RefreshGalleryLists();
    // Where those lists take each picture's icon from.
    void SetPictureIcons(std::function<QIcon(const std::filesystem::path& picture)> iconOf);

    void ShowNotebook(PageKind page);
    void HideAll();

    // Captions in the current language's texts.
    void ApplyLanguage();

    // The control of the notebooks named `name` (as the settings layout names it), or null.
    QWidget* Control(std::string_view name) const;

signals:
    // A change was written to the project's settings.
    void modified();
    // A template list changed: the sample page of `page` was replaced and its
    // preview should be built again.
    void previewRebuildRequested(PageKind page);

private:
    void Bind();
    std::unique_ptr<SettingBinder> MakeBinder(int line);
    void CopyTemplate(PageKind page, const std::string& item);
    ListBinder& TemplateBinderOf(PageKind page) const;
    // The titles the gallery picture lists show, from the project's images.dat.
    PictureTextIndex PictureTexts() const;
    // The look chosen for `from` chosen for the other kinds of page too.
    void GiveLookToAllPages(PageKind from);

    const Language& language_;
    UserDialogs& userDialogs_;
    std::unique_ptr<StyleDialogs> ownDialogs_;
    std::unique_ptr<BindingContext> context_;
    std::vector<std::unique_ptr<SettingBinder>> binders_;
    ModeBinder* mode_ = nullptr;
    ExtrasBinder* extras_ = nullptr;
    std::unique_ptr<FileChoosers> fileChoosers_;
};

}  // namespace palimora
