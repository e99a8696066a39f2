#pragma once

class QWidget;

namespace palimora {

// Gives the controls under `root` the names a screen reader reads: a field,
// list or number box is named by the label on its left (its buddy, so the
// name follows the label's language), and a button showing only a picture
// by its tip. Names given before are kept; run again after texts change.
void NameControlsFromLabels(QWidget* root);

}  // namespace palimora
