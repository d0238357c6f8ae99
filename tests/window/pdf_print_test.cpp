// One real print job through Qt's printer, into a PDF file read back as text.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qt_print.h"
#include "window/platform/qt_printer.h"

namespace qx30 {
namespace {

TEST(PdfPrint, TheListComesOutOnPaperPageAfterPage) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath(QStringLiteral("liste.pdf"));

  testing::FakePlatform fake;
  QtPrinter printer(pdf);
  TF_qx window(Platform{fake.dialogs, fake.clock, fake.launcher, printer});
  window.case_save->setChecked(false);
  // Enough entries for a second page at ten points.
  for (int i = 1; i <= 90; ++i)
    window.fiches[i] = t_fiche{"L", 0, i, 35000 + 10 * i, true, "F" + std::to_string(i) + "_pilote_", i, "", 2};
  window.fiches[5].freq = 0;  // deleted: not printed
  window.Label_heure->set_caption(QStringLiteral("05/12/2026 14:07"));
  window.affichage();

  fake.dialogs.answers = {true};
  QTest::mouseClick(window.B_imprimer, Qt::LeftButton);
  ASSERT_TRUE(fake.dialogs.errors.isEmpty()) << fake.dialogs.errors.join("|").toStdString();
  EXPECT_EQ(fake.dialogs.questions,
            QStringList{QString::fromUtf8("Voulez-vous imprimer la liste de enregistrés sur l'imprimante : ") + pdf +
                        " ?"});

  QProcess reader;
  reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(reader.waitForFinished(20000));
  // The text comes back with its runs of blanks folded: compare it so.
  QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QChar('\f'), Qt::SkipEmptyParts);
  // and its ligatures set as ligatures.
  for (QString& page : pages) page = page.simplified().replace(QChar(0xFB01), QStringLiteral("fi"));
  pages.removeAll(QString());
  const QString text = pages.join(' ');
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(
      QString::fromUtf8("QX30 gestion séance radiocommande 05/12/2026 14:07 89 enregistré(s). page 1")));
  EXPECT_TRUE(pages[0].contains(QString::fromUtf8("Liste des enregistrés.")));
  EXPECT_TRUE(pages[0].contains(QString::fromUtf8("F1_pilote_ [1] cumul: 1 nb.évol.: 2")));
  EXPECT_TRUE(pages[1].contains("page 2"));
  EXPECT_TRUE(pages.last().contains("F90_pilote_ [90] cumul: 90"));
  EXPECT_TRUE(pages.last().contains("fin de la liste."));
  EXPECT_FALSE(text.contains("F5_pilote_"));
  // Every present entry once, in slot order.
  int last = 0;
  for (int i = 1; i <= 90; ++i) {
    if (i == 5) continue;
    const int at = text.indexOf(QStringLiteral("F%1_pilote_ [%1]").arg(i));
    ASSERT_GT(at, last) << i;
    last = at;
  }
}

}  // namespace
}  // namespace qx30
