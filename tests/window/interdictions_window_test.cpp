// The interdiction list of the real window, offscreen: its lines and count,
// the three option boxes clicked by the operator, and starts checked against
// it through the buttons.

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

// 41000 and 41020 in flight, all three options checked.
const QStringList both_in_flight = {
    "40090 est_freq_image_de_41000",
    "40110 est_freq_image_de_41020",
    "40555 intermod_inf_41000=freq_img_de_41020",
    "40980 intermod_inf_41020_41000",
    u8("41000 déjà_active_41000"),
    "41010 sera_intermod_41020_41000",
    u8("41020 déjà_active_41020"),
    "41040 intermod_sup_41020_41000",
    "41890 freq_img=intermod_inf_41020_41000",
    "41910 sera_freq_image_de_41000",
    "41930 sera_freq_image_de_41020",
    "41950 freq_img=intermod_sup_41020_41000",
    "41950 intermod_sup_41020=freq_img_de_41000",
};

struct InterdictionsWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"41000", "41020", "41010", "41030", "41046", "41047", "40985", "41008"}); }

  // Registers the frequencies in this order: entry n holds the n-th.
  void register_all(const QStringList& freqs) {
    for (const QString& f : freqs) register_entry(f, "p");
  }
  void end_flight(int numero) {
    click_line(window.LB_actives, numero);
    dialogs.answers = {true};
    press(window.B_fin_vol);
  }
  void click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center()); }
  QString line_in_liste(int numero) const { return line_with(window.LB_liste, numero); }
};

