#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "qt_print.h"
#include "window/choice_box.h"
#include "window/look.h"
#include "window/platform/dialogs.h"
#include "window/platform/qt_dialogs.h"
#include "window/qt_text.h"
#include "window/sorted_list.h"

namespace qx30 {
namespace {

QStringList lines_of(const SortedList& lb) {
  QStringList out;
  for (int i = 0; i < lb.line_count(); ++i) out << lb.line(i);
  return out;
}

TEST(SortedList, KeepsLinesInOrderIgnoringCase) {
  SortedList lb;
  for (const char* l : {"b[2]", "A[1]", "c[3]", "B[10]", "a[0]", "14:05=t000_x[4]"}) lb.add_line(l);
  EXPECT_EQ(lines_of(lb), (QStringList{"14:05=t000_x[4]", "a[0]", "A[1]", "B[10]", "b[2]", "c[3]"}));
  EXPECT_EQ(lb.selected(), -1);
  lb.select(3);
  EXPECT_EQ(lb.selected(), 3);
  lb.select(-1);
  EXPECT_EQ(lb.selected(), -1);
  lb.select(99);
  EXPECT_EQ(lb.selected(), -1);
  EXPECT_EQ(lb.textElideMode(), Qt::ElideNone);
}

TEST(ChoiceBox, SortsOnDemandAndForgetsTheChoiceWhenTyping) {
  ChoiceBox pilots(true);
  pilots.load_items({"Vert", "bleu", "Rouge", ""});
  EXPECT_EQ(pilots.count(), 4);
  EXPECT_EQ(pilots.itemText(0), "");
  EXPECT_EQ(pilots.itemText(1), "bleu");
  EXPECT_EQ(pilots.itemText(2), "Rouge");
  EXPECT_EQ(pilots.itemText(3), "Vert");
  EXPECT_EQ(pilots.chosen(), -1);

  ChoiceBox freqs(false);
  freqs.load_items({"35010", "27195"});
  EXPECT_EQ(freqs.itemText(1), "27195");
  freqs.choose(1);
  EXPECT_EQ(freqs.chosen(), 1);
  EXPECT_EQ(freqs.edit_text(), "27195");
  QTest::keyClicks(freqs.lineEdit(), "9");
  EXPECT_EQ(freqs.chosen(), -1);
}

TEST(QtText, ConvertsAtTheWindowEdge) {
  EXPECT_EQ(to_qt("fr\xE9quence \x80"), QString::fromUtf8("fréquence €"));
  EXPECT_EQ(from_qt(QString::fromUtf8("fréquence € œ")), "fr\xE9quence \x80 \x9C");
  // Characters the code page lacks become "?", one per character.
  EXPECT_EQ(from_qt(QString::fromUtf8("Łukasz 😀!")), "?ukasz ?!");
}

TEST(ErrorBox, AddsAFullStopAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(error_box_text("File not found"), "File not found.");
  EXPECT_EQ(error_box_text("'' is not a valid integer value"), "'' is not a valid integer value.");
  EXPECT_EQ(error_box_text("Disk full."), "Disk full.");
  EXPECT_EQ(error_box_text("done)"), "done)");
  EXPECT_EQ(error_box_text("I/O error 5"), "I/O error 5.");
  EXPECT_EQ(error_box_text("ann\xE9"), QString::fromUtf8("anné."));
  EXPECT_EQ(error_box_text(""), "");
}

// Answers the next modal box by pressing the button with the given text.
void press_when_shown(const QString& button_text, QString* caption, QStringList* buttons) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *caption = box->windowTitle();
    for (QAbstractButton* b : box->buttons()) *buttons << b->text();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == button_text) b->click();
  });
}

TEST(QtDialogs, QuestionIsConfirmWithYesAndNo) {
  QtDialogs dialogs;
  QString caption;
  QStringList buttons;
  press_when_shown("&Yes", &caption, &buttons);
  EXPECT_TRUE(dialogs.question("Voulez-vous ?"));
  EXPECT_EQ(caption, "Confirm");
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"&No", "&Yes"}));

  buttons.clear();
  press_when_shown("&No", &caption, &buttons);
  EXPECT_FALSE(dialogs.question("Voulez-vous ?"));
}

TEST(QtDialogs, MessageAndErrorHaveOneOkAndTheApplicationTitle) {
  QtDialogs dialogs;
  QString caption;
  QStringList buttons;
  press_when_shown("OK", &caption, &buttons);
  dialogs.message("COIN !");
  EXPECT_EQ(caption, "qx30");
  EXPECT_EQ(buttons.size(), 1);

  buttons.clear();
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->buttons().first()->click();
  });
  dialogs.error("File not found.");
}

// The real font dialog, confirmed without a change: it opened on the face the
// lists show, bold, and gives back their very font and colour.
TEST(QtDialogs, FontDialogLeftAsItOpenedGivesBackTheListsFont) {
  const QFont lists = list_font(11, true);
  QFont opened_on;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    auto* part = box->findChild<QFontDialog*>();
    ASSERT_NE(part, nullptr);
    opened_on = part->currentFont();
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  const std::optional<FontChoice> chosen = QtDialogs().font({lists, QColor(Qt::darkBlue)});
  EXPECT_EQ(opened_on.family(), QFontInfo(lists).family());
  EXPECT_TRUE(opened_on.bold());
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->font, lists);
  EXPECT_EQ(chosen->colour, QColor(Qt::darkBlue));
}

}  // namespace
}  // namespace qx30
