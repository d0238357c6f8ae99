#pragma once
// Shared by the fuzz targets: a property check that stops the run, a file
// system held in memory (no disk flush per input), and a reference reading
// of integers to hold the runtime's conversion against.

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_system.h"

namespace qx30::fuzz {

using Octets = std::vector<std::uint8_t>;

// A broken property is a finding like a crash: say which and abort.
[[noreturn]] inline void echec(const char* fichier, int ligne, const char* condition) {
  std::fprintf(stderr, "%s:%d: property broken: %s\n", fichier, ligne, condition);
  std::abort();
}
#define QX30_VERIFIER(condition) \
  ((condition) ? (void)0 : ::qx30::fuzz::echec(__FILE__, __LINE__, #condition))

inline Octets octets(const std::uint8_t* data, std::size_t taille) {
  return taille == 0 ? Octets{} : Octets(data, data + taille);
}

inline std::string_view texte(const std::uint8_t* data, std::size_t taille) {
  return taille == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), taille);
}

// Files held in memory, replaced by rename the way the disk does it.
class MemoireFS : public FileSystem {
 public:
  std::map<std::filesystem::path, Octets> fichiers;

  int lire(const std::filesystem::path& fichier, Ouverture, std::size_t limite, Octets& contenu) override {
    const auto it = fichiers.find(fichier);
    if (it == fichiers.end()) return ENOENT;
    contenu.assign(it->second.begin(),
                   it->second.begin() + static_cast<std::ptrdiff_t>(std::min(limite, it->second.size())));
    return 0;
  }
  int creer_temporaire(const std::filesystem::path& cible, Handle& handle,
                       std::filesystem::path& temporaire) override {
    handle = prochain_++;
    temporaire = cible.parent_path() / ("." + cible.filename().string() + "." + std::to_string(handle) + ".tmp");
    ouverts_[handle] = {temporaire, {}};
    return 0;
  }
  int ouvrir_ajout(const std::filesystem::path& fichier, Handle& handle, std::uintmax_t& taille) override {
    handle = prochain_++;
    const auto it = fichiers.find(fichier);
    ouverts_[handle] = {fichier, it == fichiers.end() ? Octets{} : it->second};
    taille = ouverts_[handle].second.size();
    return 0;
  }
  int ecrire(Handle handle, std::span<const std::uint8_t> o) override {
    auto& contenu = ouverts_.at(handle).second;
    contenu.insert(contenu.end(), o.begin(), o.end());
    return 0;
  }
  int synchroniser(Handle) override { return 0; }
  int fermer(Handle handle) override {
    auto& [chemin, contenu] = ouverts_.at(handle);
    fichiers[chemin] = std::move(contenu);
    ouverts_.erase(handle);
    return 0;
  }
  int renommer(const std::filesystem::path& de, const std::filesystem::path& vers) override {
    const auto it = fichiers.find(de);
    if (it == fichiers.end()) return ENOENT;
    Octets contenu = std::move(it->second);
    fichiers.erase(it);
    fichiers[vers] = std::move(contenu);
    return 0;
  }
  int supprimer(const std::filesystem::path& fichier) override {
    return fichiers.erase(fichier) == 1 ? 0 : ENOENT;
  }
  int synchroniser_dossier(const std::filesystem::path&) override { return 0; }

 private:
  Handle prochain_ = 3;
  std::map<Handle, std::pair<std::filesystem::path, Octets>> ouverts_;
};

// An integer text read with std::from_chars: blanks, an optional sign, then
// decimal digits, or hexadecimal ones after "$", "x", "X", "0x" or "0X" (up
// to 32 bits, two's complement); decimal within the signed 32-bit range.
inline std::optional<std::int32_t> entier_de_reference(std::string_view s) {
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  bool negatif = false;
  if (s[i] == '+' || s[i] == '-') negatif = s[i++] == '-';
  int base = 10;
  if (s.substr(i).starts_with("$") || s.substr(i).starts_with("x") || s.substr(i).starts_with("X")) {
    base = 16;
    i += 1;
  } else if (s.substr(i).starts_with("0x") || s.substr(i).starts_with("0X")) {
    base = 16;
    i += 2;
  }
  const std::string_view chiffres = s.substr(std::min(i, s.size()));
  // from_chars itself takes a sign or a prefix; here only digits may follow.
  if (chiffres.empty() || chiffres.find_first_of("+- xX$") != std::string_view::npos) return std::nullopt;
  std::uint64_t valeur = 0;
  const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur, base);
  if (erreur != std::errc{} || fin != chiffres.data() + chiffres.size()) return std::nullopt;
  const std::uint64_t limite = base == 16 ? 0xFFFFFFFFull : negatif ? 0x80000000ull : 0x7FFFFFFFull;
  if (valeur > limite) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(negatif ? 0u - valeur : valeur));
}

}  // namespace qx30::fuzz
