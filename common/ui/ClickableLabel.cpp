#include "common/ui/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace palimora {
namespace {

// A clickable picture as a screen reader sees it: a button, pressed by its action.
class AccessibleClickable : public QAccessibleWidget {
public:
    explicit AccessibleClickable(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
    }
    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        // A picture without a name of its own is told by its tip.
        return own.isEmpty() && kind == QAccessible::Name ? widget()->toolTip() : own;
    }
};

QAccessibleInterface* ClickableFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickableLabel*>(object);
    return label ? new AccessibleClickable(label) : nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(ClickableFactory);
        return true;
    }();
    (void)installed;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Where the keyboard is, as the style draws it on other controls.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace palimora
