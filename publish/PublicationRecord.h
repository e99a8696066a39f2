#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace palimora {

// A file of the site as it was sent.
struct SentFile {
    std::uintmax_t size = 0;    // bytes of the local file
    std::uintmax_t lfSize = 0;  // a page's size with LF line ends (a server may store it so); else size
    std::string sha256;         // 64 lowercase hexadecimal digits
    std::uint64_t stamp = 0;    // the local file's FileStampOf when it was described
};

// Describes a local file as it would be recorded once sent. A file whose
// size and stamp are those `known` holds is not read again.
SentFile DescribeLocalFile(const std::filesystem::path& file, bool page, const SentFile* known = nullptr);
// Whether `file` still has the size and stamp it was described with, so is
// known without reading it.
bool StillAsDescribed(const std::filesystem::path& file, const SentFile& known);

// What the program sent to one server, user and remote folder, kept in the
// project folder's ".published" folder: each file ("page.htm",
// "images/000001.jpg") with its sizes and SHA-256, noted once the server
// confirmed it. A file is noted at once (a line appended), so a run that is
// cut off still knows what it sent; Save rewrites the record whole.
class PublicationRecord {
public:
    // `where` names the server, user and remote folder ("host:port user /folder").
    PublicationRecord(const std::filesystem::path& projectFolder, std::string where);

    // Reads the record; none, or a damaged line, is nothing known.
    void Load();
    const SentFile* Find(const std::string& path) const;
    const std::map<std::string, SentFile>& Files() const { return files_; }
    // A failure to note is not the publication's: the file is sent again next time.
    void NoteSent(const std::string& path, const SentFile& file);
    void NoteRemoved(const std::string& path);
    // A large file whose sending begins: should the run be cut off, the
    // next one may send only the rest of it, when the local file is still
    // the one described.
    void NoteStarted(const std::string& path, const SentFile& file);
    const SentFile* Started(const std::string& path) const;
    // Throws PalimoraError naming the record when it cannot be written.
    void Save() const;

    const std::filesystem::path& File() const { return file_; }

private:
    void Append(const std::string& line);

    std::filesystem::path file_;
    std::string where_;
    std::map<std::string, SentFile> files_;
    std::map<std::string, SentFile> started_;  // begun, not known to be whole
};

// The folder of a project where its publications are recorded.
std::filesystem::path PublicationFolder(const std::filesystem::path& projectFolder);

// Hosts that once offered TLS (AUTH TLS accepted), remembered in the project:
// plain FTP to them then needs "ftp://" before the address.
bool HostOfferedTls(const std::filesystem::path& projectFolder, const std::string& host);
void NoteHostOffersTls(const std::filesystem::path& projectFolder, const std::string& host);

// The remote folder last published to on a server as a user ("host:port
// user"), as the user typed it; empty when none.
std::string LastRemoteFolder(const std::filesystem::path& projectFolder, const std::string& serverAndUser);
// The server's own path of that folder, when `typed` is the folder last typed
// and the server told its path then.
std::optional<std::string> LastRemoteFolderPath(const std::filesystem::path& projectFolder,
                                                const std::string& serverAndUser, const std::string& typed);
void SaveLastRemoteFolder(const std::filesystem::path& projectFolder, const std::string& serverAndUser,
                          const std::string& folder, const std::string& serverPath);

}  // namespace palimora
