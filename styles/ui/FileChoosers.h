#pragma once

#include <QString>

#include <array>
#include <functional>
#include <string_view>

class QWidget;

namespace palimora {

struct BindingContext;

// The file-choosing buttons of the style notebooks. Each fills the edit
// beside it with the full path of the chosen file (the edit then writes
// its line). Three dialogs serve them: pictures (ten buttons), HTML pages
// (six buttons) and the JPEG copyright stamp; the next choice through a
// dialog starts in the folder of its last chosen file.
class FileChoosers {
public:
    enum class Files { Pictures, Html, Stamp };

    // Binds every button; `control` finds a control of the notebooks by name.
    FileChoosers(BindingContext& context, const std::function<QWidget*(std::string_view name)>& control);

    // Where the next dialog for `files` starts.
    const QString& StartFolder(Files files) const { return folders_[Index(files)]; }
    // The filter the dialog for `files` offers, in Qt's form.
    QString Filter(Files files) const;

private:
    static std::size_t Index(Files files) { return static_cast<std::size_t>(files); }
    void Choose(QWidget* edit, Files files);

    BindingContext& context_;
    std::array<QString, 3> folders_;
};

}  // namespace palimora
