#include "storage/file_system.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "outils.h"
#include "storage/io_error.h"

namespace qx30 {
namespace {

using namespace test;

TEST(InOutError, RuntimeMessagesFromErrno) {
  const std::pair<int, const char*> cas[] = {
      {ENOENT, "File not found"},      {ENOTDIR, "Invalid filename"},  {ENAMETOOLONG, "Invalid filename"},
      {EINVAL, "Invalid filename"},    {EMFILE, "Too many open files"}, {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},  {EPERM, "File access denied"},   {EROFS, "File access denied"},
      {EISDIR, "File access denied"},  {ENOSPC, "Disk full"},           {EDQUOT, "Disk full"},
      {EIO, "I/O error 5"},            {EBUSY, "I/O error 16"},
  };
  for (const auto& [err, message] : cas) EXPECT_STREQ(InOutError::depuis_errno(err).what(), message) << err;
  EXPECT_STREQ(InOutError(100).what(), "Read beyond end of file");
  EXPECT_STREQ(InOutError(32).what(), "I/O error 32");
}

TEST(FileSystem, ReplacingAFile) {
  DossierTemporaire dossier;
  const fs::path cible = dossier / "f.dat";
  const Octets un = {1, 2, 3}, deux = {4, 5};

  remplacer_fichier(systeme_fichiers(), cible, un);
  EXPECT_EQ(lire_octets(cible), un);
  fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  remplacer_fichier(systeme_fichiers(), cible, deux);
  EXPECT_EQ(lire_octets(cible), deux);
  EXPECT_EQ(fs::status(cible).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(dossier.contenu(), std::set<std::string>{"f.dat"});

  for (const fs::path& mauvais : {fs::path(), dossier.chemin() / ""}) {
    try {
      remplacer_fichier(systeme_fichiers(), mauvais, un);
      ADD_FAILURE();
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "Invalid filename");
    }
  }
  try {
    remplacer_fichier(systeme_fichiers(), dossier / "absent" / "f.dat", un);
    ADD_FAILURE();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  fs::create_directory(dossier / "d");
  EXPECT_THROW(remplacer_fichier(systeme_fichiers(), dossier / "d", un), InOutError);
  EXPECT_TRUE(fs::is_directory(dossier / "d"));
}

}  // namespace
}  // namespace qx30
