// The window's controls at their places, with captions, hints, fonts,
// colours, tab order and anchors.

#include <QProxyStyle>
#include <QResizeEvent>
#include <algorithm>

#include "window/look.h"
#include "window/qt_text.h"
#include "window/tf_qx.h"

namespace qx30 {

namespace {

QString u8(const char* utf8) { return QString::fromUtf8(utf8); }

// The tooltip, which a screen reader also reads as the control's
// description. Setting an accessible text explicitly would build the
// accessibility interfaces at start-up, screen reader or not.
void set_hint(QWidget* widget, const QString& hint) { widget->setToolTip(hint); }

// The "+" buttons are 17 pixels square: their caption has the whole room
// inside the frame, without the margin a style keeps around a longer one
// (the Windows style's would leave a caption 3 pixels).
class TightButtonStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    return metric == PM_ButtonMargin ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

template <class W>
W* TF_qx::place(W* widget, const char* name, int left, int top, int width, int height, Anchor anchor,
                const char* hint) {
  widget->setParent(this);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
  if (hint) set_hint(widget, u8(hint));
  layout_.add(widget, anchor, left, top, width, height);
  return widget;
}

Caption* TF_qx::place_label(const char* name, int left, int top, const char* caption, Anchor anchor) {
  auto* label = place(new Caption, name, left, top, 0, 13, anchor);
  label->set_caption(u8(caption));
  return label;
}

void TF_qx::build_layout() {
  setWindowTitle(u8("qx30 - Gestion d'une séance de radiocommande - Club des Tarvennes (version 20051202)"));
  setFont(layout_font(11, false));
  set_background(this, couleur::fond_bulle);
  resize(design_size);
  move(0, 0);

  auto list = [&](const char* name, int l, int t, int w, int h, Anchor a, const char* hint, bool bold,
                  std::uint32_t colour) {
    auto* lb = place(new SortedList, name, l, t, w, h, a, hint);
    lb->setFont(list_font(11, bold));
    set_background(lb, colour);
    return lb;
  };
  LB_actives = list("LB_actives", 8, 32, 497, 73, Anchor::top_left_right, "liste modéles en évolution", true,
                    couleur::vert);
  LB_attente = list("LB_attente", 8, 104, 497, 81, Anchor::top_left_right, "file d'attente", true,
                    couleur::jaune);
  LB_liste = list("LB_liste", 9, 184, 496, 273, Anchor::all, "liste des enregistrés", true, couleur::blanc);
  LB_noire = list("LB_noire", 520, 200, 265, 257, Anchor::top_right_bottom, "liste des interdictions", false,
                  couleur::bleu_ciel);
  // The stacked lists' heights leave room for their rows only: a horizontal
  // scroll bar would cover the last of them (the only one of a list one row
  // high), so a line wider than its list is cut at the edge.
  for (SortedList* lb : {LB_actives, LB_attente, LB_liste}) lb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto button = [&](const char* name, int l, int t, int w, int h, Anchor a, const char* caption,
                    const char* hint, int px = 11, bool bold = false) {
    auto* b = place(new QPushButton(u8(caption)), name, l, t, w, h, a, hint);
    b->setFont(layout_font(px, bold));
    return b;
  };
  B_fin_vol = button("B_fin_vol", 520, 32, 105, 25, Anchor::top_right, "fin d'évolution",
                     "arrête l'évolution d'un modèle.", 13, true);
  set_text_colour(B_fin_vol, couleur::noir);
  B_retirer_attente = button("B_retirer_attente", 520, 72, 113, 25, Anchor::top_right, "retirer de l'attente",
                             "retire de la file d'attente", 12, true);
  B_attente = button("B_attente", 520, 112, 105, 25, Anchor::top_right, "mettre en attente",
                     "place l'enregistré en file d'attente", 12, true);
  B_debut_vol = button("B_debut_vol", 520, 152, 97, 25, Anchor::top_right, "AUTORISER",
                       "autorise l'évolution d'un modèle enregistré", 13, true);
  B_fin_attente = button("B_fin_attente", 624, 152, 161, 25, Anchor::top_right, "AUTORISER après attente",
                         "autorise l'évolution d'un modèle en attente.", 12, true);
  B_aide = button("B_aide", 720, 10, 57, 23, Anchor::top_right, "AIDE", "affiche le fichier d'aide");
  // In the strip of the top row left of "AIDE", above the warnings' row: clear
  // of every control down to the smallest window.
  B_tableau = button("B_tableau", 632, 0, 84, 16, Anchor::top_right, "tableau pilotes",
                     "ouvre le tableau des fréquences pour les pilotes");

  auto edit = [&](const char* name, int l, int t, int max_length, const char* text, const char* hint) {
    auto* e = place(new QLineEdit(u8(text)), name, l, t, 25, 21, Anchor::top_right, hint);
    e->setMaxLength(max_length);
    return e;
  };
  E_nbre_max = edit("E_nbre_max", 648, 48, 2, "5", "nombre maximum de modèles actifs");
  E_temps_max = edit("E_temps_max", 648, 72, 3, "10", "temps maximum d'évolution");

  auto check = [&](const char* name, int l, int t, Anchor a, const char* hint) {
    auto* c = place(new QCheckBox, name, l, t, 17, 17, a, hint);
    c->setChecked(true);
    return c;
  };
  case_ecart20 = check("case_ecart20", 648, 96, Anchor::top_right,
                       "interdit deux fréquences actives à moins de 14 khz");
  case_intermodulation = check("case_intermodulation", 648, 112, Anchor::top_right, "calcule les intermodulations");
  case_freq_image = check("case_freq_image", 648, 128, Anchor::top_right, "calcule les fréquences image");

  auto combo = [&](const char* name, int l, int w, bool sorted, const char* text, const char* hint) {
    auto* cb = place(new ChoiceBox(sorted), name, l, 472, w, 21, Anchor::bottom_left, hint);
    cb->setFont(layout_font(12, false));
    cb->set_edit_text(u8(text));
    return cb;
  };
  CB_freq = combo("CB_freq", 8, 65, false, "freq", "choisir ou saisir une féquence");
  CB_pilote = combo("CB_pilote", 80, 185, true, "pilote", "choisir ou saisir un pilote");
  CB_comm = combo("CB_comm", 272, 113, false, "commentaire", "choisir ou saisir un commentaire");

  B_enregistrer = button("B_enregistrer", 400, 472, 89, 25, Anchor::bottom_left, "enregistrer",
                         "enregistre avec les valeurs affichées", 13, true);
  B_ajout_freq = button("B_ajout_freq", 24, 496, 17, 17, Anchor::bottom_left, "+",
                        "modifier la liste des fréquenxes");
  B_ajout_pilote = button("B_ajout_pilote", 120, 495, 17, 17, Anchor::bottom_left, "+",
                          "modifier la liste des pilotes");
  B_ajout_comm = button("B_ajout_comm", 288, 495, 17, 17, Anchor::bottom_left, "+",
                        "modifier la liste des commentaires");
  auto* tight = new TightButtonStyle;
  tight->setParent(this);
  for (QPushButton* plus : {B_ajout_freq, B_ajout_pilote, B_ajout_comm}) plus->setStyle(tight);
  B_recharger_listes = button("B_recharger_listes", 160, 512, 105, 17, Anchor::bottom_left,
                              "recharger les listes", "recharger les listes fréq. pilotes et commentaires");
  B_supprimer = button("B_supprimer", 384, 512, 121, 17, Anchor::bottom_left, "supprimer un enregistré",
                       "supprimer un enregistré");
  case_save = check("case_save", 520, 456, Anchor::bottom_left,
                    "sauvegarde automatique de la séance toutes les minutes.");
  b_save = button("b_save", 520, 488, 129, 17, Anchor::bottom_left, "sauvegarde manuelle",
                  "sauvegarde manuelle de la séance");
  B_imprimer = button("B_imprimer", 520, 512, 129, 17, Anchor::bottom_left, "imprimer les enregistrés",
                      "imprime les informations de la séance sur l'imprimante par défaut");
  B_seance = button("B_seance", 664, 464, 121, 17, Anchor::bottom_left, "charger une séance",
                    "charge une séance depuis un fichier ");
  B_police = button("B_police", 664, 488, 121, 17, Anchor::bottom_left, "modif police affichage",
                    "choisir la police de caractères dans les fenêtres");
  B_raz = button("B_raz", 664, 512, 121, 17, Anchor::bottom_left, "raz compt. temps, évol.",
                 "remise à zéro des compteurs de temps et d'évolutions");

  Label_heure = place_label("Label_heure", 8, 0, "Label_heure", Anchor::top_left);
  Label_heure->setFont(layout_font(11, true));
  set_text_colour(Label_heure, couleur::noir);
  set_background(Label_heure, couleur::fond_bulle);
  set_hint(Label_heure, u8("cliquer pour choisir la couleur du fond de la fenêtre principale"));
  Label_actives = place_label("Label_actives", 160, 0, "0 en évolution", Anchor::top_left);
  set_background(Label_actives, couleur::vert);
  set_hint(Label_actives, u8("cliquer pour choisir la couleur des modèles en évolution"));
  Label_attente = place_label("Label_attente", 256, 0, "0  en attente", Anchor::top_left);
  set_background(Label_attente, couleur::jaune);
  set_hint(Label_attente, u8("cliquer pour choisir la couleur de la file d'attente"));
  Label_liste = place_label("Label_liste", 344, 0, "0 enregistré(s)", Anchor::top_left);
  set_background(Label_liste, couleur::blanc);
  set_hint(Label_liste, u8("cliquer pour choisir la couleur des enregistrés"));
  auto warning = [&](const char* name, int l) {
    auto* w = place_label(name, l, 16, "", Anchor::top_left);
    w->setFont(layout_font(12, true));
    set_text_colour(w, couleur::rouge);
    return w;
  };
  Label_depassement = warning("Label_depassement", 8);
  Label_maxi = warning("Label_maxi", 160);
  Label_interdiction = warning("Label_interdiction", 312);
  Label4 = place_label("Label4", 680, 48, "modèles maxi actifs", Anchor::top_right);
  Label6 = place_label("Label6", 680, 72, "minutes maxi d'activité", Anchor::top_right);
  Label7 = place_label("Label7", 664, 96, "Ecart 20Khz", Anchor::top_right);
  Label8 = place_label("Label8", 664, 112, "Intermodulation", Anchor::top_right);
  Label9 = place_label("Label9", 664, 128, "Fréq. image", Anchor::top_right);
  Label_noire = place_label("Label_noire", 520, 184, "0 interdition(s).", Anchor::top_right);
  set_background(Label_noire, couleur::bleu_ciel);
  set_hint(Label_noire, u8("cliquer pour choisir la couleur de la liste des interdictions"));
  Label1 = place_label("Label1", 16, 456, "freq.", Anchor::bottom_left);
  Label10 = place_label("Label10", 96, 456, "_pilote", Anchor::bottom_left);
  Label11 = place_label("Label11", 280, 456, "_commentaire_", Anchor::bottom_left);
  Label3 = place_label("Label3", 536, 456, "sauvegarde automatique ", Anchor::bottom_left);
  Label12 = place_label("Label12", 536, 472, "à chaque modification", Anchor::bottom_left);
  Label2 = place_label("Label2", 8, 514, "modifier les listes avec le + puis:", Anchor::bottom_left);

  // A screen reader names a field or a check box after the words beside it.
  // A list's accessible texts are not taken from its widget: it is named and
  // described by its hint.
  for (SortedList* lb : {LB_actives, LB_attente, LB_liste, LB_noire}) {
    lb->setAccessibleName(lb->toolTip());
    lb->setAccessibleDescription(lb->toolTip());
  }
  const std::pair<Caption*, QWidget*> names[] = {
      {Label4, E_nbre_max},        {Label6, E_temps_max},
      {Label7, case_ecart20},      {Label8, case_intermodulation}, {Label9, case_freq_image},
      {Label3, case_save},         {Label1, CB_freq},           {Label10, CB_pilote},
      {Label11, CB_comm}};
  for (const auto& [label, control] : names) label->setBuddy(control);

  // Only these twelve take the focus by Tab, in this order; the rest is
  // reached with the pointer.
  const std::vector<QWidget*> tab_chain = {LB_actives, B_fin_vol,   LB_attente, B_fin_attente,
                                           B_retirer_attente, LB_liste, B_debut_vol, B_attente,
                                           CB_freq,    CB_pilote,   CB_comm,    B_enregistrer};
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->focusPolicy() & Qt::TabFocus) w->setFocusPolicy(Qt::ClickFocus);
  for (QWidget* w : tab_chain) w->setFocusPolicy(Qt::StrongFocus);
  for (std::size_t i = 1; i < tab_chain.size(); ++i) setTabOrder(tab_chain[i - 1], tab_chain[i]);
  // A click on it leaves the focus where the operator was working.
  B_tableau->setFocusPolicy(Qt::NoFocus);
}

void TF_qx::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Placed afresh from the design at every size: a size too small for a
  // control is not carried into the next one.
  layout_.place_all();
  guarded([this] { FormResize(); });
}

}  // namespace qx30
