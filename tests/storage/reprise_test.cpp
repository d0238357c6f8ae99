// Finding the session a crash interrupted, over the fake disk.
#include "storage/reprise.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "support/fake_disk.h"

namespace qx30 {
namespace {

using testing::Bytes;
using testing::FakeDisk;

Bytes octets(std::string_view texte) { return Bytes(texte.begin(), texte.end()); }

const std::string entete = "date;heure;evenement;numero;frequence;libelle;detail\r\n";
const std::string demarrage = "05/12/2026;09:00:00;demarrage;;;;20261205_090000_seance_aut.dat\r\n";
const std::string fermeture = "05/12/2026;18:00:00;fermeture;;;;20261205_180000_seance_fin.dat\r\n";

TEST(Reprise, OnlyAJournalWhoseLastLineIsTheCloseIsClosed) {
  const struct { std::string journal; bool ferme; } cas[] = {
      {entete + demarrage + fermeture, true}, {entete + demarrage, false}, {entete, false}, {"", false},
      // the close's own line cut short, or a line after it cut short
      {entete + demarrage + fermeture.substr(0, fermeture.size() - 2), false},
      {entete + demarrage + fermeture + "05/12/2026;18:0", false},
      // "fermeture" elsewhere than in the event's field
      {entete + "05/12/2026;09:10:00;enregistrement;1;35010;fermeture;\r\n", false},
      {entete + "05/12/2026;09:10:00;fermeture_x;;;;\r\n", false},
  };
  for (const auto& c : cas) EXPECT_EQ(journal_ferme(octets(c.journal)), c.ferme) << c.journal;
}

TEST(Reprise, ThePreviousRunIsTheLatestJournalButTheRunningOne) {
  const std::vector<std::string> noms = {
      "20261205_090000_journal.csv", "20261205_140700_journal.csv", "20261205_150000_journal.csv",
      "20261205_160000_seance_aut.dat", "notes_journal.csv", "20261205_1607_journal.csv", "pilotes.txt"};
  EXPECT_EQ(derniere_seance(noms, "20261205_150000"), "20261205_140700");
  EXPECT_EQ(derniere_seance(noms, "20261205_170000"), "20261205_150000");
  EXPECT_EQ(derniere_seance({"pilotes.txt"}, "20261205_170000"), "");
}

t_fiches seance_en_cours() {
  t_fiches fiches;
  fiches[1] = {"V", 3, 3, 35010, true, "35010_Vert_planeur_", 1, "14:04", 1};
  fiches[2] = {"A", 1, 0, 72130, true, "72130_bleu_._", 2, "14:06", 0};
  fiches[4] = {"L", 0, 0, 0, false, "", 4, "", 0};  // deleted
  return fiches;
}

TEST(Reprise, TheInterruptedRunOfTheDayIsOfferedWithItsEntries) {
  const t_date_heure maintenant{2026, 12, 5, 14, 30, 0};
  const Bytes seance = octets_seance(seance_en_cours());
  const Bytes vide;
  const Bytes ouverte = octets(entete + demarrage);
  const struct {
    const char* quoi;
    std::string seance;   // the previous run
    Bytes journal, fichier_auto;
    bool offerte;
  } cas[] = {
      {"interrupted", "20261205_090000", ouverte, seance, true},
      {"yesterday", "20261204_090000", ouverte, seance, false},
      {"no automatic file", "20261205_090000", ouverte, {}, false},
      {"no entry", "20261205_090000", ouverte, vide, false},
  };
  for (const auto& c : cas) {
    FakeDisk disque;
    std::vector<std::string> noms = {c.seance + "_journal.csv", c.seance + "_seance_aut.dat"};
    if (c.quoi == std::string("no automatic file")) noms.pop_back();
    for (std::size_t k = 0; k < noms.size(); ++k)
      disque.put(std::filesystem::path(".") / noms[k], k ? c.fichier_auto : c.journal);
    const std::optional<t_reprise> r = seance_interrompue(".", noms, maintenant, disque);
    ASSERT_EQ(r.has_value(), c.offerte) << c.quoi;
    if (!r) continue;
    EXPECT_EQ(r->seance, c.seance);
    EXPECT_EQ(r->fichier, std::filesystem::path(".") / "20261205_090000_seance_aut.dat");
    EXPECT_EQ(r->fiches.size(), 3u);  // what the window then shows is checked there
  }
}

TEST(Reprise, TheQuestionNamesTheStartTimeAndWhatTheSessionHeld) {
  t_reprise r{"20261205_140705", "20261205_140705_seance_aut.dat", {}};
  const auto fiche = [](const char* etat, std::int32_t freq) { return t_fiche{etat, 0, 0, freq, true, "x", 1, "", 0}; };
  for (int i = 0; i < 3; ++i) r.fiches.push_back(fiche("V", 35010));
  r.fiches.push_back(fiche("A", 35010));
  r.fiches.push_back(fiche("L", 0));  // deleted: not counted
  r.fiches.push_back(fiche("L", 35010));
  EXPECT_EQ(question_reprise(r), cp1252(u8"La séance commencée à 14:07 n'a pas été fermée "
                                        u8"(3 en évolution, 1 en attente, 1 enregistré). La reprendre ?"));
  for (int i = 0; i < 4; ++i) r.fiches.push_back(fiche("L", 35010));
  EXPECT_EQ(question_reprise(r), cp1252(u8"La séance commencée à 14:07 n'a pas été fermée "
                                        u8"(3 en évolution, 1 en attente, 5 enregistrés). La reprendre ?"));
}

}  // namespace
}  // namespace qx30
