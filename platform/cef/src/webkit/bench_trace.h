// Timestamps for the benchmarks under bench/: when QUELLIX_BENCH_TRACE names
// a file, each call appends "<event> <CLOCK_MONOTONIC ns>" to it (one write,
// so lines from the browser and web processes do not mix); otherwise a call
// costs one branch. Any thread.
#pragma once

namespace cef_internal {

void BenchTrace(const char* event);

}  // namespace cef_internal
