#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "cli/PublishCommand.h"
#include "cli/Terminal.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: palimora-cli build PROJECT\n"
           "       palimora-cli add PROJECT FILE... [--convert]\n"
           "       palimora-cli publish PROJECT --host H [--port N] --user U [--folder PATH]\n"
           "                    [--replace ask|all|none|changed] [--timeout S]\n"
           "                    [--trust-fingerprint SHA256]\n"
           "       palimora-cli --help | --version\n"
           "build: builds the web site of a project: a name under the program folder's\n"
           "Projets folder, or the path of a project folder.\n"
           "add: adds pictures after the project's last one, as the add button does;\n"
           "the project is created when there is none yet. Pictures that are not JPEG\n"
           "(HEIC, PNG, WebP, TIFF, BMP, GIF) are turned into JPEG with --convert and\n"
           "skipped without it.\n"
           "publish: sends the built site to an FTP server (port 21 unless --port) into\n"
           "the remote folder PATH (default: the project name, blanks as '_'; '/'\n"
           "separates folders, '..' goes up). The password is read from the variable\n"
           "PALIMORA_FTP_PASSWORD or asked without echo. --replace says what to do\n"
           "with a file already on the server: ask (the default on a terminal; without\n"
           "one --replace must be given), all, none, or changed (those whose size\n"
           "differs, after printing the plan). --timeout ends a silent server's run\n"
           "after S seconds (60 by default). The host may begin with ftps:// (TLS\n"
           "required), sftp:// (SSH, port 22) or ftp:// (never TLS) and end with :PORT;\n"
           "a bare host gets TLS when the server offers it. A certificate or SSH host\n"
           "key that does not verify is refused unless --trust-fingerprint gives its\n"
           "SHA-256 fingerprint, as printed when it was refused.\n"
           "Messages and progress go to standard error; the exit status is 0 only when\n"
           "the site was built, every picture added or every file sent, 2 for\n"
           "unusable arguments.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -V, --version  show the version and exit\n"
           "\n"
           "The program folder is the executable's folder when it holds the program's\n"
           "data and can be written; otherwise it is $XDG_DATA_HOME/palimora\n"
           "(~/.local/share/palimora by default).\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        PrintUsage(std::cout);
        return 0;
    }
    if (argc == 2 && (first == "--version" || first == "-V")) {
        std::cout << "palimora-cli " PALIMORA_VERSION "\n";
        return 0;
    }
    if (first == "publish") {
        palimora::SystemTerminal terminal;
        return palimora::PublishCommand(palimora::ProgramFolder::OfRunningProgram(),
                                        std::vector<std::string>(argv + 2, argv + argc), std::cerr, terminal);
    }
    if (first == "add") {
        return palimora::AddCommand(palimora::ProgramFolder::OfRunningProgram(),
                                    std::vector<std::string>(argv + 2, argv + argc), std::cerr);
    }
    if (argc != 3 || first != "build") {
        PrintUsage(std::cerr);
        return 2;
    }
    try {
        return palimora::BuildCommand(palimora::ProgramFolder::OfRunningProgram(), argv[2], std::cerr);
    } catch (const palimora::PalimoraError& error) {
        std::cerr << "palimora-cli: " << palimora::Utf8FromCp1252(error.UserMessage()) << '\n';
        return 1;
    }
}
