#pragma once

#include <QFileDialog>

class QCheckBox;

namespace palimora {

class Language;
class PicturePreview;

// OpenImg, the add-picture dialog: the toolkit's own file dialog (the same
// on every desktop) with a preview pane beside the list of files, showing
// the current file and its size. Several files may be chosen at once. A box
// under the list says whether titles and comments come from the photos.
class PictureOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    // `filter` is in the dialog's own form ("Pictures (*.jpg *.gif);;...").
    PictureOpenDialog(const Language& language, const QString& title, const QString& filter, QWidget* parent);

    PicturePreview* Preview = nullptr;
    QCheckBox* TextsFromPhotos = nullptr;

    // Wide enough for the list's columns beside the preview pane.
    static constexpr int kLeastWidth = 900;
};

}  // namespace palimora
