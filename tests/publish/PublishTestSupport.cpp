#include "tests/publish/PublishTestSupport.h"

#include "tests/support/BuiltSite.h"

#include <algorithm>
#include <memory>

namespace palimora::testing {

DemoSitePublishTest::DemoSitePublishTest() : project(BuildDemoSite(program.Path())) { language.LoadChosen(folder); }

std::vector<std::string> DemoSitePublishTest::Messages() const {
    std::vector<std::string> messages;
    for (const std::string& text : dialogs.shown) {
        if (text != Text(TextId::PublishFolderLabel)) messages.push_back(text);
    }
    return messages;
}

ScriptedFtpServer::Script SmallSite(ScriptedFtpServer*& server, ScriptHook first) {
    // The folder CWD walks to, as PWD tells it.
    auto folder = std::make_shared<std::string>("/");
    return [&server, first, folder](const std::string& command) -> std::string {
        if (first) {
            if (auto answer = first(command)) return *answer;
        }
        const std::string verb = command.substr(0, command.find(' '));
        if (verb == "AUTH") return "502 No TLS here\r\n";
        if (verb == "USER") return "331 Password please\r\n";
        if (verb == "PASS") return command == "PASS secret" ? "230 Welcome\r\n" : "530 Login incorrect\r\n";
        if (verb == "SYST") return "215 UNIX Type: L8\r\n";
        if (verb == "PWD") return "257 \"" + *folder + "\" is the current folder\r\n";
        if (verb == "CWD") {
            const std::string name = command.substr(4);
            if (name == "..") {
                folder->erase(std::max<std::size_t>(1, folder->rfind('/')));
            } else {
                *folder = name.starts_with("/") ? name : (*folder == "/" ? "" : *folder) + "/" + name;
            }
            return "250 Folder changed\r\n";
        }
        if (verb == "MKD") return "257 Folder made\r\n";
        if (verb == "TYPE") return "200 Type set\r\n";
        if (verb == "PASV") return server->PassiveReply();
        if (verb == "PORT") return server->ActiveReply(command);
        if (verb == "LIST") {
            server->SendOnData("");
            server->ReplyAfterData("226 Listing sent\r\n");
            return "150 Listing follows\r\n";
        }
        if (verb == "STOR") {
            server->ReplyAfterData("226 Stored\r\n");
            return "150 Send it\r\n";
        }
        if (verb == "QUIT") return "CLOSE:221 Bye\r\n";
        return "200 OK\r\n";
    };
}

}  // namespace palimora::testing
