#include "project/SiteAddress.h"

#include "common/AtomicFiles.h"
#include "common/TextLines.h"

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

fs::path WebAddressFile(const fs::path& projectFolder) {
    return projectFolder / kPublicationFolderName / "web-address.txt";
}

}  // namespace

std::string SavedWebAddress(const fs::path& projectFolder) {
    std::error_code error;
    if (!fs::is_regular_file(WebAddressFile(projectFolder), error)) return {};
    std::string bytes;
    try {
        bytes = ReadFileBytes(WebAddressFile(projectFolder));
    } catch (...) {
        return {};  // unreadable: not known
    }
    std::string first = bytes.substr(0, bytes.find('\n'));
    if (!first.empty() && first.back() == '\r') first.pop_back();
    return first;
}

void SaveWebAddress(const fs::path& projectFolder, const std::string& address) {
    if (std::any_of(address.begin(), address.end(), [](char c) { return c == '\n' || c == '\r'; })) return;
    fs::create_directories(WebAddressFile(projectFolder).parent_path());
    WriteFileAtomically(WebAddressFile(projectFolder), address + "\n", Durability::Flushed);
}

std::string WebAddressAnswered(std::string answer) {
    while (!answer.empty() && answer.back() == ' ') answer.pop_back();
    while (!answer.empty() && answer.front() == ' ') answer.erase(0, 1);
    if (answer.find_first_of(" \t\r\n\"'<>") != std::string::npos) return {};
    if (answer.empty()) return answer;
    if (!answer.starts_with("http://") && !answer.starts_with("https://")) answer = "http://" + answer;
    if (!answer.ends_with("/")) answer += "/";
    return answer;
}

}  // namespace palimora
