// The session over the fake disk, with a window that shows nothing.
#include "session/session.h"

#include <gtest/gtest.h>

#include "support/fake_disk.h"
#include "storage/seance.h"

namespace qx30 {
namespace {

struct SilentView : SessionView {
  std::vector<std::string> erreurs;
  std::optional<std::string> ligne_choisie(Liste) override { return std::nullopt; }
  void message(const std::string&) override {}
  bool question(const std::string&) override { return false; }
  void erreur(const std::string& m) override { erreurs.push_back(m); }
  void montrer(const t_rafraichissement&, const t_legendes&, bool) override {}
  void montrer_noire(const std::vector<std::string>&) override {}
  void montrer_horloge(const std::string&) override {}
};

struct FixedClock : Clock {
  t_date_heure time{2026, 12, 5, 14, 7, 30};
  std::int64_t steady = 0;
  t_date_heure now() override { return time; }
  std::int64_t steady_ms() override { return steady; }
};

// A short day: the overrun and the conflict among the models in flight
// journaled when they begin, not at every refresh, and again after a load,
// which brings new entries; the saves and the close with their files, among
// the register's own events.
TEST(Session, TheEventsOnlyTheSessionSeesReadBackFromTheJournal) {
  SilentView vue;
  FixedClock horloge;
  testing::FakeDisk disque;
  Session session(vue, horloge, disque);
  session.demarrer(horloge.now());
  session.table()[1] = {"V", 11, 11, 35010, true, "35010_Vert_planeur_", 1, "13:56", 1};
  session.table()[2] = {"V", 10, 10, 35020, true, "35020_bleu_;_", 2, "13:57", 1};  // 10 kHz away, at the limit
  session.noire();
  session.affichage();
  session.sauvegarde_manuelle();
  disque.put("s.dat", octets_seance(session.fiches()));
  session.charger("s.dat", "s.dat");
  session.noire();
  session.enregistrer({"41000", "Vert", "planeur"});  // the register's events go to the same journal
  horloge.steady = 60000;
  session.minute();  // [2] past the limit now, and its minute in the automatic file
  EXPECT_EQ(disque.content("20261205_140730_seance_aut.dat")->at(72 + 4), 11);
  session.fermer();
  const std::string debut = "05/12/2026;14:07:30;";
  const std::string depassement = debut + "depassement;1;35010;35010_Vert_planeur_;11 min, limite 10\r\n";
  const std::string conflit = debut + "conflit_actifs;;;;[1] [2]\r\n";
  const std::vector<std::uint8_t> journal = *disque.content("20261205_140730_journal.csv");
  EXPECT_EQ(std::string(journal.begin(), journal.end()),
            "date;heure;evenement;numero;frequence;libelle;detail\r\n" + debut +
                "demarrage;;;;20261205_140730_seance_aut.dat\r\n" + depassement + conflit + debut +
                "sauvegarde_manuelle;;;;20261205_140730_seance_man.dat\r\n" + debut + "chargement;;;;s.dat\r\n" +
                depassement + conflit + debut + "enregistrement;3;41000;41000_Vert_planeur_;\r\n" + debut +
                "depassement;2;35020;\"35020_bleu_;_\";11 min, limite 10\r\n" + debut +
                "fermeture;;;;20261205_140730_seance_fin.dat\r\n");
  EXPECT_TRUE(vue.erreurs.empty());
  // A journal that cannot be written says so, and the operation is done.
  disque.failing_step = "ouvrir_ajout", disque.error = ENOSPC;
  session.enregistrer({"35010", "Vert", "planeur"});
  EXPECT_TRUE(est_presente(session.fiches()[4]));
  EXPECT_EQ(vue.erreurs, std::vector<std::string>{"journal de la s\xE9" "ance non \xE9" "crit : Disk full"});
}

}  // namespace
}  // namespace qx30
