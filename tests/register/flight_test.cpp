// Flight control: the five moves between "L", "A" and "V", and the limit fields.
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
  struct Cas {
    Operation op;
    Liste source;
    const char *avant, *apres, *heure;
    int evol;
    bool autorise;
    J journal;
    E evenement;
    const char* sans_ligne;
  } const cas[] = {
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
    const std::string maxi = "COIN ! le nombre maximum de mod\xE8les en \xE9volution est atteint";
    EXPECT_EQ(desk.messages, (std::vector<std::string>{maxi, maxi, "COIN ! 41010 interdite : -(d\xE9j\xE0_active_41000 )"}));
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

// What each operation reports to the journal; a refused or cancelled one
// reports nothing but a refused start. The five moves report in Vol above.
TEST(JournalDesOperations, EachOperationReportsWhatItDid) {
  const std::string maximum = "le nombre maximum de mod\xE8les en \xE9volution est atteint";
  const auto vert = [](E e, std::string detail = {}) { return t_evenement{e, 1, 35010, "35010_Vert_._", detail}; };
  const struct {
    Liste liste;
    int numero;  // of the selected line, 0 for none
    bool oui, au_maximum;
    Operation operation;
    std::vector<t_evenement> attendus;
  } cas[] = {
      {Liste::liste, 0, true, false, [](t_fiches& f, Desk& d) { enregistrer(f, d, {"35010", "Vert", "."}); },
       {{E::enregistrement, 3, 35010, "35010_Vert_._", ""}}},
      {Liste::liste, 0, true, false, [](t_fiches& f, Desk& d) { enregistrer(f, d, {}); }, {}},
      {Liste::liste, 1, true, false, supprimer, {vert(E::suppression)}},
      {Liste::liste, 2, true, false, supprimer, {}},  // it has flown
      {Liste::liste, 1, true, false, remise_a_zero, {{E::raz_compteurs, 0, 0, "", ""}}},
      {Liste::liste, 1, false, false, remise_a_zero, {}},
      {Liste::liste, 2, true, false, debut_vol, {{E::refus, 2, 35020, "35020_bleu_._", "35020 interdite : -(x_1 )"}}},
      {Liste::liste, 1, true, true, debut_vol, {vert(E::refus, maximum)}},
      {Liste::attente, 0, true, true, fin_attente, {{E::refus, 0, 0, "", maximum}}},
      {Liste::actives, 4, false, false, fin_vol, {}},
  };
  for (const auto& c : cas) {
    t_fiches fiches;
    fiches[1] = t_fiche{"L", 0, 0, 35010, true, "35010_Vert_._", 1, "", 0};
    fiches[2] = t_fiche{"L", 0, 3, 35020, true, "35020_bleu_._", 2, "", 1};
    fiches[4] = t_fiche{"V", 0, 0, 72130, true, "72130_Noir_._", 4, "14:00", 1};
    testing::FakeDesk desk;
    desk.refused[35020] = "-(x_1 )";
    if (c.numero != 0) desk.selection[c.liste] = "x[" + std::to_string(c.numero) + "]";
    desk.answers = {c.oui};
    if (c.au_maximum) desk.en_vol = desk.maximum;
    c.operation(fiches, desk);
    EXPECT_EQ(desk.evenements, c.attendus) << "case " << &c - cas;
  }
}

}  // namespace
}  // namespace qx30
