#include "tests/publish/SlowLookup.h"

#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>
#include <string_view>

extern "C" int getaddrinfo(const char* name, const char* service, const addrinfo* hints, addrinfo** found) {
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto system = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    const std::string_view suffix = palimora::testing::kSlowLookupSuffix;
    if (name && std::string_view(name).ends_with(suffix)) {
        ::sleep(palimora::testing::kSlowLookupSeconds);
        return EAI_AGAIN;
    }
    return system(name, service, hints, found);
}
