#pragma once
// The tests' one fake file system: files in memory, any step made to fail,
// and a disk that keeps through a crash only what was flushed: a file's data
// after synchroniser, a name (a new file, a rename) after a flush of the folder.
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "storage/file_system.h"
#include "storage/listes.h"

namespace qx30::testing {

using Octets = std::vector<std::uint8_t>;
using Chemin = std::filesystem::path;
struct Panne {};  // the machine stops: nothing of the save under way runs further

// What `f` threw, or "ok".
inline std::string erreur(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "ok";
}

// A choice box that shows what a reload did to it.
struct Boite : BoiteChoix {
  std::vector<std::string> items = {"ancien"};
  std::string texte = "avant";
  void vider() override { items.clear(); }
  void ajouter(const std::vector<std::string>& l) override { items.insert(items.end(), l.begin(), l.end()); }
  void fixer_texte(const std::string& t) override { texte = t; }
};

class FauxDisque : public FileSystem {
 public:
  // This step ("lire", "creer", "ouvrir_ajout", "ecrire", "synchroniser", "fermer", "renommer",
  // "synchroniser_dossier") fails with `erreur` from its `rang`-th call on.
  std::string echec;
  int erreur = 0, rang = 1;
  int panne_a = 0;                   // the machine stops at this step (counted over all steps)
  std::vector<std::string> journal;  // the steps, in order; a failing or stopped write writes half

  void poser(const Chemin& nom, const Octets& o) {
    fichiers_.push_back({o, o});
    noms_[nom] = durables_[nom] = fichiers_.size() - 1;
  }
  std::optional<Octets> contenu(const Chemin& nom) const {
    if (!noms_.contains(nom)) return std::nullopt;
    return fichiers_[noms_.at(nom)].cache;
  }
  std::set<std::string> noms() const {
    std::set<std::string> n;
    for (const auto& [nom, i] : noms_) n.insert(nom.filename().string());
    return n;
  }
  void redemarrer() {
    noms_ = durables_;
    for (auto& f : fichiers_) f.cache = f.disque;
  }

  int lire(const Chemin& nom, Ouverture, std::size_t limite, Octets& o) override {
    if (const int e = etape("lire")) return e;
    if (!noms_.contains(nom)) return ENOENT;
    const Octets& c = fichiers_[noms_[nom]].cache;
    o.assign(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(std::min(limite, c.size())));
    return 0;
  }
  int creer_temporaire(const Chemin& cible, Handle& h, Chemin& t) override {
    if (const int e = etape("creer")) return e;
    h = static_cast<Handle>(fichiers_.size());
    t = cible.parent_path() / ("." + cible.filename().string() + "." + std::to_string(h) + ".tmp");
    fichiers_.push_back({});
    noms_[t] = fichiers_.size() - 1;
    return 0;
  }
  int ouvrir_ajout(const Chemin& nom, Handle& h, std::uintmax_t& taille) override {
    if (const int e = etape("ouvrir_ajout")) return e;
    if (!noms_.contains(nom)) {
      fichiers_.push_back({});
      noms_[nom] = fichiers_.size() - 1;
    }
    h = static_cast<Handle>(noms_[nom]);
    taille = fichiers_[noms_[nom]].cache.size();
    return 0;
  }
  int ecrire(Handle h, std::span<const std::uint8_t> o) override {
    Octets& c = fichiers_.at(static_cast<std::size_t>(h)).cache;
    const int e = etape("ecrire", [&] { c.insert(c.end(), o.begin(), o.begin() + o.size() / 2); });
    if (e == 0) c.insert(c.end(), o.begin(), o.end());
    return e;
  }
  int synchroniser(Handle h) override {
    Fichier& f = fichiers_.at(static_cast<std::size_t>(h));
    const int e = etape("synchroniser");
    if (e == 0) f.disque = f.cache;
    return e;
  }
  int fermer(Handle) override { return etape("fermer"); }
  int renommer(const Chemin& de, const Chemin& vers) override {
    if (const int e = etape("renommer")) return e;
    if (!noms_.contains(de)) return ENOENT;
    noms_[vers] = noms_[de];
    noms_.erase(de);
    return 0;
  }
  int supprimer(const Chemin& nom) override {
    if (const int e = etape("supprimer")) return e;
    return noms_.erase(nom) == 1 ? 0 : ENOENT;
  }
  int synchroniser_dossier(const Chemin&) override {
    const int e = etape("synchroniser_dossier");
    if (e == 0) durables_ = noms_;
    return e;
  }

 private:
  struct Fichier {
    Octets cache, disque;
  };
  std::vector<Fichier> fichiers_;
  std::map<Chemin, std::size_t> noms_, durables_;
  std::map<std::string, int> appels_;

  int etape(const std::string& nom, const std::function<void()>& moitie = {}) {
    journal.push_back(nom);
    const bool en_echec = nom == echec && ++appels_[nom] >= rang;
    const bool arret = static_cast<int>(journal.size()) == panne_a;
    if (moitie && (en_echec || arret)) moitie();
    if (arret) throw Panne{};
    return en_echec ? erreur : 0;
  }
};

}  // namespace qx30::testing
