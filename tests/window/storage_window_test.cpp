// Session saves and loads, the choice lists and the editor buttons through the
// real window, offscreen, each test in a working folder of its own.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

#include "fake_platform.h"
#include "working_folder.h"
#include "qt_print.h"
#include "window/look.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

using testing::couleurs_du_layout;
using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

const std::string fichier_auto = "20261205_140730_seance_aut.dat";

// The dialogs, also keeping the open-file title, and able to run something
// while an error box is open (a minute tick, say).
class TestDialogs : public testing::ScriptedDialogs {
 public:
  QString file_title;
  std::function<void()> while_error_open;

  void error(const QString& text) override {
    ScriptedDialogs::error(text);
    if (auto run = std::exchange(while_error_open, nullptr)) run();
  }
  std::optional<QString> open_file(const QString& title, const QString& filter, const QString& folder) override {
    file_title = title;
    return ScriptedDialogs::open_file(title, filter, folder);
  }
};

// A 72-byte record written field by field at its offsets.
QByteArray record(char etat, qint32 temps_vol, qint32 cumul, qint32 freq, bool autorise, const QByteArray& libelle,
                  qint32 numero, const QByteArray& heure, qint32 evolutions) {
  QByteArray r(72, '\0');
  auto put = [&](int at, qint32 v) { qToLittleEndian(v, r.data() + at); };
  r[0] = 1;
  r[1] = etat;
  put(4, temps_vol);
  put(8, cumul);
  put(12, freq);
  r[16] = autorise ? 1 : 0;
  r[17] = static_cast<char>(libelle.size());
  r.replace(18, libelle.size(), libelle);
  put(56, numero);
  r[60] = static_cast<char>(heure.size());
  r.replace(61, heure.size(), heure);
  put(68, evolutions);
  return r;
}

struct StorageTest : ::testing::Test {
  WorkingFolder folder;
  testing::FakePlatform fake;
  TestDialogs dialogs;
  TF_qx window{Platform{dialogs, fake.clock, fake.launcher, fake.printer}};

  void SetUp() override {
    write_file("parametres.ini", couleurs_du_layout);
    write_file("frequences.txt", "35010\r\n41000\r\n72130\r\n");
    write_file("pilotes.txt", "Vert\r\nbleu\r\n");
    write_file("commentaires.txt", "planeur\r\n");
    window.principale();
    ASSERT_TRUE(dialogs.errors.isEmpty());
    ASSERT_EQ(window.nom_fichier_auto, fichier_auto);
  }

  void register_entry(int freq, const QString& pilote) {
    window.CB_freq->choose(freq);
    window.CB_pilote->set_edit_text(pilote);
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
  }

  static QStringList lines(const SortedList* lb) {
    QStringList out;
    for (int i = 0; i < lb->line_count(); ++i) out << lb->line(i);
    return out;
  }

  static QStringList items(const ChoiceBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
  }
};

