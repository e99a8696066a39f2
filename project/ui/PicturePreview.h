#pragma once

#include <QWidget>

#include <filesystem>

class QLabel;

namespace palimora {

class Language;

// The preview pane of the add-picture dialog: the current file fitted into
// the pane, and its size in pixels below. A JPEG is decoded already reduced
// (DCT scaling), so even a very large photo shows at once. A file that is no
// readable picture leaves the pane empty, without a message.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    PicturePreview(const Language& language, QWidget* parent);

    QLabel* Picture = nullptr;    // the fitted picture, centred in the pane
    QLabel* SizeLabel = nullptr;  // "4000 x 3000 pixels", empty for no picture

    // Shows `file`, or nothing when it is no picture that can be read.
    void Show(const std::filesystem::path& file);
    void Clear();

    static constexpr int kPaneWidth = 220;
    static constexpr int kPaneHeight = 220;

private:
    const Language& language_;
};

}  // namespace palimora
