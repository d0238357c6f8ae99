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

namespace qx30::testing {

using Octets = std::vector<std::uint8_t>;

// The machine stops: nothing of the save in progress runs any further.
struct Panne {};

class FauxDisque : public FileSystem {
 public:
  // This step ("lire", "creer", "ecrire", "synchroniser", "fermer",
  // "renommer", "synchroniser_dossier") fails with `erreur` from its
  // `rang`-th call on; a failing write writes half of its bytes first.
  std::string echec;
  int erreur = 0, rang = 1;
  // The machine stops at this step (counted from 1 over all steps), a
  // write halfway through.
  int panne_a = 0;
  std::vector<std::string> journal;  // the steps, in order

  void poser(const std::filesystem::path& nom, const Octets& o) {
    fichiers_.push_back({o, o});
    noms_[nom] = durables_[nom] = fichiers_.size() - 1;
  }
  std::optional<Octets> contenu(const std::filesystem::path& nom) const {
    const auto it = noms_.find(nom);
    if (it == noms_.end()) return std::nullopt;
    return fichiers_[it->second].cache;
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

  int lire(const std::filesystem::path& nom, Ouverture, std::size_t limite, Octets& o) override {
    if (const int e = etape("lire")) return e;
    const auto it = noms_.find(nom);
    if (it == noms_.end()) return ENOENT;
    const Octets& c = fichiers_[it->second].cache;
    o.assign(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(std::min(limite, c.size())));
    return 0;
  }
  int creer_temporaire(const std::filesystem::path& cible, Handle& h, std::filesystem::path& t) override {
    if (const int e = etape("creer")) return e;
    h = static_cast<Handle>(fichiers_.size());
    t = cible.parent_path() / ("." + cible.filename().string() + "." + std::to_string(h) + ".tmp");
    fichiers_.push_back({});
    noms_[t] = static_cast<std::size_t>(h);
    return 0;
  }
  int ecrire(Handle h, std::span<const std::uint8_t> o) override {
    Octets& c = fichiers_.at(static_cast<std::size_t>(h)).cache;
    const int e = etape("ecrire", [&] { c.insert(c.end(), o.begin(), o.begin() + o.size() / 2); });
    if (e == 0) c.insert(c.end(), o.begin(), o.end());
    return e;
  }
  int synchroniser(Handle h) override {
    if (const int e = etape("synchroniser")) return e;
    fichiers_.at(static_cast<std::size_t>(h)).disque = fichiers_[static_cast<std::size_t>(h)].cache;
    return 0;
  }
  int fermer(Handle) override { return etape("fermer"); }
  int renommer(const std::filesystem::path& de, const std::filesystem::path& vers) override {
    if (const int e = etape("renommer")) return e;
    if (!noms_.contains(de)) return ENOENT;
    noms_[vers] = noms_[de];
    noms_.erase(de);
    return 0;
  }
  int supprimer(const std::filesystem::path& nom) override {
    if (const int e = etape("supprimer")) return e;
    return noms_.erase(nom) == 1 ? 0 : ENOENT;
  }
  int synchroniser_dossier(const std::filesystem::path&) override {
    if (const int e = etape("synchroniser_dossier")) return e;
    durables_ = noms_;
    return 0;
  }

 private:
  struct Fichier {
    Octets cache, disque;
  };
  std::vector<Fichier> fichiers_;
  std::map<std::filesystem::path, std::size_t> noms_, durables_;
  std::map<std::string, int> appels_;

  int etape(const std::string& nom, const std::function<void()>& moitie = {}) {
    journal.push_back(nom);
    const bool en_echec = nom == echec && ++appels_[nom] >= rang;
    if (moitie && (en_echec || static_cast<int>(journal.size()) == panne_a)) moitie();
    if (static_cast<int>(journal.size()) == panne_a) throw Panne{};
    return en_echec ? erreur : 0;
  }
};

}  // namespace qx30::testing
