// The session's journal as the window keeps it: a short session read back in
// order, and a journal that cannot be written.

#include <QDir>

#include "window_at_work.h"

namespace qx30 {
namespace {

const char* const journal = "20261205_140730_journal.csv";

struct JournalWindow : testing::WindowAtWork<> {
  void SetUp() override { start_up(); }
};

TEST_F(JournalWindow, AShortSessionReadBackInOrder) {
  register_entry("35010", "Vert");
  register_entry("35010", "bleu");
  start(1);
  start(2);  // the same frequency: refused
  dialogs.answers = {true};
  click_line(window.LB_actives, 1);
  click(window.B_fin_vol);
  EXPECT_TRUE(window.close());
  QStringList events;  // the third field of every line after the heading
  for (const QByteArray& line : testing::read_file(journal).split('\n').mid(1))
    if (!line.isEmpty()) events << QString::fromLatin1(line.split(';').value(2));
  EXPECT_EQ(events, (QStringList{"demarrage", "enregistrement", "enregistrement", "autorisation", "refus",
                                 "fin_evolution", "fermeture"}));
}

TEST_F(JournalWindow, AJournalThatCannotBeWrittenLeavesTheOperationDone) {
  ASSERT_TRUE(QFile::remove(journal));
  ASSERT_TRUE(QDir::current().mkdir(journal));
  register_entry("35010", "Vert");
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(est_presente(window.fiches[1]));
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");  // the handler went on to its end
}

}  // namespace
}  // namespace qx30
