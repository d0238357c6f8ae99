// Registering, deleting and resetting the counters.
#include "register/registration.h"

#include <gtest/gtest.h>

#include "common/str_to_int.h"
#include "support/fake_desk.h"

namespace qx30 {
namespace {

using testing::FakeDesk;

Saisie saisie(const char* freq, const char* pilote = "X") { return {std::string(freq), pilote, "."}; }

TEST(Enregistrer, FillsTheLowestFreeSlotAndRefusalsLeaveTheTable) {
  t_fiches fiches;
  FakeDesk desk;
  EXPECT_EQ(enregistrer(fiches, desk, {std::nullopt, "X", "."}), Enregistrement::sans_frequence);
  EXPECT_THROW(enregistrer(fiches, desk, saisie("35.010")), ConvertError);
  // The number is set after the frequency: a failed reading leaves no
  // numbered slot to be written to the session files.
  EXPECT_EQ(fiches[1].numero + fiches[1].freq, 0);
  EXPECT_EQ(enregistrer(fiches, desk, {"35010", "ROUGE equipe", "Extra [2]"}), Enregistrement::enregistre);
  EXPECT_EQ(fiches[1], (t_fiche{"L", 0, 0, 35010, true, "35010_ROUGE equipe_Extra 2_", 1, "", 0}));
  for (int i = 2; i <= 5; ++i) enregistrer(fiches, desk, saisie("41000"));
  // A deleted slot is reused, whatever it held before.
  fiches[3] = {"L", 4, 2, 0, false, "", 3, "09:00", 1};
  enregistrer(fiches, desk, saisie("72130", "Vert"));
  EXPECT_EQ(fiches[3], (t_fiche{"L", 0, 0, 72130, true, "72130_Vert_._", 3, "", 0}));
  EXPECT_EQ(fiches[6].numero, 0);
  EXPECT_EQ(desk.evenements.back(), (t_evenement{Evenement::enregistrement, 3, 72130, "72130_Vert_._", ""}));
  for (int i = 6; i <= 998; ++i) enregistrer(fiches, desk, saisie("35010"));
  EXPECT_EQ(enregistrer(fiches, desk, saisie("35020")), Enregistrement::table_pleine);
  EXPECT_EQ(fiches[999], t_fiche{});
  EXPECT_EQ(desk.views.size(), 999u);
  EXPECT_EQ(desk.evenements.size(), 999u);  // the refusals journal nothing
  EXPECT_EQ(desk.messages, (std::vector<std::string>{"COIN! Choisissez une fr\xE9quence ",
                                                     "COIN! limite de capacit\xE9 atteinte, plus de 998 enregistr\xE9s"}));
}

TEST(Supprimer, AfterYesAndOnlyWithoutFlightMinutes) {
  t_fiches fiches;
  FakeDesk desk;
  fiches[1] = {"L", 0, 0, 35010, true, "35010_Rouge_._", 1, "", 0};
  fiches[2] = {"L", 0, 0, 41000, true, "41000_X_._", 2, "", 0};
  supprimer(fiches, desk);  // nothing selected
  const std::string ligne1 = "35010_Rouge_._[1]c000e000";
  desk.selection[Liste::liste] = ligne1;
  desk.answers = {false};
  supprimer(fiches, desk);  // No still refreshes
  EXPECT_EQ(desk.questions, std::vector<std::string>{"Voulez-vous supprimer: " + ligne1 + "?"});
  EXPECT_TRUE(est_presente(fiches[1]));
  fiches[2].cumul_temps = 3;
  desk.selection[Liste::liste] = "41000_X_._[2]c003e000";
  desk.answers = {true};
  supprimer(fiches, desk);  // refused, no refresh
  EXPECT_TRUE(est_presente(fiches[2]));
  desk.answers = {true};
  desk.meanwhile = [&] { desk.selection.erase(Liste::liste); };
  supprimer(fiches, desk);  // the selection went away while the question was open
  const std::string pas_de_choix = "COIN ! veuillez selectionner un enregistr\xE9 dans la liste";
  EXPECT_EQ(desk.messages, (std::vector<std::string>{pas_de_choix, "COIN ! Suppression impossible, il a d\xE9j\xE0 \xE9t\xE9 actif.",
                                                     pas_de_choix}));
  EXPECT_EQ(desk.views.size(), 1u);
  // Flown less than a tick: deletable. The line is read again after the answer.
  fiches[1].nbre_evolutions = 1, fiches[1].heure_debut = "10:00";
  desk.selection[Liste::liste] = "41000_X_._[2]c003e000";
  desk.meanwhile = [&] { desk.selection[Liste::liste] = ligne1; };
  desk.answers = {true};
  supprimer(fiches, desk);
  EXPECT_EQ(fiches[1], (t_fiche{"L", 0, 0, 0, false, "", 1, "10:00", 0}));
  EXPECT_TRUE(est_presente(fiches[2]));
  EXPECT_EQ(desk.views.size(), 2u);
  EXPECT_EQ(desk.evenements, (std::vector<t_evenement>{{Evenement::suppression, 1, 35010, "35010_Rouge_._", ""}}));
}

TEST(RemiseAZero, KeepsOnlyTheFlightUnderWay) {
  t_fiches fiches;
  fiches[1] = {"V", 7, 30, 41000, true, "a", 1, "14:00", 4};
  fiches[2] = {"L", 0, 12, 41010, true, "b", 2, "", 2};
  fiches[3] = {"A", 5, 6, 41020, true, "c", 3, "14:02", 3};
  fiches[999] = {"V", 2, 9, 41030, true, "d", 999, "14:03", 5};
  fiches[4] = {"V", 3, 8, 0, true, "", 0, "", 2};  // not present: reset all the same
  FakeDesk desk;
  desk.answers = {false, true};
  remise_a_zero(fiches, desk);
  EXPECT_EQ(fiches[1].cumul_temps, 30);
  EXPECT_EQ(desk.views.size(), 0u);
  remise_a_zero(fiches, desk);
  EXPECT_EQ(desk.views.size(), 1u);
  EXPECT_EQ(desk.questions[1], "Voulez-vous mettre \xE0 z\xE9ro tous les compteurs de temps et d'\xE9volutions ?");
  EXPECT_EQ(desk.evenements, std::vector<t_evenement>{evenement_seul(Evenement::raz_compteurs)});
  const std::array<std::array<int, 4>, 5> attendu = {{{1, 7, 7, 1}, {2, 0, 0, 0}, {3, 5, 0, 0}, {999, 2, 2, 1}, {4, 3, 3, 1}}};
  for (const auto& [i, temps, cumul, evol] : attendu) {
    EXPECT_EQ(fiches[i].temps_vol, temps) << i;
    EXPECT_EQ(fiches[i].cumul_temps, cumul) << i;
    EXPECT_EQ(fiches[i].nbre_evolutions, evol) << i;
  }
}

}  // namespace
}  // namespace qx30
