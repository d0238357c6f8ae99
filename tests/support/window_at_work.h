#pragma once
// The window in a working folder of its own, the clock at 05/12/2026
// 14:07:30, boxes answered by `Boxes`.

#include <QTest>
#include <gtest/gtest.h>

#include "support/fake_platform.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }

namespace qx30::testing {

template <class Boxes = ScriptedDialogs>
struct WindowAtWork : ::testing::Test {
  WorkingFolder folder;
  FakePlatform<Boxes> fake;
  Boxes& dialogs = fake.dialogs;  // the one set of boxes
  TF_qx window{fake.platform()};
  Controls ui{window};

  // Opens the session with these frequencies, automatic save off.
  void open_with(const QStringList& frequencies) {
    ui.case_save->setChecked(false);
    ui.CB_freq->load_items(frequencies);
    window.show();
    window.Timer60Timer();
  }
  // Starts the program as the operator does, from its files; no parameters
  // file without `parametres`.
  void start_up(const std::optional<QByteArray>& parametres = couleurs_du_layout) {
    write_file("frequences.txt", "35010\r\n72130\r\n");
    write_file("pilotes.txt", "Vert\r\nbleu\r\n");
    write_file("commentaires.txt", "planeur\r\n");
    if (parametres) write_file("parametres.ini", *parametres);
    window.principale();
    window.show();
  }
  // The minute timer's tick, a minute after the last one.
  void tick() {
    fake.clock.steady += 60000;
    window.Timer60Timer();
  }
  void register_entry(const QString& freq, const QString& pilote) {
    ui.CB_freq->choose(ui.CB_freq->findText(freq));
    ui.CB_pilote->set_edit_text(pilote);
    ui.CB_comm->set_edit_text(".");
    click(ui.button("B_enregistrer"));
  }
  void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  void click_line(SortedList* lb, int numero, bool twice = false) {
    const int row = row_of(lb, numero);
    ASSERT_GE(row, 0) << "no line [" << numero << "] in " << lb->objectName().toStdString();
    const QPoint centre = lb->visualItemRect(lb->item(row)).center();
    if (twice) QTest::mouseDClick(lb->viewport(), Qt::LeftButton, {}, centre);
    else QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, centre);
  }
  void start(int numero) {
    click_line(ui.LB_liste, numero);
    click(ui.button("B_debut_vol"));
  }
};

}  // namespace qx30::testing
