#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QMovie;

namespace palimora {

// Tformintro: plays logo.gif once at start-up. A click or Escape closes it
// early; it closes by itself when the animation has run once.
class IntroWindow : public QDialog {
    Q_OBJECT
public:
    explicit IntroWindow(const std::filesystem::path& logoGif, QWidget* parent = nullptr);

    QWidget* Frame = nullptr;
    QLabel* Animation = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FrameShown(int frame);

    QMovie* movie_ = nullptr;
    bool leftFirstFrame_ = false;
};

}  // namespace palimora
