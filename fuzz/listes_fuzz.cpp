// One file of any content as the three choice lists: its bytes to
// Windows-1252 text, whole and line by line, the text cut into lines, the
// frequency filter with its integer conversion, and the reload of the three
// boxes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "outils_fuzz.h"
#include "register/cp1252.h"
#include "register/str_to_int.h"
#include "storage/listes.h"
#include "storage/texte.h"

using namespace qx30;
using namespace qx30::fuzz;

namespace {

using Lignes = std::vector<std::string>;

// The lines by another road: every break made a LF, the last one dropped,
// then cut at each LF.
Lignes lignes_de_reference(std::string_view t) {
  std::string s;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
    s.push_back(t[i] == '\r' ? '\n' : t[i]);
  }
  Lignes lignes;
  if (s.empty()) return lignes;
  if (s.back() == '\n') s.pop_back();
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = s.find('\n', debut);
    lignes.push_back(s.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
    if (fin == std::string::npos) return lignes;
    debut = fin + 1;
  }
}

// Length of the UTF-8 sequence that starts with `tete` (well-formed text).
std::size_t longueur_utf8(std::uint8_t tete) { return tete < 0x80 ? 1 : tete < 0xE0 ? 2 : tete < 0xF0 ? 3 : 4; }

char32_t point_de_code(std::string_view sequence) {
  const std::size_t n = sequence.size();
  char32_t c = static_cast<std::uint8_t>(sequence[0]) & (n == 1 ? 0x7F : n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<std::uint8_t>(sequence[k]) & 0x3F);
  return c;
}

std::string en_utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// UTF-8 (without its byte order mark) becomes one byte per character, each
// the same character, or "?" for one the code page lacks; anything else is
// kept as it is.
void verifier_code_page(std::string_view brut, const std::string& converti) {
  std::string_view corps = brut;
  if (corps.starts_with("\xEF\xBB\xBF")) corps.remove_prefix(3);
  if (!est_utf8(corps)) {
    QX30_VERIFIER(converti == brut);
    return;
  }
  std::size_t i = 0;
  for (const char octet : converti) {
    QX30_VERIFIER(i < corps.size());
    const std::size_t n = longueur_utf8(static_cast<std::uint8_t>(corps[i]));
    const std::string_view original = corps.substr(i, n);
    const std::string rendu = en_utf8(cp1252_to_unicode(static_cast<std::uint8_t>(octet)));
    QX30_VERIFIER(rendu == original || (octet == '?' && !unicode_to_cp1252(point_de_code(original))));
    i += n;
  }
  QX30_VERIFIER(i == corps.size());
}

bool dans_une_bande(std::int32_t f) {
  return (f >= 26000 && f < 28000) || (f >= 35000 && f < 36000) || (f >= 40000 && f < 43000) ||
         (f >= 72000 && f < 73000);
}

// The filter as a model: from the last item to the first, f from the first
// five characters, d from the fifth; the first one that is not an integer
// stops the walk and is the error's text.
struct Filtrage {
  Lignes items;
  std::optional<std::string> erreur;
};
Filtrage filtrage_de_reference(const Lignes& items) {
  Filtrage r{items, std::nullopt};
  for (std::size_t i = items.size(); i-- > 0;) {
    const std::string_view item = items[i];
    const std::string_view cinq = item.substr(0, 5);
    const std::string_view cinquieme = item.size() >= 5 ? item.substr(4, 1) : std::string_view{};
    const auto f = entier_de_reference(cinq);
    const auto d = entier_de_reference(cinquieme);
    if (!f || !d) {
      r.erreur = "'" + std::string(!f ? cinq : cinquieme) + "' is not a valid integer value";
      return r;
    }
    if (dans_une_bande(*f) && (*d == 0 || *d == 5))
      r.items[i] = std::to_string(*f);
    else
      r.items.erase(r.items.begin() + static_cast<std::ptrdiff_t>(i));
  }
  return r;
}

class Boite : public BoiteChoix {
 public:
  Lignes items = {"ancien"};
  std::string texte = "ancien";
  void vider() override { items.clear(); }
  void ajouter(const Lignes& nouveaux) override { items.insert(items.end(), nouveaux.begin(), nouveaux.end()); }
  void fixer_texte(const std::string& t) override { texte = t; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
  const std::string_view brut = texte(data, taille);
  const std::string_view avant_nul = brut.substr(0, brut.find('\0'));

  const std::string converti = en_cp1252(avant_nul);
  verifier_code_page(avant_nul, converti);
  QX30_VERIFIER(decouper_lignes(converti) == lignes_de_reference(converti));

  // A list file is decoded line by line, after its byte order mark.
  std::string_view corps = avant_nul;
  if (corps.starts_with("\xEF\xBB\xBF")) corps.remove_prefix(3);
  Lignes attendues;
  for (const std::string& brute : lignes_de_reference(corps)) {
    attendues.push_back(en_cp1252(brute));
    verifier_code_page(brute, attendues.back());
  }

  MemoireFS fs;
  for (const char* nom : {fichier_frequences, fichier_pilotes, fichier_commentaires})
    fs.fichiers[nom] = octets(data, taille);
  QX30_VERIFIER(lire_lignes(fichier_frequences, fs) == attendues);

  // Every line, its first five characters and its fifth read as integers.
  for (const std::string& ligne : attendues)
    for (const std::string_view t : {std::string_view(ligne), std::string_view(ligne).substr(0, 5)})
      QX30_VERIFIER(try_str_to_int(t) == entier_de_reference(t));

  const Filtrage modele = filtrage_de_reference(attendues);
  Lignes filtrees = attendues;
  std::optional<std::string> erreur;
  try {
    filtrer_frequences(filtrees);
  } catch (const ConvertError& e) {
    erreur = e.what();
  }
  QX30_VERIFIER(erreur == modele.erreur);
  QX30_VERIFIER(filtrees == modele.items);
  if (!erreur)
    for (const std::string& f : filtrees) QX30_VERIFIER(dans_une_bande(std::stoi(f)) && std::to_string(std::stoi(f)) == f);

  // The reload: the frequency box gets what the filter left, even halfway;
  // the other two boxes are reached only when it went through.
  Boite freq, pilote, comm;
  try {
    recharger_listes(freq, pilote, comm, {}, fs);
    QX30_VERIFIER(!modele.erreur);
    QX30_VERIFIER(freq.texte == texte_choisir && pilote.texte == pilote_par_defaut &&
                  comm.texte == commentaire_par_defaut);
    QX30_VERIFIER(pilote.items == attendues && comm.items == attendues);
  } catch (const ConvertError& e) {
    QX30_VERIFIER(modele.erreur && e.what() == *modele.erreur);
    QX30_VERIFIER(freq.texte == "ancien");
    QX30_VERIFIER(pilote.items == Lignes{"ancien"} && comm.items == Lignes{"ancien"});
  }
  QX30_VERIFIER(freq.items == modele.items);
  return 0;
}
