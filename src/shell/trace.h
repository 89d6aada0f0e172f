// Timing marks for the benchmark: with FRUITWHIRL_TRACE set, the program
// prints "trace NAME WALL_MS CPU_MS [TICKS]" on stderr at the moments that
// matter (monotonic wall clock and the process's CPU time in milliseconds, and
// where given the machine's own tick count).
#pragma once

#include <cstdint>

namespace fw {

void TraceMark(const char* name);
void TraceMark(const char* name, std::uint32_t ticks);

}  // namespace fw
