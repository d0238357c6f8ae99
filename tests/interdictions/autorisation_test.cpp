// The check of one frequency against the forbidden frequencies.
#include "interdictions/autorisation.h"

#include <gtest/gtest.h>

#include <map>

#include "interdictions/noire.h"

namespace qx30 {
namespace {

const std::string deja = "d\xE9j\xE0_active";

// The reasons text after the check, or "ok" when nothing forbids.
std::string verifier(const t_interdictions& t, std::int32_t freq, bool ecart20, bool en_vol = false,
                     std::string debut = "") {
  std::string texte = debut;
  const bool ok = auto_(t, freq, en_vol, ecart20, texte);
  EXPECT_EQ(ok, texte == debut) << "a refusal comes with its reasons";
  return ok ? "ok" : texte;
}

t_interdictions table(std::initializer_list<t_interdiction> entrees) {
  t_interdictions t;
  for (const auto& e : entrees) t.ajouter(e.freq_interdite, e.freq_origine, e.motif);
  return t;
}

// The table rebuilt from these entries in flight, by slot.
t_interdictions en_vol(const std::map<int, std::int32_t>& places) {
  t_fiches fiches;
  for (const auto& [place, freq] : places) fiches[place] = {"V", 0, 0, freq, true, "", place, "", 0};
  t_interdictions t;
  noire(fiches, {}, t);
  return t;
}

TEST(Auto, StartsAgainstTheTwoFrequencyExample) {
  const t_interdictions t = en_vol({{1, 41000}, {2, 41020}});
  const struct { std::int32_t freq; bool ecart20; std::string motifs; } cas[] = {
      {41010, true, "-(" + deja + "_41000 )-(" + deja + "_41020 )-(sera_intermod_41020_41000 )"},
      {41010, false, "-(sera_intermod_41020_41000 )"}, {41030, true, "-(" + deja + "_41020 )"},
      {41030, false, ""}, {41046, true, "-(intermod_sup_41020_41000 )"}, {41046, false, "-(intermod_sup_41020_41000 )"},
      {41047, true, ""}, {41047, false, ""}, {40985, false, "-(intermod_inf_41020_41000 )"}};
  for (const auto& c : cas) {
    const std::string debut = std::to_string(c.freq) + " interdite : ";
    EXPECT_EQ(verifier(t, c.freq, c.ecart20, false, debut), c.motifs.empty() ? "ok" : debut + c.motifs) << c.freq;
  }
}

TEST(Auto, ToleranceFollowsTheFirstNineCharactersOfTheMotif) {
  const std::pair<const char*, std::array<int, 2>> cas[] = {  // tolerance with, without ecart20
      {"sera_intermod_1", {4, 4}}, {"sera_inte", {4, 4}},       {"intermod_inf_1", {6, 6}},
      {"freq_img=x", {6, 6}},      {"est_freq_image_de", {12, 6}}, {"sera_int", {12, 6}},
      {"Intermod_x", {12, 6}},     {"freq_img", {12, 6}},        {"", {12, 6}}};
  for (const auto& [motif, tolerances] : cas)
    for (const bool ecart20 : {true, false}) {
      const int tol = tolerances[ecart20 ? 0 : 1];
      const t_interdictions t = table({{50000, 1, motif}});
      const std::string refus = "-(" + std::string(motif) + "_1 )";
      for (const int sens : {-1, 1}) {
        EXPECT_EQ(verifier(t, 50000 + sens * tol, ecart20), refus) << motif << " " << tol;
        EXPECT_EQ(verifier(t, 50000 + sens * (tol + 1), ecart20), "ok") << motif << " " << tol;
      }
    }
}

TEST(Auto, TheExemptionIsTheExactFrequencyOfADejaActiveEntryInFlight) {
  const t_interdictions t = table({{41000, 41000, deja}, {41000, 41000, deja}, {42000, 7, "d\xE9j\xE0_aXY"},
                                   {43000, 8, "d\xE9j\xE0_"}, {44000, 44008, "sera_intermod_44000"}});
  EXPECT_EQ(verifier(t, 41000, true, true), "ok");  // two in flight on one frequency
  EXPECT_EQ(verifier(t, 41001, true, true), "-(" + deja + "_41000 )-(" + deja + "_41000 )");
  EXPECT_EQ(verifier(t, 41000, true, false), "-(" + deja + "_41000 )-(" + deja + "_41000 )");
  EXPECT_EQ(verifier(t, 42000, true, true), "ok");
  EXPECT_EQ(verifier(t, 43000, true, true), "-(d\xE9j\xE0__8 )");
  EXPECT_EQ(verifier(t, 44004, false, true), "-(sera_intermod_44000_44008 )");  // a midpoint flags one in flight
}

TEST(Auto, NothingForbidsA24GHzFrequency) {
  const t_interdictions t = table({{2400000, 2400000, deja}, {2400004, 2400008, "sera_intermod_2400000"}});
  for (const bool vol : {false, true}) EXPECT_EQ(verifier(t, 2400004, true, vol), "ok");
}

TEST(Auto, EveryClearedSlotAndEveryEntryPast999IsExamined) {
  std::string mille;
  for (int k = 0; k < 999; ++k) mille += "-(_0 )";
  EXPECT_EQ(verifier(t_interdictions{}, 12, true), mille);  // cleared: frequency 0, empty motif
  EXPECT_EQ(verifier(table({{41000, 41000, deja}}), 0, false), mille.substr(6));
  t_interdictions t;
  for (int k = 1; k <= 999; ++k) t.ajouter(70000, 70000, "x");
  t.ajouter(42000, 42000, "dehors");  // slot 1000: an entry the check skipped would let 42000 start
  EXPECT_EQ(verifier(t, 42005, true), "-(dehors_42000 )");
}

// Past the table's 9999 entries: the pair rows left out still forbid, with
// the reasons a table without a cap would give.
TEST(Plafond, APairLeftOutOfTheFullTableStillForbids) {
  // 60 models: 180 single entries, then the 1653 pairs of the 58 models
  // 10 kHz apart, 7 rows each, fill the table. The pair 72000 and 72100, in
  // the last two slots, is the last pair of all and wholly left out; nothing
  // else comes near its rows.
  std::map<int, std::int32_t> places = {{59, 72000}, {60, 72100}};
  for (int k = 0; k < 58; ++k) places[k + 1] = 40000 + 10 * k;
  t_interdictions table = en_vol(places);
  ASSERT_EQ(table.nb_interdictions(), 9999);
  EXPECT_EQ(lignes_noire(table).size(), 9999u);

  const struct { std::int32_t freq; std::string motifs; } cas[] = {
      {71900, "-(intermod_inf_72100_72000 )"}, {71907, "ok"}, {72054, "-(sera_intermod_72100_72000 )"},
      {71595, "-(intermod_inf_72000=freq_img_de_72100 )"},
      {73110, "-(freq_img=intermod_sup_72100_72000 )-(intermod_sup_72100=freq_img_de_72000 )"},
  };
  for (const auto& c : cas) EXPECT_EQ(verifier(table, c.freq, true), c.motifs) << c.freq;

  // The next rebuild clears slots 1 to 999 and forgets what the last one left out.
  noire(t_fiches{}, {}, table);
  EXPECT_EQ(table.nb_interdictions(), 0);
  EXPECT_EQ(table[999], t_interdiction{});
  EXPECT_EQ(verifier(table, 71900, true), "ok");
}

}  // namespace
}  // namespace qx30