TEST_F(InterdictionsWindow, TheListFollowsTheFlightsAndTheOptionBoxes) {
  window.affichage();
  EXPECT_EQ(window.LB_noire->line_count(), 0);
  EXPECT_EQ(window.Label_noire->text(), "0 interdiction(s).");

  register_all({"41000", "41020", "41030"});
  start(1);
  start(2);
  EXPECT_EQ(lines_of(window.LB_noire), both_in_flight);
  EXPECT_EQ(window.Label_noire->text(), "13 interdiction(s).");
  EXPECT_EQ(line_in_liste(3), u8("41030_p_._[3]c000e000-(déjà_active_41020 )"));

  // Without intermodulation: the single-frequency lines only.
  click(window.case_intermodulation);
  ASSERT_FALSE(window.case_intermodulation->isChecked());
  EXPECT_EQ(lines_of(window.LB_noire),
            (QStringList{"40090 est_freq_image_de_41000", "40110 est_freq_image_de_41020", u8("41000 déjà_active_41000"),
                         u8("41020 déjà_active_41020"), "41910 sera_freq_image_de_41000",
                         "41930 sera_freq_image_de_41020"}));
  EXPECT_EQ(window.Label_noire->text(), "6 interdiction(s).");
  click(window.case_intermodulation);
  EXPECT_EQ(lines_of(window.LB_noire), both_in_flight);

  // Without image frequencies: no image line of either kind.
  click(window.case_freq_image);
  ASSERT_FALSE(window.case_freq_image->isChecked());
  EXPECT_EQ(lines_of(window.LB_noire),
            (QStringList{"40980 intermod_inf_41020_41000", u8("41000 déjà_active_41000"),
                         "41010 sera_intermod_41020_41000", u8("41020 déjà_active_41020"),
                         "41040 intermod_sup_41020_41000"}));
  EXPECT_EQ(window.Label_noire->text(), "5 interdiction(s).");
  click(window.case_freq_image);
  EXPECT_EQ(window.Label_noire->text(), "13 interdiction(s).");

  // The 20 kHz spacing changes no line of the list, only the check, which
  // the click's refresh runs again: 41030 is 10 from 41020, clear at 6.
  click(window.case_ecart20);
  ASSERT_FALSE(window.case_ecart20->isChecked());
  EXPECT_EQ(lines_of(window.LB_noire), both_in_flight);
  EXPECT_EQ(line_in_liste(3), "41030_p_._[3]c000e000");
  click(window.case_ecart20);
  EXPECT_EQ(line_in_liste(3), u8("41030_p_._[3]c000e000-(déjà_active_41020 )"));

  // The list follows the end of a flight.
  end_flight(1);
  EXPECT_EQ(lines_of(window.LB_noire),
            (QStringList{"40110 est_freq_image_de_41020", u8("41020 déjà_active_41020"),
                         "41930 sera_freq_image_de_41020"}));
  EXPECT_EQ(window.Label_noire->text(), "3 interdiction(s).");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(InterdictionsWindow, StartsCheckedAgainstTwoFlights) {
  register_all({"41000", "41020", "41010", "41030", "41046", "41047", "40985"});
  start(1);
  start(2);
  ASSERT_EQ(window.LB_actives->line_count(), 2);
  ASSERT_TRUE(dialogs.messages.isEmpty());

  // 20 kHz spacing checked.
  for (int n : {3, 4, 5, 7}) start(n);
  EXPECT_EQ(dialogs.messages,
            (QStringList{u8("COIN ! 41010 interdite : -(déjà_active_41000 )-(déjà_active_41020 )"
                            "-(sera_intermod_41020_41000 )"),
                         u8("COIN ! 41030 interdite : -(déjà_active_41020 )"),
                         u8("COIN ! 41046 interdite : -(intermod_sup_41020_41000 )"),
                         u8("COIN ! 40985 interdite : -(intermod_inf_41020_41000 )")}));
  for (int n : {3, 4, 5, 7}) EXPECT_EQ(window.fiches[n].etat, "L") << n;
  EXPECT_EQ(window.LB_actives->line_count(), 2);

  // 41047 goes; ending its flight puts the list back as it was.
  dialogs.messages.clear();
  start(6);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(window.fiches[6].etat, "V");
  end_flight(6);
  EXPECT_EQ(lines_of(window.LB_noire), both_in_flight);

  // Unchecked: 6 kHz around the frequencies in flight.
  click(window.case_ecart20);
  for (int n : {3, 5, 7}) start(n);
  EXPECT_EQ(dialogs.messages,
            (QStringList{u8("COIN ! 41010 interdite : -(sera_intermod_41020_41000 )"),
                         u8("COIN ! 41046 interdite : -(intermod_sup_41020_41000 )"),
                         u8("COIN ! 40985 interdite : -(intermod_inf_41020_41000 )")}));
  start(4);
  EXPECT_EQ(dialogs.messages.size(), 3);
  EXPECT_EQ(window.fiches[4].etat, "V");
  EXPECT_EQ(window.LB_actives->line_count(), 3);
}

TEST_F(InterdictionsWindow, AStartThatPutsTwoFlightsInConflictRaisesTheWarning) {
  click(window.case_ecart20);
  register_all({"41000", "41008"});
  start(1);
  start(2);  // 8 kHz away: more than 6
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // The midpoint 41004 forbids 4 on either side, so both flights now hit it.
  EXPECT_EQ(lines_of(window.LB_actives),
            (QStringList{u8("14:07=t000_41000_p_._[1]c000e001-(sera_intermod_41008_41000 )"),
                         u8("14:07=t000_41008_p_._[2]c000e001-(sera_intermod_41008_41000 )")}));
  EXPECT_EQ(window.Label_interdiction->text(), "INTERDICTIONS parmi les actifs !");

  // Checking the 20 kHz spacing again adds each one's own neighbour.
  click(window.case_ecart20);
  EXPECT_EQ(lines_of(window.LB_actives).value(0),
            u8("14:07=t000_41000_p_._[1]c000e001-(déjà_active_41008 )-(sera_intermod_41008_41000 )"));

  end_flight(2);
  EXPECT_EQ(window.Label_interdiction->text(), "");
  EXPECT_EQ(lines_of(window.LB_actives), QStringList{"14:07=t000_41000_p_._[1]c000e001"});
}

}  // namespace
}  // namespace qx30
