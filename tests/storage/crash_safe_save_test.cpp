// The automatic save rewrites the session file at every refresh, and the
// program can be killed at any moment of it. A save interrupted anywhere
// must leave the file it replaces whole: the previous table or the new one,
// never a truncated or mixed file.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "outils.h"
#include "storage/parametres.h"
#include "storage/seance.h"
#include "versions.h"

namespace qx30 {
namespace {

using namespace test;

// Kills in all: enough to land in every step of a save many times over.
constexpr int nombre_de_coups = 200;

bool ressemble_a_une_seance(const std::string& nom) {
  if (nom.size() < 4) return false;
  std::string fin = nom.substr(nom.size() - 4);
  for (char& c : fin) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return fin == ".dat";
}

// Saves for ever, alternating between the two versions from `premiere`; tells
// the parent through `tube` once the first save is done. Never returns.
[[noreturn]] void sauver_sans_fin(int tube, const fs::path& seance, const fs::path& param,
                                  const Version* const versions[2], const t_fiches* const tables[2],
                                  int premiere) {
  try {
    for (long k = 0;; ++k) {
      const int v = static_cast<int>((premiere + k) % 2);
      save_seance(seance, *tables[v], versions[v]->couleurs, param);
      if (k == 0 && ::write(tube, "s", 1) != 1) ::_exit(3);
    }
  } catch (...) {
  }
  ::_exit(2);
}

TEST(SauvegardeInterrompue, AKilledSaveLeavesAWholeVersionAndNoFileTakenForIt) {
  DossierTemporaire dossier;
  const std::string nom_seance = "20051202_143005_seance_aut.dat";
  const fs::path seance = dossier / nom_seance;
  const fs::path param = dossier / "parametres.ini";
  const Version* const versions[2] = {&version_petite, &version_pleine};
  const auto table_0 = std::make_unique<t_fiches>(version_petite.table());
  const auto table_1 = std::make_unique<t_fiches>(version_pleine.table());
  const t_fiches* const tables[2] = {table_0.get(), table_1.get()};
  const Octets images[2] = {version_petite.seance(), version_pleine.seance()};
  ASSERT_EQ(images[1].size(), 998u * 72u);

  // How long a pair of saves lasts here, so that the kills fall anywhere in
  // the child's second save (the longer of the two is most of the pair).
  const auto debut = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) save_seance(seance, *tables[i % 2], versions[i % 2]->couleurs, param);
  const auto paire = std::chrono::duration_cast<std::chrono::microseconds>(
      (std::chrono::steady_clock::now() - debut) / 2);
  ASSERT_EQ(lire_octets(seance), images[1]);

  std::mt19937 alea(std::random_device{}());
  std::uniform_int_distribution<long> attente(0, std::max<long>(paire.count() * 3 / 4, 100));
  int vues[2] = {0, 0};
  int temporaires = 0;

  for (int coup = 0; coup < nombre_de_coups; ++coup) {
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    const int premiere = coup % 2;
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
      ::close(tube[0]);
      sauver_sans_fin(tube[1], seance, param, versions, tables, premiere);
    }
    ::close(tube[1]);
    char signe;
    const ssize_t lu = ::read(tube[0], &signe, 1);
    ::close(tube[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(attente(alea)));
    ::kill(enfant, SIGKILL);
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    ASSERT_EQ(lu, 1) << "the saving process stopped before its first save";
    ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL)
        << "the saving process ended on its own, status " << statut;

    // The session file is one version whole, byte for byte.
    const Octets octets = lire_octets(seance);
    const int v = octets == images[0] ? 0 : octets == images[1] ? 1 : -1;
    ASSERT_NE(v, -1) << "after kill " << coup << " the session file holds " << octets.size()
                     << " bytes that are neither version";
    ++vues[v];
    const Octets couleurs = lire_octets(param);
    ASSERT_TRUE(couleurs == version_petite.couleurs_octets || couleurs == version_pleine.couleurs_octets)
        << "after kill " << coup << " parametres.ini holds " << couleurs.size() << " bytes";

    // And it loads as that table.
    t_fiches chargee;
    charger_seance(chargee, seance);
    for (int j = 1; j <= nb_places; ++j) ASSERT_EQ(chargee[j], (*tables[v])[j]) << "slot " << j;

    // A save killed half-way leaves its temporary file: hidden, never named
    // like a session, so neither the session file nor the load dialog
    // (*.DAT) can take it. Removed here so that each kill is judged alone.
    int restes = 0;
    for (const std::string& nom : dossier.contenu()) {
      if (nom == nom_seance || nom == "parametres.ini") continue;
      ++restes;
      EXPECT_TRUE(nom.starts_with(".") && nom.ends_with(".tmp")) << nom;
      EXPECT_FALSE(ressemble_a_une_seance(nom)) << nom;
      fs::remove(dossier / nom);
    }
    ASSERT_LE(restes, 1) << "one save at a time leaves at most one temporary file";
    temporaires += restes;
  }

  // The child started with each version in turn, so both must have been
  // found; and with hundreds of kills some fell inside a save.
  EXPECT_GT(vues[0], 0);
  EXPECT_GT(vues[1], 0);
  EXPECT_GT(temporaires, 0) << "no kill fell inside a save";
  std::cout << "pair of saves: " << paire.count() << " us; kills: " << nombre_de_coups << ", small version found " << vues[0]
            << " times, full version " << vues[1] << " times, " << temporaires
            << " kills inside a save\n";
}

}  // namespace
}  // namespace qx30
