#pragma once
// Test helpers: a temporary folder per test, raw file access, and a file
// system that fails at a chosen step.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace qx30::test {

namespace fs = std::filesystem;

using Octets = std::vector<std::uint8_t>;

// A fresh folder, removed with everything in it at the end of the test.
class DossierTemporaire {
 public:
  DossierTemporaire() {
    std::string modele = (fs::temp_directory_path() / "qx30_storage_XXXXXX").string();
    if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
    chemin_ = modele;
  }
  ~DossierTemporaire() {
    std::error_code ignore;
    fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ignore);
    fs::remove_all(chemin_, ignore);
  }
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;

  fs::path operator/(const std::string& nom) const { return chemin_ / nom; }
  const fs::path& chemin() const { return chemin_; }

  // Names of the files in the folder.
  std::set<std::string> contenu() const {
    std::set<std::string> noms;
    for (const auto& entree : fs::directory_iterator(chemin_)) noms.insert(entree.path().filename().string());
    return noms;
  }

 private:
  fs::path chemin_;
};

inline void ecrire_octets(const fs::path& fichier, const Octets& octets) {
  std::ofstream out(fichier, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

inline void ecrire_texte(const fs::path& fichier, const std::string& texte) {
  ecrire_octets(fichier, Octets(texte.begin(), texte.end()));
}

inline Octets lire_octets(const fs::path& fichier) {
  std::ifstream in(fichier, std::ios::binary);
  return Octets(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool super_utilisateur() { return ::geteuid() == 0; }

// The real file system, except that one step fails with the given errno.
// A failing write first writes half of its bytes, as a disk filling up does.
class FauxSysteme : public PosixFileSystem {
 public:
  enum class Etape { aucune, lire, creer, ecrire, synchroniser, fermer, renommer };

  Etape echec = Etape::aucune;
  int erreur = 0;

  int lire(const fs::path& f, Ouverture m, std::size_t limite, Octets& contenu) override {
    return echec == Etape::lire ? erreur : PosixFileSystem::lire(f, m, limite, contenu);
  }
  int creer_temporaire(const fs::path& cible, Handle& h, fs::path& t) override {
    return echec == Etape::creer ? erreur : PosixFileSystem::creer_temporaire(cible, h, t);
  }
  int ecrire(Handle h, std::span<const std::uint8_t> octets) override {
    if (echec != Etape::ecrire) return PosixFileSystem::ecrire(h, octets);
    (void)PosixFileSystem::ecrire(h, octets.first(octets.size() / 2));
    return erreur;
  }
  int synchroniser(Handle h) override {
    return echec == Etape::synchroniser ? erreur : PosixFileSystem::synchroniser(h);
  }
  int fermer(Handle h) override {
    const int e = PosixFileSystem::fermer(h);  // the descriptor goes either way
    return echec == Etape::fermer ? erreur : e;
  }
  int renommer(const fs::path& de, const fs::path& vers) override {
    return echec == Etape::renommer ? erreur : PosixFileSystem::renommer(de, vers);
  }
};

}  // namespace qx30::test
