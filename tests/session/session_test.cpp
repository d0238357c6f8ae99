// The session over the fake disk, with a window that shows nothing.
#include "session/session.h"

#include <gtest/gtest.h>

#include "faux_disque.h"
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
  t_date_heure now() override { return {2026, 12, 5, 14, 7, 30}; }
};

// The journal's events, one per line after the heading.
std::vector<std::string> evenements(const testing::FauxDisque& disque) {
  const std::vector<std::uint8_t> o = disque.contenu("20261205_140730_journal.csv").value_or(std::vector<std::uint8_t>{});
  std::vector<std::string> e;
  std::string ligne;
  for (const char c : std::string(o.begin(), o.end())) {
    if (c != '\n') ligne += c;
    else if (ligne.starts_with("05/12/2026")) e.push_back(ligne.substr(20, ligne.find(';', 20) - 20)), ligne.clear();
    else ligne.clear();
  }
  return e;
}

// A loaded session is new to the alerts: an overrun in a slot that was
// already over its time before the load is journaled again.
TEST(Session, ALoadForgetsWhichSlotsWereOverTheirTime) {
  SilentView vue;
  FixedClock horloge;
  testing::FauxDisque disque;
  Session session(vue, horloge, disque);
  session.demarrer(horloge.now());
  session.table()[1] = {"V", 11, 11, 35010, true, "35010_Vert_planeur_", 1, "13:56", 1};
  session.affichage();
  disque.poser("s.dat", octets_seance(session.fiches()));
  session.charger("s.dat", "s.dat");
  session.noire();
  EXPECT_EQ(evenements(disque), (std::vector<std::string>{"demarrage", "depassement", "chargement", "depassement"}));
  EXPECT_TRUE(vue.erreurs.empty());
}

}  // namespace
}  // namespace qx30
