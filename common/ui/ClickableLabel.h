#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;

namespace palimora {

// A picture control that reports clicks. Given keyboard focus, Space and
// Enter click it too, and assistive technologies see it as a button that
// can be pressed (its accessible name says what it does).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace palimora
