// Start-up with a parameters file missing or cut short: its one error box,
// then the day saved from the first refresh to the close.

#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::read_file;

struct StartUp : testing::WindowAtWork<>, ::testing::WithParamInterface<const char*> {};

TEST_P(StartUp, AFailingParametersFileIsReportedAndTheDayIsStillSaved) {
  write_day_files();
  if (GetParam()) testing::write_file("parametres.ini", GetParam());
  else QFile::remove("parametres.ini");
  window.principale();
  window.show();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat"), QByteArray());  // the first refresh's empty session
  EXPECT_EQ(read_file("parametres.ini"), testing::couleurs_du_layout);

  window.CB_freq->choose(0);
  click(window.B_enregistrer);
  EXPECT_EQ(read_file("20261205_140730_seance_aut.dat").size(), 72);
  fake.clock.time = {2026, 12, 5, 18, 45, 0};
  EXPECT_TRUE(window.close());
  EXPECT_EQ(read_file("20261205_184500_seance_fin.dat").size(), 72);
  EXPECT_EQ(dialogs.errors.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(MissingOrNineteenBytes, StartUp, ::testing::Values(nullptr, "0123456789012345678"));

}  // namespace
}  // namespace qx30
