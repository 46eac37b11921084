#pragma once
// A broken property stops the fuzzer like a crash would, so it keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace curvana {

inline void fuzzCheck(bool holds, const char* property, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nFUZZ FINDING: %s: \"%.*s\"\n", property, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

} // namespace curvana
