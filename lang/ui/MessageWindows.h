#pragma once

#include "lang/TextId.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace palimora {

class Language;

// The three small windows every message and question goes through. Each is
// made for one question, shown modally, and returns its modal result.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    QLabel* MessageLabel = nullptr;
    QLabel* IconLabel = nullptr;
    QPushButton* AcceptButton = nullptr;

    // Closing by the system (close box, Alt+F4) answers Cancel.
    void reject() override;

protected:
    MessageWindow(const Language& language, const std::string& message, QSize clientSize);
    QPushButton* AddButton(int left, TextId caption, int result);
    void keyPressEvent(QKeyEvent* event) override;
    // What Escape answers; 0 when the window ignores it.
    virtual int EscapeResult() const = 0;

    const Language& language_;
};

class TMessOk : public MessageWindow {
    Q_OBJECT
public:
    TMessOk(const Language& language, const std::string& message);

protected:
    int EscapeResult() const override { return 0; }
};

class TFYNC : public MessageWindow {
    Q_OBJECT
public:
    TFYNC(const Language& language, const std::string& message);
    QPushButton* NoButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    int EscapeResult() const override;
};

class TFOC : public MessageWindow {
    Q_OBJECT
public:
    TFOC(const Language& language, const std::string& message);
    QPushButton* CancelButton = nullptr;

protected:
    int EscapeResult() const override;
};

}  // namespace palimora
