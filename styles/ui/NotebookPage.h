#pragma once

#include "lang/TextId.h"

#include <initializer_list>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;
class QWidget;

namespace palimora {

class Captions;
class ColourBox;

// Builds one tab of a style notebook, top to bottom: groups of rows, each
// field after its label, the fields of a group in aligned columns. The tab
// scrolls when its rows need more height than the notebook has.
//
// Controls are made with the name the settings layout gives them, so that
// they can be bound to their lines by name.
class NotebookPage {
public:
    NotebookPage(QTabWidget& notebook, TextId title, Captions& captions);

    QCheckBox* Check(const char* name, TextId caption);  // on a row of its own, heading a new group
    QRadioButton* Radio(const char* name, TextId caption);
    QComboBox* List(const char* name);
    QSpinBox* Spin(const char* name);
    QLineEdit* Edit(const char* name);
    ColourBox* Colour(const char* name);
    QPushButton* Chooser(const char* name);  // the small button that opens a file dialog
    QPushButton* Button(const char* name, TextId caption);

    // A label with a language caption (text, then `then` when given).
    QLabel* Label(TextId text, std::optional<TextId> then = std::nullopt);
    // A label whose caption its owner sets.
    QLabel* PlainLabel(const char* name);
    // Several widgets side by side, as one field.
    QWidget* Beside(std::initializer_list<QWidget*> widgets);

    // Starts a group under a bold heading, or without one. The group's extra
    // width goes to `widestColumn`.
    void Heading(TextId text);
    void Group(int widestColumn = kColumns);
    // A row of the current group: its widgets in columns 0, 1, ... (null
    // leaves a column empty); the last one reaches to the end of the row.
    void Row(std::initializer_list<QWidget*> cells);
    // Narrower margins and gaps, for a tab of many rows.
    void Compact();
    // A word-wrapped remark across the row.
    void Note(TextId text);

    static constexpr int kColumns = 4;

private:
    void AddAcross(QWidget* widget);
    // The current group's grid, made on its first row.
    QGridLayout* Grid();

    QWidget* content_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    QGridLayout* group_ = nullptr;
    int widestColumn_ = kColumns;
    int nextRow_ = 0;
    int gap_ = 6;
    Captions& captions_;
};

}  // namespace palimora
