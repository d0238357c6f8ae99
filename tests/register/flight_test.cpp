// Flight control: the five moves between "L", "A" and "V", what each journals, and the limit fields.
#include "register/flight.h"

#include <gtest/gtest.h>

#include "register/registration.h"
#include "support/fake_desk.h"

namespace qx30 {
namespace {

using Operation = void (*)(t_fiches&, Desk&);
using J = std::vector<std::string>;
using E = Evenement;

TEST(Vol, EachMoveSetsItsFields) {
  // The move, its list, the state before and after, the start time and evolutions after, autorise,
  // the refreshes, the event journaled, and the message without a selected line.
  struct Cas { Operation op; Liste source; const char *avant, *apres, *heure; int evol; bool autorise; J journal;
               E evenement; const char* sans_ligne; } const cas[] = {
      {debut_vol, Liste::liste, "L", "V", "14:05", 3, true, {"noire", "affichage"}, E::autorisation,
       "COIN ! veuillez selectionner une ligne dans la liste des enregistr\xE9s"},
      {fin_attente, Liste::attente, "A", "V", "14:05", 3, true, {"noire", "affichage"}, E::autorisation,
       "COIN ! veuillez selectionner une ligne dans la file d'attente"},
      {mettre_en_attente, Liste::liste, "L", "A", "14:05", 2, false, {"affichage"}, E::attente,
       "COIN ! veuillez selectionner un enregistr\xE9 dans la liste"},
      {retirer_attente, Liste::attente, "A", "L", "", 2, false, {"affichage"}, E::retrait_attente,
       "COIN ! veuillez selectionner une ligne dans la file d'attente"},
      {fin_vol, Liste::actives, "V", "L", "", 2, false, {"noire", "affichage"}, E::fin_evolution,
       "COIN ! veuillez selectionner un mod\xE8le en \xE9volution"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::string(c.avant) + " to " + c.apres);
    t_fiches fiches;
    // Minutes left in temps_vol must not survive any move.
    fiches[998] = {c.avant, 5, 12, 35010, false, "35010_D_._", 998, "13:50", 2};
    testing::FakeDesk desk;
    desk.en_vol = 4;
    c.op(fiches, desk);
    EXPECT_EQ(desk.messages, std::vector<std::string>{c.sans_ligne});
    desk.selection[c.source] = "13:50=t005_35010_D_._[998]c012e002";
    desk.answers = {true};
    c.op(fiches, desk);
    EXPECT_EQ(fiches[998], (t_fiche{c.apres, 0, 12, 35010, c.autorise, "35010_D_._", 998, c.heure, c.evol}));
    EXPECT_EQ(desk.views, c.journal);
    EXPECT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.evenements, (std::vector<t_evenement>{{c.evenement, 998, 35010, "35010_D_._", ""}}));
  }
}

TEST(Vol, AuthorisingChecksTheMaximumFirstThenTheFrequency) {
  for (Operation op : {debut_vol, fin_attente}) {
    t_fiches fiches;
    fiches[2] = {op == debut_vol ? "L" : "A", 3, 0, 41010, true, "41010_B_._", 2, "13:00", 0};
    testing::FakeDesk desk;
    desk.en_vol = 5;  // no line selected: still the maximum's message
    op(fiches, desk);
    desk.selection[Liste::liste] = desk.selection[Liste::attente] = "41010_B_._[2]c000e000";
    desk.en_vol = 4, desk.maximum = 3;
    op(fiches, desk);
    EXPECT_TRUE(desk.checks.empty());
    desk.maximum = 5;
    desk.refused[41010] = "-(d\xE9j\xE0_active_41000 )";
    op(fiches, desk);
    const std::string maxi = "le nombre maximum de mod\xE8les en \xE9volution est atteint";
    const std::string refus = "41010 interdite : -(d\xE9j\xE0_active_41000 )";
    EXPECT_EQ(desk.messages, (std::vector<std::string>{"COIN ! " + maxi, "COIN ! " + maxi, "COIN ! " + refus}));
    // The journal names the refused entry once a line is selected.
    EXPECT_EQ(desk.evenements, (std::vector<t_evenement>{{E::refus, 0, 0, "", maxi},
                                                         {E::refus, 2, 41010, "41010_B_._", maxi},
                                                         {E::refus, 2, 41010, "41010_B_._", refus}}));
    EXPECT_EQ(desk.checks, (std::vector<std::pair<std::int32_t, bool>>{{41010, false}}));
    // Refused: only autorise changes, the waiting time goes on.
    EXPECT_EQ(fiches[2], (t_fiche{op == debut_vol ? "L" : "A", 3, 0, 41010, false, "41010_B_._", 2, "13:00", 0}));
    EXPECT_TRUE(desk.views.empty());
  }
}

TEST(FinVol, ActsOnTheLineSelectedWhenTheAnswerComes) {
  t_fiches fiches;
  fiches[1] = {"V", 5, 9, 41000, true, "41000_A_._", 1, "14:00", 2};
  fiches[2] = {"V", 6, 9, 41020, true, "41020_B_._", 2, "14:00", 2};
  testing::FakeDesk desk;
  const std::string ligne1 = "14:00=t005_41000_A_._[1]c009e002";
  desk.selection[Liste::actives] = ligne1;
  desk.answers = {false, true, true};
  fin_vol(fiches, desk);  // No: nothing, not even a refresh
  desk.meanwhile = [&] { desk.selection.erase(Liste::actives); };
  fin_vol(fiches, desk);  // the selection went away meanwhile
  EXPECT_TRUE(desk.views.empty());
  desk.selection[Liste::actives] = ligne1;
  desk.meanwhile = [&] { desk.selection[Liste::actives] = "14:00=t006_41020_B_._[2]c009e002"; };
  fin_vol(fiches, desk);
  EXPECT_EQ(desk.questions[0], "L'\xE9metteur de : " + ligne1 + " est-il REVENU \xE0 la r\xE9gie et vraiment ETEINT ?");
  EXPECT_EQ(fiches[1].etat, "V");
  EXPECT_EQ(fiches[2].etat, "L");
  EXPECT_TRUE(desk.messages.empty());
  EXPECT_EQ(desk.evenements, (std::vector<t_evenement>{{E::fin_evolution, 2, 41020, "41020_B_._", ""}}));
}

TEST(TexteLimite, KeepsBothFieldsInRange) {
  // nullptr: the text stays as typed.
  const std::pair<const char*, const char*> temps[] = {
      {"0", "10"}, {"120", nullptr}, {"5x", "9"}, {"9x", "10"}, {"", "10"}, {"999", nullptr}, {"1", nullptr},
      {"007", "10"}, {" 5", "10"}, {"+5", "10"}, {"$A", "10"}, {"a", "10"}, {"9 ", "9"}, {"\xE9", "10"}};
  const std::pair<const char*, const char*> nbre[] = {
      {"0", "5"}, {"12", nullptr}, {"1x", "5"}, {"", "5"}, {"99", nullptr}, {"9x", "5"}, {"-1", "5"}, {"5", nullptr}};
  const auto verifier = [](const t_limite& limite, const auto& cas) {
    for (const auto& [tape, attendu] : cas) {
      const auto t = texte_limite(tape, limite);
      EXPECT_EQ(t.value_or("stays"), attendu ? attendu : "stays") << '"' << tape << '"';
      if (t) {
        EXPECT_EQ(texte_limite(*t, limite), std::nullopt) << "the nested run settles";
      }
    }
  };
  verifier(limite_temps_max, temps);
  verifier(limite_nbre_max, nbre);
}

}  // namespace
}  // namespace qx30
