#include "common/ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QTextEdit>

#include <limits>

namespace palimora {
namespace {

bool TakesALabel(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// The nearest control of `label`'s parent on its right, on the same row.
QWidget* ControlRightOf(const QLabel* label) {
    QWidget* nearest = nullptr;
    int distance = std::numeric_limits<int>::max();
    const QRect at = label->geometry();
    for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!TakesALabel(sibling)) continue;
        const QRect place = sibling->geometry();
        const bool sameRow = place.top() < at.bottom() && place.bottom() > at.top();
        const int gap = place.left() - at.right();
        if (sameRow && gap >= 0 && gap < distance) distance = gap, nearest = sibling;
    }
    return nearest;
}

}  // namespace

void NameControlsFromLabels(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() || label->text().isEmpty() || !label->pixmap().isNull() || !label->parentWidget()) continue;
        if (QWidget* control = ControlRightOf(label); control && control->accessibleName().isEmpty()) {
            label->setBuddy(control);
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() && !button->toolTip().isEmpty()) button->setAccessibleName(button->toolTip());
    }
}

}  // namespace palimora
