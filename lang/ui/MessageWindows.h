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

// TMessOk: a message and OK.
class OkMessageWindow : public MessageWindow {
    Q_OBJECT
public:
    OkMessageWindow(const Language& language, const std::string& message);

protected:
    int EscapeResult() const override { return 0; }
};

// TFYNC: a question answered Yes, No or Cancel.
class YesNoCancelWindow : public MessageWindow {
    Q_OBJECT
public:
    YesNoCancelWindow(const Language& language, const std::string& message);
    // Enter answers No rather than Yes: for a question whose Yes cannot be undone.
    void MakeNoTheDefault();
    QPushButton* NoButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    int EscapeResult() const override;
};

// TFOC: a question answered OK or Cancel.
class OkCancelWindow : public MessageWindow {
    Q_OBJECT
public:
    OkCancelWindow(const Language& language, const std::string& message);
    QPushButton* CancelButton = nullptr;

protected:
    int EscapeResult() const override;
};

}  // namespace palimora
