#include "platform/qt/trace.h"

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

void TraceMark(const char* name) {
    static const bool enabled = std::getenv("FRUITWHIRL_TRACE") != nullptr;
    if (!enabled) return;
    std::fprintf(stderr, "trace %s %.3f %.3f\n", name, Milliseconds(CLOCK_MONOTONIC),
                 Milliseconds(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stderr);
}

}  // namespace fw
