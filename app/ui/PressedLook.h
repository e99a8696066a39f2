#pragma once

#include "app/ui/PictureButton.h"

namespace palimora {

// A command button shows its pressed look while its command runs and its
// normal look again on every path out of it.
class PressedLook {
public:
    explicit PressedLook(PictureButton& button) : button_(button) { AppuieBouton(button_); }
    ~PressedLook() { AppuieBouton(button_); }
    PressedLook(const PressedLook&) = delete;
    PressedLook& operator=(const PressedLook&) = delete;

private:
    PictureButton& button_;
};

}  // namespace palimora
