#include "publish/Sha256.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>

namespace palimora {
namespace {

using Context = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

Context NewContext() {
    Context context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) throw std::bad_alloc();
    return context;
}

std::string HexDigest(EVP_MD_CTX* context) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context, digest, &length);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 0x0F];
    }
    return hex;
}

}  // namespace

std::string Sha256Of(std::string_view bytes) {
    const Context context = NewContext();
    EVP_DigestUpdate(context.get(), bytes.data(), bytes.size());
    return HexDigest(context.get());
}

std::string Sha256OfFile(const std::filesystem::path& file) {
    const Context context = NewContext();
    std::ifstream in(file, std::ios::binary);
    std::array<char, 1 << 16> block;
    while (in) {
        in.read(block.data(), block.size());
        EVP_DigestUpdate(context.get(), block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || !in.eof()) throw PalimoraError(FailureText(Failure::CannotRead) + " " + Cp1252FromPath(file));
    return HexDigest(context.get());
}

}  // namespace palimora
