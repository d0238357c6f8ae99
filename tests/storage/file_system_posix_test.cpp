// The POSIX file layer: replacing a file on the real disk, and what
// a user without rights meets.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "storage/io_error.h"
#include "storage/seance.h"
#include "support/fake_disk.h"

namespace qx30 {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::thrown;

// A folder of this process's own, removed whatever the test left read-only.
struct Dossier {
  fs::path p = fs::temp_directory_path() / ("qx30_" + std::to_string(::getpid()));
  Dossier() { fs::create_directories(p); }
  ~Dossier() {
    fs::permissions(p, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(p);
  }
};

TEST(FileSystem, ReplacingAFileOnTheDisk) {
  Dossier d;
  FileSystem& posix = systeme_fichiers();
  const auto ouverts = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
  const auto ouverts_avant = ouverts();
  remplacer_fichier(posix, d.p / "f.dat", Bytes{1, 2, 3});
  // A mode the usual umask would not give a new file.
  const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
  fs::permissions(d.p / "f.dat", mode);
  remplacer_fichier(posix, d.p / "f.dat", Bytes{4});
  EXPECT_EQ(lire_fichier(posix, d.p / "f.dat", Ouverture::lecture_ecriture), Bytes{4});
  EXPECT_EQ(fs::status(d.p / "f.dat").permissions(), mode);
  fs::create_directory(d.p / "dossier");
  EXPECT_EQ(thrown([&] { remplacer_fichier(posix, d.p / "dossier", Bytes{1}); }), "File access denied");
  EXPECT_EQ(thrown([&] { remplacer_fichier(posix, d.p / "absent" / "f", Bytes{1}); }), "File not found");
  EXPECT_EQ(thrown([&] { remplacer_fichier(posix, "", Bytes{1}); }), "Invalid filename");
  EXPECT_EQ(std::distance(fs::directory_iterator(d.p), fs::directory_iterator()), 2) << "a temporary file is left";
  EXPECT_EQ(ouverts(), ouverts_avant) << "a file left open";
}

// Permissions bind nobody who runs as root: the checks run in a child that
// first becomes nobody (65534) when it is root.
void sans_droits(const std::function<void()>& verifications) {
  const pid_t enfant = ::fork();
  if (enfant == 0) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(77);
    verifications();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int statut = 0;
  ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
  if (WIFEXITED(statut) && WEXITSTATUS(statut) == 77)
    GTEST_SKIP() << "SKIPPED: running as root and unable to become nobody (65534): the read-only cases are NOT checked";
  EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << "the checks failed in the child, status " << statut;
}

TEST(FileSystem, ReadOnlyFilesAndFolders) {
  sans_droits([] {
    Dossier d;
    for (const char* nom : {"s.dat", "p.ini"}) {
      remplacer_fichier(systeme_fichiers(), d.p / nom, Bytes{});
      fs::permissions(d.p / nom, fs::perms::owner_read);
    }
    t_fiches fiches;
    // A session is read without the right to write; the colours file, rewritten at each save, is not.
    EXPECT_EQ(thrown([&] { charger_seance(fiches, d.p / "s.dat"); }), "ok");
    EXPECT_EQ(thrown([&] { lire_param(d.p / "p.ini"); }), "File access denied");
    const auto sauver = [&] { save_seance(d.p / "s.dat", fiches, parametres_par_defaut, d.p / "p.ini"); };
    EXPECT_EQ(thrown(sauver), "File access denied");
    fs::permissions(d.p / "s.dat", fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(d.p, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(thrown(sauver), "File access denied");
  });
}

}  // namespace
}  // namespace qx30
