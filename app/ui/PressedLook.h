#pragma once

#include "app/ui/PictureButton.h"

namespace palimora {

// A command button shows its pressed look while its command runs and its
// normal look again on every path out of it.
class PressedLook {
public:
    explicit PressedLook(PictureButton& button) : button_(button) { ToggleLook(button_); }
    ~PressedLook() { ToggleLook(button_); }
    PressedLook(const PressedLook&) = delete;
    PressedLook& operator=(const PressedLook&) = delete;

private:
    PictureButton& button_;
};

}  // namespace palimora
