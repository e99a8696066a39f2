#pragma once

#include <QDialog>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace palimora {

// TFormLang: asks for the language on the program's first start. OK hands
// the chosen name ("English" or "Français") to `choose` and answers 6;
// closing it any other way answers 2.
class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    // `names`: the languages as they name themselves (Windows-1252), listed
    // in that order; `offered`: the one selected at first, so that Enter
    // takes it (the locale's).
    LanguageWindow(const std::vector<std::string>& names, std::size_t offered,
                   std::function<void(std::string_view choice)> choose, QWidget* parent = nullptr);

    QWidget* Frame = nullptr;
    QLabel* PromptLabel = nullptr;
    QComboBox* LanguageList = nullptr;
    QPushButton* OkButton = nullptr;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseLanguage();

    std::function<void(std::string_view)> choose_;
};

}  // namespace palimora
