#pragma once

#include "project/AddedPictureTexts.h"
#include "project/PictureTextFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace palimora {

// The pictures of a project folder (the working folder while editing): the
// numbered files of images/ and their texts in textes/images.dat. Every
// operation keeps the numbers gap-free 1..n and the texts with their pictures.
class PictureList {
public:
    explicit PictureList(std::filesystem::path projectFolder);

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path PicturesFolder() const;
    const PictureTextFile& Texts() const { return texts_; }

    std::vector<std::string> Files() const;
    std::filesystem::path FileOf(const std::string& name) const { return PicturesFolder() / name; }

    // Turns the copy of an added picture into the picture that stays (a
    // JPEG for a converted bitmap or GIF) and returns its path.
    using Converter =
        std::function<std::filesystem::path(const std::filesystem::path& copy, const std::filesystem::path& source)>;

    struct Added {
        int number = 0;
        std::string title;
        std::string comment;
        std::filesystem::path file;  // the picture that stays
    };

    // Adds pictures, numbered in the order given: after the last picture
    // when `current` is the last (or the list is empty), else before picture
    // `current`, the following pictures moving up. Their texts are those of
    // TextsOfAddedPicture, all found before anything moves. Throws
    // PalimoraError when a picture cannot be copied.
    std::vector<Added> Add(const std::vector<std::filesystem::path>& sources, int current, const Converter& convert,
                           AddedTexts from = AddedTexts::FromPhoto);

    // Puts right what a killed or failed run left: removes temporaries and
    // half-added pictures, and gives a picture without a record an empty one.
    void Reconcile() const;

    // Deletes the pictures at the given list positions (0-based) and numbers
    // the rest 1..n again, their texts following them. Returns the positions
    // whose pictures are gone (a file that cannot be removed stays listed).
    std::vector<int> Delete(const std::vector<int>& positions);

    // Swaps picture `current` with its neighbour below (+1) or above (-1).
    // False, and nothing changes, when there is no such neighbour. Throws
    // std::filesystem::filesystem_error naming the file when a rename fails,
    // after putting back the files already renamed (texts are renumbered
    // only once every file has moved).
    bool Move(int current, int direction);
    // Moves picture `from` to number `to`, the pictures between moving one
    // place towards `from`; false, and nothing changes, when either is no
    // picture's number. Fails as Move does.
    bool MoveTo(int from, int to);

    // Puts the pictures in a new order: `order[i]` is the number of the
    // picture that takes number i + 1. False, and nothing changes, when
    // `order` is not an order of every picture. Fails as Move does, putting
    // every picture back.
    bool Reorder(const std::vector<int>& order);

private:
    void RenameTo(const std::string& name, int number) const;

    std::filesystem::path folder_;
    PictureTextFile texts_;
};

// An added picture's title: its source file name without extension, in
// Windows-1252 (characters beyond it as references); a name that is not
// UTF-8 is taken as the Windows-1252 bytes older cameras and archives write.
std::string TitleOfSource(const std::filesystem::path& source);

}  // namespace palimora
