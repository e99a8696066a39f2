#include "project/ui/PictureTabs.h"

#include "common/ui/ClickableLabel.h"
#include "common/ui/Colours.h"
#include "common/ui/DesignedNames.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/CommaList.h"
#include "project/PictureTextLayout.h"
#include "project/ui/PictureDisplay.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace palimora {
namespace {

// Whether a comment fits images.dat: its lines as a comma list, each
// character beyond Windows-1252 as its reference.
bool CommentFits(const std::string& stored) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = stored.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(stored.substr(start, end - start));
    }
    lines.push_back(stored.substr(start));
    return ToCommaList(lines).size() <= picture_text::kMaxComment;
}

bool TitleFits(const std::string& stored) { return stored.size() <= picture_text::kMaxTitle; }

}  // namespace

PictureTabs::PictureTabs(UserDialogs& dialogs, const Language& language, QWidget* parent)
    : QTabWidget(parent), language_(language) {
    setStyleSheet(NotebookStyleSheet());

    auto* picturePage = new QWidget;
    PaintBackground(picturePage, kWindowColour);
    PictureView = new PictureDisplay(dialogs, language, picturePage);
    PictureView->setGeometry(4, 4, 377, 305);
    addTab(picturePage, QString());

    auto* textsPage = new QWidget;
    PaintBackground(textsPage, kWindowColour);
    TitleLabel = new QLabel(textsPage);
    TitleLabel->setGeometry(12, 10, 353, 18);
    TitleEdit = new QLineEdit(textsPage);
    TitleEdit->setGeometry(12, 30, 353, 26);
    TitleEdit->setMaxLength(static_cast<int>(picture_text::kMaxTitle));
    // A character beyond Windows-1252 takes several bytes of the title's
    // field: the field holds no more than fits there.
    connect(TitleEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!TitleFits(StoredForm(text))) TitleEdit->setText(CutUntilStored(text, TitleFits));
    });
    QFont bold = TitleEdit->font();
    bold.setBold(true);
    TitleEdit->setFont(bold);
    CommentLabel = new QLabel(textsPage);
    CommentLabel->setGeometry(12, 66, 353, 18);
    CommentEdit = new QPlainTextEdit(textsPage);
    // A screen reader names each field by its label.
    TitleLabel->setBuddy(TitleEdit);
    CommentLabel->setBuddy(CommentEdit);
    CommentEdit->setGeometry(12, 86, 353, 176);
    CommentEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    CommentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The comment is stored as a comma list (quotes around a line with a
    // comma, a quote or a blank) in 249 bytes: the field holds no more than
    // fits in that form, so nothing is ever cut when it is stored.
    connect(CommentEdit, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = CommentEdit->toPlainText();
        if (CommentFits(StoredForm(text))) return;
        CommentEdit->setPlainText(CutUntilStored(text, CommentFits));
        CommentEdit->moveCursor(QTextCursor::End);
    });
    SaveTextsButton = new QPushButton(textsPage);
    SaveTextsButton->setGeometry(276, 270, 89, 25);
    GiveDesignedNames({{PictureView, "Panel1"},
                       {TitleLabel, "Label1"},
                       {TitleEdit, "Edit1"},
                       {CommentLabel, "Label2"},
                       {CommentEdit, "MemoComm"},
                       {SaveTextsButton, "BitTextOk"}});
    addTab(textsPage, QString());
}

void PictureTabs::ApplyLanguage() {
    setTabText(0, ToScreen(language_.LangText(TextId::ImageTab)));
    setTabText(1, ToScreen(language_.LangText(TextId::TextsTab)));
    TitleLabel->setText(ToScreen(language_.LangText(TextId::TitleLabel)));
    CommentLabel->setText(ToScreen(language_.LangText(TextId::CommentLabel)));
    SaveTextsButton->setText(ToScreen(language_.LangText(TextId::Ok)));
    for (ClickableLabel* shown : {PictureView->StillView, PictureView->MovieView})
        shown->setAccessibleName(ToScreen(language_.LangText(TextId::ImageTab)));
}

void PictureTabs::Stretch(int extraHeight) {
    PictureView->setGeometry(4, 4, 377, 305 + extraHeight);
    CommentEdit->setGeometry(12, 86, 353, 176 + extraHeight);
    SaveTextsButton->move(276, 270 + extraHeight);
}

std::string PictureTabs::Title() const { return FromScreen(TitleEdit->text()); }

std::vector<std::string> PictureTabs::CommentLines() const {
    const QString text = CommentEdit->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();  // a final line end starts no line
    for (const QString& line : parts) lines.push_back(FromScreen(line));
    return lines;
}

void PictureTabs::ShowTexts(const std::string& title, const std::vector<std::string>& commentLines) {
    TitleEdit->setText(ToScreen(title));
    QStringList lines;
    for (const std::string& line : commentLines) lines << ToScreen(line);
    CommentEdit->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace palimora
