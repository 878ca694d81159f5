#pragma once
// What the benches share: the plain pass over a text that a scan or a layout competes with, and the
// best of several timed runs of a piece of work.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace tips_bench {

// One pass over the bytes looking for the line breaks.
inline std::size_t CountLineBreaks(std::string_view text) {
    std::size_t count = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
        ++count;
        ++p;
    }
    return count;
}

// The shortest wall time of `repeats` runs of `work`, in seconds.
template <class F>
double BestSeconds(F&& work, int repeats) {
    double best = 1e30;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace tips_bench
