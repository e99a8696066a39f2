#pragma once

#include "lang/TextId.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QTabWidget;
class QWidget;

namespace palimora {

class Language;

// The language captions of a window: each caption remembers its text (or
// two texts put together) and takes it again on every ApplyLanguage.
class Captions {
public:
    void Add(QLabel* label, TextId text, std::optional<TextId> then = std::nullopt);
    void Add(QAbstractButton* button, TextId text);
    void AddTab(QTabWidget* notebook, int tab, TextId text);
    // A control showing only a picture: its tip and the name a screen reader reads.
    void AddTip(QWidget* control, TextId text);

    void Apply(const Language& language) const;

private:
    struct Caption {
        std::function<void(const QString&)> show;
        TextId text;
        std::optional<TextId> then;
    };
    std::vector<Caption> captions_;
};

}  // namespace palimora
