#include "register/flight.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_desk.h"
#include "register/cp1252.h"
#include "register/str_to_int.h"

namespace qx30 {
namespace {

using testing::FakeDesk;

// Records the order of interdiction rebuilds and refreshes, and can play a
// minute tick while a question is open.
class JournalDesk : public FakeDesk {
 public:
  std::vector<std::string> journal;
  std::function<void()> pendant_question;

  void noire() override {
    journal.push_back("noire");
    FakeDesk::noire();
  }
  void affichage() override {
    journal.push_back("affichage");
    FakeDesk::affichage();
  }
  bool question(const std::string& texte) override {
    if (pendant_question) pendant_question();
    return FakeDesk::question(texte);
  }
};

t_fiche fiche(std::int32_t numero, const char* etat, std::int32_t freq, const char* libelle) {
  t_fiche f;
  f.numero = numero;
  f.etat = etat;
  f.freq = freq;
  f.libelle = libelle;
  f.autorise = true;
  return f;
}

const std::string maximum_atteint = "COIN ! le nombre maximum de mod\xE8les en \xE9volution est atteint";

TEST(DebutVol, TakesARegisteredEntryIntoTheAir) {
  t_fiches fiches;
  fiches[3] = fiche(3, "L", 35010, "35010_ROUGE equipe_Extra_");
  fiches[3].cumul_temps = 12;
  fiches[3].nbre_evolutions = 2;
  JournalDesk desk;
  desk.en_vol = 4;
  desk.maximum = 5;
  desk.horloge = "14:05";
  desk.selection[Liste::liste] = "35010_ROUGE equipe_Extra_[3]c012e002";

  debut_vol(fiches, desk);

  EXPECT_TRUE(desk.messages.empty());
  EXPECT_EQ(fiches[3].etat, "V");
  EXPECT_EQ(fiches[3].heure_debut, "14:05");
  EXPECT_EQ(fiches[3].temps_vol, 0);
  EXPECT_EQ(fiches[3].nbre_evolutions, 3);
  EXPECT_EQ(fiches[3].cumul_temps, 12);
  EXPECT_TRUE(fiches[3].autorise);
  ASSERT_EQ(desk.verifications.size(), 1u);
  EXPECT_EQ(desk.verifications[0], std::make_pair(35010, false));
  // The refresh checks against interdictions that already hold the new frequency.
  EXPECT_EQ(desk.journal, (std::vector<std::string>{"noire", "affichage"}));
}

TEST(DebutVol, ChecksTheMaximumFirstThenTheSelection) {
  t_fiches fiches;
  fiches[1] = fiche(1, "L", 41000, "41000_A_._");
  FakeDesk desk;
  desk.en_vol = 5;
  desk.maximum = 5;
  // No line selected: still the maximum's message.
  debut_vol(fiches, desk);
  // Maximum lowered below the number in flight.
  desk.maximum = 3;
  desk.selection[Liste::liste] = "41000_A_._[1]c000e000";
  debut_vol(fiches, desk);
  ASSERT_EQ(desk.messages.size(), 2u);
  EXPECT_EQ(desk.messages[0], maximum_atteint);
  EXPECT_EQ(desk.messages[1], maximum_atteint);
  EXPECT_TRUE(desk.verifications.empty());
  EXPECT_EQ(fiches[1].etat, "L");

  // Below the maximum but nothing selected.
  desk.en_vol = 2;
  desk.selection.clear();
  debut_vol(fiches, desk);
  ASSERT_EQ(desk.messages.size(), 3u);
  EXPECT_EQ(desk.messages[2], "COIN ! veuillez selectionner une ligne dans la liste des enregistr\xE9s");
  EXPECT_EQ(desk.affichages + desk.noires, 0);

  // One flight fewer than the maximum: it goes through.
  desk.selection[Liste::liste] = "41000_A_._[1]c000e000";
  debut_vol(fiches, desk);
  EXPECT_EQ(desk.messages.size(), 3u);
  EXPECT_EQ(fiches[1].etat, "V");
}

TEST(DebutVol, RefusalShowsTheReasonsAndKeepsTheEntry) {
  t_fiches fiches;
  fiches[2] = fiche(2, "L", 41010, "41010_B_._");
  FakeDesk desk;
  desk.refusees[41010] = cp1252(u8"-(déjà_active_41000 )-(sera_intermod_41020_41000 )");
  desk.selection[Liste::liste] = "41010_B_._[2]c000e000";

  debut_vol(fiches, desk);

  ASSERT_EQ(desk.messages.size(), 1u);
  EXPECT_EQ(desk.messages[0],
            "COIN ! 41010 interdite : -(d\xE9j\xE0_active_41000 )-(sera_intermod_41020_41000 )");
  EXPECT_EQ(fiches[2].etat, "L");
  EXPECT_FALSE(fiches[2].autorise);
  EXPECT_EQ(fiches[2].nbre_evolutions, 0);
  EXPECT_TRUE(fiches[2].heure_debut.empty());
  EXPECT_EQ(desk.affichages, 0);
  EXPECT_EQ(desk.noires, 0);
}

TEST(FinAttente, StartsFromTheQueueAndRestartsTheTime) {
  t_fiches fiches;
  fiches[4] = fiche(4, "A", 72130, "72130_C_._");
  fiches[4].heure_debut = "13:50";
  fiches[4].temps_vol = 15;
  fiches[4].nbre_evolutions = 1;
  JournalDesk desk;
  desk.horloge = "14:05";

  fin_attente(fiches, desk);  // nothing selected in the queue
  ASSERT_EQ(desk.messages.size(), 1u);
  EXPECT_EQ(desk.messages[0], "COIN ! veuillez selectionner une ligne dans la file d'attente");

  // A refusal leaves it waiting, its waiting time still running.
  desk.selection[Liste::attente] = "13:50=t015_72130_C_._[4]c000e001";
  desk.refusees[72130] = "-(x_1 )";
  fin_attente(fiches, desk);
  ASSERT_EQ(desk.messages.size(), 2u);
  EXPECT_EQ(desk.messages[1], "COIN ! 72130 interdite : -(x_1 )");
  EXPECT_EQ(fiches[4].etat, "A");
  EXPECT_EQ(fiches[4].heure_debut, "13:50");
  EXPECT_EQ(fiches[4].temps_vol, 15);
  EXPECT_FALSE(fiches[4].autorise);

  // The maximum applies from the queue as well.
  desk.refusees.clear();
  desk.en_vol = 5;
  fin_attente(fiches, desk);
  EXPECT_EQ(desk.messages.back(), maximum_atteint);
  EXPECT_EQ(fiches[4].etat, "A");

  desk.en_vol = 0;
  fin_attente(fiches, desk);
  EXPECT_EQ(fiches[4].etat, "V");
  EXPECT_EQ(fiches[4].heure_debut, "14:05");
  EXPECT_EQ(fiches[4].temps_vol, 0);
  EXPECT_EQ(fiches[4].nbre_evolutions, 2);
  EXPECT_TRUE(fiches[4].autorise);
  EXPECT_EQ(desk.verifications.back(), std::make_pair(72130, false));
  EXPECT_EQ(desk.journal, (std::vector<std::string>{"noire", "affichage"}));
}

TEST(Attente, QueueingAndTakingOutLeaveTheCounters) {
  t_fiches fiches;
  fiches[7] = fiche(7, "L", 35010, "35010_D_._");
  fiches[7].cumul_temps = 8;
  fiches[7].nbre_evolutions = 3;
  JournalDesk desk;
  desk.horloge = "09:41";

  mettre_en_attente(fiches, desk);
  retirer_attente(fiches, desk);
  ASSERT_EQ(desk.messages.size(), 2u);
  EXPECT_EQ(desk.messages[0], "COIN ! veuillez selectionner un enregistr\xE9 dans la liste");
  EXPECT_EQ(desk.messages[1], "COIN ! veuillez selectionner une ligne dans la file d'attente");
  EXPECT_TRUE(desk.journal.empty());

  // Queueing ignores the maximum and makes no check.
  desk.en_vol = 5;
  desk.refusees[35010] = "-(x_1 )";
  desk.selection[Liste::liste] = "35010_D_._[7]c008e003";
  mettre_en_attente(fiches, desk);
  EXPECT_EQ(fiches[7].etat, "A");
  EXPECT_EQ(fiches[7].heure_debut, "09:41");
  EXPECT_EQ(fiches[7].temps_vol, 0);
  EXPECT_TRUE(desk.verifications.empty());

  fiches[7].temps_vol = 4;  // four minutes of waiting
  desk.selection[Liste::attente] = "09:41=t004_35010_D_._[7]c008e003";
  retirer_attente(fiches, desk);
  EXPECT_EQ(fiches[7].etat, "L");
  EXPECT_TRUE(fiches[7].heure_debut.empty());
  EXPECT_EQ(fiches[7].temps_vol, 0);
  EXPECT_EQ(fiches[7].cumul_temps, 8);
  EXPECT_EQ(fiches[7].nbre_evolutions, 3);
  EXPECT_EQ(desk.messages.size(), 2u);
  EXPECT_EQ(desk.journal, (std::vector<std::string>{"affichage", "affichage"}));
}

TEST(FinVol, AsksThenActsOnTheLineSelectedAfterTheAnswer) {
  t_fiches fiches;
  fiches[1] = fiche(1, "V", 41000, "41000_A_._");
  fiches[2] = fiche(2, "V", 41020, "41020_B_._");
  for (int i : {1, 2}) {
    fiches[i].heure_debut = "14:00";
    fiches[i].temps_vol = 5;
    fiches[i].cumul_temps = 9;
    fiches[i].nbre_evolutions = 2;
  }
  JournalDesk desk;

  fin_vol(fiches, desk);
  ASSERT_EQ(desk.messages.size(), 1u);
  EXPECT_EQ(desk.messages[0], "COIN ! veuillez selectionner un mod\xE8le en \xE9volution");
  EXPECT_TRUE(desk.questions.empty());

  const std::string ligne1 = "14:00=t005_41000_A_._[1]c009e002";
  desk.selection[Liste::actives] = ligne1;
  desk.reponses = {false};
  fin_vol(fiches, desk);
  ASSERT_EQ(desk.questions.size(), 1u);
  EXPECT_EQ(desk.questions[0], "L'\xE9metteur de : " + ligne1 +
                                   " est-il REVENU \xE0 la r\xE9gie et vraiment ETEINT ?");
  EXPECT_EQ(fiches[1].etat, "V");
  EXPECT_TRUE(desk.journal.empty());

  // A tick during the question leaves no line selected: nothing happens.
  desk.reponses = {true};
  desk.pendant_question = [&] { desk.selection.erase(Liste::actives); };
  fin_vol(fiches, desk);
  EXPECT_EQ(fiches[1].etat, "V");
  EXPECT_EQ(fiches[2].etat, "V");
  EXPECT_TRUE(desk.journal.empty());
  EXPECT_EQ(desk.messages.size(), 1u);

  // The selection moved to the other entry while the question was open.
  desk.selection[Liste::actives] = ligne1;
  desk.reponses = {true};
  desk.pendant_question = [&] { desk.selection[Liste::actives] = "14:00=t006_41020_B_._[2]c010e002"; };
  fin_vol(fiches, desk);
  EXPECT_EQ(desk.questions.back(), "L'\xE9metteur de : " + ligne1 +
                                       " est-il REVENU \xE0 la r\xE9gie et vraiment ETEINT ?");
  EXPECT_EQ(fiches[1].etat, "V");
  EXPECT_EQ(fiches[2].etat, "L");
  EXPECT_TRUE(fiches[2].heure_debut.empty());
  EXPECT_EQ(fiches[2].temps_vol, 0);
  EXPECT_EQ(fiches[2].cumul_temps, 9);
  EXPECT_EQ(fiches[2].nbre_evolutions, 2);
  EXPECT_EQ(desk.journal, (std::vector<std::string>{"noire", "affichage"}));
}

// The handler as the window runs it: a text set by the handler changes the
// field again and runs the handler nested; setting the text it already has
// is no change.
struct ChampLimite {
  std::string texte;
  const t_limite& limite;
  int affichages = 0;
  int profondeur = 0;

