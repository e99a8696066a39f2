#pragma once

#include <QColor>
#include <QWidget>

namespace palimora {

// A colour box of the style notebooks: 25 x 25 pixels, filled with its
// colour value once a project's settings are shown, blank before; a click
// asks for another colour.
class ColourBox : public QWidget {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    // The colour value as settings lines hold it: red + 256 x green + 65536 x blue.
    int Rgb() const;
    void SetRgb(int rgb);
    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);

    // Blank until the settings are loaded.
    void SetFilled(bool filled);
    bool IsFilled() const { return filled_; }

    static constexpr int kSize = 25;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_{Qt::white};
    bool filled_ = false;
};

}  // namespace palimora
