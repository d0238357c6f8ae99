// The window's layout: every control at its place with its texts, fonts and
// colours, the Tab chain, and the anchors when the window is resized.

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

#include "fake_platform.h"
#include "qt_print.h"
#include "window/look.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

enum class Anchor { top_left, top_left_right, top_right, bottom_left, all, top_right_bottom };

struct Control {
  const char* name;
  int left, top, width, height;
  Anchor anchor;
  const char* caption;
  const char* hint;
  int pixels;
  bool bold;
};

constexpr Anchor TL = Anchor::top_left, TLR = Anchor::top_left_right, TR = Anchor::top_right,
                 BL = Anchor::bottom_left, ALL = Anchor::all, TRB = Anchor::top_right_bottom;

// Copied from the layout's design table.
const Control controls[] = {
    {"LB_actives", 8, 32, 497, 73, TLR, "", "liste modéles en évolution", 11, true},
    {"LB_attente", 8, 104, 497, 81, TLR, "", "file d'attente", 11, true},
    {"LB_liste", 9, 184, 496, 273, ALL, "", "liste des enregistrés", 11, true},
    {"LB_noire", 520, 200, 265, 257, TRB, "", "liste des interdictions", 11, false},
    {"B_fin_vol", 520, 32, 105, 25, TR, "fin d'évolution", "arrête l'évolution d'un modèle.", 13, true},
    {"B_retirer_attente", 520, 72, 113, 25, TR, "retirer de l'attente", "retire de la file d'attente", 12, true},
    {"B_attente", 520, 112, 105, 25, TR, "mettre en attente", "place l'enregistré en file d'attente", 12, true},
    {"B_debut_vol", 520, 152, 97, 25, TR, "AUTORISER", "autorise l'évolution d'un modèle enregistré", 13, true},
    {"B_fin_attente", 624, 152, 161, 25, TR, "AUTORISER après attente",
     "autorise l'évolution d'un modèle en attente.", 12, true},
    {"B_aide", 720, 10, 57, 23, TR, "AIDE", "affiche le fichier d'aide", 11, false},
    {"E_nbre_max", 648, 48, 25, 21, TR, "5", "nombre maximum de modèles actifs", 11, false},
    {"E_temps_max", 648, 72, 25, 21, TR, "10", "temps maximum d'évolution", 11, false},
    {"case_ecart20", 648, 96, 17, 17, TR, "", "interdit deux fréquences actives à moins de 14 khz", 11, false},
    {"case_intermodulation", 648, 112, 17, 17, TR, "", "calcule les intermodulations", 11, false},
    {"case_freq_image", 648, 128, 17, 17, TR, "", "calcule les fréquences image", 11, false},
    {"CB_freq", 8, 472, 65, 21, BL, "freq", "choisir ou saisir une féquence", 12, false},
    {"CB_pilote", 80, 472, 185, 21, BL, "pilote", "choisir ou saisir un pilote", 12, false},
    {"CB_comm", 272, 472, 113, 21, BL, "commentaire", "choisir ou saisir un commentaire", 12, false},
    {"B_enregistrer", 400, 472, 89, 25, BL, "enregistrer", "enregistre avec les valeurs affichées", 13, true},
    {"B_ajout_freq", 24, 496, 17, 17, BL, "+", "modifier la liste des fréquenxes", 11, false},
    {"B_ajout_pilote", 120, 495, 17, 17, BL, "+", "modifier la liste des pilotes", 11, false},
    {"B_ajout_comm", 288, 495, 17, 17, BL, "+", "modifier la liste des commentaires", 11, false},
    {"B_recharger_listes", 160, 512, 105, 17, BL, "recharger les listes",
     "recharger les listes fréq. pilotes et commentaires", 11, false},
    {"B_supprimer", 384, 512, 121, 17, BL, "supprimer un enregistré", "supprimer un enregistré", 11, false},
    {"case_save", 520, 456, 17, 17, BL, "", "sauvegarde automatique de la séance toutes les minutes.", 11, false},
    {"b_save", 520, 488, 129, 17, BL, "sauvegarde manuelle", "sauvegarde manuelle de la séance", 11, false},
    {"B_imprimer", 520, 512, 129, 17, BL, "imprimer les enregistrés",
     "imprime les informations de la séance sur l'imprimante par défaut", 11, false},
    {"B_seance", 664, 464, 121, 17, BL, "charger une séance", "charge une séance depuis un fichier ", 11, false},
    {"B_police", 664, 488, 121, 17, BL, "modif police affichage",
     "choisir la police de caractères dans les fenêtres", 11, false},
    {"B_raz", 664, 512, 121, 17, BL, "raz compt. temps, évol.",
     "remise à zéro des compteurs de temps et d'évolutions", 11, false},
};