  void changer(const std::string& nouveau) {
    if (nouveau == texte) return;
    texte = nouveau;
    ASSERT_LT(++profondeur, 3) << "the field does not settle";
    if (auto t = texte_limite(texte, limite)) changer(*t);
    ++affichages;
    --profondeur;
  }
};

TEST(TexteLimite, KeepsBothFieldsInRange) {
  struct Cas {
    const char* tape;
    const char* attendu;  // nullptr: stays as typed
  };
  const Cas temps[] = {
      {"0", "10"}, {"120", nullptr}, {"5x", "9"}, {"9x", "10"}, {"", "10"}, {"10", nullptr},
      {"999", nullptr}, {"1", nullptr}, {"007", "10"}, {" 5", "10"}, {"+5", "10"}, {"-3", "10"},
      {"$A", "10"}, {"x1F", "10"}, {"0x1", "10"}, {"a", "10"}, {"9 ", "9"}, {"1$", "9"},
      {"\xE9", "10"}};
  for (const auto& c : temps) {
    const auto t = texte_limite(c.tape, limite_temps_max);
    if (c.attendu) {
      ASSERT_TRUE(t.has_value()) << c.tape;
      EXPECT_EQ(*t, c.attendu) << c.tape;
    } else {
      EXPECT_FALSE(t.has_value()) << c.tape;
    }
  }
  const Cas nbre[] = {{"0", "5"}, {"12", nullptr}, {"1x", "5"}, {"", "5"}, {"99", nullptr},
                      {"9x", "5"}, {"$5", "5"}, {"-1", "5"}, {"5", nullptr}};
  for (const auto& c : nbre) {
    const auto t = texte_limite(c.tape, limite_nbre_max);
    if (c.attendu) {
      ASSERT_TRUE(t.has_value()) << c.tape;
      EXPECT_EQ(*t, c.attendu) << c.tape;
    } else {
      EXPECT_FALSE(t.has_value()) << c.tape;
    }
  }

  // Typed into the field: a correction runs the handler once more, nested,
  // and each run ends in a refresh.
  ChampLimite champ{"10", limite_temps_max};
  champ.changer("0");
  EXPECT_EQ(champ.texte, "10");
  EXPECT_EQ(champ.affichages, 2);
  champ.changer("5x");
  EXPECT_EQ(champ.texte, "9");
  EXPECT_EQ(champ.affichages, 4);
  champ.changer("120");
  EXPECT_EQ(champ.texte, "120");
  EXPECT_EQ(champ.affichages, 5);
}

}  // namespace
}  // namespace qx30
