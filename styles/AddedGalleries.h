#pragma once

#include <string>
#include <vector>

namespace palimora {

class Language;
class SettingsStore;

// How the galleries of a project take pictures added after its last one.
// `before` and `after` are the project's picture files before and after the
// adding, in list order; `galleryName` (Windows-1252) is the gallery the
// pictures were added to, or empty.
//
// - A project that had no pictures, or no gallery, gets gallery 1 over the
//   added pictures, named `galleryName` when given (else it keeps its name,
//   or takes the default).
// - A named gallery other than the last one starts a new gallery after it
//   over the added pictures.
// - Otherwise the last gallery grows to the new last picture when it ended
//   at the old last one, or when it bears `galleryName`.
class AddedGalleries {
public:
    AddedGalleries(const Language& language, std::string galleryName)
        : language_(language), galleryName_(std::move(galleryName)) {}

    // False when the pictures would need an eleventh gallery.
    bool Fit(const SettingsStore& settings, const std::vector<std::string>& before) const;

    void Place(SettingsStore& settings, const std::vector<std::string>& before,
               const std::vector<std::string>& after) const;

private:
    const Language& language_;
    std::string galleryName_;
};

}  // namespace palimora
