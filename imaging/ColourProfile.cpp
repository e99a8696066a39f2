#include "imaging/ColourProfile.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include <lcms2.h>

namespace palimora {

namespace {

struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::shared_ptr<void>;

Profile Open(const std::vector<std::uint8_t>& bytes) {
    return Profile(cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())));
}

std::string Description(cmsHPROFILE profile) {
    char text[256] = {};
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text);
    return text;
}

// Read profiles answer by their bytes: cameras and phones embed the same few.
class Transforms {
public:
    Transform Find(const std::vector<std::uint8_t>& bytes) {
        std::lock_guard lock(mutex_);
        const std::string key(bytes.begin(), bytes.end());
        if (const auto found = known_.find(key); found != known_.end()) return found->second;
        Transform made;
        if (Profile source = Open(bytes); source && cmsGetColorSpace(source.get()) == cmsSigRgbData &&
                                          Description(source.get()).find("sRGB") == std::string::npos) {
            Profile srgb(cmsCreate_sRGBProfile());
            cmsHTRANSFORM transform =
                cmsCreateTransform(source.get(), TYPE_RGB_8, srgb.get(), TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
            if (transform) made = Transform(transform, TransformDeleter{});
        }
        if (known_.size() > 64) known_.clear();
        known_.emplace(key, made);
        return made;
    }

private:
    std::mutex mutex_;
    std::map<std::string, Transform> known_;
};

Transforms& KnownTransforms() {
    static Transforms transforms;
    return transforms;
}

}  // namespace

bool NeedsSrgbConversion(const std::vector<std::uint8_t>& profile) {
    return !profile.empty() && KnownTransforms().Find(profile) != nullptr;
}

void ConvertToSrgb(Image& image, const std::vector<std::uint8_t>& profile) {
    if (profile.empty() || image.Empty()) return;
    const Transform transform = KnownTransforms().Find(profile);
    if (!transform) return;
    // Rows are independent; one call for the whole buffer.
    cmsDoTransform(transform.get(), image.rgb.data(), image.rgb.data(),
                   static_cast<cmsUInt32Number>(image.rgb.size() / 3));
}

}  // namespace palimora