// Labels size themselves to their caption; only the left, the top and the
// height of 13 are fixed.
const Control labels[] = {
    {"Label_heure", 8, 0, 0, 13, TL, "Label_heure",
     "cliquer pour choisir la couleur du fond de la fenêtre principale", 11, true},
    {"Label_actives", 160, 0, 0, 13, TL, "0 en évolution", "cliquer pour choisir la couleur des modèles en évolution",
     11, false},
    {"Label_attente", 256, 0, 0, 13, TL, "0  en attente", "cliquer pour choisir la couleur de la file d'attente", 11,
     false},
    {"Label_liste", 344, 0, 0, 13, TL, "0 enregistré(s)", "cliquer pour choisir la couleur des enregistrés", 11,
     false},
    {"Label_depassement", 8, 16, 0, 13, TL, "", "", 12, true},
    {"Label_maxi", 160, 16, 0, 13, TL, "", "", 12, true},
    {"Label_interdiction", 312, 16, 0, 13, TL, "", "", 12, true},
    {"Label4", 680, 48, 0, 13, TR, "modèles maxi actifs", "", 11, false},
    {"Label6", 680, 72, 0, 13, TR, "minutes maxi d'activité", "", 11, false},
    {"Label7", 664, 96, 0, 13, TR, "Ecart 20Khz", "", 11, false},
    {"Label8", 664, 112, 0, 13, TR, "Intermodulation", "", 11, false},
    {"Label9", 664, 128, 0, 13, TR, "Fréq. image", "", 11, false},
    {"Label_noire", 520, 184, 0, 13, TR, "0 interdition(s).",
     "cliquer pour choisir la couleur de la liste des interdictions", 11, false},
    {"Label1", 16, 456, 0, 13, BL, "freq.", "", 11, false},
    {"Label10", 96, 456, 0, 13, BL, "_pilote", "", 11, false},
    {"Label11", 280, 456, 0, 13, BL, "_commentaire_", "", 11, false},
    {"Label3", 536, 456, 0, 13, BL, "sauvegarde automatique ", "", 11, false},
    {"Label12", 536, 472, 0, 13, BL, "à chaque modification", "", 11, false},
    {"Label2", 8, 514, 0, 13, BL, "modifier les listes avec le + puis:", "", 11, false},
};

QString u8(const char* s) { return QString::fromUtf8(s); }

QString caption_of(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return QString();
}

struct LayoutTest : ::testing::Test {
  testing::FakePlatform fake;
  TF_qx window{fake.platform()};

  QWidget* child(const char* name) { return window.findChild<QWidget*>(u8(name)); }
};

TEST_F(LayoutTest, WindowHasItsCaptionSizePlaceFontAndBackground) {
  EXPECT_EQ(window.windowTitle(),
            u8("qx30 - Gestion d'une séance de radiocommande - Club des Tarvennes (version 20051202)"));
  EXPECT_EQ(window.size(), QSize(792, 533));
  window.show();
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(window.size(), QSize(792, 533));
  EXPECT_EQ(window.font().pixelSize(), 11);
  EXPECT_FALSE(window.font().bold());
  // Whatever face stands in for "MS Sans Serif" keeps the pixel heights.
  for (int px : {11, 12, 13}) {
    const QFontInfo shown(layout_font(px, true));
    EXPECT_EQ(shown.pixelSize(), px);
    EXPECT_TRUE(shown.bold());
    EXPECT_FALSE(shown.fixedPitch());
  }
  EXPECT_EQ(background_of(&window), 0x80000018u);
  EXPECT_EQ(window.palette().color(QPalette::Window), QApplication::palette().color(QPalette::ToolTipBase));
}

