#pragma once

#include <QObject>

#include <functional>

namespace palimora {

class Language;
class UserDialogs;

// Error policy of the windows. The core throws PalimoraError, whose text is
// ready for the user (a language text and the file or folder concerned);
// the file system's errors and an exhausted memory are put into words by
// UserMessageOf (lang/ErrorMessages.h). Every window command runs through a
// CommandGuard: whatever it throws is told to the user in a message window
// and the program goes on, so no exception ever leaves a Qt slot.
class CommandGuard {
public:
    CommandGuard(UserDialogs& dialogs, const Language& language) : dialogs_(dialogs), language_(language) {}

    // Runs `command`; true when it ended without an exception.
    bool Run(const std::function<void()>& command) const;

    // Connects `signal` of `sender` to `command`, guarded.
    template <class Sender, class Signal, class Command>
    void Connect(Sender* sender, Signal signal, QObject* context, Command command) const {
        QObject::connect(sender, signal, context, [guard = *this, command] { guard.Run(command); });
    }

private:
    UserDialogs& dialogs_;
    const Language& language_;
};

}  // namespace palimora
