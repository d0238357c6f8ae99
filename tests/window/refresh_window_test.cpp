// The refresh of the real window, offscreen: the lines of the three entry
// lists in their order, the count captions, the warnings, and the list
// heights applied to the widgets.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window_at_work.h"
#include "list_lines.h"
#include "qt_print.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::line_with;
using testing::lines_of;
using testing::row_of;
using testing::u8;

struct RefreshWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"26000", "35010", "41000", "50000", "72130", "41005"}); }
  void select(SortedList* lb, int numero) { lb->select(row_of(lb, numero)); }

  // Entry `numero` put straight into the table, as a loaded session would.
  void put(int numero, const char* etat, std::int32_t freq, const char* heure = "") {
    const std::string f = std::to_string(freq);
    window.fiches[numero] = t_fiche{etat, 0, 0, freq, true, f + "_X_._", numero, heure, 0};
  }

  QRect geometry_of(const SortedList* lb) const { return lb->geometry(); }
};

TEST_F(RefreshWindow, LinesInTheirListsSortedWithoutRegardToCase) {
  register_entry("35010", "bleu");
  register_entry("35010", "Vert");
  register_entry("35010", "avion");
  register_entry("26000", "Zoe");
  // Case ignored: "avion" < "bleu" < "Vert", though "V" sorts before "a" by code.
  EXPECT_EQ(lines_of(window.LB_liste),
            (QStringList{"26000_Zoe_._[4]c000e000", "35010_avion_._[3]c000e000", "35010_bleu_._[1]c000e000",
                         "35010_Vert_._[2]c000e000"}));

  // Waiting and flying lines sort by the time they entered their state.
  queue(1);
  minute_at(14, 8);
  queue(4);
  minute_at(14, 9);
  EXPECT_EQ(lines_of(window.LB_attente),
            (QStringList{"14:07=t002_35010_bleu_._[1]c000e000", "14:08=t001_26000_Zoe_._[4]c000e000"}));

  // A whole line as the window shows it, the counters in their templates.
  window.fiches[3] = t_fiche{"V", 7, 12, 35010, true, "35010_ROUGE equipe_Extra_", 3, "14:05", 2};
  window.fiches[2].cumul_temps = 1000;
  window.fiches[2].nbre_evolutions = 42;
  window.affichage();
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:05=t007_35010_ROUGE equipe_Extra_[3]c012e002"});
  EXPECT_EQ(lines_of(window.LB_liste), QStringList{"35010_Vert_._[2]1000e042"});

  // A deleted slot keeps its number but is not shown nor counted.
  window.fiches[2].freq = 0;
  window.affichage();
  EXPECT_EQ(window.LB_liste->line_count(), 0);
  EXPECT_EQ(window.Label_liste->text(), u8("3 enregistré(s)."));
}

