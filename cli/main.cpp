#include "cli/BuildCommand.h"
#include "common/ProgramFolder.h"

#include <cstring>
#include <iostream>

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: palimora-cli build <project>\n"
           "  Builds the web site of a project: a name under the program folder's\n"
           "  Projets folder, or the path of a project folder. Messages and progress\n"
           "  go to standard error; the exit status is 0 only when the site was built.\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(std::cout);
        return 0;
    }
    if (argc != 3 || std::strcmp(argv[1], "build") != 0) {
        PrintUsage(std::cerr);
        return 2;
    }
    return palimora::BuildCommand(palimora::ProgramFolder::OfRunningProgram(), argv[2], std::cerr);
}
