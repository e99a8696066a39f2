#include "styles/ui/SettingBinders.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "project/ProjectLayout.h"
#include "styles/ProjectSettings.h"
#include "styles/ui/BindingContext.h"
#include "styles/ui/ColourBox.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleDialogs.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
using namespace settings;

namespace {

// The gallery picture lists: small icons, and room for titles when open.
constexpr int kPictureIconSize = 18, kOpenListIconSize = 40;
// The template lists: each look's picture, small when closed, larger when open.
constexpr int kLookIconWidth = 32, kLookIconHeight = 22, kOpenLookWidth = 96, kOpenLookHeight = 68;
constexpr int kPictureListWidth = 260;

}  // namespace

bool SettingBinder::Store(std::string value, bool busy) {
    if (!context_.settingsLoaded) return false;
    std::optional<BusyCursor> cursor;
    if (busy) cursor.emplace();
    context_.reportModified();
    context_.settings.Store(line_, std::move(value));
    return true;
}

CheckBinder::CheckBinder(BindingContext& context, SettingLine line, QCheckBox* check)
    : SettingBinder(context, line), check_(check) {
    context.guard.Connect(check, &QCheckBox::toggled, context.owner,
                          [this] { Store(WriteCheck(check_->isChecked()), true); });
}

void CheckBinder::Load(const ShownProject&) {
    const QSignalBlocker silent(check_);
    check_->setChecked(context_.settings.Check(line_));
}

ListBinder::ListBinder(BindingContext& context, SettingLine line, QComboBox* list)
    : SettingBinder(context, line), list_(list) {
    context.guard.Connect(list, &QComboBox::currentIndexChanged, context.owner, [this] {
        const int index = list_->currentIndex();
        if (index < 0 || index >= static_cast<int>(items_.size())) return;
        const std::string item = items_[static_cast<std::size_t>(index)];
        if (Store(item, true) && chosen_) chosen_(item);
    });
}

void ListBinder::Load(const ShownProject& project) {
    const QSignalBlocker silent(list_);
    if (auto items = Items(project)) {
        items_ = std::move(*items);
        list_->clear();
        ShowItems(*list_, items_, project);
    }
    const std::optional<std::size_t> choice = context_.settings.Choice(line_, items_);
    list_->setCurrentIndex(choice ? static_cast<int>(*choice) : -1);
}

std::optional<std::string> ListBinder::ChosenItem() const {
    const int index = list_->currentIndex();
    if (index < 0 || index >= static_cast<int>(items_.size())) return std::nullopt;
    return items_[static_cast<std::size_t>(index)];
}

bool ListBinder::Choose(const std::string& item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return false;
    list_->setCurrentIndex(static_cast<int>(found - items_.begin()));
    return true;
}

std::optional<std::vector<std::string>> ListBinder::Items(const ShownProject& project) const {
    if (const auto templates = TemplateFolderOf(line_)) {
        return FilesOf(context_.folder.Root() / "models" / std::string(*templates), TemplateItems);
    }
    return context_.settings.ItemsOf(line_, context_.folder, context_.language, project.fonts);
}

void ListBinder::ShowItems(QComboBox& list, const std::vector<std::string>& items, const ShownProject&) const {
    for (const std::string& item : items) list.addItem(ToScreen(item));
}

std::optional<std::vector<std::string>> ListBinder::FilesOf(const fs::path& folder,
                                                            std::vector<std::string> (*list)(const fs::path&)) const {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return std::nullopt;
    return list(folder);
}

TemplateListBinder::TemplateListBinder(BindingContext& context, SettingLine line, QComboBox* list)
    : ListBinder(context, line, list) {
    list->setIconSize(QSize(kLookIconWidth, kLookIconHeight));
    list->setItemDelegate(new QStyledItemDelegate(list));  // the open list's pictures at their own size
    list->view()->setIconSize(QSize(kOpenLookWidth, kOpenLookHeight));
    list->view()->setMinimumWidth(kPictureListWidth);  // whole names beside the pictures
}

namespace {

// A look by its name in the user's language: the shipped looks by theirs,
// a template of the user's own by its file's name without ".htm".
std::string LookName(const std::string& file, const Language& language) {
    constexpr std::pair<const char*, TextId> kShippedLooks[] = {{"carnet.htm", TextId::LookCarnet},
                                                                {"clair.htm", TextId::LookClair},
                                                                {"ecrin.htm", TextId::LookEcrin},
                                                                {"moderne.htm", TextId::LookModerne}};
    for (const auto& [shipped, name] : kShippedLooks) {
        if (file == shipped) return language.LangText(name);
    }
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}

}  // namespace

void TemplateListBinder::ShowItems(QComboBox& list, const std::vector<std::string>& items,
                                   const ShownProject& project) const {
    const std::optional<std::string_view> templates = TemplateFolderOf(line_);
    if (!templates) return ListBinder::ShowItems(list, items, project);
    const fs::path folder = context_.folder.Root() / "models" / std::string(*templates);
    for (const std::string& item : items) {
        const fs::path look = folder / PathFromCp1252(item).replace_extension(".png");
        std::error_code error;
        list.addItem(fs::is_regular_file(look, error) ? QIcon(QString::fromStdString(look.string())) : QIcon(),
                     ToScreen(LookName(item, context_.language)));
        list.setItemData(list.count() - 1, ToScreen(item), Qt::ToolTipRole);  // the template's file
    }
}