TEST_F(LayoutTest, EveryControlHasItsPlaceTextsAndFont) {
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    QWidget* w = child(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), &window);
    EXPECT_EQ(w->geometry(), QRect(c.left, c.top, c.width, c.height));
    EXPECT_EQ(caption_of(w), u8(c.caption));
    EXPECT_EQ(w->toolTip(), u8(c.hint));
    EXPECT_EQ(w->font().pixelSize(), c.pixels);
    EXPECT_EQ(w->font().bold(), c.bold);
  }
  for (const Control& c : labels) {
    SCOPED_TRACE(c.name);
    QWidget* w = child(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), QPoint(c.left, c.top));
    EXPECT_EQ(w->height(), 13);
    EXPECT_EQ(caption_of(w), u8(c.caption));
    EXPECT_EQ(w->toolTip(), u8(c.hint));
    EXPECT_EQ(w->font().pixelSize(), c.pixels);
    EXPECT_EQ(w->font().bold(), c.bold);
  }
  // The limits, the options and the automatic save start on.
  EXPECT_EQ(window.E_nbre_max->maxLength(), 2);
  EXPECT_EQ(window.E_temps_max->maxLength(), 3);
  for (QCheckBox* box : {window.case_ecart20, window.case_intermodulation, window.case_freq_image, window.case_save})
    EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
  for (ChoiceBox* box : {window.CB_freq, window.CB_pilote, window.CB_comm}) EXPECT_EQ(box->maxVisibleItems(), 22);
}

