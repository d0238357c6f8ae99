// Printing: the window asks with the printer's name and hands the list to the
// printer on Yes only; one real job into a PDF read back; the painter's
// canvas draws a text below the top it is given.

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include "window/platform/qt_printer.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::u8;

struct PrintWindow : testing::WindowAtWork<> {
  void SetUp() override { open_with({"35010"}); }
};

TEST_F(PrintWindow, AsksWithThePrinterNameAndPrintsOnYesOnly) {
  register_entry("35010", "Vert");
  press(window.B_imprimer);
  EXPECT_EQ(dialogs.questions, QStringList{u8("Voulez-vous imprimer la liste de enregistrés sur l'imprimante : Bureau ?")});
  EXPECT_TRUE(fake.printer.drawn.empty());

  dialogs.answers = {true};
  press(window.B_imprimer);
  ASSERT_FALSE(fake.printer.drawn.empty());
  // The heading carries the clock and the count as the window shows them.
  EXPECT_NE(fake.printer.drawn[0].find("05/12/2026 14:07   1 enregistr"), std::string::npos) << fake.printer.drawn[0];

  fake.printer.name.reset();
  press(window.B_imprimer);
  EXPECT_EQ(dialogs.errors, QStringList{"There is no default printer currently selected."});
  EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(PrintWindow, ARealJobComesOutPageAfterPage) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const QString pdf = QDir::current().absoluteFilePath("liste.pdf");
  QtPrinter printer(pdf);
  TF_qx paper(Platform{dialogs, fake.clock, fake.launcher, printer});
  for (int i = 1; i <= 90; ++i)  // two pages at least
    paper.fiches[i] = t_fiche{"L", 0, i, 35000 + 10 * i, true, "F" + std::to_string(i) + "_pilote_", i, "", 2};
  dialogs.answers = {true};
  press(paper.B_imprimer);
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('|').toStdString();

  QProcess reader;
  reader.start(pdftotext, {"-layout", pdf, "-"});
  ASSERT_TRUE(reader.waitForFinished(20000));
  // Runs of blanks folded, ligatures undone, empty pages dropped.
  QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).replace(QChar(0xFB01), "fi").split('\f');
  for (QString& page : pages) page = page.simplified();
  pages.removeAll(QString());
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(u8("Liste des enregistrés.")));
  EXPECT_TRUE(pages.join(' ').contains("fin de la liste."));
  for (int i = 1; i <= 90; ++i) EXPECT_TRUE(pages.join(' ').contains(QString("F%1_pilote_ [%1]").arg(i))) << i;
}

TEST(PainterCanvas, DrawsTheTextBelowTheTopItIsGiven) {
  QImage image(100, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(30);
  painter.setFont(font);
  PainterCanvas canvas(painter, image);
  const int t = canvas.text_height("X");
  canvas.draw_text(10, 50, "X");
  painter.end();
  int top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) top = std::min(top, y), bottom = y;
  EXPECT_GE(top, 50);
  EXPECT_LT(bottom, 50 + t);
  EXPECT_GE(bottom, 50);
}

}  // namespace
}  // namespace qx30
