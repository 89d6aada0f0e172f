// Timing marks for the benchmark: with FRUITWHIRL_TRACE set, the program
// prints "trace NAME WALL_MS CPU_MS" on stderr at the moments that matter
// (monotonic wall clock and the process's CPU time, both in milliseconds).
#pragma once

namespace fw {

void TraceMark(const char* name);

}  // namespace fw