TEST_F(RefreshWindow, CountCaptionsAndWarnings) {
  window.affichage();
  EXPECT_EQ(window.Label_liste->text(), u8("0 enregistré(s)."));
  EXPECT_EQ(window.Label_attente->text(), "0 en attente.");
  EXPECT_EQ(window.Label_actives->text(), u8("0 en évolution."));
  EXPECT_EQ(window.Label_noire->text(), "0 interdiction(s).");
  EXPECT_EQ(window.Label_depassement->text(), "");
  EXPECT_EQ(window.Label_interdiction->text(), "");
  EXPECT_EQ(window.Label_maxi->text(), "");

  for (const char* f : {"26000", "35010", "41000", "50000", "72130", "26000"}) register_entry(f, "p");
  for (int n : {1, 2, 3, 4}) start(n);
  queue(5);
  EXPECT_EQ(window.Label_liste->text(), u8("6 enregistré(s)."));
  EXPECT_EQ(window.Label_attente->text(), "1 en attente.");
  EXPECT_EQ(window.Label_actives->text(), u8("4 en évolution."));
  EXPECT_EQ(window.Label_noire->text(), "12 interdiction(s).");  // 3 each, no two close enough for a pair
  EXPECT_EQ(window.Label_maxi->text(), "");

  // Ten minutes over a limit of ten is no overrun; eleven is.
  for (int m = 8; m <= 17; ++m) minute_at(14, m);
  EXPECT_EQ(window.fiches[1].temps_vol, 10);
  EXPECT_EQ(window.Label_depassement->text(), "");
  minute_at(14, 18);
  EXPECT_EQ(window.Label_depassement->text(), "DEPASSEMENT TEMPS");
  // A waiting entry over the limit raises nothing: only flights run over.
  EXPECT_EQ(window.fiches[5].temps_vol, 11);

  // The fifth in flight reaches the maximum of 5.
  select(window.LB_attente, 5);
  press(window.B_fin_attente);
  EXPECT_EQ(window.Label_maxi->text(), "MAXIMUM ATTEINT");
  EXPECT_EQ(window.Label_actives->text(), u8("5 en évolution."));
  EXPECT_EQ(window.Label_depassement->text(), "DEPASSEMENT TEMPS");

  // Entry 6 shares 26000 with entry 1 in flight: refused, its reasons at the
  // end of its line, but a registered entry raises no warning.
  EXPECT_EQ(line_with(window.LB_liste, 6),
            u8("26000_p_._[6]c000e000-(déjà_active_26000 )"));
  EXPECT_EQ(window.Label_interdiction->text(), "");

  // Ending the flights over time takes the warning away.
  dialogs.answers = {true, true, true, true};
  for (int n : {1, 2, 3, 4}) {
    select(window.LB_actives, n);
    press(window.B_fin_vol);
  }
  EXPECT_EQ(window.Label_depassement->text(), "");
  EXPECT_EQ(window.Label_maxi->text(), "");
  EXPECT_EQ(window.Label_liste->text(), u8("6 enregistré(s)."));
  EXPECT_EQ(window.Label_actives->text(), u8("1 en évolution."));

  // Two in flight on one frequency (as a loaded session may have) do not
  // flag each other; an entry in flight 5 kHz off one of them is flagged.
  put(7, "V", 72130, "14:00");
  window.noire();
  EXPECT_EQ(window.Label_interdiction->text(), "");
  put(8, "V", 72135, "14:00");
  window.noire();
  EXPECT_EQ(window.Label_interdiction->text(), "INTERDICTIONS parmi les actifs !");
  EXPECT_EQ(line_with(window.LB_actives, 8),
            u8("14:00=t000_72135_X_._[8]c000e000-(déjà_active_72130 )-(déjà_active_72130 )"));
}

TEST_F(RefreshWindow, ListHeightsFollowTheirLines) {
  ASSERT_EQ(window.Label1->y(), 456);
  ASSERT_EQ(window.LB_actives->row_height(), 13);
  ASSERT_EQ(window.LB_attente->row_height(), 13);
  ASSERT_EQ(window.LB_liste->row_height(), 13);

  // Empty: one row and a half each, the registered list down to Label1.
  window.affichage();
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 19));
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, 52, 497, 19));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 72, 496, 383));

  // Two in flight and four waiting.
  for (const char* f : {"26000", "35010", "41000", "50000", "72130", "26000"}) register_entry(f, "p");
  start(1);
  start(2);
  for (int n : {3, 4, 5, 6}) queue(n);
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 32));
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, 65, 497, 58));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 124, 496, 331));

  // The rows fit the heights worked out for them: every line of the upper
  // lists is inside its viewport.
  for (const SortedList* lb : {window.LB_actives, window.LB_attente}) {
    ASSERT_GT(lb->line_count(), 0);
    const QRect last = lb->visualItemRect(lb->item(lb->line_count() - 1));
    EXPECT_EQ(last.height(), 13) << lb->objectName().toStdString();
    EXPECT_LE(last.bottom(), lb->viewport()->height() - 1) << lb->objectName().toStdString();
  }

  // A taller window moves Label1 down; the registered list reaches it again.
  window.resize(792, 633);
  QCoreApplication::processEvents();
  ASSERT_EQ(window.Label1->y(), 556);
  window.affichage();
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 32));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 124, 496, 431));
}

