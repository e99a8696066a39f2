#pragma once

#include <QPixmap>
#include <QSize>

namespace palimora {

// The designed background of the main window (792 x 553, drawn for an
// 800 x 553 window) stretched for a window larger by `extra`: the right
// panel grows across and down, the logo keeps to the right edge, the left
// panel keeps its size and the toolbar's band moves down, centred across.
QPixmap StretchedBackground(const QPixmap& designed, QSize extra);

// Where the toolbar's band goes in a window larger by `extra`.
QPoint ToolbarOffset(QSize extra);

}  // namespace palimora
