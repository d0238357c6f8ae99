// The operator's controls reach their handlers and the window shows the
// outcome: buttons and double-clicks move the selected entry between the
// lists, the limit fields and option boxes refresh, the counts follow, and a
// runtime error reaches the error box.

#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::row_of;
using List = SortedList* TF_qx::*;

struct Move {
  const char* control;  // a button, or the list double-clicked
  List from;
  int numero;
  List to;  // none: the entry is gone
};

struct OperationsWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"26000", "35010", "41000", "50000", "41020", "41030"}); }
  void type_over(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  void expect_counts() {
    const auto n = [](const SortedList* lb) { return lb->line_count(); };
    const auto& w = window;
    const int present = n(w.LB_liste) + n(w.LB_attente) + n(w.LB_actives);
    for (auto [label, count] : {std::pair{w.Label_liste, present}, {w.Label_attente, n(w.LB_attente)},
                                {w.Label_actives, n(w.LB_actives)}, {w.Label_noire, n(w.LB_noire)}})
      EXPECT_TRUE(label->text().startsWith(QString::number(count) + ' ')) << label->text().toStdString();
  }
};

TEST_F(OperationsWindow, ButtonsAndDoubleClicksMoveTheSelectedEntry) {
  for (const char* f : {"26000", "35010", "41000", "50000"}) register_entry(f, "p");
  register_entry("50000", "avion");  // sorts before "Bleu" though "B" comes before "a"
  register_entry("50000", "Bleu");
  EXPECT_EQ(window.CB_freq->chosen(), -1);
  EXPECT_LT(row_of(window.LB_liste, 5), row_of(window.LB_liste, 6));
  const Move moves[] = {
      {"B_attente", &TF_qx::LB_liste, 1, &TF_qx::LB_attente},
      {"B_retirer_attente", &TF_qx::LB_attente, 1, &TF_qx::LB_liste},
      {"B_debut_vol", &TF_qx::LB_liste, 1, &TF_qx::LB_actives},
      {"LB_liste", &TF_qx::LB_liste, 2, &TF_qx::LB_actives},
      {"B_attente", &TF_qx::LB_liste, 3, &TF_qx::LB_attente},
      {"B_fin_attente", &TF_qx::LB_attente, 3, &TF_qx::LB_actives},
      {"B_fin_vol", &TF_qx::LB_actives, 1, &TF_qx::LB_liste},
      {"LB_actives", &TF_qx::LB_actives, 2, &TF_qx::LB_liste},
      {"B_attente", &TF_qx::LB_liste, 4, &TF_qx::LB_attente},
      {"LB_attente", &TF_qx::LB_attente, 4, &TF_qx::LB_actives},
      {"B_supprimer", &TF_qx::LB_liste, 6, nullptr},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(std::string(m.control) + " [" + std::to_string(m.numero) + "]");
    dialogs.answers = {true};
    auto* button = window.findChild<QPushButton*>(m.control);
    click_line(window.*m.from, m.numero, !button);
    if (button) press(button);
    EXPECT_EQ(row_of(window.*m.from, m.numero), -1);
    if (m.to) EXPECT_GE(row_of(window.*m.to, m.numero), 0);
    else EXPECT_FALSE(est_presente(window.fiches[m.numero]));
    EXPECT_EQ(window.LB_noire->line_count() > 0, window.LB_actives->line_count() > 0);
    expect_counts();
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
  dialogs.answers = {true};
  press(window.B_raz);
  EXPECT_EQ(window.fiches[1].nbre_evolutions, 0);
  expect_stacked();
}

TEST_F(OperationsWindow, LimitFieldsAndOptionBoxesRefreshTheWindow) {
  for (const char* f : {"41000", "41020", "41030"}) register_entry(f, "p");
  start(1);
  start(2);
  type_over(window.E_nbre_max, "2");
  EXPECT_FALSE(window.Label_maxi->text().isEmpty());
  type_over(window.E_nbre_max, "0");  // corrected under the operator's keys, and refreshed
  EXPECT_EQ(window.E_nbre_max->text(), "5");
  EXPECT_TRUE(window.Label_maxi->text().isEmpty());
  minute_at(14, 8);
  minute_at(14, 9);
  type_over(window.E_temps_max, "1");
  EXPECT_FALSE(window.Label_depassement->text().isEmpty());

  // Each option box rebuilds the interdiction list without its own kind of line.
  const auto noire = [&] { return window.LB_noire->line_count(); };
  const auto shown = [&](const char* kind) { return !window.LB_noire->findItems(kind, Qt::MatchContains).isEmpty(); };
  const int all = noire();
  for (auto [box, kind] : {std::pair{window.case_intermodulation, "intermod"}, {window.case_freq_image, "image"}}) {
    ASSERT_TRUE(shown(kind));
    click(box);
    EXPECT_FALSE(shown(kind)) << kind;
    EXPECT_TRUE(window.Label_noire->text().startsWith(QString::number(noire()) + ' '));
    click(box);
    EXPECT_EQ(noire(), all);
  }
  // The 20 kHz spacing shows in the check of the registered 41030.
  ASSERT_TRUE(line_with(window.LB_liste, 3).contains("-("));
  click(window.case_ecart20);
  EXPECT_FALSE(line_with(window.LB_liste, 3).contains("-("));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(OperationsWindow, ARuntimeErrorEndsTheHandlerInTheErrorBox) {
  window.CB_freq->add_item("35.010");
  register_entry("35.010", "p");
  EXPECT_EQ(dialogs.errors, QStringList{"'35.010' is not a valid integer value."});
  EXPECT_EQ(window.LB_liste->line_count(), 0);
}

}  // namespace
}  // namespace qx30
