#include "storage/listes.h"

#include <gtest/gtest.h>

#include "outils.h"
#include "register/str_to_int.h"
#include "storage/texte.h"

namespace qx30 {
namespace {

using namespace test;
using Lignes = std::vector<std::string>;

// Filters a list and gives the error text, if any.
std::string filtrer(Lignes& items) {
  try {
    filtrer_frequences(items);
  } catch (const ConvertError& e) {
    return e.what();
  }
  return "";
}

TEST(Frequences, OnlyBandFrequenciesOnA5kHzStepRemain) {
  Lignes items = {"35010", "35015", "35012", "36010", "72130 canal 13", "41000", "27195"};
  EXPECT_EQ(filtrer(items), "");
  EXPECT_EQ(items, (Lignes{"35010", "35015", "72130", "41000", "27195"}));

  items = {"035010", " 35010", "26000", "27995", "28000", "34995", "35995", "36000", "40000",
           "42995", "43000", "72000", "72995", "73000", "25995", "35013", "x88C0", "3501x"};
  EXPECT_EQ(filtrer(items), "'3501x' is not a valid integer value");
  EXPECT_EQ(items.size(), 18u);  // stopped at the last item, nothing filtered
  items.pop_back();
  EXPECT_EQ(filtrer(items), "");
  EXPECT_EQ(items, (Lignes{"26000", "27995", "35995", "40000", "42995", "72000", "72995", "35008"}));
}

TEST(Frequences, AnInvalidItemStopsTheWalkHalfWay) {
  Lignes items = {"35010", "99999", "", "35012", "72130 canal 13"};
  EXPECT_EQ(filtrer(items), "'' is not a valid integer value");
  EXPECT_EQ(items, (Lignes{"35010", "99999", "", "72130"}));

  items = {"35010", "3501", "41000"};
  EXPECT_EQ(filtrer(items), "'' is not a valid integer value");  // no fifth character
  EXPECT_EQ(items, (Lignes{"35010", "3501", "41000"}));

  items = {"35.010"};
  EXPECT_EQ(filtrer(items), "'35.01' is not a valid integer value");
}

TEST(Textes, LinesAndCodePages) {
  EXPECT_EQ(decouper_lignes("a\r\nb\nc\rd"), (Lignes{"a", "b", "c", "d"}));
  EXPECT_EQ(decouper_lignes("a\r\n"), Lignes{"a"});
  EXPECT_EQ(decouper_lignes("a\n\nb\r\r\n"), (Lignes{"a", "", "b", ""}));
  EXPECT_EQ(decouper_lignes(std::string_view("a\nb\0c\nd", 7)), (Lignes{"a", "b"}));
  EXPECT_EQ(decouper_lignes(""), Lignes{});
  EXPECT_EQ(decouper_lignes("\n"), Lignes{""});

  EXPECT_EQ(en_cp1252("\xEF\xBB\xBFH\xC3\xA9l\xC3\xA8ne \xE2\x82\xAC"), "H\xE9l\xE8ne \x80");
  EXPECT_EQ(en_cp1252("\xC5\x81ukasz \xE2\x9C\x88"), "?ukasz ?");  // not in Windows-1252
  EXPECT_EQ(en_cp1252("H\xE9l\xE8ne"), "H\xE9l\xE8ne");            // already Windows-1252
  EXPECT_EQ(en_cp1252("\xC0\xAF"), "\xC0\xAF");                    // overlong form: not UTF-8
  EXPECT_EQ(en_cp1252("\xED\xA0\x80"), "\xED\xA0\x80");            // surrogate: not UTF-8
}

TEST(Textes, ListFilesInEitherCodePage) {
  DossierTemporaire dossier;
  ecrire_texte(dossier / "utf8.txt", "\xEF\xBB\xBF" "Fran\xC3\xA7ois\r\nJos\xC3\xA9\r\n");
  EXPECT_EQ(lire_lignes(dossier / "utf8.txt"), (Lignes{"Fran\xE7ois", "Jos\xE9"}));
  ecrire_texte(dossier / "ansi.txt", "Fran\xE7ois\nJos\xE9");
  EXPECT_EQ(lire_lignes(dossier / "ansi.txt"), (Lignes{"Fran\xE7ois", "Jos\xE9"}));
  // Decided line by line: one Windows-1252 line added to a UTF-8 file, and a
  // Windows-1252 line right after a byte order mark.
  ecrire_texte(dossier / "melange.txt", "\xEF\xBB\xBFS\xC3\xA9" "bastien\r\nH\xE9l\xE8ne\r\nJos\xC3\xA9\r\n");
  EXPECT_EQ(lire_lignes(dossier / "melange.txt"), (Lignes{"S\xE9" "bastien", "H\xE9l\xE8ne", "Jos\xE9"}));
  ecrire_texte(dossier / "bom.txt", "\xEF\xBB\xBF\xC9ric\nA\xC3\xAF" "cha");
  EXPECT_EQ(lire_lignes(dossier / "bom.txt"), (Lignes{"\xC9ric", "A\xEF" "cha"}));
  ecrire_texte(dossier / "vide.txt", "");
  EXPECT_EQ(lire_lignes(dossier / "vide.txt"), Lignes{});
  try {
    lire_lignes(dossier / "pilotes.txt");
    ADD_FAILURE();
  } catch (const FileOpenError& e) {
    EXPECT_STREQ(e.what(), "Cannot open file pilotes.txt");
  }
}

// A drop-down list that remembers what the reload did to it.
struct FausseBoite : BoiteChoix {
  Lignes items = {"ancien"};
  std::string texte = "avant";
  void vider() override { items.clear(); }
  void ajouter(const Lignes& l) override { items.insert(items.end(), l.begin(), l.end()); }
  void fixer_texte(const std::string& t) override { texte = t; }
};

TEST(Listes, ReloadFillsTheThreeBoxes) {
  DossierTemporaire dossier;
  ecrire_texte(dossier / "frequences.txt", "35010\r\n35012\r\n27195\r\n");
  ecrire_texte(dossier / "pilotes.txt", "Vert\r\nbleu\r\n\r\nRouge");
  ecrire_texte(dossier / "commentaires.txt", "");
  FausseBoite freq, pilote, comm;
  recharger_listes(freq, pilote, comm, dossier.chemin());
  EXPECT_EQ(freq.items, (Lignes{"35010", "27195"}));
  EXPECT_EQ(freq.texte, "choisir");
  EXPECT_EQ(pilote.items, (Lignes{"Vert", "bleu", "", "Rouge"}));
  EXPECT_EQ(pilote.texte, "X");
  EXPECT_EQ(comm.items, Lignes{});
  EXPECT_EQ(comm.texte, ".");
}

TEST(Listes, AnErrorStopsTheReloadAtItsBox) {
  DossierTemporaire dossier;
  ecrire_texte(dossier / "frequences.txt", "35010\n\n35012\n41000\n");
  ecrire_texte(dossier / "pilotes.txt", "Vert");
  {
    FausseBoite freq, pilote, comm;
    EXPECT_THROW(recharger_listes(freq, pilote, comm, dossier.chemin()), ConvertError);
    EXPECT_EQ(freq.items, (Lignes{"35010", "", "41000"}));  // part-filtered
    EXPECT_EQ(freq.texte, "avant");
    EXPECT_EQ(pilote.items, Lignes{"ancien"});
    EXPECT_EQ(comm.items, Lignes{"ancien"});
  }
  ecrire_texte(dossier / "frequences.txt", "35010\n");
  {
    FausseBoite freq, pilote, comm;  // commentaires.txt is missing
    try {
      recharger_listes(freq, pilote, comm, dossier.chemin());
      ADD_FAILURE();
    } catch (const FileOpenError& e) {
      EXPECT_STREQ(e.what(), "Cannot open file commentaires.txt");
    }
    EXPECT_EQ(freq.texte, "choisir");
    EXPECT_EQ(pilote.items, Lignes{"Vert"});
    EXPECT_EQ(comm.items, Lignes{});  // emptied before the file failed
    EXPECT_EQ(comm.texte, "avant");
  }
}

}  // namespace
}  // namespace qx30
