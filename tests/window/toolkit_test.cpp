// The window's toolkit edge: the real font dialog, a tick inside a real
// question box, and which editor opens the lists, found without a desktop.

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>

#include "window/look.h"
#include "window/platform/qt_dialogs.h"
#include "window/platform/qt_launcher.h"
#include "window_at_work.h"

namespace qx30 {
namespace {

using testing::row_of;

// Runs `inside` in the next modal box, which it finds as a T.
template <class T>
void when_shown(std::function<void(T*)> inside) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inside(box);
  });
}

struct RealToolkit : testing::WindowAtWork<QtDialogs> {};

// Confirmed without a change of font, the dialog opened on the lists' face,
// bold, gives it back as it was; the colour chosen under it reaches the three
// entry lists only.
TEST_F(RealToolkit, FontDialogGivesBackTheListsFontAndItsColour) {
  open_with({});
  const QFont before = window.LB_actives->font();
  ASSERT_TRUE(before.bold());
  QFont opened_on;
  when_shown<QDialog>([&](QDialog* box) {
    opened_on = box->findChild<QFontDialog*>()->currentFont();
    when_shown<QColorDialog>([](QColorDialog* colours) {
      colours->setCurrentColor(QColor(0x80, 0, 0x40));
      colours->accept();
    });
    for (auto* b : box->findChildren<QPushButton*>())
      if (b->text().startsWith("Couleur")) b->click();
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  click(window.B_police);
  EXPECT_EQ(opened_on.family(), QFontInfo(before).family());
  EXPECT_TRUE(opened_on.bold());
  for (const SortedList* lb : {window.LB_actives, window.LB_attente, window.LB_liste}) {
    EXPECT_EQ(lb->font(), before) << lb->objectName().toStdString();
    EXPECT_EQ(lb->palette().color(QPalette::Text), QColor(0x80, 0, 0x40)) << lb->objectName().toStdString();
  }
  EXPECT_NE(window.LB_noire->palette().color(QPalette::Text), QColor(0x80, 0, 0x40));
}

// The box's own loop runs the timer's event; the tick leaves the registered
// list and its selection alone.
TEST_F(RealToolkit, ATickInsideTheQuestionOfADoubleClick) {
  open_with({"41000", "72130", "35010"});
  register_entry("41000", "a");
  register_entry("72130", "b");
  register_entry("35010", "c");
  start(1);
  start(2);
  click_line(window.LB_liste, 3);
  const QListWidgetItem* registered = window.LB_liste->item(0);
  when_shown<QMessageBox>([&](QMessageBox* box) {
    minute_at(14, 8);
    EXPECT_EQ(window.LB_liste->item(0), registered);
    EXPECT_EQ(window.LB_liste->selected(), row_of(window.LB_liste, 3));
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Yes") b->click();
  });
  click_line(window.LB_actives, 2, true);
  EXPECT_GE(row_of(window.LB_liste, 2), 0);
  EXPECT_EQ(window.fiches[2].cumul_temps, 1);
  EXPECT_EQ(window.fiches[1].temps_vol, 1);
}

void write(const QString& name, const QByteArray& text, bool executable) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  f.close();
  if (executable) f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// The default entry's program, else the first common editor on the path.
TEST(FindEditor, DefaultEntryThenThePath) {
  QTemporaryDir dir;
  const QString bin = dir.filePath("bin"), empty = dir.filePath("empty"), data = dir.filePath("data");
  for (const QString& d : {bin, empty, data + "/applications"}) ASSERT_TRUE(QDir().mkpath(d));
  for (const char* p : {"mousepad", "notes"}) write(bin + "/" + p, "#!/bin/sh\n", true);
  write(bin + "/gedit", "not a program", false);
  write(data + "/applications/notes.desktop", "[Desktop Entry]\nExec=notes --new-window %U\n", false);
  write(data + "/applications/gone.desktop", "[Desktop Entry]\nExec=gone %f\n", false);
  const struct {
    const char* default_entry;
    QString path;
    QStringList command;
  } cases[] = {
      {"notes.desktop", bin, {bin + "/notes", "--new-window"}},
      {"gone.desktop", empty + ":" + bin, {bin + "/mousepad"}},  // its program is not on the path
      {"", bin, {bin + "/mousepad"}},
      {"", empty, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.default_entry) + " on " + c.path.toStdString());
    EXPECT_EQ(find_editor({c.default_entry, {dir.filePath("nothing"), data}, c.path}), c.command);
  }
}

}  // namespace
}  // namespace qx30
