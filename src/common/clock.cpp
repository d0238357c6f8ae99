#include "common/clock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace qx30 {

std::int64_t SystemClock::steady_ms() {
#ifdef _WIN32
  // The tick count goes on through sleep and hibernation.
  return static_cast<std::int64_t>(GetTickCount64());
#else
  // Unlike CLOCK_MONOTONIC, CLOCK_BOOTTIME counts the time spent asleep.
  timespec t{};
#ifdef CLOCK_BOOTTIME
  clock_gettime(CLOCK_BOOTTIME, &t);
#else
  clock_gettime(CLOCK_MONOTONIC, &t);
#endif
  return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
#endif
}

}  // namespace qx30
