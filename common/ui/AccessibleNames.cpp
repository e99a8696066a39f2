#include "common/ui/AccessibleNames.h"

#include <QAbstractButton>

namespace palimora {

void NamePictureButtonsByTips(QWidget* root) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() && !button->toolTip().isEmpty()) button->setAccessibleName(button->toolTip());
    }
}

}  // namespace palimora
