#include "styles/ui/StyleNotebooks.h"

#include "styles/SampleTemplates.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "project/ProjectLayout.h"
#include "styles/ProjectSettings.h"
#include "styles/ui/BindingContext.h"
#include "styles/ui/ColourBox.h"
#include "styles/ui/ExtrasBinder.h"
#include "styles/ui/FileChoosers.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/SettingBinders.h"
#include "styles/ui/StyleDialogs.h"
#include "styles/ui/SummaryNotebook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
using settings::Kind;

namespace {

// The installed font families that Windows-1252 can name.
std::vector<std::string> InstalledFonts() {
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) {
        try {
            fonts.push_back(FromScreen(family));
        } catch (...) {
            // A family named in another script cannot be stored in the settings.
        }
    }
    return fonts;
}

struct TemplateList {
    SettingLine line;
    PageKind page;
};

constexpr TemplateList kTemplateLists[] = {
    {SettingLine::SummaryTemplate, PageKind::Summary},
    {SettingLine::GalleryTemplate, PageKind::Gallery},
    {SettingLine::PictureTemplate, PageKind::Picture},
};

template <class Control>
Control* As(QWidget* control, std::string_view name) {
    auto* typed = qobject_cast<Control*>(control);
    if (!typed) throw std::logic_error("the style notebooks lack the control " + std::string(name));
    return typed;
}

}  // namespace

StyleNotebooks::StyleNotebooks(const ProgramFolder& folder, const Language& language, UserDialogs& dialogs,
                               ProjectSettings& settings, QWidget* window, StyleDialogs* styleDialogs)
    : QObject(window), language_(language), userDialogs_(dialogs) {
    if (!styleDialogs) {
        ownDialogs_ = std::make_unique<QtStyleDialogs>(window);
        styleDialogs = ownDialogs_.get();
    }
    context_ = std::unique_ptr<BindingContext>(new BindingContext{settings,
                                                                  folder,
                                                                  language,
                                                                  *styleDialogs,
                                                                  CommandGuard(dialogs, language),
                                                                  this,
                                                                  [this] { emit modified(); },
                                                                  false,
                                                                  {}});
    Tabbedhtml = new SummaryNotebook(window);
    TabbedGHTML = new GalleryNotebook(window);
    TabbedIHTML = new PictureNotebook(window);
    Bind();
    fileChoosers_ = std::make_unique<FileChoosers>(*context_, [this](std::string_view name) { return Control(name); });
    ApplyLanguage();
    HideAll();
}

StyleNotebooks::~StyleNotebooks() = default;

void StyleNotebooks::Bind() {
    for (const settings::LineLayout& layout : settings::AllLines()) {
        if (layout.kind == Kind::Free) continue;
        binders_.push_back(MakeBinder(LineNumber(layout.line)));
    }
    auto extras = std::make_unique<ExtrasBinder>(
        *context_, ExtrasBinder::Controls{TabbedIHTML->CheckIDownload, TabbedGHTML->CheckGArchive,
                                          TabbedIHTML->CheckISlideshow, TabbedIHTML->SpinISlideSeconds,
                                          Tabbedhtml->ComboSScheme, TabbedIHTML->CheckIFacts, Tabbedhtml->CheckSFeed});
    extras_ = extras.get();
    binders_.push_back(std::move(extras));
    for (const TemplateList& list : kTemplateLists) {
        TemplateBinderOf(list.page).OnChosen(
            [this, page = list.page](const std::string& item) { CopyTemplate(page, item); });
    }
    const std::pair<QPushButton*, PageKind> lookButtons[] = {{Tabbedhtml->LookForAllPages, PageKind::Summary},
                                                             {TabbedGHTML->LookForAllPages, PageKind::Gallery},
                                                             {TabbedIHTML->LookForAllPages, PageKind::Picture}};
    for (const auto& [button, page] : lookButtons) {
        context_->guard.Connect(button, &QPushButton::clicked, this, [this, page = page] { GiveLookToAllPages(page); });
    }
}

ListBinder& StyleNotebooks::TemplateBinderOf(PageKind page) const {
    for (const TemplateList& list : kTemplateLists) {
        if (list.page != page) continue;
        for (const auto& each : binders_) {
            if (each->Line() == list.line) return static_cast<ListBinder&>(*each);
        }
    }
    throw std::logic_error("a page kind without a template list");
}

void StyleNotebooks::GiveLookToAllPages(PageKind from) {
    const std::optional<std::string> look = TemplateBinderOf(from).ChosenItem();
    if (!look) return;
    bool everywhere = true;
    for (const TemplateList& list : kTemplateLists) {
        if (list.page != from) everywhere = TemplateBinderOf(list.page).Choose(*look) && everywhere;
    }
    emit previewRebuildRequested(from);  // the preview comes back to the page the user is designing
    if (!everywhere) userDialogs_.ShowMessageOk(language_.LangText(TextId::LookNotEverywhere));
}

