#pragma once

// Numbers of the language texts the program reads by name. Texts that a
// window reads in bulk (captions, hints) are numbered where they are set.
namespace palimora::text {

inline constexpr int kProgramTitle = 0;
inline constexpr int kAlreadyInProject = 5;
inline constexpr int kSaveChangesQuestion = 6;
inline constexpr int kWorkingName = 7;  // also the name of an unsaved project
inline constexpr int kAddPicturesHint = 19;
inline constexpr int kOk = 25;
inline constexpr int kCancel = 26;
inline constexpr int kMessageTitle = 53;
inline constexpr int kYes = 54;
inline constexpr int kStepOne = 103;
inline constexpr int kPictureFilter = 163;
inline constexpr int kStepTwo = 104;
inline constexpr int kPictureTooLarge = 124;
inline constexpr int kPictureTooLargeEnd = 125;
inline constexpr int kNameNotStorable = 126;
inline constexpr int kTextNotStorable = 130;
inline constexpr int kConvertStart = 133;  // text 133, the source path, then one of the three below
inline constexpr int kConvertBmpEnd = 134;
inline constexpr int kConvertGifEnd = 135;
inline constexpr int kConvertAnimatedGifEnd = 136;
inline constexpr int kFileWord = 137;
inline constexpr int kDoesNotExist = 138;
inline constexpr int kNotAPicture = 140;
inline constexpr int kCannotReadPicture = 141;
inline constexpr int kDamagedOrUnknown = 142;
inline constexpr int kPictureNotFound = 143;
inline constexpr int kImageTab = 172;
inline constexpr int kTextsTab = 173;
inline constexpr int kNo = 174;
inline constexpr int kWaitTitle = 199;
inline constexpr int kListUnreadable = 200;
inline constexpr int kNarrowScreen = 236;
inline constexpr int kQuitQuestion = 238;
inline constexpr int kFewColours = 239;

}  // namespace palimora::text
