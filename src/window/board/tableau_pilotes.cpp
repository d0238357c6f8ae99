#include "window/board/tableau_pilotes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "window/qt_text.h"

namespace qx30 {

namespace {

const QColor fond_du_tableau(0x20, 0x20, 0x20);
const QColor rouge(0xE0, 0, 0);

// Black on a light colour, white on a dark one: the operator chooses them.
QColor encre_sur(const QColor& fond) { return qGray(fond.rgb()) > 110 ? Qt::black : Qt::white; }

QFont police(const QFont& base, int pixels, bool gras) {
  QFont f = base;
  f.setPixelSize(std::max(1, pixels));
  f.setBold(gras);
  return f;
}

}  // namespace

// One line of a list or one tile of the map, painted; a screen reader reads
// its name. Its font is the main text's.
class Panneau : public QWidget {
 public:
  struct Contenu {
    QString nom;
    QColor fond;
    QString principal;  // the frequency
    QString milieu;     // a line: the pilot beside it; a tile: its state under it
    QString droite;     // a line: the minutes at its right
    QString dessous;    // a line: an overrun's words; a tile: its pilot or its reasons
    bool alerte = false;
    bool operator==(const Contenu&) const = default;
  };

  Panneau(QWidget* parent, const char* nom, bool tuile) : QWidget(parent), tuile_(tuile) {
    setObjectName(QString::fromLatin1(nom));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  void fixer(const Contenu& c) {
    if (c == contenu_) return;
    if (c.nom != contenu_.nom) setAccessibleName(c.nom);
    contenu_ = c;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const Contenu& c = contenu_;
    const int m = font().pixelSize();
    const int marge = std::max(2, m / 5);
    p.fillRect(rect(), c.fond);
    const QColor encre = encre_sur(c.fond);
    if (c.alerte) {
      p.setPen(QPen(rouge, std::max(2, m / 8)));
      p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    const QRect dedans = rect().adjusted(marge, marge / 2, -marge, -marge / 2);
    QFont principal = font();
    // A frequency always whole: in a tile too narrow for it, smaller.
    const int large = QFontMetrics(principal).horizontalAdvance(c.principal);
    if (large > dedans.width() && large > 0) principal.setPixelSize(std::max(1, m * dedans.width() / large));
    const int ligne = QFontMetrics(principal).height();
    p.setFont(principal);
    p.setPen(encre);
    if (tuile_) {
      // Lines close together, for three lines of reasons under the state.
      const int freq = principal.pixelSize() * 11 / 10, etat = m / 2;
      p.drawText(QRect(dedans.left(), dedans.top(), dedans.width(), freq), Qt::AlignCenter, c.principal);
      const QFont petite = police(font(), m * 2 / 5, false);
      const QRect reste = dedans.adjusted(0, freq, 0, 0);
      // Room for one line only: the pilot or the reasons say the state.
      if (reste.height() < 2 * etat && !c.dessous.isEmpty()) {
        p.setFont(petite);
        p.drawText(reste, Qt::AlignHCenter | Qt::AlignTop,
                   p.fontMetrics().elidedText(c.dessous, Qt::ElideRight, reste.width()));
        return;
      }
      p.setFont(police(font(), m * 2 / 5, true));
      p.drawText(QRect(reste.left(), reste.top(), reste.width(), etat), Qt::AlignCenter, c.milieu);
      p.setFont(petite);
      p.drawText(reste.adjusted(0, etat, 0, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                 c.dessous);
      return;
    }
    const QRect haut(dedans.left(), dedans.top(), dedans.width(), ligne);
    p.drawText(haut, Qt::AlignLeft | Qt::AlignVCenter, c.principal);
    const int x_pilote = QFontMetrics(principal).horizontalAdvance(c.principal + QStringLiteral("  "));
    const QFont minutes = police(font(), principal.pixelSize() * 4 / 5, true);
    const int large_droite = QFontMetrics(minutes).horizontalAdvance(c.droite);
    p.setFont(police(font(), principal.pixelSize(), false));
    const int room = haut.width() - x_pilote - large_droite - m / 2;
    p.drawText(haut.adjusted(x_pilote, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(c.milieu, Qt::ElideRight, std::max(0, room)));
    p.setFont(minutes);
    if (c.alerte) p.setPen(rouge);
    p.drawText(haut, Qt::AlignRight | Qt::AlignVCenter, c.droite);
    p.setFont(police(font(), m * 9 / 20, true));
    p.drawText(dedans.adjusted(0, ligne, 0, 0), Qt::AlignHCenter | Qt::AlignTop, c.dessous);
  }

 private:
  bool tuile_;
  Contenu contenu_;
};

TableauPilotes::TableauPilotes() {
  setWindowTitle(QStringLiteral("qx30 - tableau des pilotes"));
  setFocusPolicy(Qt::NoFocus);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, fond_du_tableau);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  const auto titre = [this](Qt::Alignment alignement) {
    auto* l = new QLabel(this);
    l->setAlignment(alignement | Qt::AlignVCenter);
    return l;
  };
  horloge_ = titre(Qt::AlignLeft);
  titre_vol_ = titre(Qt::AlignLeft);
  titre_attente_ = titre(Qt::AlignLeft);
  titre_carte_ = titre(Qt::AlignLeft);
  titre_carte_->setText(QString::fromUtf8("FRÉQUENCES"));
  maxi_ = titre(Qt::AlignRight);
  QPalette alerte = maxi_->palette();
  alerte.setColor(QPalette::WindowText, QColor(0xFF, 0x40, 0x40));
  maxi_->setPalette(alerte);
  connect(new QShortcut(Qt::Key_F11, this), &QShortcut::activated, this,
          &TableauPilotes::basculer_plein_ecran);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] {
    if (isFullScreen()) showNormal();
  });
  resize(960, 600);
}

void TableauPilotes::ouvrir(QScreen* ecran_du_bureau) {
  QScreen* autre = nullptr;
  for (QScreen* e : QGuiApplication::screens())
    if (e != ecran_du_bureau && !autre) autre = e;
  if (autre && QGuiApplication::screens().size() > 1) {
    setScreen(autre);
    setGeometry(autre->geometry());
    showFullScreen();
  } else {
    showNormal();
  }
}

void TableauPilotes::basculer_plein_ecran() {
  if (isFullScreen()) showNormal();
  else showFullScreen();
}

void TableauPilotes::mouseDoubleClickEvent(QMouseEvent*) { basculer_plein_ecran(); }

void TableauPilotes::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  disposer();
}

bool TableauPilotes::ajuster(std::vector<Panneau*>& liste, std::size_t n, const char* nom) {
  if (liste.size() == n) return false;
  while (liste.size() < n) {
    liste.push_back(new Panneau(this, nom, &liste == &canaux_));
    liste.back()->show();
  }
  while (liste.size() > n) {
    delete liste.back();
    liste.pop_back();
  }
  return true;
}

void TableauPilotes::montrer(const t_tableau& t, const CouleursTableau& couleurs) {
  if (t == contenu_ && couleurs == couleurs_) return;
  const bool forme = ajuster(vols_, t.en_vol.size(), "vol") |
                     ajuster(attentes_, t.attente.size(), "attente") |
                     ajuster(canaux_, t.canaux.size(), "canal");
  horloge_->setText(to_qt(t.horloge));
  titre_vol_->setText(QStringLiteral("EN VOL  %1").arg(t.en_vol.size()));
  titre_attente_->setText(QStringLiteral("EN ATTENTE  %1").arg(t.attente.size()));
  maxi_->setText(to_qt(t.maxi));
  const auto lignes = [](const std::vector<t_ligne_pilote>& de, std::vector<Panneau*>& vers,
                         const QColor& fond) {
    for (std::size_t i = 0; i < de.size(); ++i) {
      const t_ligne_pilote& l = de[i];
      vers[i]->fixer({to_qt(texte_ligne(l)), fond, to_qt(l.frequence), to_qt(l.pilote), to_qt(l.minutes),
                      l.depassement ? QStringLiteral("DEPASSEMENT TEMPS") : QString(), l.depassement});
    }
  };
  lignes(t.en_vol, vols_, couleurs.en_vol);
  lignes(t.attente, attentes_, couleurs.attente);
  for (std::size_t i = 0; i < t.canaux.size(); ++i) {
    const t_canal& c = t.canaux[i];
    const QColor fond = c.etat == Etat_canal::en_vol      ? couleurs.en_vol
                        : c.etat == Etat_canal::interdite ? couleurs.interdite
                                                          : QColor(Qt::white);
    canaux_[i]->fixer({to_qt(nom_canal(c)), fond, to_qt(en_mhz(c.freq)), to_qt(mot_etat(c.etat)), QString(),
                       to_qt(c.detail), false});
  }
  contenu_ = t;
  couleurs_ = couleurs;
  if (forme) disposer();
}

void TableauPilotes::disposer() {
  const int w = width(), h = height();
  // The main text: 1/25 of the height, rounded up.
  const int m = (h + 24) / 25;
  const int marge = std::max(2, m / 3);
  const QFont base = font();
  const int gauche = w * 9 / 25;
  const int x = gauche + marge;
  const int large = w - x - marge;
  // The clock over the lists, and over the map its title and the maximum.
  const int titre = m * 3 / 2;
  horloge_->setFont(police(base, m, true));
  horloge_->setGeometry(marge, marge, gauche - marge, titre);
  titre_carte_->setGeometry(x, marge, large / 2, titre);
  maxi_->setFont(police(base, m, true));
  maxi_->setGeometry(x + large / 2, marge, large - large / 2, titre);
  for (QLabel* l : {titre_vol_, titre_attente_, titre_carte_}) l->setFont(police(base, m * 3 / 4, true));
  const int haut = marge + titre;

  // The models in flight, then the queue, each line with room under it for
  // an overrun's words; with many of them, the lines get smaller rather than
  // leave the window.
  const int titre_liste = m * 6 / 5;
  const int n = static_cast<int>(vols_.size() + attentes_.size());
  const int place = h - haut - 2 * titre_liste - marge;
  const int rangee = std::max(1, std::min(2 * m, n ? place / n : 0));
  int y = haut;
  const auto colonne = [&](QLabel* titre_de, std::vector<Panneau*>& liste) {
    titre_de->setGeometry(marge, y, gauche - marge, titre_liste);
    y += titre_liste;
    for (Panneau* p : liste) {
      p->setFont(police(base, rangee / 2, true));
      p->setGeometry(marge, y, gauche - marge, rangee - std::max(1, rangee / 12));
      y += rangee;
    }
  };
  colonne(titre_vol_, vols_);
  colonne(titre_attente_, attentes_);

  // The map: as many tiles in a row as leave each its frequency whole at the
  // main size, so that the rows are as high as can be for the reasons.
  const int hauteur = h - haut - marge;
  const int nb = static_cast<int>(canaux_.size());
  const int jeu = std::max(1, m / 6);
  const int juste = QFontMetrics(police(base, m, true)).horizontalAdvance(QStringLiteral("00,000")) +
                    2 * std::max(2, m / 5) + jeu + 1;
  const int colonnes = std::clamp(large / std::max(1, juste), 1, std::max(1, nb));
  const int rangs = nb ? (nb + colonnes - 1) / colonnes : 1;
  const int tw = large / colonnes, th = std::min(hauteur / rangs, 4 * m);
  for (int i = 0; i < nb; ++i) {
    Panneau* p = canaux_[static_cast<std::size_t>(i)];
    p->setFont(police(base, m, true));
    p->setGeometry(x + i % colonnes * tw, haut + i / colonnes * th, tw - jeu, th - jeu);
  }
}

}  // namespace qx30
