#pragma once

#include <string>
#include <string_view>
#include <vector>

// The comma-list form that keeps a comment's lines in one string:
// `Nice day` and `x,y` become `"Nice day","x,y"`; `a`, ``, `b` become `a,,b`;
// one empty line becomes `""`. A line holding a blank, a control character,
// a double quote or a comma is quoted, its quotes doubled.
namespace palimora {

std::string ToCommaList(const std::vector<std::string>& lines);
std::vector<std::string> FromCommaList(std::string_view text);

}  // namespace palimora
