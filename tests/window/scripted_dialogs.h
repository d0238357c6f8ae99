#pragma once
// Boxes answered by the test: every box shown is recorded, questions and
// dialogs take their answers from queues (an empty queue answers No/cancel).

#include <QStringList>
#include <deque>

#include "window/platform/dialogs.h"

namespace qx30::testing {

class ScriptedDialogs : public Dialogs {
 public:
  QStringList messages;
  QStringList questions;
  QStringList errors;
  std::deque<bool> answers;
  std::deque<std::optional<std::uint32_t>> colours;
  std::deque<std::optional<FontChoice>> fonts;
  std::deque<std::optional<QString>> files;
  FontChoice font_offered;
  QString file_filter;
  QString file_folder;

  void message(const QString& text) override { messages << text; }
  bool question(const QString& text) override {
    questions << text;
    return take(answers, false);
  }
  void error(const QString& text) override { errors << text; }
  std::optional<std::uint32_t> colour() override { return take(colours, std::optional<std::uint32_t>{}); }
  std::optional<FontChoice> font(const FontChoice& initial) override {
    font_offered = initial;
    return take(fonts, std::optional<FontChoice>{});
  }
  std::optional<QString> open_file(const QString&, const QString& filter, const QString& folder) override {
    file_filter = filter;
    file_folder = folder;
    return take(files, std::optional<QString>{});
  }

 private:
  // Copies, not moves: GCC 12 takes a moved optional for uninitialised.
  template <class T>
  static T take(std::deque<T>& queue, const T& otherwise) {
    if (queue.empty()) return otherwise;
    const T front = queue.front();
    queue.pop_front();
    return front;
  }
};

}  // namespace qx30::testing
