// A disk that fills up during a session: the save that no longer fits says
// "Disk full" and leaves the previous files whole, and the next save goes
// through once there is room again.

#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "outils.h"
#include "storage/io_error.h"
#include "storage/seance.h"
#include "versions.h"

namespace qx30 {
namespace {

using namespace test;

// The real files of one folder on a disk of `capacite` bytes, every file of
// the folder counting: a write that would go beyond writes what still fits
// and then fails with ENOSPC, as write(2) does when the disk fills up.
class DisqueLimite : public PosixFileSystem {
 public:
  DisqueLimite(const DossierTemporaire& dossier, std::uintmax_t capacite)
      : dossier_(dossier), capacite_(capacite) {}

  int ecrire(Handle h, std::span<const std::uint8_t> octets) override {
    std::uintmax_t occupe = 0;
    for (const auto& entree : fs::directory_iterator(dossier_.chemin())) occupe += entree.file_size();
    const std::uintmax_t libre = capacite_ > occupe ? capacite_ - occupe : 0;
    if (octets.size() <= libre) return PosixFileSystem::ecrire(h, octets);
    if (const int e = PosixFileSystem::ecrire(h, octets.first(static_cast<std::size_t>(libre))); e != 0) return e;
    return ENOSPC;
  }

 private:
  const DossierTemporaire& dossier_;
  std::uintmax_t capacite_;
};

// The message and code of the save's failure, or "no error".
std::string echec_de(const fs::path& seance, const t_fiches& fiches, const t_parametres& couleurs,
                     const fs::path& param, FileSystem& fs, int* code = nullptr) {
  try {
    save_seance(seance, fiches, couleurs, param, fs);
  } catch (const InOutError& e) {
    if (code) *code = e.code();
    return e.what();
  }
  return "no error";
}

std::vector<t_fiche> copie(const t_fiches& fiches) {
  std::vector<t_fiche> c;
  for (int j = 1; j <= nb_places; ++j) c.push_back(fiches[j]);
  return c;
}

TEST(DisquePlein, TheSaveThatNoLongerFitsKeepsThePreviousSession) {
  DossierTemporaire dossier;
  const fs::path seance = dossier / "20051202_143005_seance_aut.dat";
  const fs::path param = dossier / "parametres.ini";
  const Octets petite = version_petite.seance(), pleine = version_pleine.seance();
  const auto table_petite = std::make_unique<t_fiches>(version_petite.table());
  const auto table_pleine = std::make_unique<t_fiches>(version_pleine.table());

  // Another file takes as much room as the full session; beside the small
  // session and the colours there is room for half of the full one.
  ecrire_octets(dossier / "autre", Octets(pleine.size(), 0x55));
  DisqueLimite disque(dossier, petite.size() + 20 + pleine.size() + pleine.size() / 2);
  save_seance(seance, *table_petite, version_petite.couleurs, param, disque);
  ASSERT_EQ(lire_octets(seance), petite);

  // Every refresh tries again and reports it again; nothing changes.
  const auto avant = copie(*table_pleine);
  for (int refresh = 0; refresh < 2; ++refresh) {
    int code = 0;
    EXPECT_EQ(echec_de(seance, *table_pleine, version_pleine.couleurs, param, disque, &code), "Disk full");
    EXPECT_EQ(code, 101);
    EXPECT_EQ(lire_octets(seance), petite);
    EXPECT_EQ(lire_octets(param), version_petite.couleurs_octets) << "colours written after a failed save";
    EXPECT_EQ(dossier.contenu(),
              (std::set<std::string>{"20051202_143005_seance_aut.dat", "parametres.ini", "autre"}))
        << "the half-written file was left behind";
    EXPECT_EQ(copie(*table_pleine), avant);
  }
  t_fiches chargee;
  charger_seance(chargee, seance);
  EXPECT_EQ(copie(chargee), copie(*table_petite));

  // Room again: the next save writes the new table.
  fs::remove(dossier / "autre");
  save_seance(seance, *table_pleine, version_pleine.couleurs, param, disque);
  EXPECT_EQ(lire_octets(seance), pleine);
  EXPECT_EQ(lire_octets(param), version_pleine.couleurs_octets);
  EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"20051202_143005_seance_aut.dat", "parametres.ini"}));
}

