#include "lang/ErrorMessages.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "lang/Language.h"
#include "lang/TextId.h"

#include <filesystem>
#include <new>

namespace palimora {
namespace {

std::string Named(const std::filesystem::path& path) { return DisplayPath(path); }

}  // namespace

std::string UserMessageOf(const std::exception_ptr& error, const Language& language) {
    try {
        std::rethrow_exception(error);
    } catch (const PalimoraError& failure) {
        return failure.UserMessage();
    } catch (const std::filesystem::filesystem_error& failure) {
        std::string message = language.LangText(TextId::FileUnusable) + " " + Named(failure.path1());
        if (!failure.path2().empty()) message += " " + Named(failure.path2());
        return message + ".";
    } catch (const std::bad_alloc&) {
        return language.LangText(TextId::OutOfMemory);
    } catch (const std::exception& failure) {
        return language.LangText(TextId::UnexpectedError) + " " + Cp1252ForDisplay(Utf8Text(failure.what()));
    } catch (...) {
        return language.LangText(TextId::UnexpectedError);
    }
}

}  // namespace palimora
