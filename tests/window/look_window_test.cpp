// Colours and font chosen by the operator, and the smallest window.

#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qt_print.h"
#include "window/look.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

struct LookTest : ::testing::Test {
  testing::FakePlatform fake;
  testing::ScriptedDialogs& dialogs = fake.dialogs;
  TF_qx window{fake.platform()};

  void SetUp() override { window.case_save->setChecked(false); }

  void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

  // An entry put straight into the table; only a refresh shows it.
  void put(int slot, const char* etat, std::int32_t freq, const char* libelle) {
    window.fiches[slot] = t_fiche{etat, 0, 0, freq, true, libelle, slot, *etat == 'L' ? "" : "14:00", 0};
  }
};

TEST_F(LookTest, AChosenColourGoesToTheListAndItsLabelAndCancelKeepsBoth) {
  struct Pair {
    Caption* label;
    QWidget* target;
  };
  const Pair pairs[] = {{window.Label_actives, window.LB_actives},
                        {window.Label_attente, window.LB_attente},
                        {window.Label_liste, window.LB_liste},
                        {window.Label_noire, window.LB_noire},
                        {window.Label_heure, &window}};
  put(1, "L", 35010, "35010_Vert_planeur_");
  const std::uint32_t raw = 0x00336699;  // red 99, green 66, blue 33
  for (const Pair& p : pairs) {
    SCOPED_TRACE(p.label->objectName().toStdString());
    dialogs.colours.push_back(raw);
    click(p.label);
    EXPECT_EQ(background_of(p.target), raw);
    EXPECT_EQ(background_of(p.label), raw);
    EXPECT_EQ(p.target->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(p.label->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));

    // Cancelled: both keep the colour they have.
    click(p.label);
    EXPECT_EQ(background_of(p.target), raw);
    EXPECT_EQ(background_of(p.label), raw);
  }
  EXPECT_EQ(window.LB_liste->palette().color(QPalette::Base), QColor(0x99, 0x66, 0x33));
  // No refresh ran: the entry put in the table is still not shown.
  EXPECT_EQ(window.LB_liste->line_count(), 0);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(LookTest, OneChoiceColoursOnlyItsOwnPair) {
  dialogs.colours.push_back(0x000080FFu);  // orange: red FF, green 80
  click(window.Label_attente);
  EXPECT_EQ(background_of(window.LB_attente), 0x000080FFu);
  EXPECT_EQ(background_of(window.Label_attente), 0x000080FFu);
  EXPECT_EQ(window.LB_attente->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0x00));
  EXPECT_EQ(background_of(window.LB_actives), 0x0000FF00u);
  EXPECT_EQ(background_of(window.LB_liste), 0x00FFFFFFu);
  EXPECT_EQ(background_of(window.LB_noire), 0x00F0CAA6u);
  EXPECT_EQ(background_of(&window), 0x80000018u);
}

// Half a row, a half going to the even neighbour.
int half(int h) { return h / 2 + ((h % 2 == 1 && (h / 2) % 2 == 1) ? 1 : 0); }

TEST_F(LookTest, AChosenFontGoesToTheThreeEntryListsAndRestacksThem) {
  ASSERT_EQ(half(13), 6);
  ASSERT_EQ(half(15), 8);
  ASSERT_EQ(half(11), 6);
  put(1, "V", 35010, "35010_A_._");
  put(2, "V", 41000, "41000_B_._");
  for (int slot = 3; slot <= 6; ++slot) put(slot, "A", 35100 + slot * 10, "3510x_C_._");
  put(7, "L", 72130, "72130_D_._");

  // The dialog opens on the font the list has now, not on the layout's.
  QFont now = window.LB_actives->font();
  now.setPixelSize(14);
  now.setItalic(true);
  window.LB_actives->setFont(now);

  QFont big = window.LB_actives->font();
  big.setPixelSize(22);
  big.setItalic(false);
  big.setUnderline(true);
  dialogs.fonts.push_back(FontChoice{big, QColor(0x80, 0, 0x40)});
  click(window.B_police);

  EXPECT_EQ(dialogs.font_offered.font.pixelSize(), 14);
  EXPECT_TRUE(dialogs.font_offered.font.italic());
  EXPECT_EQ(dialogs.font_offered.colour, window.LB_noire->palette().color(QPalette::Text));
  for (SortedList* lb : {window.LB_actives, window.LB_attente, window.LB_liste}) {
    EXPECT_EQ(lb->font().pixelSize(), 22) << lb->objectName().toStdString();
    EXPECT_TRUE(lb->font().underline());
    EXPECT_EQ(lb->palette().color(QPalette::Text), QColor(0x80, 0, 0x40));
  }
  EXPECT_EQ(window.LB_noire->font().pixelSize(), 11);
  EXPECT_NE(window.LB_noire->palette().color(QPalette::Text), QColor(0x80, 0, 0x40));
  EXPECT_EQ(window.Label_actives->font().pixelSize(), 11);

  // The refresh ran: the lists hold their lines, each upper list is its
  // rows plus half a row high in the new row height.
  ASSERT_EQ(window.LB_actives->line_count(), 2);
  ASSERT_EQ(window.LB_attente->line_count(), 4);
  ASSERT_EQ(window.LB_liste->line_count(), 1);
  const int h = QFontMetrics(big).height();
  EXPECT_GT(h, 13);
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 497, 2 * h + half(h)));
  const int top_attente = 32 + 2 * h + half(h) + 1;
  EXPECT_EQ(window.LB_attente->geometry(), QRect(8, top_attente, 497, 4 * h + half(h)));
  const int top_liste = top_attente + 4 * h + half(h) + 1;
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, top_liste, 496, 455 - top_liste));

  // Cancelled: no new font and no refresh.
  put(8, "L", 72150, "72150_E_._");
  click(window.B_police);
  EXPECT_EQ(dialogs.font_offered.font.pixelSize(), 22);
  EXPECT_EQ(dialogs.font_offered.colour, QColor(0x80, 0, 0x40));
  EXPECT_EQ(window.LB_liste->font().pixelSize(), 22);
  EXPECT_EQ(window.LB_liste->line_count(), 1);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(LookTest, TheWindowGrowsBackToItsSmallestSize) {
  // The limits are on the outer size, frame included; the corrections set
  // the client size. Whatever frame the platform draws, fw and fh are its
  // width and height.
  window.show();
  const int fw = window.frameGeometry().width() - window.width();
  const int fh = window.frameGeometry().height() - window.height();
  ASSERT_GE(fw, 0);
  ASSERT_GE(fh, 0);
  auto outer = [&](int w, int h) { window.resize(w - fw, h - fh); };

  outer(800, 398);
  EXPECT_EQ(window.size(), QSize(800 - fw, 400));
  outer(800, 420);
  EXPECT_EQ(window.frameGeometry().size(), QSize(800, 420));
  outer(800, 399);
  EXPECT_EQ(window.frameGeometry().size(), QSize(800, 399));
  outer(598, 450);
  EXPECT_EQ(window.size(), QSize(600, 450 - fh));
  outer(599, 450);
  EXPECT_EQ(window.frameGeometry().size(), QSize(599, 450));

  // Both at once; the anchored controls follow the corrected size.
  outer(500, 300);
  EXPECT_EQ(window.size(), QSize(600, 400));
  EXPECT_EQ(window.B_fin_vol->geometry(), QRect(520 - 192, 32, 105, 25));
  EXPECT_EQ(window.CB_freq->geometry(), QRect(8, 472 - 133, 65, 21));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 184, 496 - 192, 273 - 133));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

}  // namespace
}  // namespace qx30