TEST_F(RefreshWindow, LinesWiderThanTheListHideNoRow) {
  // Three close flights, each refused by the others, and a waiting entry
  // among them: long lines with their reasons.
  for (int n = 1; n <= 3; ++n) {
    put(n, "V", 41000 + 8 * (n - 1), "14:07");
    window.fiches[n].libelle = std::to_string(41000 + 8 * (n - 1)) + "_un pilote au nom long_commentair_";
  }
  put(4, "A", 41004, "14:07");
  window.fiches[4].libelle = "41004_un pilote au nom long_commentair_";
  put(5, "L", 41012);
  window.fiches[5].libelle = "41012_un pilote au nom long_commentair_";
  window.noire();
  QCoreApplication::processEvents();  // the lists lay out their rows
  ASSERT_EQ(window.LB_actives->height(), 3 * 13 + 6);
  ASSERT_EQ(window.LB_attente->height(), 19);

  // Each row fits the height worked out for it, so every line stays in
  // sight: a horizontal scroll bar would cover the last rows (all of the
  // only one in a list 19 pixels high).
  for (const SortedList* lb : {window.LB_actives, window.LB_attente, window.LB_liste}) {
    const QString name = lb->objectName();
    ASSERT_GT(lb->line_count(), 0) << name.toStdString();
    EXPECT_GT(lb->fontMetrics().horizontalAdvance(lb->item(0)->text()), lb->viewport()->width())
        << name.toStdString() << ": the line is meant to be wider than the list";
    const QRect last = lb->visualItemRect(lb->item(lb->line_count() - 1));
    EXPECT_LE(last.bottom(), lb->viewport()->height() - 1) << name.toStdString();
  }
}

TEST_F(RefreshWindow, ALongQueueGivesUpRowsUntilTheRegisteredListHasTwo) {
  for (int n = 1; n <= 30; ++n) put(n, "A", 26000 + 100 * n, "14:00");
  window.affichage();
  // Queue shrinks row by row to 28 rows (28 * 13 + 6 = 370): 52 + 370 + 1 = 423,
  // and 423 + 2 * 13 = 449 is not below 456.
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 19));
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, 52, 497, 370));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 423, 496, 32));

  // Both long: the queue goes down to three rows, then the flights give up rows.
  for (int n = 31; n <= 60; ++n) put(n, "V", 26000 + 100 * n, "14:00");
  window.affichage();
  // Queue 3 rows: 45 high. Flights r rows: 13r + 6; top of the registered
  // list 32 + 13r + 6 + 1 + 45 + 1 = 85 + 13r, and 85 + 13r + 26 <= 456
  // gives r = 26: flights 344 high, queue at 377, registered list at 423.
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 344));
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, 377, 497, 45));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 423, 496, 32));

  // A larger font in the queue gives larger rows, and its height follows:
  // 16-pixel rows with three waiting entries after the others left.
  for (int n = 4; n <= 60; ++n) window.fiches[n].freq = 0;
  QFont big = window.LB_attente->font();
  big.setPixelSize(big.pixelSize() + 4);
  window.LB_attente->setFont(big);
  const int h = window.LB_attente->row_height();
  ASSERT_GT(h, 13);
  window.affichage();
  const int r = (h / 2) + ((h % 2 == 1 && (h / 2) % 2 == 1) ? 1 : 0);  // h / 2, a half to the even neighbour
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, 52, 497, 3 * h + r));
  EXPECT_EQ(window.LB_liste->geometry().top(), 52 + 3 * h + r + 1);
  ASSERT_EQ(window.LB_attente->line_count(), 3);
  const QRect last = window.LB_attente->visualItemRect(window.LB_attente->item(2));
  EXPECT_EQ(last.height(), h);
}

}  // namespace
}  // namespace qx30
