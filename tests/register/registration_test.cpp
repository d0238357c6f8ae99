#include "register/registration.h"

#include <gtest/gtest.h>

#include "fake_desk.h"
#include "register/cp1252.h"
#include "register/str_to_int.h"

namespace qx30 {
namespace {

using testing::FakeDesk;

Saisie saisie(const char* freq, const char* pilote = "X", const char* comm = ".") {
  return Saisie{std::string(freq), pilote, comm};
}

TEST(Enregistrer, FillsTheLowestFreeSlotAsARegisteredEntry) {
  t_fiches fiches;
  FakeDesk desk;
  EXPECT_EQ(enregistrer(fiches, desk, saisie("35010", "ROUGE equipe", "Extra [2]")),
            Enregistrement::enregistre);
  t_fiche attendue;
  attendue.etat = "L";
  attendue.autorise = true;
  attendue.freq = 35010;
  attendue.libelle = "35010_ROUGE equipe_Extra 2_";
  attendue.numero = 1;
  EXPECT_EQ(fiches[1], attendue);
  EXPECT_EQ(desk.affichages, 1);
  EXPECT_TRUE(desk.messages.empty());

  // Same inputs again: a second entry of its own.
  enregistrer(fiches, desk, saisie("35010", "ROUGE equipe", "Extra [2]"));
  EXPECT_EQ(fiches[2].numero, 2);
  EXPECT_EQ(fiches[2].libelle, attendue.libelle);
}

TEST(Enregistrer, ReusesTheNumberOfADeletedEntry) {
  t_fiches fiches;
  FakeDesk desk;
  for (int i = 0; i < 5; ++i) enregistrer(fiches, desk, saisie("41000"));
  desk.selection[Liste::liste] = "41000_X_._[3]c000e000";
  desk.reponses = {true};
  supprimer(fiches, desk);
  EXPECT_FALSE(est_presente(fiches[3]));
  EXPECT_EQ(fiches[3].numero, 3);
  EXPECT_EQ(fiches[3].etat, "L");
  enregistrer(fiches, desk, saisie("72130", "Vert"));
  EXPECT_EQ(fiches[3].libelle, "72130_Vert_._");
  EXPECT_EQ(fiches[3].numero, 3);
  EXPECT_EQ(fiches[6].numero, 0);
}

TEST(Enregistrer, RefusesWithoutFrequencyOrRoom) {
  t_fiches fiches;
  FakeDesk desk;
  EXPECT_EQ(enregistrer(fiches, desk, Saisie{std::nullopt, "X", "."}), Enregistrement::sans_frequence);
  ASSERT_EQ(desk.messages.size(), 1u);
  EXPECT_EQ(desk.messages[0], "COIN! Choisissez une fr\xE9quence ");
  EXPECT_FALSE(est_presente(fiches[1]));

  for (int i = 1; i <= 998; ++i) enregistrer(fiches, desk, saisie("35010"));
  const t_fiche avant = fiches[999];
  desk = FakeDesk{};
  EXPECT_EQ(enregistrer(fiches, desk, saisie("35020")), Enregistrement::table_pleine);
  EXPECT_EQ(desk.messages, std::vector<std::string>{
                               "COIN! limite de capacit\xE9 atteinte, plus de 998 enregistr\xE9s"});
  EXPECT_EQ(desk.affichages, 0);
  EXPECT_EQ(fiches[999], avant);

  // One deletion makes room again, under the freed number.
  desk.selection[Liste::liste] = "35010_X_._[640]c000e000";
  desk.reponses = {true};
  supprimer(fiches, desk);
  EXPECT_EQ(enregistrer(fiches, desk, saisie("35020")), Enregistrement::enregistre);
  EXPECT_EQ(fiches[640].freq, 35020);
}

TEST(Enregistrer, AFrequencyThatIsNotANumberAddsNoEntry) {
  t_fiches fiches;
  FakeDesk desk;
  try {
    enregistrer(fiches, desk, saisie("35.010"));
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'35.010' is not a valid integer value");
  }
  EXPECT_FALSE(est_presente(fiches[1]));
  EXPECT_EQ(desk.affichages, 0);
  EXPECT_EQ(place_libre(fiches), 1);
}

struct SupprimerTest : ::testing::Test {
  t_fiches fiches;
  FakeDesk desk;
  void SetUp() override {
    enregistrer(fiches, desk, saisie("35010", "Rouge"));
    desk = FakeDesk{};
    desk.selection[Liste::liste] = "35010_Rouge_._[1]c000e000";
  }
};

TEST_F(SupprimerTest, AsksWithTheLineAndOnlyYesDeletes) {
  desk.reponses = {false};
  supprimer(fiches, desk);
  EXPECT_EQ(desk.questions, std::vector<std::string>{"Voulez-vous supprimer: 35010_Rouge_._[1]c000e000?"});
  EXPECT_TRUE(est_presente(fiches[1]));
  EXPECT_EQ(desk.affichages, 1);  // a "No" still refreshes

  desk.reponses = {true};
  supprimer(fiches, desk);
  EXPECT_EQ(fiches[1].freq, 0);
  EXPECT_EQ(fiches[1].libelle, "");
  EXPECT_FALSE(fiches[1].autorise);
  EXPECT_EQ(desk.affichages, 2);
}

TEST_F(SupprimerTest, NeedsASelectedLine) {
  desk.selection.clear();
  supprimer(fiches, desk);
  EXPECT_EQ(desk.messages,
            std::vector<std::string>{"COIN ! veuillez selectionner un enregistr\xE9 dans la liste"});
  EXPECT_TRUE(desk.questions.empty());
  EXPECT_EQ(desk.affichages, 0);
}

TEST_F(SupprimerTest, ReadsTheLineAgainAfterTheAnswer) {
  enregistrer(fiches, desk, saisie("41000"));
  desk.affichages = 0;
  struct ChangingDesk : FakeDesk {
    std::optional<std::string> ligne_choisie(Liste liste) override {
      // The question shows entry 1; by the answer the selection is entry 2.
      return ++lectures == 1 ? "35010_Rouge_._[1]c000e000" : FakeDesk::ligne_choisie(liste);
    }
    int lectures = 0;
  } changing;
  changing.selection[Liste::liste] = "41000_X_._[2]c000e000";
  changing.reponses = {true};
  supprimer(fiches, changing);
  EXPECT_TRUE(est_presente(fiches[1]));
  EXPECT_FALSE(est_presente(fiches[2]));
}

TEST_F(SupprimerTest, RefusedOnceFlightMinutesAreCountedUntilAReset) {
  fiches[1].nbre_evolutions = 1;  // flew less than a minute tick: may go
  desk.reponses = {true};
  supprimer(fiches, desk);
  EXPECT_FALSE(est_presente(fiches[1]));

  enregistrer(fiches, desk, saisie("35010", "Rouge"));
  fiches[1].cumul_temps = 3;
  desk = FakeDesk{};
  desk.selection[Liste::liste] = "35010_Rouge_._[1]c003e000";
  desk.reponses = {true};
  supprimer(fiches, desk);
  EXPECT_EQ(desk.messages,
            std::vector<std::string>{cp1252(u8"COIN ! Suppression impossible, il a déjà été actif.")});
  EXPECT_TRUE(est_presente(fiches[1]));
  EXPECT_EQ(desk.affichages, 0);

  desk.reponses = {true, true};
  remise_a_zero(fiches, desk);
  supprimer(fiches, desk);
  EXPECT_FALSE(est_presente(fiches[1]));
}

TEST(RemiseAZero, KeepsOnlyTheFlightUnderWay) {
  t_fiches fiches;
  FakeDesk desk;
  auto pose = [&](int i, const char* etat, int temps, int cumul, int evol) {
    fiches[i] = t_fiche{etat, temps, cumul, 35000 + 10 * i, true, "x", i, "", evol};
  };
  pose(1, "V", 7, 30, 4);
  pose(2, "L", 0, 12, 2);
  pose(3, "A", 5, 0, 0);
  fiches[4].etat = "V";  // a slot that is not present is reset as well
  fiches[4].temps_vol = 2;
  fiches[4].cumul_temps = 9;

  desk.reponses = {false};
  remise_a_zero(fiches, desk);
  EXPECT_EQ(fiches[1].cumul_temps, 30);
  EXPECT_EQ(desk.affichages, 0);
  EXPECT_EQ(desk.questions,
            std::vector<std::string>{
                cp1252(u8"Voulez-vous mettre à zéro tous les compteurs de temps et d'évolutions ?")});

  desk.reponses = {true};
  remise_a_zero(fiches, desk);
  EXPECT_EQ(fiches[1].cumul_temps, 7);
  EXPECT_EQ(fiches[1].nbre_evolutions, 1);
  EXPECT_EQ(fiches[1].temps_vol, 7);
  EXPECT_EQ(fiches[2].cumul_temps, 0);
  EXPECT_EQ(fiches[2].nbre_evolutions, 0);
  EXPECT_EQ(fiches[3].cumul_temps, 0);
  EXPECT_EQ(fiches[3].nbre_evolutions, 0);
  EXPECT_EQ(fiches[3].temps_vol, 5);
  EXPECT_EQ(fiches[4].cumul_temps, 2);
  EXPECT_EQ(desk.affichages, 1);
}

}  // namespace
}  // namespace qx30
