#include "storage/journal.h"

#include <cstdint>
#include <span>
#include <utility>

#include "common/cp1252.h"
#include "storage/io_error.h"

namespace qx30 {

namespace {

std::string en_utf8(std::string_view cp1252) {
  std::string utf8;
  utf8.reserve(cp1252.size());
  for (const char octet : cp1252) {
    const char32_t c = cp1252_to_unicode(static_cast<std::uint8_t>(octet));
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // Windows-1252 reaches no further than U+FFFF
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// A field that holds the separator, a quote or a line break goes between
// quotes, its quotes doubled.
std::string champ_csv(std::string_view texte) {
  if (texte.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(texte);
  std::string quote = "\"";
  for (const char c : texte) {
    quote += c;
    if (c == '"') quote += '"';
  }
  return quote + '"';
}

}  // namespace

std::string_view nom_evenement(Evenement evenement) {
  switch (evenement) {
    case Evenement::demarrage: return "demarrage";
    case Evenement::enregistrement: return "enregistrement";
    case Evenement::suppression: return "suppression";
    case Evenement::raz_compteurs: return "raz_compteurs";
    case Evenement::autorisation: return "autorisation";
    case Evenement::refus: return "refus";
    case Evenement::attente: return "attente";
    case Evenement::retrait_attente: return "retrait_attente";
    case Evenement::fin_evolution: return "fin_evolution";
    case Evenement::depassement: return "depassement";
    case Evenement::conflit_actifs: return "conflit_actifs";
    case Evenement::chargement: return "chargement";
    case Evenement::sauvegarde_manuelle: return "sauvegarde_manuelle";
    case Evenement::fermeture: return "fermeture";
    case Evenement::reprise: return "reprise";
    case Evenement::reprise_refusee: return "reprise_refusee";
  }
  return "?";
}

std::string ligne_journal(const t_date_heure& moment, const t_evenement& e) {
  const std::string date_heure = texte_date_heure(moment);
  const bool entree = e.numero != 0;
  std::string ligne = date_heure.substr(0, 10) + ';' + date_heure.substr(11) + ';';
  ligne += nom_evenement(e.evenement);
  ligne += ';' + (entree ? std::to_string(e.numero) : std::string()) + ';';
  ligne += (entree ? std::to_string(e.freq) : std::string()) + ';';
  ligne += champ_csv(en_utf8(entree ? e.libelle : std::string())) + ';';
  ligne += champ_csv(en_utf8(e.detail)) + "\r\n";
  return ligne;
}

Journal::Journal(std::filesystem::path fichier, FileSystem& fs) : fichier_(std::move(fichier)), fs_(fs) {}

void Journal::ecrire(const t_date_heure& moment, const t_evenement& evenement) {
  if (fichier_.filename().empty()) throw InOutError(code_io::nom_invalide);
  FileSystem::Handle handle = -1;
  std::uintmax_t taille = 0;
  if (const int erreur = fs_.ouvrir_ajout(fichier_, handle, taille); erreur != 0)
    throw InOutError::depuis_errno(erreur);

  std::string texte;
  if (taille == 0) texte = entete_journal;
  else if (ligne_coupee_) texte = "\r\n";
  texte += ligne_journal(moment, evenement);
  const std::span octets(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());

  int erreur = fs_.ecrire(handle, octets);
  ligne_coupee_ = erreur != 0;
  if (erreur == 0) erreur = fs_.synchroniser(handle);
  if (const int a_la_fermeture = fs_.fermer(handle); erreur == 0) erreur = a_la_fermeture;
  // A new file's name must last as long as its first line.
  if (erreur == 0 && taille == 0)
    erreur = fs_.synchroniser_dossier(fichier_.has_parent_path() ? fichier_.parent_path() : ".");
  if (erreur != 0) throw InOutError::depuis_errno(erreur);
}

}  // namespace qx30
