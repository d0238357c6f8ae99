// What only the toolkit shows: captions that fit, no control over another,
// the sizes, the lists' order, typing in a choice box, the real dialogs and
// boxes, a tick inside a real question box, and which editor opens the lists.
#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStyleOptionButton>
#include <QTimer>
#include <map>

#include "support/fake_disk.h"
#include "support/window_at_work.h"
#include "window/platform/folder_lock.h"
#include "window/platform/qt_dialogs.h"
#include "window/platform/qt_launcher.h"
#include "window/qt_text.h"

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

using LayoutWindow = testing::WindowAtWork<>;

// With the clock, the counts and the warning at their widest, at every size.
// Sharing an edge pixel, as the check boxes stacked 16 pixels apart do, is no
// overlap. Each anchoring follows its edges, and any sequence of sizes, some
// far below the smallest, comes back to the start.
TEST_F(LayoutWindow, EveryCaptionFitsNoneOverlapsAndEveryControlComesBack) {
  open_with({});
  const std::pair<const char*, const char*> captions[] = {
      {"Label_heure", "06/12/2026 23:59"}, {"Label_actives", "60 en évolution"},
      {"Label_liste", "998 enregistré(s)."}, {"Label_noire", "9999 interdition(s)."},
      {"Label_interdiction", "INTERDICTIONS parmi les actifs !"}};
  const auto widest = [&] {
    for (const auto& [name, text] : captions) ui.get<Caption>(name)->set_caption(QString::fromUtf8(text));
  };
  widest();
  for (auto* b : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width() -
                     b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b);
    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), room) << b->objectName().toStdString();
  }
  for (auto* l : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->objectName().toStdString();
  const QList<QWidget*> all = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const auto no_overlap = [&] {
    const auto inner = [](QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
    for (QWidget* a : all)
      for (QWidget* b : all)
        if (a < b && inner(a).intersects(inner(b)))
          ADD_FAILURE() << window.width() << "x" << window.height() << ": " << a->objectName().toStdString()
                        << " overlaps " << b->objectName().toStdString();
  };
  no_overlap();
  window.session().affichage();
  std::map<QString, QRect> start;
  for (QWidget* w : all) start[w->objectName()] = w->geometry();
  // One control of each anchoring, placed by hand from the design; of the
  // lists that stretch, the edges that do not depend on their rows' height.
  // With LB_actives' and LB_liste's right edge and LB_liste's bottom edge.
  const struct { QSize size; std::map<const char*, QRect> places; int right, bottom; } sizes[] = {
      {{1000, 700}, {{"LB_noire", {728, 200, 265, 424}}, {"B_fin_vol", {728, 32, 105, 25}},
                     {"B_enregistrer", {400, 639, 89, 25}}, {"B_aide", {928, 10, 57, 23}}}, 712, 621},
      {{700, 450}, {{"LB_noire", {428, 200, 265, 174}}, {"B_fin_vol", {428, 32, 105, 25}},
                    {"B_enregistrer", {400, 389, 89, 25}}, {"B_aide", {628, 10, 57, 23}}}, 412, 371},
      {{600, 400}, {{"LB_noire", {328, 200, 265, 124}}, {"B_tableau", {440, 0, 84, 16}}}, 312, 321},
  };
  for (const auto& [size, places, right, bottom] : sizes) {
    window.resize(size);
    window.session().affichage();
    for (const auto& [name, place] : places) EXPECT_EQ(ui.get(name)->geometry(), place) << name << " at " << size.width();
    EXPECT_EQ(ui.LB_actives->geometry().right(), right) << size.width();
    EXPECT_EQ(ui.LB_liste->geometry().right(), right) << size.width();
    EXPECT_EQ(ui.LB_liste->geometry().bottom(), bottom) << size.width();
    widest();
    no_overlap();
  }
  // Dragged below 599x399 with its frame, the window jumps back to 600x400.
  for (const auto& [size, kept] : {std::pair{QSize(200, 100), QSize(600, 400)}, {{1200, 90}, {1200, 400}},
                                   {{60, 900}, {600, 900}}, {{550, 350}, {600, 400}}, {{792, 533}, {792, 533}}}) {
    window.resize(size);
    window.session().affichage();
    EXPECT_EQ(window.size(), kept);
  }
  for (QWidget* w : all) EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
  // A screen reader names each list by its hint, and a field by its label.
  for (SortedList* lb : {ui.LB_actives, ui.LB_attente, ui.LB_liste, ui.LB_noire}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lb)->text(QAccessible::Name), lb->toolTip());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lb)->text(QAccessible::Description), lb->toolTip());
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(ui.E_nbre_max)->text(QAccessible::Name),
            ui.get<Caption>("Label4")->text());
}