PictureListBinder::PictureListBinder(BindingContext& context, SettingLine line, QComboBox* list)
    : ListBinder(context, line, list) {
    list->setIconSize(QSize(kPictureIconSize, kPictureIconSize));
    // The open list shows whole titles, though the closed one is narrow.
    list->view()->setMinimumWidth(kPictureListWidth);
    // The menu look of a closed list's items would keep the open list's icons small.
    list->setItemDelegate(new QStyledItemDelegate(list));
    list->view()->setIconSize(QSize(kOpenListIconSize, kOpenListIconSize));
    list->view()->setTextElideMode(Qt::ElideRight);
}

fs::path PictureListBinder::PicturesFolder() const {
    return project_layout::PicturesFolder(context_.settings.WorkingFile().parent_path());
}

std::optional<std::vector<std::string>> PictureListBinder::Items(const ShownProject&) const {
    return FilesOf(PicturesFolder(), PictureListItems);
}

void PictureListBinder::ShowItems(QComboBox& list, const std::vector<std::string>& items,
                                  const ShownProject& project) const {
    for (const std::string& item : items) {
        const int number = PictureFileNumber(item);
        const auto texts = project.pictureTexts.Read(number);
        const std::string title = texts ? texts->title : std::string();
        const QString text =
            title.empty() ? ToScreen(item) : QString::number(number) + QStringLiteral("  ") + ToScreen(title);
        list.addItem(context_.pictureIcon ? context_.pictureIcon(PicturesFolder() / item) : QIcon(), text);
        list.setItemData(list.count() - 1, ToScreen(item), Qt::ToolTipRole);
    }
}

EditBinder::EditBinder(BindingContext& context, SettingLine line, QLineEdit* edit)
    : SettingBinder(context, line), edit_(edit) {
    edit->setMaxLength(static_cast<int>(kMaxLineLength));
    context.guard.Connect(edit, &QLineEdit::textChanged, context.owner,
                          [this] { Store(FromScreen(edit_->text()), false); });
}

void EditBinder::Load(const ShownProject& project) {
    const QSignalBlocker silent(edit_);
    edit_->setText(ToScreen(context_.settings.Text(line_, context_.language, project.name)));
}

SpinBinder::SpinBinder(BindingContext& context, SettingLine line, QSpinBox* spin)
    : SettingBinder(context, line), spin_(spin) {
    const LineLayout& layout = Layout(line);
    spin->setRange(layout.minimum, layout.maximum);
    spin->setValue(layout.initial);
    context.guard.Connect(spin, &QSpinBox::valueChanged, context.owner,
                          [this] { Store(std::to_string(spin_->value()), true); });
}

void SpinBinder::Load(const ShownProject&) {
    const QSignalBlocker silent(spin_);
    spin_->setValue(context_.settings.Number(line_));
}

ColourBinder::ColourBinder(BindingContext& context, SettingLine line, ColourBox* box)
    : SettingBinder(context, line), box_(box) {
    box->SetRgb(Layout(line).initial);
    context.guard.Connect(box, &ColourBox::clicked, context.owner, [this] { Choose(); });
}

void ColourBinder::Load(const ShownProject&) { box_->SetRgb(ResolveColour(context_.settings.Colour(line_))); }

void ColourBinder::Choose() {
    if (!context_.settingsLoaded) return;
    if (const std::optional<QColor> chosen = context_.dialogs.ChooseColour(box_->Colour())) box_->SetColour(*chosen);
    // Chosen or not, the box's colour is written again.
    Store(std::to_string(box_->Rgb()), true);
}

ModeBinder::ModeBinder(BindingContext& context, SettingLine line, PictureNotebook& notebook)
    : SettingBinder(context, line), notebook_(notebook) {
    context.guard.Connect(notebook.RadioBouTex, &QRadioButton::clicked, context.owner,
                          [this] { Choose(ButtonMode::Texts); });
    context.guard.Connect(notebook.RadioBouImg, &QRadioButton::clicked, context.owner,
                          [this] { Choose(ButtonMode::Pictures); });
}

void ModeBinder::Load(const ShownProject&) { Show(ReadMode(context_.settings.Lines().Line(line_))); }

void ModeBinder::Show(ButtonMode mode) {
    mode_ = mode;
    const bool pictures = mode == ButtonMode::Pictures;
    notebook_.RadioBouTex->setChecked(!pictures);
    notebook_.RadioBouImg->setChecked(pictures);
    const auto caption = [this](TextId text) { return ToScreen(context_.language.LangText(text)); };
    notebook_.BackCaptionLabel->setText(caption(pictures ? TextId::BackPictureLabel : TextId::BackTextLabel));
    notebook_.ContentsCaptionLabel->setText(
        caption(pictures ? TextId::ContentsPictureLabel : TextId::ContentsTextLabel));
    notebook_.NextCaptionLabel->setText(caption(pictures ? TextId::NextPictureLabel : TextId::NextTextLabel));
    notebook_.EditBouRet->setAccessibleName(notebook_.BackCaptionLabel->text());
    notebook_.EditBouSom->setAccessibleName(notebook_.ContentsCaptionLabel->text());
    notebook_.EditBouSui->setAccessibleName(notebook_.NextCaptionLabel->text());
    for (QPushButton* chooser : {notebook_.BitBouRet, notebook_.BitBouSom, notebook_.BitBouSui}) {
        chooser->setVisible(pictures);
    }
}

void ModeBinder::Choose(ButtonMode mode) {
    if (!context_.settingsLoaded) {
        Show(mode_);  // nothing changes before a project's settings are shown
        return;
    }
    const BusyCursor cursor;
    Show(mode);
    Store(WriteMode(mode), false);
}

}  // namespace palimora
