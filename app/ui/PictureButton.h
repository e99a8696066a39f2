#pragma once

#include "common/ui/ClickableLabel.h"

#include <filesystem>
#include <string>

namespace palimora {

class ProgramFolder;

// A toolbar button drawn as a picture, with a normal and a pressed look
// (interface/<name>.jpg and interface/<name>1.jpg). Tag() tells the look
// shown: 0 normal, 1 pressed. It sizes itself to its picture.
class PictureButton : public ClickableLabel {
    Q_OBJECT
public:
    // `layoutTag` is the tag before the first look is shown, as the window
    // layout stores it; the start-up toggles turn it into the first look.
    PictureButton(const ProgramFolder& folder, std::string pictureName, QPoint position, int layoutTag,
                  QWidget* parent);

    int Tag() const { return tag_; }
    const std::string& PictureName() const { return pictureName_; }
    void ShowLook(bool pressed);

private:
    const ProgramFolder& folder_;
    std::string pictureName_;
    int tag_ = 0;
};

// Toggles the look: pressed when it was normal, normal when it was pressed.
void ToggleLook(PictureButton& button);
// Sets the look: normal = true shows <name>.jpg, false shows <name>1.jpg.
void SetNormalLook(PictureButton& button, bool normal);

}  // namespace palimora
