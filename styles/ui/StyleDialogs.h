#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace palimora {

// The modal dialogs of the style notebooks: the colour dialog of the colour
// boxes and the open dialogs of the file-choosing buttons. The notebooks show
// the real ones; tests answer from a script.
class StyleDialogs {
public:
    virtual ~StyleDialogs() = default;

    // The colour dialog preset to `initial`; nullopt when the user cancels.
    virtual std::optional<QColor> ChooseColour(const QColor& initial) = 0;

    // An open dialog starting in `startFolder` and offering the files of
    // `filter` (Qt's form); the chosen file's full path, empty on cancel.
    virtual QString ChooseFile(const QString& startFolder, const QString& filter) = 0;
};

// The Qt dialogs, modal to `parent`.
class QtStyleDialogs : public StyleDialogs {
public:
    explicit QtStyleDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QColor> ChooseColour(const QColor& initial) override;
    QString ChooseFile(const QString& startFolder, const QString& filter) override;

private:
    QWidget* parent_;
};

}  // namespace palimora
