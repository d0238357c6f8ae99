#pragma once
// The outside world of a window under test, answered and recorded by the
// test, its controls, and the working folder it runs in.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "window/tf_qx.h"
#include "window/widgets/caption.h"
#include "window/widgets/choice_box.h"
#include "window/widgets/sorted_list.h"

namespace qx30::testing {

// Every box shown is recorded; questions take their answers from a queue (No
// when empty); the font dialog is cancelled, the colour and file dialogs too
// unless the test chose the next one.
class ScriptedDialogs : public Dialogs {
 public:
  QStringList messages, questions, errors;
  std::deque<bool> answers;

  void message(const QString& text) override { messages << text; }
  bool question(const QString& text) override {
    questions << text;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void error(const QString& text) override { errors << text; }
  std::optional<std::uint32_t> next_colour;
  std::optional<std::uint32_t> colour() override { return std::exchange(next_colour, std::nullopt); }
  std::optional<FontChoice> font(const FontChoice&) override { return std::nullopt; }
  std::optional<QString> file;
  QString file_dialog;  // the last file dialog's title and filter
  std::optional<QString> open_file(const QString& title, const QString& filter, const QString&) override {
    file_dialog = title + "|" + filter;
    return std::exchange(file, std::nullopt);
  }
};

class FakeClock : public Clock {
 public:
  t_date_heure time{2026, 12, 5, 14, 7, 30};
  std::int64_t steady = 0;  // the test moves it on, a minute at each tick it makes
  t_date_heure now() override { return time; }
  std::int64_t steady_ms() override { return steady; }
};

// Without an editor it fails as the real one does.
class FakeLauncher : public Launcher {
 public:
  std::vector<std::string> opened;
  bool no_editor = false;
  int prepared = 0;
  void prepare() override { ++prepared; }
  void open_in_editor(const std::string& file_name) override {
    if (no_editor) throw std::runtime_error("No text editor was found to open " + file_name);
    opened.push_back(file_name);
  }
};

// One endless page; every text drawn is recorded.
class FakePrinter : public Printer, public Canvas {
 public:
  std::optional<QString> name = QStringLiteral("Bureau");
  std::vector<std::string> drawn;
  std::optional<QString> default_printer() override { return name; }
  void print(const std::function<void(Canvas&)>& layout) override { layout(*this); }
  int text_height(const std::string&) override { return 50; }
  void draw_text(int, int, const std::string& text) override { drawn.push_back(text); }
  int page_height() override { return 1'000'000; }
  void new_page() override {}
};

// `Boxes`: the one set of boxes, the real ones for a test of the dialogs.
template <class Boxes = ScriptedDialogs>
struct FakePlatform {
  Boxes dialogs;
  FakeClock clock;
  FakeLauncher launcher;
  FakePrinter printer;
  Platform platform() { return Platform{dialogs, clock, launcher, printer}; }
};

// The window's controls, found by their names as a screen reader finds them.
struct Controls {
  explicit Controls(QWidget& w) : window(w) {}
  template <class W = QWidget>
  W* get(const char* name) const {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    if (!found) throw std::logic_error(std::string("no control ") + name);
    return found;
  }
  QWidget& window;
  SortedList* LB_actives = get<SortedList>("LB_actives");
  SortedList* LB_attente = get<SortedList>("LB_attente");
  SortedList* LB_liste = get<SortedList>("LB_liste");
  SortedList* LB_noire = get<SortedList>("LB_noire");
  ChoiceBox* CB_freq = get<ChoiceBox>("CB_freq");
  ChoiceBox* CB_pilote = get<ChoiceBox>("CB_pilote");
  ChoiceBox* CB_comm = get<ChoiceBox>("CB_comm");
  QLineEdit* E_nbre_max = get<QLineEdit>("E_nbre_max");
  QCheckBox* case_save = get<QCheckBox>("case_save");
  QPushButton* button(const char* name) const { return get<QPushButton>(name); }
};

// Row of the line of entry `numero` (its number in brackets), -1 when none.
inline int row_of(const SortedList* lb, int numero) {
  for (int i = 0; i < lb->line_count(); ++i)
    if (lb->line(i).contains(QStringLiteral("[%1]").arg(numero))) return i;
  return -1;
}

// A temporary working folder made current for one test, and its files.
struct WorkingFolder {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  explicit WorkingFolder(const QString& pattern = QDir::tempPath() + "/qx30-XXXXXX") : dir(pattern) {
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) throw std::runtime_error("no working folder");
  }
  ~WorkingFolder() { QDir::setCurrent(previous); }
};

// The layout's colours as parametres.ini holds them.
inline const QByteArray couleurs_du_layout = QByteArray::fromHex("00ff0000ffff0000ffffff00a6caf00018000080");

inline bool write_file(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray read_file(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

}  // namespace qx30::testing
