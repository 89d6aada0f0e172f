#include "shell/trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fw {

namespace {
double Milliseconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}
}  // namespace

bool Enabled() {
    static const bool enabled = std::getenv("FRUITWHIRL_TRACE") != nullptr;
    return enabled;
}

void TraceMark(const char* name) {
    if (!Enabled()) return;
    std::fprintf(stderr, "trace %s %.3f %.3f\n", name, Milliseconds(CLOCK_MONOTONIC),
                 Milliseconds(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stderr);
}

void TraceMark(const char* name, std::uint32_t ticks) {
    if (!Enabled()) return;
    std::fprintf(stderr, "trace %s %.3f %.3f %u\n", name, Milliseconds(CLOCK_MONOTONIC),
                 Milliseconds(CLOCK_PROCESS_CPUTIME_ID), ticks);
    std::fflush(stderr);
}

}  // namespace fw
