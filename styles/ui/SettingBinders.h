#pragma once

#include "styles/SettingValues.h"
#include "styles/SettingsLayout.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace palimora {

struct BindingContext;
struct ShownProject;
class ColourBox;
class PictureNotebook;

// Binds one control of the style notebooks to its settings line: Load shows
// the line, and every change the user makes is written through to the
// project's settings file and reported as a modification. There is one
// binder per kind of control.
class SettingBinder {
public:
    SettingBinder(BindingContext& context, SettingLine line) : context_(context), line_(line) {}
    virtual ~SettingBinder() = default;
    SettingBinder(const SettingBinder&) = delete;
    SettingBinder& operator=(const SettingBinder&) = delete;

    // Shows the line in the control; writes nothing.
    virtual void Load(const ShownProject& project) = 0;
    SettingLine Line() const { return line_; }

protected:
    // Writes `value` on the line (busy cursor when `busy`); false, writing
    // nothing, while the settings are not loaded.
    bool Store(std::string value, bool busy);

    BindingContext& context_;
    const SettingLine line_;
};

class CheckBinder : public SettingBinder {
public:
    CheckBinder(BindingContext& context, SettingLine line, QCheckBox* check);
    void Load(const ShownProject& project) override;

private:
    QCheckBox* check_;
};

// A pick-only list: fonts, styles, positions, corners and templates.
class ListBinder : public SettingBinder {
public:
    ListBinder(BindingContext& context, SettingLine line, QComboBox* list);
    void Load(const ShownProject& project) override;

    // Runs after a chosen item was written (the template lists copy their template).
    void OnChosen(std::function<void(const std::string& item)> chosen) { chosen_ = std::move(chosen); }
    // The item shown as chosen, if any.
    std::optional<std::string> ChosenItem() const;
    // Chooses an item as a click in the list would; false when the list has no such item.
    bool Choose(const std::string& item);

protected:
    // The items to show; nullopt keeps the list's items (a missing folder).
    virtual std::optional<std::vector<std::string>> Items(const ShownProject& project) const;
    std::optional<std::vector<std::string>> FilesOf(
        const std::filesystem::path& folder, std::vector<std::string> (*list)(const std::filesystem::path&)) const;
    // Fills the list with the items (Windows-1252), as they read.
    virtual void ShowItems(QComboBox& list, const std::vector<std::string>& items, const ShownProject& project) const;

private:
    QComboBox* list_;
    std::vector<std::string> items_;  // the list's items, Windows-1252
    std::function<void(const std::string&)> chosen_;
};

// A page kind's template: the templates of its folder, each shown with the
// small picture of its look (<name>.png beside it) when there is one.
class TemplateListBinder : public ListBinder {
public:
    TemplateListBinder(BindingContext& context, SettingLine line, QComboBox* list);

protected:
    void ShowItems(QComboBox& list, const std::vector<std::string>& items, const ShownProject& project) const override;
};

// A gallery's first or last picture: the project's picture files, each
// shown by its icon, number and title.
class PictureListBinder : public ListBinder {
public:
    PictureListBinder(BindingContext& context, SettingLine line, QComboBox* list);

protected:
    std::optional<std::vector<std::string>> Items(const ShownProject& project) const override;
    void ShowItems(QComboBox& list, const std::vector<std::string>& items, const ShownProject& project) const override;

private:
    std::filesystem::path PicturesFolder() const;
};

// A one-line edit: every keystroke is written.
class EditBinder : public SettingBinder {
public:
    EditBinder(BindingContext& context, SettingLine line, QLineEdit* edit);
    void Load(const ShownProject& project) override;

private:
    QLineEdit* edit_;
};

// A spin edit, with the line's range.
class SpinBinder : public SettingBinder {
public:
    SpinBinder(BindingContext& context, SettingLine line, QSpinBox* spin);
    void Load(const ShownProject& project) override;

private:
    QSpinBox* spin_;
};

// A colour box: a click asks for a colour, preset to the box's own.
class ColourBinder : public SettingBinder {
public:
    ColourBinder(BindingContext& context, SettingLine line, ColourBox* box);
    void Load(const ShownProject& project) override;

private:
    void Choose();
    ColourBox* box_;
};

// The radio pair of the navigation buttons: texts or pictures. The labels
// of the three button fields follow the mode, and the picture choosers show
// in picture mode only.
class ModeBinder : public SettingBinder {
public:
    ModeBinder(BindingContext& context, SettingLine line, PictureNotebook& notebook);
    void Load(const ShownProject& project) override;
    // Shows `mode`: the radio pair, the labels' captions, the choosers.
    void Show(settings::ButtonMode mode);
    settings::ButtonMode Mode() const { return mode_; }

private:
    void Choose(settings::ButtonMode mode);
    PictureNotebook& notebook_;
    settings::ButtonMode mode_ = settings::ButtonMode::Texts;
};

}  // namespace palimora
