#pragma once
// The system's default printer through Qt's print support.

#include "window/printer.h"

namespace qx30 {

class QtPrinter : public Printer {
 public:
  std::optional<QString> default_printer() override;
  void print(const std::function<void(Canvas&)>& layout) override;
};

}  // namespace qx30
