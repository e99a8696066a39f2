#include "tests/support/PhotoFixtures.h"

#include <cstdlib>
#include <stdexcept>

#include <lcms2.h>

namespace palimora::testing {

void MakePhotoFixtures(const std::filesystem::path& folder) {
    const std::string command =
        std::string("/usr/bin/python3 '") + PALIMORA_PHOTO_MAKER + "' '" + folder.string() + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("make_photos.py failed: " + command);
}

void MakeClipFixtures(const std::filesystem::path& folder) {
    const std::string command = std::string("bash '") + PALIMORA_CLIP_MAKER + "' '" + folder.string() + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("make_clips.sh failed: " + command);
}

std::vector<std::uint8_t> DisplayP3Profile() {
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries{{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
    const cmsFloat64Number srgbCurve[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsMLU* description = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(description, "en", "US", "Display P3");
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
    cmsMLUfree(description);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::vector<std::uint8_t> bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

namespace {

std::string WithBlock(const std::string& jpeg, char marker, const std::string& block) {
    const std::size_t length = block.size() + 2;
    std::string header = "\xFF";
    header += marker;
    header += static_cast<char>(length >> 8);
    header += static_cast<char>(length & 0xFF);
    return jpeg.substr(0, 2) + header + block + jpeg.substr(2);
}

}  // namespace

std::string WithIccProfile(const std::string& jpeg, const std::vector<std::uint8_t>& profile) {
    std::string block("ICC_PROFILE", 12);  // with its final zero
    block += '\x01';                       // chunk 1
    block += '\x01';                       // of 1
    block.append(profile.begin(), profile.end());
    return WithBlock(jpeg, '\xE2', block);
}

std::string WithOrientation(const std::string& jpeg, int orientation) {
    // Big-endian TIFF header, one directory of one entry: 0x0112, SHORT, 1, value.
    std::string block("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25);
    block += static_cast<char>(orientation);
    block += std::string(6, '\0');  // the value's padding, then no next directory
    return WithBlock(jpeg, '\xE1', block);
}

Image ToSrgbWithLcms(const Image& image, const std::vector<std::uint8_t>& profile) {
    cmsHPROFILE source = cmsOpenProfileFromMem(profile.data(), static_cast<cmsUInt32Number>(profile.size()));
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform = cmsCreateTransform(source, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    Image converted = image;
    cmsDoTransform(transform, image.rgb.data(), converted.rgb.data(),
                   static_cast<cmsUInt32Number>(image.rgb.size() / 3));
    cmsDeleteTransform(transform);
    cmsCloseProfile(srgb);
    cmsCloseProfile(source);
    return converted;
}

}  // namespace palimora::testing
