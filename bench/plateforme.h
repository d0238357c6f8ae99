#pragma once
// The window's outside world for the benchmarks: a fixed clock, and boxes
// that nobody answers but that keep every error, so a measurement that went
// wrong says so.

#include <QStringList>

#include "window/platform/clock.h"
#include "window/platform/dialogs.h"
#include "window/platform/launcher.h"
#include "window/platform/printer.h"
#include "window/tf_qx.h"

namespace qx30::bench {

class Boites : public Dialogs {
 public:
  QStringList erreurs;
  void message(const QString&) override {}
  bool question(const QString&) override { return false; }
  void error(const QString& text) override { erreurs << text; }
  std::optional<std::uint32_t> colour() override { return std::nullopt; }
  std::optional<FontChoice> font(const FontChoice&) override { return std::nullopt; }
  std::optional<QString> open_file(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

class Horloge : public Clock {
 public:
  t_date_heure now() override { return {2026, 6, 13, 8, 0, 0}; }
};

class SansEditeur : public Launcher {
 public:
  void open_in_editor(const std::string&) override {}
};

class SansImprimante : public Printer {
 public:
  std::optional<QString> default_printer() override { return std::nullopt; }
  void print(const std::function<void(Canvas&)>&) override {}
};

struct Plateforme {
  Boites boites;
  Horloge horloge;
  SansEditeur editeur;
  SansImprimante imprimante;
  Platform platform() { return Platform{boites, horloge, editeur, imprimante}; }
};

}  // namespace qx30::bench
