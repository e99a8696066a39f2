#pragma once

#include <exception>
#include <string>

namespace palimora {

class Language;

// The edge between the core's failures and the user: the Windows-1252
// message that tells what went wrong. A PalimoraError gives its own text;
// a file-system error is named by the file or folder concerned; exhausted
// memory and anything else get a plain sentence of their own, never a raw
// what() alone.
std::string UserMessageOf(const std::exception_ptr& error, const Language& language);

}  // namespace palimora