TEST(DisquePlein, TheColoursThatNoLongerFitComeAfterAWholeSession) {
  DossierTemporaire dossier;
  const fs::path seance = dossier / "20051202_143005_seance_aut.dat";
  const fs::path param = dossier / "parametres.ini";
  const Octets pleine = version_pleine.seance();
  const auto table_pleine = std::make_unique<t_fiches>(version_pleine.table());

  // The empty table of the start-up save takes no room; once the full
  // session is written, 10 bytes are left for the 20 of the colours.
  DisqueLimite disque(dossier, pleine.size() + 20 + 10);
  save_seance(seance, t_fiches{}, version_petite.couleurs, param, disque);
  ASSERT_EQ(fs::file_size(seance), 0u);

  EXPECT_EQ(echec_de(seance, *table_pleine, version_pleine.couleurs, param, disque), "Disk full");
  EXPECT_EQ(lire_octets(seance), pleine);
  EXPECT_EQ(lire_octets(param), version_petite.couleurs_octets);
  EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"20051202_143005_seance_aut.dat", "parametres.ini"}));
}

TEST(DisquePlein, FullOnlyWhenTheDataIsFlushed) {
  // Some file systems accept every write and find out at the flush.
  DossierTemporaire dossier;
  const fs::path seance = dossier / "s.dat";
  const fs::path param = dossier / "parametres.ini";
  save_seance(seance, version_petite.table(), version_petite.couleurs, param);
  FauxSysteme faux;
  faux.echec = FauxSysteme::Etape::synchroniser;
  faux.erreur = ENOSPC;
  EXPECT_EQ(echec_de(seance, version_pleine.table(), version_pleine.couleurs, param, faux), "Disk full");
  EXPECT_EQ(lire_octets(seance), version_petite.seance());
  EXPECT_EQ(lire_octets(param), version_petite.couleurs_octets);
  EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"s.dat", "parametres.ini"}));
}

// Restores the file size limit and the SIGXFSZ action on leaving.
class LimiteDeTaille {
 public:
  explicit LimiteDeTaille(rlim_t octets) {
    ::getrlimit(RLIMIT_FSIZE, &avant_);
    struct sigaction ignorer {};
    ignorer.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignorer, &action_avant_);
    rlimit limite = avant_;
    limite.rlim_cur = octets;
    posee_ = ::setrlimit(RLIMIT_FSIZE, &limite) == 0;
  }
  ~LimiteDeTaille() {
    ::setrlimit(RLIMIT_FSIZE, &avant_);
    ::sigaction(SIGXFSZ, &action_avant_, nullptr);
  }
  LimiteDeTaille(const LimiteDeTaille&) = delete;
  LimiteDeTaille& operator=(const LimiteDeTaille&) = delete;
  bool posee() const { return posee_; }

 private:
  rlimit avant_{};
  struct sigaction action_avant_ {};
  bool posee_ = false;
};

TEST(DisquePlein, TheSystemRefusingToGrowTheFileIsADiskFull) {
  // The kernel's own refusal, without root: past the process's file size
  // limit a write is cut short, and the next one fails with EFBIG.
  DossierTemporaire dossier;
  const fs::path seance = dossier / "s.dat";
  const fs::path param = dossier / "parametres.ini";
  save_seance(seance, version_petite.table(), version_petite.couleurs, param);

  std::string message;
  {
    LimiteDeTaille limite(4096);
    if (!limite.posee()) GTEST_SKIP() << "the file size limit cannot be set here";
    message = echec_de(seance, version_pleine.table(), version_pleine.couleurs, param, systeme_fichiers());
  }
  EXPECT_EQ(message, "Disk full");
  EXPECT_EQ(lire_octets(seance), version_petite.seance());
  EXPECT_EQ(lire_octets(param), version_petite.couleurs_octets);
  EXPECT_EQ(dossier.contenu(), (std::set<std::string>{"s.dat", "parametres.ini"}));
}

}  // namespace
}  // namespace qx30
