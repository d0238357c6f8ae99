#pragma once
// A clock the test sets.

#include "window/platform/clock.h"

namespace qx30::testing {

class FakeClock : public Clock {
 public:
  t_date_heure time{2026, 12, 5, 14, 7, 30};
  t_date_heure now() override { return time; }
};

}  // namespace qx30::testing
