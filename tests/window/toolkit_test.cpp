// The window's toolkit edge: the real boxes and colour dialog, a tick inside
// the real question of an end of flight, a real print job read back, the
// error box's text and the conversion of texts to and from the core's code page.

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "window/look.h"
#include "window/platform/qt_dialogs.h"
#include "window/platform/qt_printer.h"
#include "window/qt_text.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::row_of;
using testing::u8;

// Runs `inside` in the next modal box, which it finds as a T.
template <class T>
void when_shown(std::function<void(T*)> inside) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inside(box);
  });
}

// Notes the box's caption, icon and buttons, then presses `button`.
void answer(const QString& button, QStringList* seen) {
  when_shown<QMessageBox>([=](QMessageBox* box) {
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
  EXPECT_EQ(seen, (QStringList{"Confirm", "4", "&Yes", "&No", "Confirm", "4", "&Yes", "&No",  // 4: question
                               "qx30", "0", "OK", "qx30", "3", "OK"}));                        // 3: critical
  when_shown<QColorDialog>([](QColorDialog* box) {
    box->setCurrentColor(QColor(0x11, 0x22, 0x33));
    box->accept();
  });
  EXPECT_EQ(dialogs.colour(), 0x00332211u);
}

// The window with the real boxes; the fake ones stay at hand in `fake`.
// The real font dialog, confirmed without a change: it opened on the face the
// lists show, bold, and gives back their very font and colour.
TEST(QtDialogs, FontDialogLeftAsItOpenedGivesBackTheListsFont) {
  const QFont lists = list_font(11, true);
  QFont opened_on;
  when_shown<QWidget>([&](QWidget* box) {
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

struct RealToolkit : testing::WindowAtWork<QtDialogs> {};

TEST_F(RealToolkit, ATickInsideTheQuestionOfADoubleClick) {
  open_with({"41000", "72130"});
  register_entry("41000", "a");
  register_entry("72130", "b");
  start(1);
  start(2);
  QString asked;
  when_shown<QMessageBox>([&](QMessageBox* box) {
    asked = box->text();
    minute_at(14, 8);  // the box's own loop runs the timer's event
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Yes") b->click();
  });
  click_line(window.LB_actives, 2, true);
  EXPECT_TRUE(asked.contains("[2]")) << asked.toStdString();
  EXPECT_EQ(row_of(window.LB_actives, 2), -1);
  EXPECT_GE(row_of(window.LB_liste, 2), 0);
  EXPECT_EQ(window.fiches[2].cumul_temps, 1);
  EXPECT_EQ(window.fiches[1].temps_vol, 1);
}

TEST(WindowEdge, ErrorBoxTextAndCodePage) {
  const std::pair<const char*, const char*> endings[] = {
      {"File not found", "File not found."}, {"Disk full.", "Disk full."}, {"done)", "done)"},
      {"I/O error 5", "I/O error 5."},       {"ann\xE9", "anné."},         {"", ""}};
  for (auto [message, shown] : endings) EXPECT_EQ(error_box_text(message), QString::fromUtf8(shown)) << shown;
  EXPECT_EQ(to_qt("fr\xE9quence \x80"), QString::fromUtf8("fréquence €"));
  EXPECT_EQ(from_qt(QString::fromUtf8("é € Łukasz 😀!")), "\xE9 \x80 ?ukasz ?!");
  EXPECT_EQ(SortedList().textElideMode(), Qt::ElideNone);  // a long line is cut at the list's edge
}

TEST_F(RealToolkit, APrintJobComesOutPageAfterPage) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QtPrinter printer(QDir::current().absoluteFilePath("liste.pdf"));
  TF_qx paper(Platform{fake.dialogs, fake.clock, fake.launcher, printer});
  for (int i = 1; i <= 90; ++i)  // two pages at least
    paper.fiches[i] = t_fiche{"L", 0, i, 35000 + 10 * i, true, "F" + std::to_string(i) + "_pilote_", i, "", 2};
  fake.dialogs.answers = {true};
  click(paper.B_imprimer);
  ASSERT_TRUE(fake.dialogs.errors.isEmpty()) << fake.dialogs.errors.join('|').toStdString();
  QProcess reader;
  reader.start(pdftotext, {"-layout", "liste.pdf", "-"});
  ASSERT_TRUE(reader.waitForFinished(20000));
  // Runs of blanks folded, ligatures undone, empty pages dropped.
  QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).replace(QChar(0xFB01), "fi").split('\f');
  for (QString& page : pages) page = page.simplified();
  pages.removeAll(QString());
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(u8("Liste des enregistrés.")));
  EXPECT_TRUE(pages.last().contains("page " + QString::number(pages.size())));
  EXPECT_TRUE(pages.last().contains("fin de la liste."));
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
  canvas.draw_text(10, 50, "X");
  painter.end();
  int top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        top = std::min(top, y);
        bottom = y;
      }
  EXPECT_GE(top, 50);
  EXPECT_LT(bottom, 50 + canvas.text_height("X"));
}

}  // namespace
}  // namespace qx30
