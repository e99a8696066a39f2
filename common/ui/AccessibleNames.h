#pragma once

class QWidget;

namespace palimora {

// Gives the buttons under `root` that show only a picture the name a screen
// reader reads: their tip. Run again after texts change. (Fields are named
// by their labels, which the windows make their buddies.)
void NamePictureButtonsByTips(QWidget* root);

}  // namespace palimora
