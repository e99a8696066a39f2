#include "app/ui/PictureButton.h"

#include "common/ProgramFolder.h"
#include "common/ui/SharpPixmap.h"

#include <QPixmap>

namespace palimora {

PictureButton::PictureButton(const ProgramFolder& folder, std::string pictureName, QPoint position, int layoutTag,
                             QWidget* parent)
    : ClickableLabel(parent), folder_(folder), pictureName_(std::move(pictureName)), tag_(layoutTag) {
    move(position);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);  // every command by keyboard: Tab to it, Space to press it
}

void PictureButton::ShowLook(bool pressed) {
    const QPixmap look = SharpPixmap(folder_.ButtonLook(pictureName_, pressed), devicePixelRatioF());
    setPixmap(look);
    if (!look.isNull()) resize(look.deviceIndependentSize().toSize());
    tag_ = pressed ? 1 : 0;
    repaint();
}

void ToggleLook(PictureButton& button) { button.ShowLook(button.Tag() == 0); }

void SetNormalLook(PictureButton& button, bool normal) { button.ShowLook(!normal); }

}  // namespace palimora
