#pragma once
// The default printer, behind an interface so tests print on paper of their own.

#include <QString>
#include <functional>
#include <optional>

#include "printing/canvas.h"

namespace qx30 {

class Printer {
 public:
  virtual ~Printer() = default;
  // The default printer's name, or nothing when none is selected.
  virtual std::optional<QString> default_printer() = 0;
  // One print job on the default printer, the layout drawing on its pages.
  virtual void print(const std::function<void(Canvas&)>& layout) = 0;
};

}  // namespace qx30
