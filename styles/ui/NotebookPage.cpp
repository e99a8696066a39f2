#include "styles/ui/NotebookPage.h"

#include "common/ui/Colours.h"
#include "styles/ui/Captions.h"
#include "styles/ui/ColourBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>

namespace palimora {
namespace {

// Lists show this many characters; their drop-down shows the whole items.
constexpr int kListCharacters = 13;

template <class Control>
Control* Named(const char* name) {
    auto* control = new Control;
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

NotebookPage::NotebookPage(QTabWidget& notebook, TextId title, Captions& captions) : captions_(captions) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PaintBackground(scroll->viewport(), kWindowColour);
    content_ = new QWidget;
    PaintBackground(content_, kWindowColour);
    rows_ = new QVBoxLayout(content_);
    rows_->setContentsMargins(8, 6, 8, 6);
    rows_->setSpacing(10);  // between groups
    rows_->addStretch(1);
    scroll->setWidget(content_);
    captions_.AddTab(&notebook, notebook.addTab(scroll, QString()), title);
    Group();
}

QCheckBox* NotebookPage::Check(const char* name, TextId caption) {
    auto* check = Named<QCheckBox>(name);
    captions_.Add(check, caption);
    Group();
    AddAcross(check);
    return check;
}

QRadioButton* NotebookPage::Radio(const char* name, TextId caption) {
    auto* radio = Named<QRadioButton>(name);
    captions_.Add(radio, caption);
    return radio;
}

QComboBox* NotebookPage::List(const char* name) {
    auto* list = Named<QComboBox>(name);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListCharacters);
    return list;
}

QSpinBox* NotebookPage::Spin(const char* name) { return Named<QSpinBox>(name); }

QLineEdit* NotebookPage::Edit(const char* name) { return Named<QLineEdit>(name); }

ColourBox* NotebookPage::Colour(const char* name) { return Named<ColourBox>(name); }

QPushButton* NotebookPage::Chooser(const char* name) {
    auto* button = Named<QPushButton>(name);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setFixedSize(28, 24);
    button->setFocusPolicy(Qt::TabFocus);
    captions_.AddTip(button, TextId::ChooseFileWord);
    return button;
}

QPushButton* NotebookPage::Button(const char* name, TextId caption) {
    auto* button = Named<QPushButton>(name);
    captions_.Add(button, caption);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLabel* NotebookPage::Label(TextId text, std::optional<TextId> then) {
    auto* label = new QLabel;
    captions_.Add(label, text, then);
    return label;
}

QLabel* NotebookPage::PlainLabel(const char* name) { return Named<QLabel>(name); }

namespace {

// What a label names: the control beside it, or the first of a group's that takes input.
QWidget* NamedBy(QWidget* cell) {
    if (!cell || cell->focusPolicy() != Qt::NoFocus) return cell;
    for (QWidget* child : cell->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() != Qt::NoFocus) return child;
    }
    return nullptr;
}

// Each label is the buddy of the control after it: a screen reader reads it as that control's name.
void LinkLabels(std::initializer_list<QWidget*> cells) {
    for (auto cell = cells.begin(); cell != cells.end() && cell + 1 != cells.end(); ++cell) {
        auto* label = qobject_cast<QLabel*>(*cell);
        if (QWidget* control = NamedBy(*(cell + 1)); label && control && !qobject_cast<QLabel*>(control)) {
            label->setBuddy(control);
        }
    }
}

}  // namespace

QWidget* NotebookPage::Beside(std::initializer_list<QWidget*> widgets) {
    LinkLabels(widgets);
    auto* field = new QWidget;
    auto* layout = new QHBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    bool expands = false;
    for (QWidget* widget : widgets) {
        const bool widens = widget->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
        expands = expands || widens;
        layout->addWidget(widget, widens ? 1 : 0);
    }
    if (expands) {
        field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    } else {
        layout->addStretch(1);
    }
    return field;
}

void NotebookPage::Heading(TextId text) {
    Group();
    QLabel* heading = Label(text);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    AddAcross(heading);
}

void NotebookPage::Group(int widestColumn) {
    group_ = nullptr;
    widestColumn_ = widestColumn;
}

QGridLayout* NotebookPage::Grid() {
    if (!group_) {
        group_ = new QGridLayout;
        group_->setContentsMargins(0, 0, 0, 0);
        group_->setHorizontalSpacing(gap_);
        group_->setVerticalSpacing(gap_ - 2);
        group_->setColumnStretch(widestColumn_, 1);
        rows_->insertLayout(rows_->count() - 1, group_);  // above the closing stretch
        nextRow_ = 0;
    }
    return group_;
}

void NotebookPage::Row(std::initializer_list<QWidget*> cells) {
    QGridLayout* grid = Grid();
    const int row = nextRow_++;
    int column = 0;
    LinkLabels(cells);
    for (QWidget* cell : cells) {
        const bool last = column + 1 == static_cast<int>(cells.size());
        if (cell) {
            const int span = last ? kColumns + 1 - column : 1;
            const bool widens = cell->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
            grid->addWidget(cell, row, column, 1, span, widens ? Qt::Alignment() : Qt::AlignLeft);
        }
        ++column;
    }
}

void NotebookPage::Compact() {
    rows_->setContentsMargins(4, 4, 4, 4);
    gap_ = 3;
}

void NotebookPage::Note(TextId text) {
    QLabel* note = Label(text);
    note->setWordWrap(true);
    AddAcross(note);
}

void NotebookPage::AddAcross(QWidget* widget) {
    QGridLayout* grid = Grid();
    grid->addWidget(widget, nextRow_++, 0, 1, kColumns + 1);
}

}  // namespace palimora
