// What each operation reports to the journal; a refused or cancelled one
// reports nothing but a refused start.

#include <gtest/gtest.h>

#include "fake_desk.h"
#include "register/flight.h"
#include "register/registration.h"

namespace qx30 {
namespace {

using E = Evenement;

TEST(JournalDesOperations, EachOperationReportsWhatItDid) {
  const std::string maximum = "le nombre maximum de mod\xE8les en \xE9volution est atteint";
  const auto vert = [](E e, std::string detail = {}) { return t_evenement{e, 1, 35010, "35010_Vert_._", detail}; };
  const t_evenement rouge{E::autorisation, 3, 41000, "41000_Rouge_._", ""};
  using Operation = void (*)(t_fiches&, Desk&);
  const struct {
    Liste liste;
    int numero;  // of the selected line, 0 for none
    bool oui, au_maximum;
    Operation operation;
    std::vector<t_evenement> attendus;
  } cas[] = {
      {Liste::liste, 0, true, false, [](t_fiches& f, Desk& d) { enregistrer(f, d, {"35010", "Vert", "."}); },
       {{E::enregistrement, 5, 35010, "35010_Vert_._", ""}}},
      {Liste::liste, 0, true, false, [](t_fiches& f, Desk& d) { enregistrer(f, d, {}); }, {}},
      {Liste::liste, 1, true, false, supprimer, {vert(E::suppression)}},
      {Liste::liste, 2, true, false, supprimer, {}},  // it has flown
      {Liste::liste, 1, true, false, remise_a_zero, {{E::raz_compteurs, 0, 0, "", ""}}},
      {Liste::liste, 1, false, false, remise_a_zero, {}},
      {Liste::liste, 1, true, false, debut_vol, {vert(E::autorisation)}},
      {Liste::liste, 2, true, false, debut_vol, {{E::refus, 2, 35020, "35020_bleu_._", "35020 interdite : -(x_1 )"}}},
      {Liste::liste, 1, true, true, debut_vol, {vert(E::refus, maximum)}},
      {Liste::attente, 0, true, true, fin_attente, {{E::refus, 0, 0, "", maximum}}},
      {Liste::attente, 3, true, false, fin_attente, {rouge}},
      {Liste::liste, 1, true, false, mettre_en_attente, {vert(E::attente)}},
      {Liste::attente, 3, true, false, retirer_attente, {{E::retrait_attente, 3, 41000, "41000_Rouge_._", ""}}},
      {Liste::actives, 4, true, false, fin_vol, {{E::fin_evolution, 4, 72130, "72130_Noir_._", ""}}},
      {Liste::actives, 4, false, false, fin_vol, {}},
  };
  for (const auto& c : cas) {
    t_fiches fiches;
    fiches[1] = t_fiche{"L", 0, 0, 35010, true, "35010_Vert_._", 1, "", 0};
    fiches[2] = t_fiche{"L", 0, 3, 35020, true, "35020_bleu_._", 2, "", 1};
    fiches[3] = t_fiche{"A", 0, 0, 41000, true, "41000_Rouge_._", 3, "14:00", 0};
    fiches[4] = t_fiche{"V", 0, 0, 72130, true, "72130_Noir_._", 4, "14:00", 1};
    testing::FakeDesk desk;
    desk.refusees[35020] = "-(x_1 )";
    if (c.numero != 0) desk.selection[c.liste] = "x[" + std::to_string(c.numero) + "]";
    desk.reponses = {c.oui};
    if (c.au_maximum) desk.en_vol = desk.maximum;
    c.operation(fiches, desk);
    EXPECT_EQ(desk.evenements, c.attendus) << "case " << &c - cas;
  }
}

}  // namespace
}  // namespace qx30
