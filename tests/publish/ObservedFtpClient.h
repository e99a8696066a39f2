#pragma once

#include "publish/FtpClient.h"

#include <functional>
#include <string>

namespace palimora::testing {

// An FTP client whose session a test watches: each hook calls the function
// the test set, when it set one.
class ObservedFtpClient : public FtpClient {
public:
    using FtpClient::FtpClient;

    std::function<void()> OnLoggedIn;
    std::function<void()> OnConnectionFailed;
    std::function<void()> OnTransactionStart;
    std::function<void(const std::string&)> OnListItem;
    std::function<void(int kind)> OnSuccess;
    std::function<void(int kind)> OnUnSupportedFunction;

protected:
    void LoggedIn() override { Call(OnLoggedIn); }
    void ConnectionFailed() override { Call(OnConnectionFailed); }
    void TransactionStarted() override { Call(OnTransactionStart); }
    void ListItemRead(const std::string& item) override { Call(OnListItem, item); }
    void Succeeded(int kind) override { Call(OnSuccess, kind); }
    void Unsupported(int kind) override { Call(OnUnSupportedFunction, kind); }

private:
    template <typename Function, typename... Arguments>
    static void Call(const Function& function, Arguments&&... arguments) {
        if (function) function(std::forward<Arguments>(arguments)...);
    }
};

}  // namespace palimora::testing
