// The check of one frequency against the forbidden frequencies.
#include "interdictions/autorisation.h"

#include <gtest/gtest.h>

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

TEST(Auto, StartsAgainstTheTwoFrequencyExample) {
  t_fiches fiches;
  fiches[1] = {"V", 0, 0, 41000, true, "", 1, "", 0};
  fiches[2] = {"V", 0, 0, 41020, true, "", 2, "", 0};
  t_interdictions t;
  noire(fiches, {}, t);
  const struct {
    std::int32_t freq;
    bool ecart20;
    std::string motifs;
  } cas[] = {
      {41010, true, "-(" + deja + "_41000 )-(" + deja + "_41020 )-(sera_intermod_41020_41000 )"},
      {41010, false, "-(sera_intermod_41020_41000 )"}, {41030, true, "-(" + deja + "_41020 )"},
      {41030, false, ""}, {41046, true, "-(intermod_sup_41020_41000 )"}, {41046, false, "-(intermod_sup_41020_41000 )"},
      {41047, true, ""}, {41047, false, ""}, {40985, false, "-(intermod_inf_41020_41000 )"}};
  for (const auto& c : cas) {
    const std::string debut = std::to_string(c.freq) + " interdite : ";
    EXPECT_EQ(verifier(t, c.freq, c.ecart20, false, debut), c.motifs.empty() ? "ok" : debut + c.motifs) << c.freq;
  }
  EXPECT_EQ(verifier(t, 41000, true, true), "ok");  // its own entry is exempt
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
                                   {43000, 8, "d\xE9j\xE0_"}});
  EXPECT_EQ(verifier(t, 41000, true, true), "ok");  // two in flight on one frequency
  EXPECT_EQ(verifier(t, 41001, true, true), "-(" + deja + "_41000 )-(" + deja + "_41000 )");
  EXPECT_EQ(verifier(t, 41000, true, false), "-(" + deja + "_41000 )-(" + deja + "_41000 )");
  EXPECT_EQ(verifier(t, 42000, true, true), "ok");
  EXPECT_EQ(verifier(t, 43000, true, true), "-(d\xE9j\xE0__8 )");
}

TEST(Auto, AMidpointWithinFourFlagsBothEntriesInFlight) {
  t_fiches fiches;
  fiches[1] = {"V", 0, 0, 41000, true, "", 1, "", 0};
  fiches[2] = {"V", 0, 0, 41008, true, "", 2, "", 0};
  t_interdictions t;
  noire(fiches, {}, t);
  EXPECT_EQ(verifier(t, 41000, false, true), "-(sera_intermod_41008_41000 )");
  EXPECT_EQ(verifier(t, 41008, false, true), "-(sera_intermod_41008_41000 )");
}

TEST(Auto, EveryClearedSlotAndEveryEntryPast999IsExamined) {
  std::string mille;
  for (int k = 0; k < 999; ++k) mille += "-(_0 )";
  EXPECT_EQ(verifier(t_interdictions{}, 12, true), mille);  // cleared: frequency 0, empty motif
  EXPECT_EQ(verifier(t_interdictions{}, -6, false), mille);
  EXPECT_EQ(verifier(t_interdictions{}, 13, true), "ok");
  EXPECT_EQ(verifier(table({{41000, 41000, deja}}), 0, false), mille.substr(6));
  t_interdictions t;
  for (int k = 1; k <= 999; ++k) t.ajouter(70000, 70000, "x");
  t.ajouter(42000, 42000, "dehors");  // slot 1000: an entry the check skipped would let 42000 start
  EXPECT_EQ(verifier(t, 42005, true), "-(dehors_42000 )");
}

}  // namespace
}  // namespace qx30
