#include "register/fiche.h"

#include <gtest/gtest.h>

#include <string>

namespace qx30 {
namespace {

// An entry in flight, written out byte by byte by hand.
const t_octets_fiche en_vol = {
    0x01, 'V', 0x00, 0x00,                          // etat
    0x07, 0x00, 0x00, 0x00,                         // temps_vol 7
    0x2C, 0x01, 0x00, 0x00,                         // cumul_temps 300
    0xC2, 0x88, 0x00, 0x00,                         // freq 35010
    0x01,                                           // autorise
    18, '3', '5', '0', '1', '0', '_', 'R', 'O', 'U', 'G', 'E', '_', 'E', 'x', 't', 'r', 'a', '_',
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // rest of libelle
    0x03, 0x00, 0x00, 0x00,                         // numero 3
    0x05, '1', '4', ':', '0', '5',                  // heure_debut
    0x00, 0x00,                                     // padding
    0xFE, 0xFF, 0xFF, 0xFF,                         // nbre_evolutions -2
};

t_fiche fiche_en_vol() {
  t_fiche f;
  f.etat = "V";
  f.temps_vol = 7;
  f.cumul_temps = 300;
  f.freq = 35010;
  f.autorise = true;
  f.libelle = "35010_ROUGE_Extra_";
  f.numero = 3;
  f.heure_debut = "14:05";
  f.nbre_evolutions = -2;
  return f;
}

TEST(Fiche, EveryFieldSitsAtItsOffset) {
  EXPECT_EQ(encoder(fiche_en_vol()), en_vol);
  EXPECT_EQ(decoder(en_vol), fiche_en_vol());
}

TEST(Fiche, StateCodesAreALengthByteAndOneLetter) {
  for (const char* code : {"L", "A", "V"}) {
    t_fiche f;
    f.etat = code;
    const auto octets = encoder(f);
    EXPECT_EQ(octets[0], 1);
    EXPECT_EQ(octets[1], code[0]);
    EXPECT_EQ(octets[2], 0);
    EXPECT_EQ(octets[3], 0);
  }
}

TEST(Fiche, ReaderIgnoresBytesBeyondTheStoredLength) {
  t_octets_fiche octets = en_vol;
  octets[2] = 'X';                    // state rest
  octets[17] = 5;                     // libelle cut to "35010"
  octets[61 + 5 - 1 + 1] = 'Z';       // padding after heure_debut
  octets[60] = 2;                     // heure_debut "14"
  const t_fiche f = decoder(octets);
  EXPECT_EQ(f.etat, "V");
  EXPECT_EQ(f.libelle, "35010");
  EXPECT_EQ(f.heure_debut, "14");
  EXPECT_EQ(f.nbre_evolutions, -2);
}

TEST(Fiche, AnOversizedLengthByteNeverReadsPastItsField) {
  t_octets_fiche octets = en_vol;
  octets[17] = 200;
  octets[60] = 9;
  const t_fiche f = decoder(octets);
  EXPECT_EQ(f.libelle.size(), 38u);
  EXPECT_EQ(f.heure_debut, "14:05");
}

TEST(Fiche, TextsLongerThanTheirFieldAreCut) {
  t_fiche f;
  f.libelle = std::string(50, 'x');
  f.heure_debut = "14:05:59";
  const auto octets = encoder(f);
  EXPECT_EQ(octets[17], 38);
  EXPECT_EQ(octets[55], 'x');
  EXPECT_EQ(octets[56], 0);  // numero untouched by the overflow
  EXPECT_EQ(octets[60], 5);
  EXPECT_EQ(octets[66], 0);
}

}  // namespace
}  // namespace qx30
