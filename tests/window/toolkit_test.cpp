// The window's toolkit edge: the real boxes and colour dialog, the error
// box's text and the conversion of texts to and from the core's code page.

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QTimer>

#include "window/platform/qt_dialogs.h"
#include "window/qt_text.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

// Presses the button with this text in the next modal box, noting what it shows.
void answer(const QString& button, QStringList* seen) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *seen << box->windowTitle() << QString::number(box->icon());
    for (QAbstractButton* b : box->buttons()) *seen << b->text();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == button) b->click();
  });
}

TEST(QtDialogs, BoxesHaveTheirCaptionsIconsAndButtons) {
  QtDialogs dialogs;
  QStringList seen;
  answer("&Yes", &seen);
  EXPECT_TRUE(dialogs.question("?"));
  answer("&No", &seen);
  EXPECT_FALSE(dialogs.question("?"));
  answer("OK", &seen);
  dialogs.message("COIN !");
  answer("OK", &seen);
  dialogs.error("File not found.");
  const QString question = QString::number(QMessageBox::Question);
  EXPECT_EQ(seen, (QStringList{"Confirm", question, "&Yes", "&No", "Confirm", question, "&Yes", "&No", "qx30",
                               QString::number(QMessageBox::NoIcon), "OK", "qx30",
                               QString::number(QMessageBox::Critical), "OK"}));
}

TEST(QtDialogs, AColourComesBackAsBlueGreenRed) {
  QtDialogs dialogs;
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->setCurrentColor(QColor(0x11, 0x22, 0x33));
    box->accept();
  });
  EXPECT_EQ(dialogs.colour(), 0x00332211u);
}

TEST(WindowEdge, ErrorBoxTextAndCodePage) {
  const std::pair<const char*, const char*> endings[] = {
      {"File not found", "File not found."}, {"Disk full.", "Disk full."}, {"done)", "done)"},
      {"I/O error 5", "I/O error 5."},       {"ann\xE9", "anné."},         {"", ""}};
  for (auto [message, shown] : endings) EXPECT_EQ(error_box_text(message), QString::fromUtf8(shown)) << shown;
  EXPECT_EQ(to_qt("fr\xE9quence \x80"), QString::fromUtf8("fréquence €"));
  EXPECT_EQ(from_qt(QString::fromUtf8("é € Łukasz 😀!")), "\xE9 \x80 ?ukasz ?!");
}

}  // namespace
}  // namespace qx30
