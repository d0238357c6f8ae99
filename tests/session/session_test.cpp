// The session over the fake disk, with a window that shows nothing.
#include "session/session.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "storage/seance.h"
#include "support/fake_disk.h"

namespace qx30 {
namespace {

struct SilentView : SessionView {
  std::vector<std::string> erreurs, questions;
  bool reponse = false;
  std::optional<std::string> ligne_choisie(Liste) override { return std::nullopt; }
  void message(const std::string&) override {}
  bool question(const std::string& q) override { return questions.push_back(q), reponse; }
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

struct SessionAtWork : ::testing::Test {
  SilentView vue;
  FixedClock horloge;
  testing::FakeDisk disque;
  Session session{vue, horloge, disque};
  const t_fiche en_vol{"V", 2, 2, 35010, true, "35010_Vert_planeur_", 1, "14:04", 1};
  const t_fiche en_attente{"A", 1, 0, 72130, true, "72130_bleu_._", 2, "14:05", 0};
  void SetUp() override { session.demarrer(horloge.now()); }
  std::string journal() const {
    const std::vector<std::uint8_t> j = *disque.content("20261205_140730_journal.csv");
    return {j.begin(), j.end()};
  }
  std::string minutes() const {  // temps_vol/cumul_temps of entries 1 and 2
    const t_fiches& f = session.fiches();
    return std::to_string(f[1].temps_vol) + "/" + std::to_string(f[1].cumul_temps) + " " +
           std::to_string(f[2].temps_vol) + "/" + std::to_string(f[2].cumul_temps);
  }
};

// A short day: the overrun and the conflict among the models in flight
// journaled when they begin, not at every refresh, and again after a load,
// which brings new entries; the saves and the close with their files, among
// the register's own events.
TEST_F(SessionAtWork, TheEventsOnlyTheSessionSeesReadBackFromTheJournal) {
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
  EXPECT_EQ(journal(),
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

// A tick counts every whole minute since the last one counted on the steady
// clock, whatever the wall clock does; an overrun reached in the minutes
// made up is journaled once.
TEST_F(SessionAtWork, ATickMakesUpTheMinutesOfLostTicks) {
  session.table()[1] = en_vol, session.table()[2] = en_attente;
  session.fixer_temps_max("4");
  const struct { std::int64_t steady; const char* apres; } ticks[] = {
      {60000, "3/3 2/0"}, {240500, "6/6 5/0"},  // two ticks lost in an error box
      {298000, "7/7 6/0"},                      // a timer two seconds early
      {330000, "7/7 6/0"}, {360000, "8/8 7/0"}, {420500, "9/9 8/0"}};
  for (const auto& t : ticks) {
    horloge.steady = t.steady;
    horloge.time.heure -= 1;  // the date and time set back: nothing to do with the minutes
    session.minute();
    EXPECT_EQ(minutes(), t.apres) << t.steady;
  }
  EXPECT_NE(journal().find(";depassement;1;35010;35010_Vert_planeur_;6 min, limite 4\r\n"), std::string::npos);
  EXPECT_EQ(journal().find(";depassement;", journal().find(";depassement;") + 1), std::string::npos);
}

// Taken up after a power cut, the entries have the minutes the desk was off;
// the part of a minute begun then is completed by the next tick.
TEST_F(SessionAtWork, AResumeGivesTheMinutesTheDeskWasOff) {
  t_fiches interrompue;
  interrompue[1] = en_vol, interrompue[2] = en_attente;
  disque.time = {2026, 12, 5, 14, 4, 50};
  disque.put("./20261205_120000_journal.csv", {'x'});
  disque.put("./20261205_120000_seance_aut.dat", octets_seance(interrompue));
  vue.reponse = true;
  session.reprendre(horloge.now());
  ASSERT_EQ(vue.questions.size(), 1u);
  EXPECT_NE(vue.questions[0].find(" (1 en \xE9volution, 1 en attente, 2 enregistr\xE9s), r\xE9gie arr\xEAt\xE9" "e depuis 2 min."),
            std::string::npos) << vue.questions[0];
  EXPECT_EQ(minutes(), "4/4 3/0");
  horloge.steady = 19000;  // 14:07:49: the third minute since 14:04:50
  session.minute();
  EXPECT_EQ(minutes(), "5/5 4/0");
}

// Closing or loading while models fly or wait asks first, naming them.
TEST_F(SessionAtWork, ClosingAndLoadingOverModelsInTheAirAskFirst) {
  EXPECT_TRUE(session.fermeture_confirmee() && session.remplacement_confirme());
  session.table()[2] = en_attente;
  EXPECT_FALSE(session.remplacement_confirme());
  session.table()[1] = en_vol, session.table()[3] = en_vol, session.table()[3].numero = 3;
  EXPECT_FALSE(session.fermeture_confirmee());
  vue.reponse = true;
  EXPECT_TRUE(session.remplacement_confirme());
  EXPECT_EQ(vue.questions, (std::vector<std::string>{
                               cp1252(u8"0 modèle en évolution et 1 en attente sera remplacé : charger quand même ?"),
                               cp1252(u8"2 modèles en évolution et 1 en attente : fermer quand même ?"),
                               cp1252(u8"2 modèles en évolution et 1 en attente seront remplacés : charger quand même ?")}));
}

// An overrun is journaled against the limit the operator left in the field,
// never against a value on its way.
TEST_F(SessionAtWork, AnOverrunIsJournaledAgainstTheLimitLeftInTheField) {
  session.table()[1] = en_vol;
  for (const char* passant : {"1", "10"}) {
    session.fixer_temps_max(passant);
    session.affichage();
  }
  session.poser_temps_max();
  EXPECT_EQ(journal().find(";depassement;"), std::string::npos);
  session.fixer_temps_max("1");
  session.affichage();
  EXPECT_EQ(journal().find(";depassement;"), std::string::npos);
  session.poser_temps_max();
  EXPECT_NE(journal().find(";depassement;1;35010;35010_Vert_planeur_;2 min, limite 1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace qx30
