// The entry record and table.
#include <gtest/gtest.h>

#include "common/str_to_int.h"
#include "register/fiches.h"

namespace qx30 {
namespace {

// An entry in flight, byte by byte.
const t_octets_fiche en_vol = {
    1, 'V', 0, 0, 7, 0, 0, 0, 0x2C, 0x01, 0, 0, 0x00, 0x9F, 0x24, 0,  // etat, 7, 300, 2400000 (2.4 GHz)
    1, 20, '2', '4', '0', '0', '0', '0', '0', '_', 'R', 'O', 'U', 'G', 'E', '_', 'E', 'x', 't', 'r', 'a', '_',
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // rest of libelle
    3, 0, 0, 0, 5, '1', '4', ':', '0', '5', 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};  // 3, 14:05, -2
const t_fiche fiche_en_vol{"V", 7, 300, 2400000, true, "2400000_ROUGE_Extra_", 3, "14:05", -2};

TEST(Fiche, RecordLayout) {
  EXPECT_EQ(encoder(fiche_en_vol), en_vol);
  EXPECT_EQ(decoder(en_vol), fiche_en_vol);
  t_octets_fiche o = en_vol;
  o[2] = 'X', o[17] = 5, o[60] = 2, o[67] = 'Z';  // bytes beyond the lengths mean nothing
  o[16] = 2;  // any but 0 is true
  EXPECT_TRUE(decoder(o).autorise);
  EXPECT_EQ(decoder(o).libelle, "24000");
  EXPECT_EQ(decoder(o).heure_debut, "14");
  EXPECT_EQ(decoder(o).etat, "V");
  o[17] = 200, o[60] = 9;  // an oversized length never reads past its field
  EXPECT_EQ(decoder(o).libelle.size(), 38u);
  EXPECT_EQ(decoder(o).heure_debut, "14:05");
  t_fiche longue;
  longue.libelle = std::string(50, 'x');
  const auto c = encoder(longue);
  EXPECT_EQ(c[17], 38);
  EXPECT_EQ(c[55], 'x');
  EXPECT_EQ(c[56], 0);
}

// A slot is free again when deleted (frequency 0) or never numbered; slot 999
// is never offered (the registration test fills the table to that point).
TEST(Fiches, SlotsPresenceAndTheFreeSlot) {
  t_fiches fiches;
  EXPECT_THROW(fiches[0], RangeError);
  EXPECT_THROW(fiches[1000], RangeError);
  for (int i = 1; i <= 999; ++i) fiches[i] = {"L", 0, 0, 35010, true, "x", i, "", 0};
  fiches[700].freq = 0;
  fiches[500].numero = 0;
  EXPECT_EQ(place_libre(fiches), 500);
  EXPECT_FALSE(est_presente(fiches[700]) || est_presente(fiches[500]));
  EXPECT_TRUE(est_presente(fiches[999]));
  fiches.vider();
  EXPECT_EQ(fiches[999], t_fiche{});
}

TEST(Fiches, LibelleAndLineNumber) {
  const std::pair<std::array<const char*, 3>, const char*> cas[] = {
      {{"35010", "ROUGE equipe", "Extra [2]"}, "35010_ROUGE equipe_Extra 2_"},
      {{"35010", "", ""}, "35010___"},
      {{"41000", "ABCDEFGHIJKLMNOPQRSTUVWXY", "abcdefghijkl"}, "41000_ABCDEFGHIJKLMNOPQRST_abcdefghij_"},
      {{"1234567", "[ABCDEFGHIJKLMNOPQRS", "abcdefghij"}, "1234567_ABCDEFGHIJKLMNOPQRS_abcdefghi"},  // cut, then [
      {{"41000", "[[[[[[[[[[[[[[[[[[[[", "]]]]]]]]]]"}, "41000___"},  // removed after the cut
  };
  for (const auto& [e, attendu] : cas) EXPECT_EQ(construire_libelle(e[0], e[1], e[2]), attendu);
  EXPECT_EQ(numero_de_ligne("14:05=t007_35010_X_._[998]c000e001-(x_[5] )"), 998);
  EXPECT_EQ(numero_de_ligne("[ 12]"), 12);
  for (const char* faux : {"35010_X_[1x]c000", "sans crochet", "]12[", "[]"})
    EXPECT_THROW(numero_de_ligne(faux), ConvertError) << faux;
}
}  // namespace
}  // namespace qx30
