#include "app/ui/ProjectWindows.h"

#include "app/Session.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"
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

SaveProjectWindow::SaveProjectWindow(Session& session, UserDialogs& dialogs, TextId caption, QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TFEnrPro"));  // its designed name
    setWindowTitle(ToScreen(session.LangText(caption)));
    setFixedSize(409, 107);
    Frame = FillingPanel(this);
    NameLabel = new QLabel(ToScreen(session.LangText(TextId::ProjectNameLabel)), Frame);
    NameLabel->setGeometry(16, 14, 377, 18);
    NameEdit = new QLineEdit(Frame);
    NameEdit->setGeometry(16, 34, 377, 26);
    OkButton = new QPushButton(ToScreen(session.LangText(TextId::Ok)), Frame);
    OkButton->setGeometry(200, 72, 89, 25);
    OkButton->setEnabled(false);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(ToScreen(session.LangText(TextId::Cancel)), Frame);
    GiveDesignedNames({{Frame, "Panel1"},
                       {NameLabel, "Label1"},
                       {NameEdit, "Edit1"},
                       {OkButton, "BitBtn1"},
                       {CancelButton, "BitBtn2"}});
    CancelButton->setGeometry(304, 72, 89, 25);
    connect(NameEdit, &QLineEdit::textChanged, this,
            [this](const QString& name) { OkButton->setEnabled(!name.isEmpty()); });
    const CommandGuard guard(dialogs, session.CurrentLanguage());
    guard.Connect(OkButton, &QPushButton::clicked, this, [this] { ConfirmName(); });
    connect(CancelButton, &QPushButton::clicked, this, &SaveProjectWindow::reject);
}

void SaveProjectWindow::ConfirmName() {
    std::string name;
    try {
        name = FromScreen(NameEdit->text());
    } catch (const PalimoraError&) {
        dialogs_.ShowMessageOk(session_.LangText(TextId::UnusableName));
        return;
    }
    if (!ConfirmSaveName(session_, name, dialogs_)) return;
    chosenName_ = name;
    done(kModalYes);
}

void SaveProjectWindow::reject() { done(kModalCancel); }

OpenProjectWindow::OpenProjectWindow(Session& session, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TFOpPr"));  // its designed name
    setWindowTitle(ToScreen(session.LangText(TextId::OpenTitle)));
    resize(502, 265);
    Frame = FillingPanel(this);
    ProjectList = new QListWidget(Frame);
    ProjectList->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(Frame);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ProjectList);
    auto* buttons = new QHBoxLayout;
    DeleteButton = new QPushButton(ToScreen(session.LangText(TextId::DeleteCaption)), Frame);
    OpenButton = new QPushButton(ToScreen(session.LangText(TextId::Ok)), Frame);
    CancelButton = new QPushButton(ToScreen(session.LangText(TextId::Cancel)), Frame);
    GiveDesignedNames({{Frame, "Panel1"},
                       {ProjectList, "ListBox1"},
                       {OpenButton, "BitBtn1"},
                       {CancelButton, "BitBtn2"},
                       {DeleteButton, "BitBtn3"}});
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    buttons->addWidget(OpenButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    for (QPushButton* button : {OpenButton, CancelButton, DeleteButton}) button->setMinimumWidth(89);
    OpenButton->setDefault(true);  // Enter opens; deleting takes a click and a confirmation
    FillList();
    connect(ProjectList, &QListWidget::itemClicked, this, &OpenProjectWindow::ProjectChosen);
    // Chosen by the arrow keys too, so that Enter opens it.
    connect(ProjectList, &QListWidget::currentRowChanged, this, &OpenProjectWindow::ProjectChosen);
    const CommandGuard guard(dialogs, session.CurrentLanguage());
    guard.Connect(ProjectList, &QListWidget::itemDoubleClicked, this, [this] { OpenChosen(); });
    guard.Connect(OpenButton, &QPushButton::clicked, this, [this] { OpenChosen(); });
    connect(CancelButton, &QPushButton::clicked, this, &OpenProjectWindow::reject);
    guard.Connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteChosen(); });
}

void OpenProjectWindow::FillList() {
    ProjectList->clear();
    for (const std::string& name : ListProjects(session_.Folder(), session_.WorkingName())) {
        ProjectList->addItem(ToScreen(name));
    }
    openChoice_.clear();
    OpenButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void OpenProjectWindow::ProjectChosen() {
    const QListWidgetItem* item = ProjectList->currentItem();
    openChoice_ = item ? FromScreen(item->text()) : std::string();
    OpenButton->setEnabled(!openChoice_.empty());
    DeleteButton->setEnabled(!openChoice_.empty());
}

void OpenProjectWindow::OpenChosen() {
    ProjectChosen();
    if (openChoice_.empty()) return;
    done(kModalYes);
}

void OpenProjectWindow::DeleteChosen() {
    if (openChoice_.empty()) return;
    DeleteProject(session_, openChoice_, dialogs_);
    FillList();
    CancelButton->setFocus();
}

void OpenProjectWindow::reject() { done(kModalCancel); }

std::optional<std::string> QtProjectWindows::ShowSaveWindow(TextId caption) {
    SaveProjectWindow window(session_, dialogs_, caption, parent_);
    if (window.exec() != kModalYes) return std::nullopt;
    return window.ChosenName();
}

std::optional<std::string> QtProjectWindows::ShowOpenWindow() {
    OpenProjectWindow window(session_, dialogs_, parent_);
    if (window.exec() != kModalYes) return std::nullopt;
    return window.OpenChoice();
}

}  // namespace palimora
