#include "project/PictureTextFile.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/TextLines.h"
#include "project/PictureTextLayout.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace palimora {
namespace fs = std::filesystem;
using namespace picture_text;

namespace {

using Record = std::array<char, kRecordSize>;

std::int32_t NumberOf(const Record& record) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(record[i]);
    return static_cast<std::int32_t>(value);
}

std::string FieldOf(const Record& record, std::size_t offset, std::size_t maxLength) {
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(record[offset]), maxLength);
    return std::string(record.data() + offset + 1, length);
}

void PutField(Record& record, std::size_t offset, std::size_t maxLength, const std::string& text) {
    const std::size_t length = CutToBytes(text, maxLength).size();
    record[offset] = static_cast<char>(length);
    std::copy_n(text.data(), length, record.data() + offset + 1);
}

Record RecordOf(int number, const PictureTextFile::Texts& texts) {
    Record record{};
    const auto value = static_cast<std::uint32_t>(number);
    for (int i = 0; i < 4; ++i) record[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    PutField(record, kTitleOffset, kMaxTitle, texts.title);
    PutField(record, kCommentOffset, kMaxComment, texts.comment);
    return record;
}

// The largest images.dat rewritten: records for some 147,000 pictures.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{64} << 20;

// Calls `visit(slot, record)` for slots 1.. while it returns false; returns
// the slot it stopped at.
template <typename Visit>
std::optional<std::size_t> Scan(const fs::path& file, Visit visit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    Record record;
    in.seekg(static_cast<std::streamoff>(kRecordSize));
    for (std::size_t slot = 1; in.read(record.data(), kRecordSize); ++slot) {
        if (visit(slot, record)) return slot;
    }
    return std::nullopt;
}

}  // namespace

void PictureTextFile::CreateEmpty() const { WriteFileAtomically(file_, {}, Durability::Flushed); }

std::size_t PictureTextFile::SlotCount() const {
    std::error_code error;
    const auto size = fs::file_size(file_, error);
    return error ? 0 : static_cast<std::size_t>(size / kRecordSize);
}

std::optional<std::size_t> PictureTextFile::FindSlot(int number) const {
    return Scan(file_, [&](std::size_t, const Record& record) { return NumberOf(record) == number; });
}

std::optional<PictureTextFile::Texts> PictureTextFile::Read(int number) const {
    std::optional<Texts> texts;
    Scan(file_, [&](std::size_t, const Record& record) {
        if (NumberOf(record) != number) return false;
        texts = Texts{FieldOf(record, kTitleOffset, kMaxTitle), FieldOf(record, kCommentOffset, kMaxComment)};
        return true;
    });
    return texts;
}

std::vector<std::string> PictureTextFile::Titles(int count) const {
    std::vector<std::string> titles(static_cast<std::size_t>(std::max(count, 0)));
    std::vector<bool> found(titles.size());
    // The first record of a number is its texts, as Read finds them.
    Scan(file_, [&](std::size_t, const Record& record) {
        const int number = NumberOf(record);
        if (number >= 1 && number <= count && !found[number - 1]) {
            found[number - 1] = true;
            titles[number - 1] = FieldOf(record, kTitleOffset, kMaxTitle);
        }
        return false;
    });
    return titles;
}

PictureTextIndex::PictureTextIndex(const PictureTextFile& file) {
    // The first record of a number is its texts, as Read finds them.
    Scan(file.Path(), [&](std::size_t, const Record& record) {
        const int number = NumberOf(record);
        if (number != 0) {
            texts_.try_emplace(number, PictureTextFile::Texts{FieldOf(record, kTitleOffset, kMaxTitle),
                                                              FieldOf(record, kCommentOffset, kMaxComment)});
        }
        return false;
    });
}

std::optional<PictureTextFile::Texts> PictureTextIndex::Read(int number) const {
    const auto found = texts_.find(number);
    if (found == texts_.end()) return std::nullopt;
    return found->second;
}

void PictureTextFile::WriteSlot(std::size_t slot, int number, const Texts& texts) const {
    const Record record = RecordOf(number, texts);

    // The whole file is written anew for each change, so that a kill or a
    // full disk leaves it as it was before the change or after, never torn.
    // Slot 0 is never read and stays zero; a cut last record is dropped.
    std::string bytes;
    try {
        bytes = ReadFileBytes(file_, kMaxFileBytes);
    } catch (const PalimoraError&) {
        std::error_code error;
        if (fs::exists(file_, error)) throw;  // a file that is there but unreadable is never replaced
    }
    bytes.resize(std::max((bytes.size() / kRecordSize), slot + 1) * kRecordSize, '\0');
    std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(slot * kRecordSize));
    WriteFileAtomically(file_, bytes, Durability::Flushed);
}

void PictureTextFile::Write(int number, const std::string& title, const std::string& comment) const {
    const auto slot = FindSlot(number);
    WriteSlot(slot ? *slot : std::max<std::size_t>(1, SlotCount()), number, {title, comment});
}

void PictureTextFile::Append(int number, const Texts& texts) const {
    // The new record alone goes to the disk; a file without its slot 0, or
    // ending in a cut record, is written whole instead.
    const Record record = RecordOf(number, texts);
    if (SlotCount() >= 1 &&
        AppendRecords(file_, std::string_view(record.data(), record.size()), kRecordSize, Durability::Flushed)) {
        return;
    }
    WriteSlot(std::max<std::size_t>(1, SlotCount()), number, texts);
}

std::set<int> PictureTextFile::Numbers() const {
    std::set<int> numbers;
    Scan(file_, [&](std::size_t, const Record& record) {
        numbers.insert(NumberOf(record));
        return false;
    });
    return numbers;
}

void PictureTextFile::Clear(int number) const {
    const auto slot = FindSlot(number);
    WriteSlot(slot ? *slot : std::max<std::size_t>(1, SlotCount()), 0, {});
}

void PictureTextFile::Copy(int from, int to) const {
    const Texts texts = Read(from).value_or(Texts{});
    Write(to, texts.title, texts.comment);
}

bool PictureTextFile::Renumber(int from, int to) const {
    const auto slot = FindSlot(from);
    if (!slot) return false;
    const Texts texts = Read(from).value_or(Texts{});
    WriteSlot(*slot, to, texts);
    return true;
}

void PictureTextFile::RenumberAll(const std::map<int, int>& renumbering) const {
    std::string bytes = ReadFileBytes(file_, kMaxFileBytes);
    for (std::size_t at = kRecordSize; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        Record record;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), kRecordSize, record.begin());
        const auto renumbered = renumbering.find(NumberOf(record));
        if (renumbered == renumbering.end()) continue;
        const auto value = static_cast<std::uint32_t>(renumbered->second);
        for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    WriteFileAtomically(file_, bytes, Durability::Flushed);
}

void PictureTextFile::CopyFromBackup(const PictureTextFile& backup, int oldNumber, int newNumber) const {
    const Texts texts = backup.Read(oldNumber).value_or(Texts{});
    const auto slot = FindSlot(oldNumber);
    WriteSlot(slot ? *slot : std::max<std::size_t>(1, SlotCount()), newNumber, texts);
}

}  // namespace palimora
