#pragma once

#include <filesystem>

namespace palimora {

// The working folder holds the pictures and texts being edited in this run
// of the program; its contents never outlive the run.

// Empties it (texts, pictures, top-level files; failures are passed over so
// start-up goes on with whatever is left), creates it with images/ and
// textes/ where missing, and creates an empty picture-text file.
void PrepareWorkingFolder(const std::filesystem::path& workingFolder);

// Deletes the files of textes/, images/ and the top level; the folders stay.
// Failures are passed over.
void EmptyWorkingFolder(const std::filesystem::path& workingFolder);

}  // namespace palimora
