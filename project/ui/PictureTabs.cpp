#include "project/ui/PictureTabs.h"

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

// The bytes a comment takes in images.dat: its lines as a comma list, one
// byte a character (a character Windows-1252 cannot hold is refused on OK).
std::size_t StoredCommentSize(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        std::string bytes;
        for (const QChar c : line) bytes += c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?';
        lines.push_back(std::move(bytes));
    }
    return ToCommaList(lines).size();
}

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
    TitleEdit->setMaxLength(200);
    QFont bold = TitleEdit->font();
    bold.setBold(true);
    TitleEdit->setFont(bold);
    CommentLabel = new QLabel(textsPage);
    CommentLabel->setGeometry(12, 66, 353, 18);
    CommentEdit = new QPlainTextEdit(textsPage);
    CommentEdit->setGeometry(12, 86, 353, 176);
    CommentEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    CommentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The comment is stored as a comma list (quotes around a line with a
    // comma, a quote or a blank) in 249 bytes: the field holds no more than
    // fits in that form, so nothing is ever cut when it is stored.
    connect(CommentEdit, &QPlainTextEdit::textChanged, this, [this] {
        QString text = CommentEdit->toPlainText();
        if (StoredCommentSize(text) <= picture_text::kMaxComment) return;
        while (!text.isEmpty() && StoredCommentSize(text) > picture_text::kMaxComment) text.chop(1);
        CommentEdit->setPlainText(text);
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
