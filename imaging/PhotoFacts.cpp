#include "imaging/PhotoFacts.h"

#include "imaging/ImageError.h"
#include "imaging/JpegBlocks.h"

#include <libexif/exif-data.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <system_error>

namespace palimora {

namespace {

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

class ExifReader {
public:
    explicit ExifReader(std::string_view exif) : data_(exif_data_new()) {
        if (!data_) return;
        exif_data_unset_option(data_.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
        exif_data_load_data(data_.get(), reinterpret_cast<const unsigned char*>(exif.data()),
                            static_cast<unsigned int>(exif.size()));
        order_ = exif_data_get_byte_order(data_.get());
    }

    std::string Text(ExifIfd ifd, ExifTag tag) const {
        const ExifEntry* entry = Entry(ifd, tag);
        if (!entry || entry->format != EXIF_FORMAT_ASCII || !entry->data) return {};
        std::string text(reinterpret_cast<const char*>(entry->data), entry->size);
        text = text.substr(0, text.find('\0'));
        // Only what a page can show as it is: printable ASCII, trimmed.
        std::string shown;
        for (const char c : text) {
            if (c >= 0x20 && c < 0x7F) shown += c;
        }
        const std::size_t first = shown.find_first_not_of(' '), last = shown.find_last_not_of(' ');
        return first == std::string::npos ? std::string() : shown.substr(first, last - first + 1);
    }

    // A rational as a number; nothing for a zero denominator or a missing entry.
    std::optional<double> Rational(ExifIfd ifd, ExifTag tag) const {
        const ExifEntry* entry = Entry(ifd, tag);
        if (!entry || entry->format != EXIF_FORMAT_RATIONAL || entry->size < 8) return std::nullopt;
        const ExifRational value = exif_get_rational(entry->data, order_);
        if (value.denominator == 0 || value.numerator == 0) return std::nullopt;
        return static_cast<double>(value.numerator) / value.denominator;
    }

    std::optional<unsigned> Short(ExifIfd ifd, ExifTag tag) const {
        const ExifEntry* entry = Entry(ifd, tag);
        if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->size < 2) return std::nullopt;
        return exif_get_short(entry->data, order_);
    }

private:
    const ExifEntry* Entry(ExifIfd ifd, ExifTag tag) const {
        return data_ ? exif_content_get_entry(data_->ifd[ifd], tag) : nullptr;
    }

    std::unique_ptr<ExifData, ExifDataReleaser> data_;
    ExifByteOrder order_ = EXIF_BYTE_ORDER_INTEL;
};

std::string Number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string number = text;
    if (number.find('.') != std::string::npos) {
        while (number.back() == '0') number.pop_back();
        if (number.back() == '.') number.pop_back();
    }
    return number;
}

std::string Camera(const std::string& make, const std::string& model) {
    if (model.empty()) return make;
    // Most models repeat their maker's name: "Canon" and "Canon EOS R6".
    const std::string firstWord = make.substr(0, make.find(' '));
    if (make.empty() || model.rfind(firstWord, 0) == 0) return model;
    return make + " " + model;
}

std::string Exposure(double seconds) {
    if (seconds >= 0.5) return Number(seconds, 1) + " s";
    return "1/" + std::to_string(static_cast<long>(std::lround(1.0 / seconds))) + " s";
}

// "2024:05:01 14:03:22" as "2024-05-01 14:03".
std::string Taken(const std::string& exifDate) {
    if (exifDate.size() < 16 || exifDate[4] != ':' || exifDate[7] != ':') return {};
    if (exifDate.rfind("0000", 0) == 0) return {};  // cameras without a clock
    std::string date = exifDate.substr(0, 16);
    date[4] = '-';
    date[7] = '-';
    return date;
}

std::string ExifBlockOf(const std::filesystem::path& photo) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(photo, error)) return {};
    try {
        const std::string head = JpegHead(photo);
        std::string exif;
        VisitJpegBlocks(head, [&](const JpegBlock& block) {
            if (exif.empty() && block.marker == 0xE1 && block.payload.starts_with(kExifStart))
                exif = std::string(block.payload);
        });
        return exif;
    } catch (const ImageError&) {
        return {};
    }
}

}  // namespace

PhotoFacts FactsOfExif(std::string_view exif) {
    PhotoFacts facts;
    if (exif.size() < kExifStart.size()) return facts;
    const ExifReader reader(exif);
    facts.camera = Camera(reader.Text(EXIF_IFD_0, EXIF_TAG_MAKE), reader.Text(EXIF_IFD_0, EXIF_TAG_MODEL));
    facts.lens = reader.Text(EXIF_IFD_EXIF, static_cast<ExifTag>(0xA434));  // LensModel
    if (const auto focal = reader.Rational(EXIF_IFD_EXIF, EXIF_TAG_FOCAL_LENGTH))
        facts.focalLength = Number(*focal, 1) + " mm";
    if (const auto f = reader.Rational(EXIF_IFD_EXIF, EXIF_TAG_FNUMBER)) facts.aperture = "f/" + Number(*f, 1);
    if (const auto time = reader.Rational(EXIF_IFD_EXIF, EXIF_TAG_EXPOSURE_TIME)) facts.exposure = Exposure(*time);
    if (const auto iso = reader.Short(EXIF_IFD_EXIF, EXIF_TAG_ISO_SPEED_RATINGS); iso && *iso > 0)
        facts.iso = std::to_string(*iso);
    facts.taken = Taken(reader.Text(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL));
    return facts;
}

PhotoFacts FactsOf(const std::filesystem::path& photo) { return FactsOfExif(ExifBlockOf(photo)); }

std::string DateTakenOf(const std::filesystem::path& photo) {
    const std::string exif = ExifBlockOf(photo);
    if (exif.empty()) return {};
    const ExifReader reader(exif);
    std::string date = reader.Text(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
    if (Taken(date).empty()) date = reader.Text(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_DIGITIZED);
    return Taken(date).empty() ? std::string() : date.substr(0, 19);
}

}  // namespace palimora