// The edge between the core's Windows-1252 bytes and Qt's strings, and the
// error box's full stop after a last character that sorts beyond ".".
TEST(TextEdge, CodePageAndTheErrorBoxFullStop) {
  EXPECT_EQ(to_qt("\x80 caf\xE9"), QString::fromUtf8("€ café"));
  EXPECT_EQ(from_qt(QString::fromUtf8("€ Łukasz")), "\x80 ?ukasz");
  const std::pair<std::string, QString> cases[] = {{"File not found", "File not found."}, {"Disk full.", "Disk full."},
                                                    {"(fin)", "(fin)"}, {"caf\xE9", QString::fromUtf8("café.")}, {"", ""}};
  for (const auto& [message, shown] : cases) EXPECT_EQ(error_box_text(message), shown) << message;
}

// The sorted lists and the sorted box, filled out of order, in French and with no language named.
TEST(SortedOrder, FrenchNamesAndEntryLines) {
  const QString by_hand = QString::fromUtf8(
      "=t000_35010_Dupont_._[4]c000e000|14:05=t003_35010_Émile_._[2]c000e000|"
      "14:05=t003_35020_Eddy_._[1]c000e000|35010_Ève_._[12]c000e000|35010_Eve_._[3]c000e000|"
      "72130|Bruno|Ça-Va|Céline|cyril|Eddy|eddy|Émile|Ève|Fanny|Visiteur");
  const QStringList sorted = by_hand.split('|');
  QStringList mixed;  // every ninth, "eddy" before "Eddy"
  for (int i = 0; i < sorted.size(); ++i) mixed << sorted[i * 9 % sorted.size()];
  for (const QLocale& locale : {QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
    QLocale::setDefault(locale);
    SortedList list;
    ChoiceBox box(true);
    list.replace_lines(mixed);
    box.load_items(mixed);
    for (int i = 0; i < sorted.size(); ++i) EXPECT_EQ(list.line(i) + box.itemText(i), sorted[i].repeated(2));
  }
  QLocale::setDefault(QLocale::system());
}

// A typed text never becomes an item, whatever its case, neither completed,
// nor on Enter, nor when the focus leaves; it undoes the item chosen before.
TEST(ChoiceBoxTyping, TypedTextIsTakenAsTyped) {
  QWidget window;
  auto* box = new ChoiceBox(true, &window);
  auto* elsewhere = new QLineEdit(&window);
  box->load_items({"Vert", "bleu", "72130"});
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (const auto& [text, enter] : {std::pair{"vert", true}, {"7", true}, {"72130", false}}) {
    box->choose(box->findText("Vert"));
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
    if (enter) QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    elsewhere->setFocus();
    ASSERT_TRUE(elsewhere->hasFocus());
    EXPECT_EQ(box->chosen(), -1) << text;
    EXPECT_EQ(box->edit_text(), text);
  }
}

struct RealToolkit : testing::WindowAtWork<QtDialogs> {};

// Confirmed without a change of font, the dialog opened on the lists' face,
// bold, gives it back as it was; the colour chosen under it reaches the three
// entry lists only.
TEST_F(RealToolkit, FontDialogGivesBackTheListsFontAndItsColour) {
  open_with({});
  const QFont before = ui.LB_actives->font();
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
  click(ui.button("B_police"));
  EXPECT_EQ(opened_on.family(), QFontInfo(before).family());
  // With its bold, where the face has a bold style to show.
  if (QFontDatabase::styles(opened_on.family()).contains(QStringLiteral("Bold"))) {
    EXPECT_TRUE(opened_on.bold());
  }
  for (const SortedList* lb : {ui.LB_actives, ui.LB_attente, ui.LB_liste}) {
    EXPECT_EQ(lb->font(), before) << lb->objectName().toStdString();
    EXPECT_EQ(lb->palette().color(QPalette::Text), QColor(0x80, 0, 0x40)) << lb->objectName().toStdString();
  }
  EXPECT_NE(ui.LB_noire->palette().color(QPalette::Text), QColor(0x80, 0, 0x40));
}

// The colour chosen in the real dialog reaches the list; the error box shows
// the program's name over the message and its full stop.
TEST_F(RealToolkit, ColourDialogAndErrorBox) {
  open_with({});
  when_shown<QColorDialog>([](QColorDialog* colours) {
    colours->setCurrentColor(QColor(0x80, 0, 0x40));
    colours->accept();
  });
  click(ui.get<Caption>("Label_liste"));
  EXPECT_EQ(ui.LB_liste->palette().color(QPalette::Base), QColor(0x80, 0, 0x40));
  fake.launcher.no_editor = true;
  when_shown<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle() + "|" + box->text(), "qx30|No text editor was found to open aide.txt.");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->accept();
  });
  click(ui.button("B_aide"));
}

