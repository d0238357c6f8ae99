#pragma once
// The boxes as the operator sees them: Qt's own dialogs.

#include "window/platform/dialogs.h"

namespace qx30 {

class QtDialogs : public Dialogs {
 public:
  void message(const QString& text) override;
  bool question(const QString& text) override;
  void error(const QString& text) override;
  std::optional<std::uint32_t> colour() override;
  std::optional<FontChoice> font(const FontChoice& initial) override;
  std::optional<QString> open_file(const QString& title, const QString& filter,
                                   const QString& folder) override;
};

}  // namespace qx30
