#pragma once
// The boxes as the operator sees them: Qt's own dialogs.

#include "window/platform/dialogs.h"

namespace qx30 {

class QtDialogs : public Dialogs {
 public:
  // The window the boxes belong to: they open centred over it.
  void set_parent(QWidget* parent) { parent_ = parent; }

  void message(const QString& text) override;
  bool question(const QString& text) override;
  void error(const QString& text) override;
  std::optional<std::uint32_t> colour() override;
  std::optional<FontChoice> font(const FontChoice& initial) override;
  std::optional<QString> open_file(const QString& title, const QString& filter,
                                   const QString& folder) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace qx30
