#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// What a photo's EXIF says of how it was taken, each written as visitors
// read it ("50 mm", "f/2.8", "1/250 s", "200", "2024-05-01 14:03") and
// empty when the photo does not say. Never where it was taken.
struct PhotoFacts {
    std::string camera;  // the maker and model, "Canon EOS R6"
    std::string lens;
    std::string focalLength;
    std::string aperture;
    std::string exposure;
    std::string iso;
    std::string taken;  // the date and time it was taken

    bool Empty() const {
        return camera.empty() && lens.empty() && focalLength.empty() && aperture.empty() && exposure.empty() &&
               iso.empty() && taken.empty();
    }
};

// The facts of a JPEG file; none for another kind of file, one without EXIF
// or one that cannot be read.
PhotoFacts FactsOf(const std::filesystem::path& photo);
// The same from an EXIF block (an APP1 payload starting "Exif\0\0").
PhotoFacts FactsOfExif(std::string_view exif);

// The date a photo was taken as its EXIF holds it, "YYYY:MM:DD HH:MM:SS";
// empty when it holds none.
std::string DateTakenOf(const std::filesystem::path& photo);

}  // namespace palimora
