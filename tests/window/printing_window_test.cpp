// Printing the registered entries from the window, on a recording printer,
// and the canvas that draws on a real paint device.

#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qt_print.h"
#include "register/cp1252.h"
#include "window/platform/qt_printer.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

struct PrintingTest : ::testing::Test {
  testing::FakePlatform fake;
  testing::ScriptedDialogs& dialogs = fake.dialogs;
  testing::FakePrinter& printer = fake.printer;
  TF_qx window{fake.platform()};

  void SetUp() override {
    window.case_save->setChecked(false);
    window.fiches[1] = t_fiche{"L", 0, 42, 35010, true, "35010_ROUGE_planeur", 1, "", 3};
    window.fiches[2] = t_fiche{"L", 0, 0, 0, false, "", 2, "", 0};  // deleted
    window.fiches[3] = t_fiche{"V", 4, 5, 41000, true, "41000_Vert_Extra_", 3, "14:03", 1};
    window.affichage();
    window.Label_heure->set_caption("05/12/2026 14:07");
  }

  void press() { QTest::mouseClick(window.B_imprimer, Qt::LeftButton); }
};

TEST_F(PrintingTest, AsksWithThePrinterNameAndPrintsOnlyOnYes) {
  press();
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(dialogs.questions[0],
            QString::fromUtf8("Voulez-vous imprimer la liste de enregistrés sur l'imprimante : Bureau ?"));
  EXPECT_TRUE(printer.drawn.empty());
  EXPECT_EQ(printer.page, 0);  // no job was started

  // A name the code page lacks is asked about as it is.
  printer.name = QString::fromUtf8("Étage 2 ☂");
  press();
  ASSERT_EQ(dialogs.questions.size(), 2);
  EXPECT_EQ(dialogs.questions[1],
            QString::fromUtf8("Voulez-vous imprimer la liste de enregistrés sur l'imprimante : Étage 2 ☂ ?"));
  EXPECT_TRUE(printer.drawn.empty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PrintingTest, YesPrintsThePresentEntriesUnderTheClockAndTheCount) {
  dialogs.answers.push_back(true);
  press();
  EXPECT_TRUE(dialogs.errors.isEmpty());

  // Text height 50: the line step is 75.
  using D = testing::FakePrinter::Drawn;
  const std::vector<D> expected = {
      {1, 75, 75, cp1252(u8"QX30 gestion séance radiocommande   05/12/2026 14:07   2 enregistré(s).   page 1")},
      {1, 75, 150, cp1252(u8"Liste des enregistrés.")},
      {1, 75, 225, cp1252(u8"(fréquence_pilote_commentaire_ [numéro] cumul_temps nbre_évolutions)")},
      {1, 75, 300, cp1252(u8"35010_ROUGE_planeur  [1]  cumul: 42  nb.évol.: 3")},
      {1, 75, 375, cp1252(u8"41000_Vert_Extra_  [3]  cumul: 5  nb.évol.: 1")},
      {1, 75, 450, "fin de la liste."},
  };
  ASSERT_EQ(printer.drawn.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(printer.drawn[i].page, expected[i].page) << i;
    EXPECT_EQ(printer.drawn[i].x, expected[i].x) << i;
    EXPECT_EQ(printer.drawn[i].y, expected[i].y) << i;
    EXPECT_EQ(printer.drawn[i].text, expected[i].text) << i;
  }
  // Printing changes nothing in the table or the window.
  EXPECT_EQ(window.fiches[1].cumul_temps, 42);
  EXPECT_EQ(window.LB_liste->line_count(), 1);
  EXPECT_EQ(window.LB_actives->line_count(), 1);
}

TEST_F(PrintingTest, WithoutADefaultPrinterTheErrorBoxShowsAndNothingIsAsked) {
  printer.name.reset();
  dialogs.answers.push_back(true);
  press();
  EXPECT_EQ(dialogs.errors, QStringList{"There is no default printer currently selected."});
  EXPECT_TRUE(dialogs.questions.isEmpty());
  EXPECT_TRUE(printer.drawn.empty());
}

TEST(PainterCanvas, DrawsTheTextBelowTheTopItIsGiven) {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(30);
  painter.setFont(font);
  painter.setPen(Qt::black);
  PainterCanvas canvas(painter, image);
  EXPECT_EQ(canvas.page_height(), 200);
  const int t = canvas.text_height("X");
  EXPECT_GE(t, 30);
  canvas.draw_text(10, 50, "X");
  painter.end();

  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        if (top < 0) top = y;
        bottom = y;
      }
  ASSERT_GE(top, 0);
  // The ink of the letter lies within the line that starts at y = 50.
  EXPECT_GE(top, 50);
  EXPECT_LT(bottom, 50 + t);
}

}  // namespace
}  // namespace qx30
