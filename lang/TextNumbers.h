#pragma once

// Numbers of the language texts the program reads by name. Texts that a
// window reads in bulk (captions, hints) are numbered where they are set.
namespace palimora::text {

inline constexpr int kProgramTitle = 0;
inline constexpr int kSaveChangesQuestion = 6;
inline constexpr int kWorkingName = 7;  // also the name of an unsaved project
inline constexpr int kOk = 25;
inline constexpr int kCancel = 26;
inline constexpr int kMessageTitle = 53;
inline constexpr int kYes = 54;
inline constexpr int kStepOne = 103;
inline constexpr int kStepTwo = 104;
inline constexpr int kNo = 174;
inline constexpr int kWaitTitle = 199;
inline constexpr int kNarrowScreen = 236;
inline constexpr int kQuitQuestion = 238;
inline constexpr int kFewColours = 239;

}  // namespace palimora::text
