#include "common/ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>

namespace palimora {

void NamePictureButtonsByTips(QWidget* root) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() && !button->toolTip().isEmpty()) button->setAccessibleName(button->toolTip());
    }
}

namespace {

QString NameAround(const QWidget* widget) {
    for (const QWidget* around = widget->parentWidget(); around; around = around->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(around->parentWidget());
        if (const auto* notebook = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr) {
            const int page = notebook->indexOf(const_cast<QWidget*>(around));
            if (page >= 0) return notebook->tabText(page).remove(QLatin1Char('&'));
        }
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(around))) {
            const QString name = accessible->text(QAccessible::Name);
            if (!name.isEmpty()) return name;
        }
    }
    return {};
}

}  // namespace

bool ScrollBarNames::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* bar = qobject_cast<QScrollBar*>(watched); bar && bar->accessibleName().isEmpty()) {
            bar->setAccessibleName(NameAround(bar));
        }
    }
    return false;
}

}  // namespace palimora
