#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

// Modal results, as the message windows return them.
enum ModalResult : int {
    kModalOk = 1,
    kModalCancel = 2,
    kModalYes = 6,  // also the first button of the OK/cancel question
    kModalNo = 7,
};

// How the core talks to the user. The core never shows a window: the GUI
// answers with its modal windows, tests with scripted answers, the
// command-line program with printed messages and a fixed policy.
// All texts are Windows-1252.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // An OK message; returns kModalOk (kModalCancel when closed otherwise).
    virtual int ShowMessageOk(const std::string& text) = 0;
    // Yes / No / Cancel; returns kModalYes, kModalNo or kModalCancel.
    virtual int AskYesNoCancel(const std::string& text) = 0;
    // Yes / No / Cancel for a Yes that cannot be undone (quitting): Enter
    // answers No, so that a key pressed by mistake loses nothing.
    virtual int AskYesNoCancelSafely(const std::string& text) { return AskYesNoCancel(text); }
    // OK / Cancel; returns kModalYes for OK, kModalCancel otherwise.
    virtual int AskOkCancel(const std::string& text) = 0;
    // A one-line input; nullopt when the user cancels.
    virtual std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) = 0;
    virtual void Beep() = 0;
    // Whether to trust a server's certificate or host key that did not
    // verify: kModalYes to trust, anything else refuses. The safe answer,
    // refusing, is the default: a window shows the whole text with Cancel
    // as its default button. Without a window of its own, an OK/Cancel question.
    virtual int AskTrust(const std::string& text) { return AskOkCancel(text); }
    // A question with buttons of its own, `defaultButton` the one Enter
    // presses; `details` (may be empty) is shown on request. Returns the
    // index of the button pressed, -1 when the window was closed otherwise.
    // Without a window of its own, an OK/Cancel question for the default.
    virtual int AskChoice(const std::string& text, const std::string& details, const std::vector<std::string>& buttons,
                          int defaultButton) {
        (void)details;
        (void)buttons;
        return AskOkCancel(text) == kModalYes ? defaultButton : -1;
    }
};

// The one way long work stays responsive and cancellable: the picture list,
// the site build and the socket layer call CancelRequested between their
// steps. The window in charge processes pending events there (so it stays
// alive and its Cancel button can be pressed) and tells whether the user
// asked to stop; the work then stops at that step.
class KeepAlive {
public:
    virtual ~KeepAlive() = default;
    virtual bool CancelRequested() = 0;
    // A file on its way: `done` of its `total` bytes are sent.
    virtual void BytesSent(std::uint64_t done, std::uint64_t total) { (void)done, (void)total; }
};

// How long work shows itself (a window with a progress bar and a status
// line, or the terminal): a site build and a publication alike. Between
// its steps the work asks CancelRequested.
class WorkProgress : public KeepAlive {
public:
    virtual void SetMaximum(int maximum) = 0;
    virtual void Step() = 0;
    virtual void SetStatus(const std::string& cp1252Text) = 0;
};

}  // namespace palimora
