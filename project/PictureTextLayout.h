#pragma once

#include <cstddef>

// textes/images.dat: the titles and comments of a project's pictures.
//
// A sequence of fixed 456-byte records, little-endian. Slot 0 is never read;
// records are found by their number, never by position.
//
//   offset  size  field
//        0     4  picture number (signed); 0 marks a free record
//        4     1  title length (0..200)
//        5   200  title, Windows-1252
//      205     1  comment length (0..249)
//      206   249  comment lines in comma-list form
//      455     1  padding
//
// Texts are Windows-1252. A character it cannot hold is written as an HTML
// numeric character reference, "&#321;" for U+0141 (common/Cp1252.h): the
// record keeps its layout, a reader of plain Windows-1252 shows and keeps
// the reference as it is, and a page made from it shows the character.
// Lengths count bytes, so such a character takes the reference's length.
namespace palimora::picture_text {

inline constexpr const char* kFileName = "images.dat";
inline constexpr const char* kDeleteCopyName = "images2.dat";
inline constexpr std::size_t kRecordSize = 456;
inline constexpr std::size_t kTitleOffset = 4;
inline constexpr std::size_t kMaxTitle = 200;
inline constexpr std::size_t kCommentOffset = 205;
inline constexpr std::size_t kMaxComment = 249;

}  // namespace palimora::picture_text
