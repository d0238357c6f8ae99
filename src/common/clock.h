#pragma once
// The local date and time, and a steady clock for counting minutes, behind an
// interface so tests set both.

#include <cstdint>

#include "common/date_heure.h"

namespace qx30 {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual t_date_heure now() = 0;
  // Milliseconds from some fixed moment, on a clock that keeps running while
  // the computer sleeps and does not move when the date or time is set.
  virtual std::int64_t steady_ms() = 0;
};

class SystemClock : public Clock {
 public:
  t_date_heure now() override { return date_heure_locale(); }
  std::int64_t steady_ms() override;
};

}  // namespace qx30
