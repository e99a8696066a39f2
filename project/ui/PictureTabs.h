#pragma once

#include <QTabWidget>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace palimora {

class Language;
class PictureDisplay;
class UserDialogs;

// TabbedImg: the picture step's notebook. "Image" shows the current picture
// large (PictureView); "Textes" edits its title and comment.
class PictureTabs : public QTabWidget {
    Q_OBJECT
public:
    PictureTabs(UserDialogs& dialogs, const Language& language, QWidget* parent);

    PictureDisplay* PictureView = nullptr;
    QLabel* TitleLabel = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QLabel* CommentLabel = nullptr;
    QPlainTextEdit* CommentEdit = nullptr;
    QPushButton* SaveTextsButton = nullptr;

    void ApplyLanguage();
    // Taller by `extraHeight` than designed, as the window is: a larger picture, a longer comment.
    void Stretch(int extraHeight);

    // Windows-1252 texts of the two fields. Throw PalimoraError when a
    // character cannot be stored.
    std::string Title() const;
    std::vector<std::string> CommentLines() const;
    void ShowTexts(const std::string& title, const std::vector<std::string>& commentLines);

private:
    const Language& language_;
};

}  // namespace palimora