std::unique_ptr<SettingBinder> StyleNotebooks::MakeBinder(int lineNumber) {
    const auto line = static_cast<SettingLine>(lineNumber);
    const settings::LineLayout& layout = settings::Layout(line);
    QWidget* control = Control(layout.control);
    BindingContext& context = *context_;
    switch (layout.kind) {
        case Kind::Check: return std::make_unique<CheckBinder>(context, line, As<QCheckBox>(control, layout.control));
        case Kind::Text: return std::make_unique<EditBinder>(context, line, As<QLineEdit>(control, layout.control));
        case Kind::Number: return std::make_unique<SpinBinder>(context, line, As<QSpinBox>(control, layout.control));
        case Kind::Colour: return std::make_unique<ColourBinder>(context, line, As<ColourBox>(control, layout.control));
        case Kind::Picture:
            return std::make_unique<PictureListBinder>(context, line, As<QComboBox>(control, layout.control));
        case Kind::Font:
        case Kind::Style:
        case Kind::Position:
        case Kind::Corner:
        case Kind::Language:
        case Kind::Template:
            return std::make_unique<TemplateListBinder>(context, line, As<QComboBox>(control, layout.control));
        case Kind::Mode: {
            auto binder = std::make_unique<ModeBinder>(context, line, *TabbedIHTML);
            mode_ = binder.get();
            return binder;
        }
        case Kind::Free: break;
    }
    throw std::logic_error("a settings line without a control kind");
}

QWidget* StyleNotebooks::Control(std::string_view name) const {
    const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (QWidget* notebook :
         {static_cast<QWidget*>(Tabbedhtml), static_cast<QWidget*>(TabbedGHTML), static_cast<QWidget*>(TabbedIHTML)}) {
        if (auto* control = notebook->findChild<QWidget*>(objectName)) return control;
    }
    return nullptr;
}

void StyleNotebooks::MoveTo(int left, int top) {
    for (QWidget* notebook :
         {static_cast<QWidget*>(Tabbedhtml), static_cast<QWidget*>(TabbedGHTML), static_cast<QWidget*>(TabbedIHTML)}) {
        notebook->move(left, top);
    }
}

void StyleNotebooks::Stretch(int extraHeight) {
    for (QWidget* notebook :
         {static_cast<QWidget*>(Tabbedhtml), static_cast<QWidget*>(TabbedGHTML), static_cast<QWidget*>(TabbedIHTML)}) {
        notebook->resize(StyleNotebook::kWidth, StyleNotebook::kHeight + extraHeight);
    }
}

PictureTextIndex StyleNotebooks::PictureTexts() const {
    const fs::path projectFolder = context_->settings.WorkingFile().parent_path();
    return PictureTextIndex(PictureTextFile(project_layout::PictureTextFile(projectFolder)));
}

void StyleNotebooks::LoadSettings(const std::string& projectName) {
    SetSettingsLoaded(false);
    const ShownProject project{projectName, InstalledFonts(), PictureTexts()};
    try {
        for (const auto& binder : binders_) binder->Load(project);
    } catch (...) {
        SetSettingsLoaded(true);  // what was shown stays usable
        throw;
    }
    SetSettingsLoaded(true);
}

bool StyleNotebooks::SettingsLoaded() const { return context_->settingsLoaded; }

void StyleNotebooks::SetSettingsLoaded(bool loaded) {
    context_->settingsLoaded = loaded;
    for (QWidget* notebook :
         {static_cast<QWidget*>(Tabbedhtml), static_cast<QWidget*>(TabbedGHTML), static_cast<QWidget*>(TabbedIHTML)}) {
        for (ColourBox* box : notebook->findChildren<ColourBox*>()) box->SetFilled(loaded);
    }
}

void StyleNotebooks::RefreshGalleryLists() {
    const ShownProject project{{}, {}, PictureTexts()};  // the picture lists need neither name nor fonts
    for (const auto& binder : binders_) {
        if (settings::Layout(binder->Line()).kind == Kind::Picture) binder->Load(project);
    }
}

void StyleNotebooks::SetPictureIcons(std::function<QIcon(const fs::path& picture)> iconOf) {
    context_->pictureIcon = std::move(iconOf);
}

void StyleNotebooks::ShowNotebook(PageKind page) {
    Tabbedhtml->setVisible(page == PageKind::Summary);
    TabbedGHTML->setVisible(page == PageKind::Gallery);
    TabbedIHTML->setVisible(page == PageKind::Picture);
}

void StyleNotebooks::HideAll() {
    Tabbedhtml->hide();
    TabbedGHTML->hide();
    TabbedIHTML->hide();
}

void StyleNotebooks::ApplyLanguage() {
    Tabbedhtml->ApplyLanguage(language_);
    TabbedGHTML->ApplyLanguage(language_);
    TabbedIHTML->ApplyLanguage(language_);
    mode_->Show(mode_->Mode());
    extras_->ApplyLanguage();
}

void StyleNotebooks::CopyTemplate(PageKind page, const std::string& item) {
    for (const TemplateList& list : kTemplateLists) {
        if (list.page != page) continue;
        InstallTemplate(context_->folder, list.line, item);
    }
    emit previewRebuildRequested(page);
}

}  // namespace palimora
