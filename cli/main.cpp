#include "cli/BuildCommand.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"

#include <iostream>
#include <string_view>

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: palimora-cli build PROJECT\n"
           "       palimora-cli --help | --version\n"
           "Builds the web site of a project: a name under the program folder's\n"
           "Projets folder, or the path of a project folder. Messages and progress\n"
           "go to standard error; the exit status is 0 only when the site was built.\n"
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
