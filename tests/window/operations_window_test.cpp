// The operator's controls reach their handlers and the window shows the
// outcome: buttons and double-clicks move the selected entry between the
// lists and the counts follow; the limit fields and option boxes refresh; a
// tick leaves the registered list alone and keeps the operator's selections;
// printing asks with the printer's name and prints on Yes only.

#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::row_of;

struct OperationsWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"26000", "35010", "41000", "50000", "41020", "41030"}); }
  void type_over(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  void expect_counted(const Caption* label, int count) {
    EXPECT_TRUE(label->text().startsWith(QString::number(count) + ' ')) << label->text().toStdString();
  }
};

TEST_F(OperationsWindow, ButtonsAndDoubleClicksMoveTheSelectedEntry) {
  for (const char* f : {"26000", "35010", "41000", "50000"}) register_entry(f, "p");
  register_entry("50000", "avion");  // sorts before "Bleu" though "B" comes before "a"
  register_entry("50000", "Bleu");
  EXPECT_EQ(window.CB_freq->chosen(), -1);
  EXPECT_LT(row_of(window.LB_liste, 5), row_of(window.LB_liste, 6));
  using List = SortedList* TF_qx::*;
  const List L = &TF_qx::LB_liste, A = &TF_qx::LB_attente, V = &TF_qx::LB_actives;
  const struct {
    const char* control;  // a button, or the list double-clicked
    List from;
    int numero;
    List to;  // none: the entry is gone
  } moves[] = {{"B_attente", L, 1, A},  {"B_retirer_attente", A, 1, L}, {"B_debut_vol", L, 1, V},
               {"LB_liste", L, 2, V},   {"B_attente", L, 3, A},         {"B_fin_attente", A, 3, V},
               {"B_fin_vol", V, 1, L},  {"LB_actives", V, 2, L},        {"B_attente", L, 4, A},
               {"LB_attente", A, 4, V}, {"B_supprimer", L, 6, nullptr}};
  for (const auto& m : moves) {
    SCOPED_TRACE(std::string(m.control) + " [" + std::to_string(m.numero) + "]");
    dialogs.answers = {true};
    auto* button = window.findChild<QPushButton*>(m.control);
    click_line(window.*m.from, m.numero, !button);
    if (button) click(button);
    EXPECT_EQ(row_of(window.*m.from, m.numero), -1);
    EXPECT_TRUE(m.to ? row_of(window.*m.to, m.numero) >= 0 : !est_presente(window.fiches[m.numero]));
    EXPECT_EQ(window.LB_noire->line_count() > 0, window.LB_actives->line_count() > 0);
    const int attente = window.LB_attente->line_count(), actives = window.LB_actives->line_count();
    expect_counted(window.Label_liste, window.LB_liste->line_count() + attente + actives);
    expect_counted(window.Label_attente, attente);
    expect_counted(window.Label_actives, actives);
    expect_counted(window.Label_noire, window.LB_noire->line_count());
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
  dialogs.answers = {true};
  click(window.B_raz);
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
  const int all = window.LB_noire->line_count();
  const auto shown = [&](const char* kind) { return !window.LB_noire->findItems(kind, Qt::MatchContains).isEmpty(); };
  for (auto [box, kind] : {std::pair{window.case_intermodulation, "intermod"}, {window.case_freq_image, "image"}}) {
    ASSERT_TRUE(shown(kind));
    click(box);
    EXPECT_FALSE(shown(kind)) << kind;
    expect_counted(window.Label_noire, window.LB_noire->line_count());
    click(box);
    EXPECT_EQ(window.LB_noire->line_count(), all);
  }
  // The 20 kHz spacing shows in the check of the registered 41030.
  ASSERT_TRUE(line_with(window.LB_liste, 3).contains("-("));
  click(window.case_ecart20);
  EXPECT_FALSE(line_with(window.LB_liste, 3).contains("-("));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(OperationsWindow, ATickKeepsTheOperatorsSelections) {
  fake.clock.time.minute = 8;
  QMetaObject::invokeMethod(window.Timer60, "timeout");
  EXPECT_EQ(window.Label_heure->text(), "05/12/2026 14:08");
  for (const char* f : {"26000", "35010", "41000", "50000"}) register_entry(f, "p");
  start(1);
  start(2);
  queue(3);
  click_line(window.LB_liste, 4);
  click_line(window.LB_actives, 2);
  click_line(window.LB_attente, 3);
  const QListWidgetItem* registered = window.LB_liste->item(0);
  const QString before = line_with(window.LB_actives, 2);

  minute_at(14, 10);
  EXPECT_EQ(window.LB_liste->item(0), registered);  // not rebuilt
  EXPECT_EQ(window.LB_liste->selected(), row_of(window.LB_liste, 4));
  EXPECT_NE(line_with(window.LB_actives, 2), before);  // rebuilt with the minute
  EXPECT_EQ(window.LB_actives->selected(), row_of(window.LB_actives, 2));
  EXPECT_EQ(window.LB_attente->selected(), row_of(window.LB_attente, 3));
  click(window.B_fin_attente);  // the kept selection is the one acted on
  EXPECT_GE(row_of(window.LB_actives, 3), 0);
  EXPECT_NE(window.LB_liste->item(0), registered);
}

TEST_F(OperationsWindow, AsksWithThePrinterNameAndPrintsOnYesOnly) {
  register_entry("35010", "Vert");
  click(window.B_imprimer);
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].contains(" Bureau ")) << dialogs.questions[0].toStdString();
  EXPECT_TRUE(fake.printer.drawn.empty());
  dialogs.answers = {true};
  click(window.B_imprimer);
  ASSERT_FALSE(fake.printer.drawn.empty());
  // The heading carries the clock and the count as the window shows them.
  EXPECT_NE(fake.printer.drawn[0].find("05/12/2026 14:07   1 enregistr"), std::string::npos) << fake.printer.drawn[0];
  fake.printer.name.reset();
  click(window.B_imprimer);
  EXPECT_EQ(dialogs.errors, QStringList{"There is no default printer currently selected."});
  EXPECT_EQ(dialogs.questions.size(), 2);
}

}  // namespace
}  // namespace qx30
