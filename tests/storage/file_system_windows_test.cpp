// The Windows file layer on the real disk: a save over an existing file
// (the C runtime's rename refuses one), bytes that text mode would change,
// a folder with accents, and the same error messages as elsewhere.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/fake_disk.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

namespace fs = std::filesystem;
using testing::thrown;
using testing::Bytes;

struct Dossier {
  fs::path p = fs::temp_directory_path() /
               (u8"Séances d'été " + std::u8string(reinterpret_cast<const char8_t*>(
                                         std::to_string(::GetCurrentProcessId()).c_str())));
  Dossier() { fs::create_directories(p); }
  ~Dossier() {
    std::error_code ignore;
    fs::current_path(fs::temp_directory_path(), ignore);
    fs::permissions(p / "lecture.dat", fs::perms::owner_write, fs::perm_options::add, ignore);
    fs::remove_all(p, ignore);
  }
};

TEST(WindowsFileSystem, SavesOverAFileInAFolderWithAccents) {
  Dossier d;
  FileSystem& windows = systeme_fichiers();
  // CR LF, a lone LF and Ctrl-Z: text mode would rewrite the first two and
  // stop reading at the third.
  const Bytes octets{'a', '\r', '\n', 'b', '\n', 0x1A, 'c'};
  remplacer_fichier(windows, d.p / "s.dat", Bytes{9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
  fs::current_path(d.p);  // the program works with bare names in its current folder
  remplacer_fichier(windows, "s.dat", octets);
  FileSystem::Handle h = -1;
  std::uintmax_t taille = 0;
  ASSERT_EQ(windows.ouvrir_ajout("s.dat", h, taille), 0);
  EXPECT_EQ(taille, octets.size());
  EXPECT_EQ(windows.ecrire(h, octets), 0);
  EXPECT_EQ(windows.fermer(h), 0);
  Bytes deux_fois = octets;
  deux_fois.insert(deux_fois.end(), octets.begin(), octets.end());
  EXPECT_EQ(lire_fichier(windows, d.p / "s.dat", Ouverture::lecture_ecriture), deux_fois);

  remplacer_fichier(windows, "lecture.dat", Bytes{1});
  fs::permissions("lecture.dat", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(thrown([&] { remplacer_fichier(windows, "lecture.dat", Bytes{2}); }), "File access denied");
  fs::create_directory("dossier");
  EXPECT_EQ(thrown([&] { remplacer_fichier(windows, "dossier", Bytes{1}); }), "File access denied");
  EXPECT_EQ(thrown([&] { remplacer_fichier(windows, fs::path("absent") / "f", Bytes{1}); }), "File not found");
  EXPECT_EQ(thrown([&] { lire_fichier(windows, "absent.dat", Ouverture::lecture); }), "File not found");
  EXPECT_EQ(std::distance(fs::directory_iterator(d.p), fs::directory_iterator()), 3) << "a temporary file is left";
}

}  // namespace
}  // namespace qx30