// The box's own loop runs the timer's event; the tick leaves the registered
// list and its selection alone.
TEST_F(RealToolkit, ATickInsideTheQuestionOfADoubleClick) {
  open_with({"41000", "72130", "35010", "26000"});
  register_entry("41000", "a");
  register_entry("72130", "b");
  register_entry("35010", "c");
  register_entry("26000", "d");
  start(1);
  start(2);
  click_line(ui.LB_liste, 4);
  click(ui.button("B_attente"));
  click_line(ui.LB_attente, 4);
  click_line(ui.LB_liste, 3);
  const QListWidgetItem* registered = ui.LB_liste->item(0);
  when_shown<QMessageBox>([&](QMessageBox* box) {
    fake.clock.time.minute = 8;
    tick();
    EXPECT_EQ(ui.LB_liste->item(0), registered);
    EXPECT_EQ(ui.LB_liste->selected(), row_of(ui.LB_liste, 3));
    EXPECT_EQ(ui.LB_attente->selected(), row_of(ui.LB_attente, 4));
    EXPECT_EQ(box->windowTitle(), "Confirm");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Yes") b->click();
  });
  click_line(ui.LB_actives, 2, true);
  EXPECT_GE(row_of(ui.LB_liste, 2), 0);
  EXPECT_EQ(window.session().table()[2].cumul_temps, 1);
  EXPECT_EQ(window.session().table()[1].temps_vol, 1);
}

// The default entry's program, else the first common editor on the path. The
// editor found is started on the file, also a missing one, in the current
// folder, without waiting; one that cannot start, or none, is an error.
TEST(FindEditor, DefaultEntryThenThePathAndTheEditorStarted) {
  testing::WorkingFolder folder;
  QTemporaryDir dir;
  const QString bin = dir.filePath("bin"), empty = dir.filePath("empty"), data = dir.filePath("data");
  const QString editor = bin + "/mousepad";
  for (const QString& d : {bin, empty, data + "/applications"}) ASSERT_TRUE(QDir().mkpath(d));
  testing::write_file(editor, "#!/bin/sh\nprintf '%s|%s' \"$PWD\" \"$*\" >started.txt\n");
  testing::write_file(bin + "/notes", "#!/bin/sh\n");
  for (const QString& p : {editor, bin + "/notes"})
    QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::ExeOwner);
  testing::write_file(bin + "/gedit", "not a program");
  testing::write_file(data + "/applications/notes.desktop", "[Desktop Entry]\nExec=notes --new-window %U\n");
  const struct { const char* default_entry; QString path; QStringList command; } cases[] = {
      {"notes.desktop", bin, {bin + "/notes", "--new-window"}},
      {"", bin, {editor}},
      {"", empty, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.default_entry) + " on " + c.path.toStdString());
    EXPECT_EQ(find_editor({c.default_entry, {dir.filePath("nothing"), data}, c.path}), c.command);
  }
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.toLocal8Bit());
  const auto open = [](const char* name) { return testing::thrown([=] { QtLauncher().open_in_editor(name); }); };
  EXPECT_EQ(open("absent.txt"), "ok");
  // The editor's line, once written whole: the file exists before its text is in it.
  const QByteArray started = (QDir::currentPath() + "|absent.txt").toLocal8Bit();
  EXPECT_TRUE(QTest::qWaitFor([&] { return testing::read_file("started.txt") == started; }, 10000))
      << testing::read_file("started.txt").toStdString();
  testing::write_file(editor, "#!/nowhere/sh\n");
  EXPECT_EQ(open("aide.txt"), "The text editor " + editor.toStdString() + " could not be started for aide.txt");
  QFile::remove(editor);
  EXPECT_EQ(open("aide.txt"), "No text editor was found to open aide.txt");
  qputenv("PATH", path);
}

// One desk per folder: a running desk's lock stops a second one, which says
// so and writes nothing; the lock of a desk that was killed, or one a power
// cut left empty, is taken over.
TEST(FolderLock, ASecondDeskStopsAndALockLeftBehindDoesNot) {
  testing::WorkingFolder folder;
  testing::ScriptedDialogs dialogs;
  QProcess desk;
  desk.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock")});
  ASSERT_TRUE(desk.waitForReadyRead(20000));
  const QByteArray lock = testing::read_file(nom_verrou);
  EXPECT_EQ(prendre_verrou(), nullptr);
  dossier_pris(dialogs);
  EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8("qx30 est déjà ouvert dans le dossier ") +
                                          QDir::toNativeSeparators(QDir::currentPath()) +
                                          QString::fromUtf8(" : une seule régie par dossier.")});
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{nom_verrou});
  EXPECT_EQ(testing::read_file(nom_verrou), lock);
  desk.kill();
  desk.waitForFinished();
  EXPECT_NE(prendre_verrou(), nullptr);
  testing::write_file(nom_verrou, "");
  EXPECT_NE(prendre_verrou(), nullptr);
}

}  // namespace
}  // namespace qx30
