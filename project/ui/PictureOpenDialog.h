#pragma once

#include <QFileDialog>

namespace palimora {

class Language;
class PicturePreview;

// OpenImg, the add-picture dialog: the toolkit's own file dialog (the same
// on every desktop) with a preview pane beside the list of files, showing
// the current file and its size. Several files may be chosen at once.
class PictureOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    // `filter` is in the dialog's own form ("Pictures (*.jpg *.gif);;...").
    PictureOpenDialog(const Language& language, const QString& title, const QString& filter, QWidget* parent);

    PicturePreview* Preview = nullptr;

    // Wide enough for the list's columns beside the preview pane.
    static constexpr int kLeastWidth = 900;
};

}  // namespace palimora
