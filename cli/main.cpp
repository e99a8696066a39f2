#include <cstring>
#include <iostream>

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: palimora-cli build <project>\n"
           "  Builds the web site of a project: a name under the program folder's\n"
           "  Projets folder, or the path of a project folder.\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(std::cout);
        return 0;
    }
    // The site build comes with the build run; every other call is a usage error.
    PrintUsage(std::cerr);
    return 2;
}
