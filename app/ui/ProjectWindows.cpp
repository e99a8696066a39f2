#include "app/ui/ProjectWindows.h"

#include "app/Session.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/ScreenText.h"
#include "lang/ui/CommandGuard.h"
#include "lang/TextId.h"
#include "project/ProjectFolders.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace palimora {
namespace {

QWidget* FillingPanel(QDialog* window) {
    auto* panel = new QWidget(window);
    PaintBackground(panel, kWindowColour);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    return panel;
}

}  // namespace

TFEnrPro::TFEnrPro(Session& session, UserDialogs& dialogs, TextId caption, QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs) {
    setWindowTitle(ToScreen(session.LangText(caption)));
    setFixedSize(409, 107);
    Panel1 = FillingPanel(this);
    Label1 = new QLabel(ToScreen(session.LangText(TextId::ProjectNameLabel)), Panel1);
    Label1->setGeometry(16, 14, 377, 18);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setGeometry(16, 34, 377, 26);
    BitBtn1 = new QPushButton(ToScreen(session.LangText(TextId::Ok)), Panel1);
    BitBtn1->setGeometry(200, 72, 89, 25);
    BitBtn1->setEnabled(false);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(ToScreen(session.LangText(TextId::Cancel)), Panel1);
    BitBtn2->setGeometry(304, 72, 89, 25);
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& name) { BitBtn1->setEnabled(!name.isEmpty()); });
    const CommandGuard guard(dialogs, session.CurrentLanguage());
    guard.Connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TFEnrPro::reject);
}

void TFEnrPro::BitBtn1Click() {
    std::string name;
    try {
        name = FromScreen(Edit1->text());
    } catch (const PalimoraError&) {
        dialogs_.ShowMessageOk(session_.LangText(TextId::UnusableName));
        return;
    }
    if (!ConfirmSaveName(session_, name, dialogs_)) return;
    chosenName_ = name;
    done(kModalYes);
}

void TFEnrPro::reject() { done(kModalCancel); }

TFOpPr::TFOpPr(Session& session, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs) {
    setWindowTitle(ToScreen(session.LangText(TextId::OpenTitle)));
    resize(502, 265);
    Panel1 = FillingPanel(this);
    ListBox1 = new QListWidget(Panel1);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ListBox1);
    auto* buttons = new QHBoxLayout;
    BitBtn3 = new QPushButton(ToScreen(session.LangText(TextId::DeleteCaption)), Panel1);
    BitBtn1 = new QPushButton(ToScreen(session.LangText(TextId::Ok)), Panel1);
    BitBtn2 = new QPushButton(ToScreen(session.LangText(TextId::Cancel)), Panel1);
    buttons->addWidget(BitBtn3);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3}) button->setMinimumWidth(89);
    BitBtn1->setDefault(true);  // Enter opens; deleting takes a click and a confirmation
    FillList();
    connect(ListBox1, &QListWidget::itemClicked, this, &TFOpPr::ListBox1Click);
    const CommandGuard guard(dialogs, session.CurrentLanguage());
    guard.Connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { BitBtn1Click(); });
    guard.Connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TFOpPr::reject);
    guard.Connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void TFOpPr::FillList() {
    ListBox1->clear();
    for (const std::string& name : ListProjects(session_.Folder(), session_.WorkingName())) {
        ListBox1->addItem(ToScreen(name));
    }
    openChoice_.clear();
    BitBtn1->setEnabled(false);
    BitBtn3->setEnabled(false);
}

void TFOpPr::ListBox1Click() {
    const QListWidgetItem* item = ListBox1->currentItem();
    openChoice_ = item ? FromScreen(item->text()) : std::string();
    BitBtn1->setEnabled(!openChoice_.empty());
    BitBtn3->setEnabled(!openChoice_.empty());
}

void TFOpPr::BitBtn1Click() {
    ListBox1Click();
    if (openChoice_.empty()) return;
    done(kModalYes);
}

void TFOpPr::BitBtn3Click() {
    if (openChoice_.empty()) return;
    DeleteProject(session_, openChoice_, dialogs_);
    FillList();
    BitBtn2->setFocus();
}

void TFOpPr::reject() { done(kModalCancel); }

std::optional<std::string> QtProjectWindows::ShowSaveWindow(TextId caption) {
    TFEnrPro window(session_, dialogs_, caption, parent_);
    if (window.exec() != kModalYes) return std::nullopt;
    return window.ChosenName();
}

std::optional<std::string> QtProjectWindows::ShowOpenWindow() {
    TFOpPr window(session_, dialogs_, parent_);
    if (window.exec() != kModalYes) return std::nullopt;
    return window.OpenChoice();
}

}  // namespace palimora
