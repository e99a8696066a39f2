#pragma once

namespace palimora::testing {

// The test binary's getaddrinfo stands in for the system's: a name ending in
// this suffix takes kSlowLookupSeconds to fail, as with a DNS server that
// never answers; every other name goes to the system's lookup.
inline constexpr const char* kSlowLookupSuffix = ".slow-lookup.test";
inline constexpr int kSlowLookupSeconds = 6;

}  // namespace palimora::testing
