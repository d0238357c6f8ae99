// The three choice lists and the text files behind them.
#include "storage/listes.h"

#include <gtest/gtest.h>

#include "common/str_to_int.h"
#include "support/fake_disk.h"

namespace qx30 {
namespace {

using Lignes = std::vector<std::string>;

// A choice box that shows what a reload did to it.
struct FakeChoiceBox : BoiteChoix {
  std::vector<std::string> items = {"ancien"};
  std::string text = "avant";
  void vider() override { items.clear(); }
  void ajouter(const std::vector<std::string>& l) override { items.insert(items.end(), l.begin(), l.end()); }
  void fixer_texte(const std::string& t) override { text = t; }
};

std::string filtrer(Lignes& items) { return testing::thrown([&] { filtrer_frequences(items); }); }

TEST(Frequences, BandsOnA5kHzStepAndAStopHalfWay) {
  Lignes items = {"35010", "35015", "35012", "35011", "36010", "72130 canal 13", "41000", "27195"};
  EXPECT_EQ(filtrer(items), "ok");
  EXPECT_EQ(items, (Lignes{"35010", "35015", "72130", "41000", "27195"}));
  // 2.4 GHz: seven digits, any step.
  items = {"035010", " 35010",  "26000",   "27995",           "28000",   "34995",    "35995",  "36000",
           "40000",  "42995",   "43000",   "72000",           "72995",   "73000",    "25995",  "35013",
           "x88C0",  "2399999", "2400000", "2483500 2,4 GHz", "2483501", " 2400000", "2412345"};
  EXPECT_EQ(filtrer(items), "ok");
  EXPECT_EQ(items, (Lignes{"26000", "27995", "35995", "40000", "42995", "72000", "72995", "35008", "2400000",
                           "2483500", "2412345"}));
  const std::pair<Lignes, const char*> arrets[] = {{{"35010", "99999", "", "35012", "72130 x"}, "''"},
                                                   {{"35010", "3501", "41000"}, "''"},
                                                   {{"35010", "35.010", "41000"}, "'35.01'"}};
  for (const auto& [lignes, texte] : arrets) {
    items = lignes;
    EXPECT_EQ(filtrer(items), std::string(texte) + " is not a valid integer value");
    EXPECT_EQ(Lignes(items.begin(), items.begin() + 2), Lignes(lignes.begin(), lignes.begin() + 2));
    EXPECT_EQ(items.back(), lignes.back().substr(0, 5)) << "the items after it are already filtered";
  }
}

// Each line is decoded on its own: one Windows-1252 line added to a UTF-8
// file spoils no other line.
TEST(Listes, EachLineInItsOwnCodePage) {
  testing::FakeDisk d;
  const std::pair<std::string_view, Lignes> cas[] = {
      {"\xEF\xBB\xBFS\xC3\xA9" "bastien\r\nH\xE9l\xE8ne\r\nJos\xC3\xA9\r\n",
       {"S\xE9" "bastien", "H\xE9l\xE8ne", "Jos\xE9"}},
      {"\xEF\xBB\xBF\xC9ric\nA\xC3\xAF" "cha", {"\xC9ric", "A\xEF" "cha"}},
      {"\xC5\x81ukasz \xE2\x82\xAC\n\xC0\xAF", {"?ukasz \x80", "\xC0\xAF"}},  // not in Windows-1252; overlong
      {std::string_view("a\nb\0c\nd", 7), {"a", "b"}},  // the text ends at a NUL
      {"a\r\rb\n\r\nc", {"a", "", "b", "", "c"}},
  };
  for (const auto& [octets, lignes] : cas) {
    d.put("pilotes.txt", testing::Bytes(octets.begin(), octets.end()));
    EXPECT_EQ(lire_lignes("pilotes.txt", d), lignes);
  }
}

TEST(Listes, ReloadBoxByBoxUntilAnError) {
  testing::FakeDisk d;
  const auto poser = [&](const char* nom, std::string_view t) { d.put(nom, testing::Bytes(t.begin(), t.end())); };
  poser("frequences.txt", "35010\r\n35012\r\n27195\r\n");
  poser("pilotes.txt", "Vert\r\nbleu\r\n\r\nRouge");
  poser("commentaires.txt", "");
  FakeChoiceBox freq, pilote, comm, f2, p2, c2, f3, p3, c3;
  recharger_listes(freq, pilote, comm, {}, d);
  EXPECT_EQ(freq.items, (Lignes{"35010", "27195"}));
  EXPECT_EQ(pilote.items, (Lignes{"Vert", "bleu", "", "Rouge"}));
  EXPECT_EQ(comm.items, Lignes{});
  EXPECT_EQ(freq.text + pilote.text + comm.text, "choisirX.");

  poser("frequences.txt", "35010\n\n35012\n41000\n");
  EXPECT_THROW(recharger_listes(f2, p2, c2, {}, d), ConvertError);
  EXPECT_EQ(f2.items, (Lignes{"35010", "", "41000"}));
  EXPECT_EQ(f2.text + p2.items[0] + p2.text, "avantancienavant");
  poser("frequences.txt", "35010\n");
  d.failing_step = "lire", d.error = ENOENT, d.from_call = 3;  // commentaires.txt
  EXPECT_EQ(testing::thrown([&] { recharger_listes(f3, p3, c3, {}, d); }), "Cannot open file commentaires.txt");
  EXPECT_EQ(p3.text, "X");
  EXPECT_EQ(c3.items, Lignes{});  // emptied before its file failed
  EXPECT_EQ(c3.text, "avant");
}

}  // namespace
}  // namespace qx30
