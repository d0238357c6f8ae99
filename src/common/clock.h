#pragma once
// The local date and time, behind an interface so tests set the time.

#include "common/date_heure.h"

namespace qx30 {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual t_date_heure now() = 0;
};

class SystemClock : public Clock {
 public:
  t_date_heure now() override { return date_heure_locale(); }
};

}  // namespace qx30