TEST_F(StorageTest, EveryRefreshRewritesTheAutomaticFileWhileCaseSaveIsChecked) {
  register_entry(0, "Vert");
  QByteArray f = read_file(fichier_auto);
  ASSERT_EQ(f.size(), 72);
  EXPECT_EQ(f.mid(0, 2), QByteArray("\x01L", 2));
  EXPECT_EQ(f.mid(12, 4), QByteArray::fromHex("c2880000"));  // 35010
  EXPECT_EQ(f[16], 1);                                        // authorised
  EXPECT_EQ(f.mid(17, 14), QByteArray("\x0d" "35010_Vert_._"));
  EXPECT_EQ(f.mid(56, 4), QByteArray::fromHex("01000000"));
  EXPECT_EQ(f.mid(60, 1), QByteArray(1, '\0'));

  window.LB_liste->select(0);
  QTest::mouseClick(window.B_debut_vol, Qt::LeftButton);
  f = read_file(fichier_auto);
  EXPECT_EQ(f[1], 'V');
  EXPECT_EQ(f.mid(60, 6), QByteArray("\x05" "14:07"));
  EXPECT_EQ(f.mid(68, 4), QByteArray::fromHex("01000000"));

  window.case_save->setChecked(false);
  register_entry(1, "bleu");
  EXPECT_EQ(read_file(fichier_auto).size(), 72);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(StorageTest, ManualSaveNamesTheFileAfterThatSecondAndStoresTheColours) {
  register_entry(0, "Vert");
  set_background(window.LB_attente, 0x00123456);
  fake.clock.time = {2005, 12, 2, 14, 30, 5};
  QTest::mouseClick(window.b_save, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages,
            QStringList{QString::fromUtf8("séance sauvegardée dans le fichier : 20051202_143005_seance_man.dat")});
  EXPECT_EQ(read_file("20051202_143005_seance_man.dat").size(), 72);
  EXPECT_EQ(read_file("parametres.ini"), QByteArray::fromHex("00ff000056341200ffffff00a6caf00018000080"));

  fake.clock.time = {2005, 12, 3, 0, 0, 0};
  QTest::mouseClick(window.b_save, Qt::LeftButton);
  EXPECT_TRUE(QFile::exists("20051203_000000_seance_man.dat"));

  // A failed save says so and claims nothing.
  fake.clock.time = {2005, 12, 3, 0, 0, 1};
  ASSERT_TRUE(QDir::current().mkdir("20051203_000001_seance_man.dat"));
  QTest::mouseClick(window.b_save, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors, QStringList{"File access denied."});
  EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(StorageTest, LoadingRenumbersAndBringsFlightsBack) {
  register_entry(2, "Vert");
  // Slots 3 and 7 of an earlier run, then six bytes short of a record.
  write_file("ancienne.dat", record('V', 7, 12, 35010, true, "35010_ROUGE_._", 3, "14:05", 2) +
                                 record('L', 0, 4, 41000, true, "41000_Vert_._", 7, "", 1) + "abcdef");
  dialogs.files = {QDir::current().absoluteFilePath("ancienne.dat")};
  QTest::mouseClick(window.B_seance, Qt::LeftButton);

  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('|').toStdString();
  EXPECT_EQ(dialogs.file_title, QString::fromUtf8("Choisir le fichier SEANCE à charger"));
  EXPECT_EQ(dialogs.file_filter, "Fichiers seance (*.dat)");
  EXPECT_EQ(dialogs.file_folder, QDir::currentPath());

  EXPECT_EQ(window.fiches[1].numero, 1);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.fiches[1].heure_debut, "14:05");
  EXPECT_EQ(window.fiches[2].numero, 2);
  EXPECT_EQ(window.fiches[2].freq, 41000);
  EXPECT_EQ(window.fiches[3].numero, 0);
  EXPECT_EQ(lines(window.LB_actives), QStringList{"14:05=t007_35010_ROUGE_._[1]c012e002"});
  ASSERT_EQ(window.LB_liste->line_count(), 1);
  EXPECT_TRUE(window.LB_liste->line(0).startsWith("41000_Vert_._[2]c004e001"));
  EXPECT_GT(window.LB_noire->line_count(), 0);  // the interdictions of 35010 in flight
  EXPECT_EQ(window.Label_noire->text(), QString::number(window.LB_noire->line_count()) + " interdiction(s).");

  const QByteArray f = read_file(fichier_auto);
  ASSERT_EQ(f.size(), 144);
  EXPECT_EQ(f.mid(56, 4), QByteArray::fromHex("01000000"));
  EXPECT_EQ(f.mid(72 + 56, 4), QByteArray::fromHex("02000000"));
}

TEST_F(StorageTest, ACancelledLoadStillRebuildsTheInterdictionsAndRefreshes) {
  // Put in the table behind the window's back: only a refresh shows it.
  window.fiches[1] = t_fiche{"V", 0, 0, 35010, true, "35010_X_._", 1, "14:00", 1};
  QTest::mouseClick(window.B_seance, Qt::LeftButton);
  EXPECT_EQ(window.fiches[1].etat, "V");
  EXPECT_EQ(window.LB_actives->line_count(), 1);
  EXPECT_GT(window.LB_noire->line_count(), 0);
  EXPECT_EQ(read_file(fichier_auto).size(), 72);

  // The dialog opens on the working folder of the moment.
  ASSERT_TRUE(QDir::current().mkdir("autre"));
  ASSERT_TRUE(QDir::setCurrent("autre"));
  QTest::mouseClick(window.B_seance, Qt::LeftButton);
  EXPECT_TRUE(dialogs.file_folder.endsWith("/autre"));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(StorageTest, AFaultyOrMissingFileLeavesTableListsAndAutomaticFileAsTheyWere) {
  register_entry(0, "Vert");
  register_entry(1, "bleu");
  const QByteArray auto_before = read_file(fichier_auto);
  const QStringList liste_before = lines(window.LB_liste);
  // Behind the window's back: a refresh would show it and save it.
  window.fiches[3] = t_fiche{"L", 0, 0, 72130, true, "72130_X_._", 3, "", 0};
  const t_fiche first = window.fiches[1];

  write_file("abime.dat", record('L', 0, 0, 35010, true, "35010_A_._", 1, "", 0) +
                              record('X', 0, 0, 41000, true, "41000_B_._", 2, "", 0));
  dialogs.files = {QDir::current().absoluteFilePath("abime.dat"), QDir::current().absoluteFilePath("absent.dat")};
  QTest::mouseClick(window.B_seance, Qt::LeftButton);
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].startsWith("Le fichier abime.dat")) << dialogs.errors[0].toStdString();

  QTest::mouseClick(window.B_seance, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors.mid(1), QStringList{"File not found."});

  EXPECT_EQ(window.fiches[1], first);
  EXPECT_EQ(window.fiches[3].numero, 3);
  EXPECT_EQ(lines(window.LB_liste), liste_before);
  EXPECT_EQ(read_file(fichier_auto), auto_before);
}