TEST_F(LayoutTest, ListsAndLabelsHaveTheirColours) {
  const std::pair<QWidget*, std::uint32_t> backgrounds[] = {
      {window.LB_actives, 0x0000FF00},    {window.Label_actives, 0x0000FF00}, {window.LB_attente, 0x0000FFFF},
      {window.Label_attente, 0x0000FFFF}, {window.LB_liste, 0x00FFFFFF},    {window.Label_liste, 0x00FFFFFF},
      {window.LB_noire, 0x00F0CAA6},      {window.Label_noire, 0x00F0CAA6}, {window.Label_heure, 0x80000018},
  };
  for (auto [w, raw] : backgrounds) EXPECT_EQ(background_of(w), raw) << w->objectName().toStdString();
  // 0x00F0CAA6 is red A6, green CA, blue F0.
  EXPECT_EQ(window.LB_noire->palette().color(QPalette::Base), QColor(0xA6, 0xCA, 0xF0));
  EXPECT_EQ(window.Label_actives->palette().color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_TRUE(window.Label_actives->autoFillBackground());

  for (Caption* w : {window.Label_depassement, window.Label_maxi, window.Label_interdiction})
    EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(window.Label_heure->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(window.B_fin_vol->palette().color(QPalette::ButtonText), QColor(0, 0, 0));

  // The window's colour shows behind the labels, not inside the input fields.
  EXPECT_NE(window.E_nbre_max->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
  EXPECT_EQ(window.E_nbre_max->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

TEST_F(LayoutTest, TabVisitsTheTwelveControlsInOrder) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.LB_actives->setFocus();
  const QStringList expected = {"B_fin_vol", "LB_attente", "B_fin_attente", "B_retirer_attente",
                                "LB_liste",  "B_debut_vol", "B_attente",    "CB_freq",
                                "CB_pilote", "CB_comm",     "B_enregistrer", "LB_actives"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QWidget* from = QApplication::focusWidget();
    ASSERT_NE(from, nullptr);
    QTest::keyClick(from, Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    // An editable drop-down list takes the focus in its edit field.
    while (now && now->parentWidget() != &window) now = now->parentWidget();
    visited << (now ? now->objectName() : QStringLiteral("(none)"));
  }
  EXPECT_EQ(visited, expected);

  // The others are reached with the pointer only.
  for (const char* name : {"LB_noire", "B_aide", "E_nbre_max", "E_temps_max", "case_ecart20", "B_ajout_freq",
                           "B_supprimer", "case_save", "b_save", "B_imprimer", "B_seance", "B_police", "B_raz"})
    EXPECT_FALSE(child(name)->focusPolicy() & Qt::TabFocus) << name;
}

TEST_F(LayoutTest, AnchoredControlsFollowTheEdgesTheyAreTiedTo) {
  window.show();
  window.resize(892, 583);
  ASSERT_EQ(window.size(), QSize(892, 583));

  EXPECT_EQ(window.B_fin_vol->geometry(), QRect(620, 32, 105, 25));
  EXPECT_EQ(window.CB_freq->geometry(), QRect(8, 522, 65, 21));
  EXPECT_EQ(window.LB_actives->geometry(), QRect(8, 32, 597, 73));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 184, 596, 323));
  EXPECT_EQ(window.LB_noire->geometry(), QRect(620, 200, 265, 307));
  EXPECT_EQ(window.Label_heure->pos(), QPoint(8, 0));
  EXPECT_EQ(window.Label1->pos(), QPoint(16, 506));
  EXPECT_EQ(window.Label4->pos(), QPoint(780, 48));

  for (const Control& c : controls) {
    QRect g(c.left, c.top, c.width, c.height);
    switch (c.anchor) {
      case Anchor::top_left: break;
      case Anchor::top_left_right: g.setWidth(c.width + 100); break;
      case Anchor::top_right: g.moveLeft(c.left + 100); break;
      case Anchor::bottom_left: g.moveTop(c.top + 50); break;
      case Anchor::all: g.setSize(QSize(c.width + 100, c.height + 50)); break;
      case Anchor::top_right_bottom:
        g.moveLeft(c.left + 100);
        g.setHeight(c.height + 50);
        break;
    }
    EXPECT_EQ(child(c.name)->geometry(), g) << c.name;
  }
  for (const Control& c : labels) {
    const int dx = c.anchor == TR ? 100 : 0;
    const int dy = c.anchor == BL ? 50 : 0;
    EXPECT_EQ(child(c.name)->pos(), QPoint(c.left + dx, c.top + dy)) << c.name;
  }

  // Back to the first size, everything is where it started.
  window.resize(792, 533);
  EXPECT_EQ(window.LB_noire->geometry(), QRect(520, 200, 265, 257));
  EXPECT_EQ(window.B_raz->geometry(), QRect(664, 512, 121, 17));
}

TEST_F(LayoutTest, AResizeWhileHiddenIsAppliedWhenTheWindowShows) {
  window.resize(892, 583);
  window.show();
  EXPECT_EQ(window.B_fin_vol->geometry(), QRect(620, 32, 105, 25));
  EXPECT_EQ(window.LB_liste->geometry(), QRect(9, 184, 596, 323));
}

TEST_F(LayoutTest, AnySequenceOfSizesComesBackToTheStartingLayout) {
  window.case_save->setChecked(false);
  window.show();
  window.affichage();
  std::map<QString, QRect> start;
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) start[w->objectName()] = w->geometry();
  // Some far below the smallest window, which the window corrects after the
  // controls have been placed for them.
  for (QSize s : {QSize(200, 100), QSize(1200, 90), QSize(60, 900), QSize(601, 401), QSize(1000, 700)}) {
    window.resize(s);
    window.affichage();
  }
  window.resize(792, 533);
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
}

// Every caption inside its button with the margins the style draws, and no
// label over another control, with the clock and the counts at their widest.
TEST_F(LayoutTest, EveryCaptionFitsItsControl) {
  window.Label_heure->set_caption("06/12/2026 23:59");
  window.Label_actives->set_caption(u8("60 en évolution"));
  window.Label_attente->set_caption(u8("998  en attente"));
  window.Label_liste->set_caption(u8("998 enregistré(s)"));
  window.Label_noire->set_caption(u8("9999 interdition(s)."));
  for (auto* b : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width() -
                     b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b);
    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), room) << b->objectName().toStdString();
  }
  // The design's controls share their edge pixels with their neighbours.
  for (auto* label : window.findChildren<Caption*>(Qt::FindDirectChildrenOnly)) {
    for (auto* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == label) continue;
      EXPECT_FALSE(label->geometry().intersects(other->geometry().adjusted(1, 1, -1, -1)))
          << label->objectName().toStdString() << " over " << other->objectName().toStdString();
    }
  }
}

// What a screen reader announces: each control's hint as its description,
// its caption as its name, and a name for every control without one.
TEST_F(LayoutTest, EveryControlIsNamedAndDescribedToAScreenReader) {
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    SCOPED_TRACE(w->objectName().toStdString());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Description), w->toolTip());
    const bool captioned = qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w);
    if (captioned) EXPECT_EQ(a->text(QAccessible::Name), caption_of(w));
    else EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.LB_liste)->text(QAccessible::Name),
            u8("liste des enregistrés"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.case_freq_image)->text(QAccessible::Name),
            u8("Fréq. image"));
}

}  // namespace
}  // namespace qx30
