// The choice boxes as the operator types into them, with the window active
// so that Enter and a click elsewhere move the focus as on a desktop: typed
// text is taken as typed and never turns into an item of the list.

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::u8;

struct Typed {
  const char* box;      // the field typed into; the others hold chosen items
  const char* text;     // typed over what the field shows
  bool enter;           // Enter after typing; otherwise the click on "enregistrer" ends it
  const char* libelle;  // the registered entry's text, or nullptr for the frequency message
};

const Typed cases[] = {
    {"CB_freq", "41000", false, nullptr},
    {"CB_freq", "7", true, nullptr},
    {"CB_pilote", "vert", true, "35010_vert_planeur_"},
    {"CB_comm", "PLANEUR", false, "35010_Vert_PLANEUR_"},
};

struct TypingTest : testing::WindowAtWork<> {};

TEST_F(TypingTest, TypedTextIsTakenAsTyped) {
  for (const Typed& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.text);
    open_with({"26000", "35010", "41000", "72130"});
    window.fiches = t_fiches{};
    window.affichage();
    dialogs.messages.clear();
    window.CB_pilote->load_items({"bleu", "Vert"});
    window.CB_comm->load_items({"planeur", "."});
    window.CB_freq->choose(window.CB_freq->findText("35010"));
    window.CB_pilote->choose(window.CB_pilote->findText("Vert"));
    window.CB_comm->choose(window.CB_comm->findText("planeur"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto* box = window.findChild<ChoiceBox*>(c.box);
    box->setFocus();
    ASSERT_TRUE(box->lineEdit()->hasFocus());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), c.text);
    if (c.enter) QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QSignalSpy focus_moves(qApp, &QApplication::focusChanged);
    QTest::mouseClick(window.B_enregistrer, Qt::LeftButton);
    ASSERT_GE(focus_moves.count(), 1) << "the field never lost the focus";

    if (!c.libelle) {
      EXPECT_EQ(dialogs.messages, QStringList{u8("COIN! Choisissez une fréquence ")});
      EXPECT_EQ(window.LB_liste->line_count(), 0);
      EXPECT_EQ(box->edit_text(), u8(c.text));
    } else {
      EXPECT_TRUE(dialogs.messages.isEmpty());
      EXPECT_EQ(window.LB_liste->line_count(), 1);
      EXPECT_EQ(window.fiches[1].libelle, c.libelle);
    }
  }
}

}  // namespace
}  // namespace qx30
