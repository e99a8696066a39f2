#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace palimora {

class Language;
class UserDialogs;

// The files chosen for adding that can be added, in the order given: none
// when they come from the project's own pictures folder (the user told so),
// and without those whose bytes are no picture a project takes, whatever
// their name says (each one told).
std::vector<std::filesystem::path> AddableChoice(const std::vector<std::filesystem::path>& chosen,
                                                 const std::filesystem::path& picturesFolder, UserDialogs& dialogs,
                                                 const Language& language);

// What files and folders dropped on the picture list give to add: each
// file as it is (AddableChoice tells what it refuses), and for a folder the
// pictures in it and in its subfolders, whatever their names, leaving out
// hidden ones and every other file without a word.
std::vector<std::filesystem::path> FilesOfDropped(const std::vector<std::filesystem::path>& dropped);

// The one order added pictures are numbered in, by the add button and by
// the command line alike: file names (UTF-8) compared as a person reads
// them, letter case and accents aside, runs of digits by their value
// ("img2" before "IMG10", "été" beside "ete").
bool NaturalNameLess(std::string_view a, std::string_view b);

}  // namespace palimora
