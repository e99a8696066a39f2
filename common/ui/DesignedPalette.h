#pragma once

#include <QPalette>

namespace palimora {

// The program's windows keep their designed colours on any desktop: the
// orange window and its light fields and buttons with dark text. The
// colours the windows set themselves are drawn beside this palette's, so
// none of them meets a colour of a dark desktop theme.
QPalette DesignedPalette();

// Gives the running application that palette (after the application
// object exists, before any window is made), and the designed font: the
// desktop's face at the size the panels were laid out for, in pixels, so
// that a larger desktop font cuts no word in a panel of fixed size (a
// scaled screen still scales it, sharp).
void UseDesignedPalette();

}  // namespace palimora