TEST_F(StorageTest, AFailingAutomaticSaveShowsOneBoxAtATimeAndNeverStopsTheRefresh) {
  ASSERT_TRUE(QFile::remove(QString::fromStdString(fichier_auto)));
  ASSERT_TRUE(QDir::current().mkdir(QString::fromStdString(fichier_auto)));

  register_entry(0, "Vert");
  EXPECT_EQ(dialogs.errors, QStringList{"File access denied."});
  EXPECT_TRUE(est_presente(window.fiches[1]));
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");  // the handler went on to its end

  // Starting a flight refreshes twice: the interdiction rebuild's refresh and
  // the operation's own; each reports.
  window.LB_liste->select(0);
  QTest::mouseClick(window.B_debut_vol, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors.size(), 3);
  EXPECT_EQ(window.fiches[1].etat, "V");

  // Two more minutes go by while the box of a tick's failure is open.
  dialogs.while_error_open = [this] {
    window.Timer60Timer();
    window.Timer60Timer();
  };
  window.Timer60Timer();
  EXPECT_EQ(dialogs.errors.size(), 4);
  EXPECT_EQ(window.fiches[1].temps_vol, 3);
  EXPECT_FALSE(window.tic_minute);

  // Once that box is closed, the next failing tick reports again.
  window.Timer60Timer();
  EXPECT_EQ(dialogs.errors.size(), 5);
  EXPECT_FALSE(window.tic_minute);
  EXPECT_EQ(window.Label_actives->text(), QString::fromUtf8("1 en évolution."));

  ASSERT_TRUE(QDir::current().rmdir(QString::fromStdString(fichier_auto)));
  window.Timer60Timer();
  EXPECT_EQ(dialogs.errors.size(), 5);
  EXPECT_EQ(read_file(fichier_auto).size(), 72);
}

TEST_F(StorageTest, ReloadingTheListsFiltersFrequenciesSortsPilotsAndStopsAtTheFirstError) {
  write_file("frequences.txt", "35010\r\n35015\r\n35012\r\n36010\r\n72130 canal 13\r\n41000\r\n27195\r\n");
  write_file("pilotes.txt", "Vert\nbleu\n\nRouge");
  write_file("commentaires.txt", "");
  window.CB_freq->choose(1);
  QTest::mouseClick(window.B_recharger_listes, Qt::LeftButton);
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(items(window.CB_freq), (QStringList{"35010", "35015", "72130", "41000", "27195"}));
  EXPECT_EQ(window.CB_freq->chosen(), -1);
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");
  EXPECT_EQ(items(window.CB_pilote), (QStringList{"", "bleu", "Rouge", "Vert"}));
  EXPECT_EQ(window.CB_pilote->edit_text(), "X");
  EXPECT_EQ(window.CB_comm->count(), 0);
  EXPECT_EQ(window.CB_comm->edit_text(), ".");

  // An empty line: the frequencies stay part-filtered, the rest untouched.
  window.CB_pilote->set_edit_text("Jean");
  write_file("frequences.txt", "35010\n\n35012\n27195\n");
  QTest::mouseClick(window.B_recharger_listes, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors, QStringList{"'' is not a valid integer value."});
  EXPECT_EQ(items(window.CB_freq), (QStringList{"35010", "", "27195"}));
  EXPECT_EQ(window.CB_freq->edit_text(), "");
  EXPECT_EQ(items(window.CB_pilote), (QStringList{"", "bleu", "Rouge", "Vert"}));
  EXPECT_EQ(window.CB_pilote->edit_text(), "Jean");

  // A missing file: its box is emptied, the ones after it are kept.
  write_file("frequences.txt", "41000\n");
  write_file("commentaires.txt", "planeur\n");
  QTest::mouseClick(window.B_recharger_listes, Qt::LeftButton);
  window.CB_comm->set_edit_text("moto");
  ASSERT_TRUE(QFile::remove("pilotes.txt"));
  QTest::mouseClick(window.B_recharger_listes, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors.mid(1), QStringList{"Cannot open file pilotes.txt."});
  EXPECT_EQ(items(window.CB_freq), QStringList{"41000"});
  EXPECT_EQ(window.CB_freq->edit_text(), "choisir");
  EXPECT_EQ(window.CB_pilote->count(), 0);
  EXPECT_EQ(items(window.CB_comm), QStringList{"planeur"});
  EXPECT_EQ(window.CB_comm->edit_text(), "moto");
}

TEST_F(StorageTest, ThePlusButtonsAndHelpOpenTheirFilesInTheEditor) {
  QTest::mouseClick(window.B_ajout_freq, Qt::LeftButton);
  QTest::mouseClick(window.B_ajout_pilote, Qt::LeftButton);
  QTest::mouseClick(window.B_ajout_comm, Qt::LeftButton);
  QTest::mouseClick(window.B_aide, Qt::LeftButton);
  EXPECT_EQ(fake.launcher.opened,
            (std::vector<std::string>{"frequences.txt", "pilotes.txt", "commentaires.txt", "aide.txt"}));
}

}  // namespace
}  // namespace qx30
