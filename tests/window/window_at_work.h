#pragma once
// The window as the operator finds it during a session, for the tests that
// work it through its controls: in a working folder of its own, automatic
// save off, shown, the clock label set by one tick (05/12/2026 14:07), boxes
// answered by `Boxes`.

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

#include "fake_platform.h"
#include "working_folder.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }

namespace qx30::testing {

inline QString u8(const char* s) { return QString::fromUtf8(s); }

// Row of the line of entry `numero` (its number in brackets), -1 when none.
inline int row_of(const SortedList* lb, int numero) {
  for (int i = 0; i < lb->line_count(); ++i)
    if (lb->line(i).contains(QStringLiteral("[%1]").arg(numero))) return i;
  return -1;
}
inline QString line_with(const SortedList* lb, int numero) {
  return row_of(lb, numero) < 0 ? QString("(none)") : lb->line(row_of(lb, numero));
}

template <class Boxes = ScriptedDialogs>
struct WindowAtWork : ::testing::Test {
  WorkingFolder folder;
  FakePlatform fake;
  Boxes dialogs;
  TF_qx window{Platform{dialogs, fake.clock, fake.launcher, fake.printer}};

  // Opens the session with these frequencies in the frequency list.
  void open_with(const QStringList& frequencies) {
    window.case_save->setChecked(false);
    window.CB_freq->load_items(frequencies);
    window.show();
    window.Timer60Timer();
  }
  void register_entry(const QString& freq, const QString& pilote) {
    window.CB_freq->choose(window.CB_freq->findText(freq));
    window.CB_pilote->set_edit_text(pilote);
    window.CB_comm->set_edit_text(".");
    click(window.B_enregistrer);
  }
  void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  void press(QPushButton* b) { click(b); }
  void click_line(SortedList* lb, int numero, bool twice = false) {
    const int row = row_of(lb, numero);
    ASSERT_GE(row, 0) << "no line [" << numero << "] in " << lb->objectName().toStdString();
    const QPoint centre = lb->visualItemRect(lb->item(row)).center();
    if (twice) QTest::mouseDClick(lb->viewport(), Qt::LeftButton, {}, centre);
    else QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, centre);
  }
  void start(int numero) {
    click_line(window.LB_liste, numero);
    click(window.B_debut_vol);
  }
  void queue(int numero) {
    click_line(window.LB_liste, numero);
    click(window.B_attente);
  }
  void minute_at(int heure, int minute) {
    fake.clock.time.heure = heure;
    fake.clock.time.minute = minute;
    window.Timer60Timer();
  }
  // The entry lists as the refresh stacks them: one under the other, the
  // registered list down to the captions below it, every line of the two
  // upper lists in sight.
  void expect_stacked() {
    const TF_qx& w = window;
    EXPECT_EQ(w.LB_attente->y(), w.LB_actives->geometry().bottom() + 2);
    EXPECT_EQ(w.LB_liste->y(), w.LB_attente->geometry().bottom() + 2);
    EXPECT_EQ(w.LB_liste->geometry().bottom() + 2, w.Label1->y());
    for (const SortedList* lb : {w.LB_actives, w.LB_attente}) {
      const QRect last = lb->visualItemRect(lb->item(lb->line_count() - 1));  // empty for no line
      EXPECT_LT(last.bottom(), lb->viewport()->height()) << lb->objectName().toStdString();
    }
  }
};

}  // namespace qx30::testing
