#pragma once
// The window as the operator finds it during a session, for the tests that
// work it through its controls: in a temporary working folder (nothing lands
// in the checkout), automatic save off, shown, the clock label set by one
// tick (05/12/2026 14:07), boxes answered by `Boxes`.

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "list_lines.h"
#include "window/tf_qx.h"

namespace qx30::testing {

template <class Boxes = ScriptedDialogs>
struct WindowAtWork : ::testing::Test {
  QTemporaryDir dir;
  QString previous_dir = QDir::currentPath();
  FakePlatform fake;
  Boxes dialogs;
  TF_qx window{Platform{dialogs, fake.clock, fake.launcher, fake.printer}};

  // Opens the session with these frequencies in the frequency list.
  void open_with(const QStringList& frequencies) {
    ASSERT_TRUE(dir.isValid());
    QDir::setCurrent(dir.path());
    window.case_save->setChecked(false);
    window.CB_freq->load_items(frequencies);
    window.show();
    window.Timer60Timer();
  }
  void TearDown() override { QDir::setCurrent(previous_dir); }

  void register_entry(const QString& freq, const QString& pilote) {
    window.CB_freq->choose(window.CB_freq->findText(freq));
    window.CB_pilote->set_edit_text(pilote);
    window.CB_comm->set_edit_text(".");
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  }
  void click_line(SortedList* lb, int numero, bool twice = false) {
    const int row = row_of(lb, numero);
    ASSERT_GE(row, 0) << "no line [" << numero << "]";
    const QPoint centre = lb->visualItemRect(lb->item(row)).center();
    if (twice) QTest::mouseDClick(lb->viewport(), Qt::LeftButton, {}, centre);
    else QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, centre);
  }
  void press(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  void start(int numero) {
    click_line(window.LB_liste, numero);
    press(window.B_debut_vol);
  }
  void queue(int numero) {
    click_line(window.LB_liste, numero);
    press(window.B_attente);
  }
  void minute_at(int heure, int minute) {
    fake.clock.time.heure = heure;
    fake.clock.time.minute = minute;
    window.Timer60Timer();
  }
};

}  // namespace qx30::testing
