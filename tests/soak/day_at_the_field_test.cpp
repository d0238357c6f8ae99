// A day at the field through the real window, offscreen: 998 models
// registered, 60 of them always in the air, the others queued, taken out of
// the queue, landed and started again on a fixed pseudo-random schedule, and
// 1440 minute ticks with the automatic save on. At the end every counter,
// every list line and the automatic file must be what the day's log says,
// and the process must not have grown after its first hour.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "fake_platform.h"
#include "window/platform/clock.h"
#include "window/platform/dialogs.h"
#include "window/platform/launcher.h"
#include "window/platform/printer.h"
#include "window/tf_qx.h"

namespace qx30 {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sous_asan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sous_asan = true;
#else
constexpr bool sous_asan = false;
#endif
#else
constexpr bool sous_asan = false;
#endif

constexpr int nb_entrees = 998;
constexpr int nb_en_vol = 60;
constexpr int nb_minutes = 1440;
constexpr int nb_canaux = 120;
constexpr int longueur_file = 10;  // the queue is topped up to this length

// Growth of the resident set allowed between the first hour and the end of
// the day. After an hour every list, cache and buffer has reached its working
// size; what is left is allocator noise, under 100 kB in practice. The day
// runs some 9000 refreshes, each with its save: a leak of 120 bytes a refresh
// (one list line, one motif) passes 1 MB, as would one session buffer (72 kB)
// kept every 600 saves.
constexpr long marge_rss_ko = 1024;

QString u8(const char* s) { return QString::fromUtf8(s); }

// 55 kHz apart inside each band: no channel lies within the 12 kHz margin of
// another, nor of another's images 910 kHz away (910 is 30 past a multiple
// of 55, so an image falls 25 or 30 kHz from a channel). The bands are too
// far apart for images to reach from one to another.
std::vector<int> canaux() {
  std::vector<int> c;
  const auto bande = [&](int debut, int fin) {
    for (int f = debut; f <= fin; f += 55) c.push_back(f);
  };
  bande(40000, 42995);
  bande(26000, 27995);
  bande(35000, 35995);
  bande(72000, 72995);
  c.resize(nb_canaux);
  return c;
}

const QStringList commentaires = {u8("planeur"), u8("électrique"), u8("thermique 4 temps")};

QString pilote(int k) { return u8("Pilote %1 de l'aéroclub").arg(k, 3, 10, QChar('0')); }
QString commentaire(int k) { return commentaires[k % commentaires.size()]; }

void une_minute_de_plus(t_date_heure& t) {
  std::tm tm{};
  tm.tm_year = t.annee - 1900;
  tm.tm_mon = t.mois - 1;
  tm.tm_mday = t.jour;
  tm.tm_hour = t.heure;
  tm.tm_min = t.minute + 1;
  tm.tm_sec = t.seconde;
  const std::time_t s = timegm(&tm);
  std::tm n{};
  gmtime_r(&s, &n);
  t = depuis_tm(n);
}

// The day starts at 08:00; minute m of the day shows this time.
const t_date_heure debut_journee{2026, 6, 13, 8, 0, 0};
QString heure_de(int minute) {
  const int total = debut_journee.heure * 60 + debut_journee.minute + minute;
  return QString::asprintf("%02d:%02d", total / 60 % 24, total % 60);
}

// A counter in its template: the template's first characters, as many as the
// digits leave room for.
QString gabarit(int valeur, const QString& modele) {
  const QString d = QString::number(valeur);
  return modele.left(std::max<qsizetype>(0, modele.size() - d.size())) + d;
}

// In memory when the system has a place for it: the day's nine thousand
// flushed saves would otherwise wait on a disk shared with whatever else runs,
// and the test is about the day, not the disk (the benchmarks time the save).
QString dossier_temporaire() {
  const QString shm = QStringLiteral("/dev/shm");
  const QString modele = QStringLiteral("/qx30-soak-XXXXXX");
  return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm + modele : QDir::tempPath() + modele;
}

long rss_ko() {
  std::ifstream statm("/proc/self/statm");
  long taille = 0, resident = 0;
  statm >> taille >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long descripteurs_ouverts() {
  long n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

std::int32_t entier(const QByteArray& r, int at) { return qFromLittleEndian<qint32>(r.constData() + at); }
QByteArray texte(const QByteArray& r, int at) { return r.mid(at + 1, static_cast<unsigned char>(r[at])); }

// The window's outside world for the day. Every question is a landing, and
// the operator says Yes; the boxes keep what they showed; the clock is the
// test's.
class Boites : public Dialogs {
 public:
  QStringList messages, questions, errors;
  void message(const QString& text) override { messages << text; }
  bool question(const QString& text) override {
    questions << text;
    return true;
  }
  void error(const QString& text) override { errors << text; }
  std::optional<std::uint32_t> colour() override { return std::nullopt; }
  std::optional<FontChoice> font(const FontChoice&) override { return std::nullopt; }
  std::optional<QString> open_file(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

struct Plateforme {
  Boites dialogs;
  testing::FakeClock clock;
  testing::FakeLauncher launcher;
  testing::FakePrinter printer;
  Platform platform() { return Platform{dialogs, clock, launcher, printer}; }
};

// What the log says of one entry.
struct Attendu {
  char etat = 'L';
  int depuis = 0;          // minute of entering "A" or "V"
  int vols = 0;            // flights started
  int minutes_volees = 0;  // minutes of the flights already ended
};

class Journee {
 public:
  Journee() {
    // Nothing of the day may land anywhere else.
    if (!dossier_.isValid() || !QDir::setCurrent(dossier_.path())) return;
    const std::vector<int> c = canaux();
    QStringList frequences;
    for (int f : c) frequences << QString::number(f);
    ecrire("frequences.txt", frequences.join("\r\n").toLatin1());
    ecrire("pilotes.txt", "Vert\r\nbleu\r\n");
    ecrire("commentaires.txt", commentaires.join("\r\n").toUtf8());
    ecrire("parametres.ini", QByteArray::fromHex("00ff0000ffff0000ffffff00a6caf00018000080"));
    for (int k = 1; k <= nb_entrees; ++k) freq_[k] = c[static_cast<std::size_t>((k - 1) % nb_canaux)];

    fake_.clock.time = debut_journee;
    w_ = std::make_unique<TF_qx>(fake_.platform());
    w_->show();
    w_->principale();
    // The minutes are the test's own: the real timer would add ticks of its
    // own once the run passes a minute of real time.
    w_->Timer60->stop();
  }
  ~Journee() {
    w_.reset();
    QDir::setCurrent(precedent_);
  }

  bool pret() const { return w_ != nullptr; }
  TF_qx& w() { return *w_; }
  Plateforme& fake() { return fake_; }
  const Attendu& attendu(int k) const { return attendu_[k]; }
  int minute() const { return minute_; }
  // Operations of the day: starts, landings, entries queued, taken out.
  int decollages = 0, atterrissages = 0, mises_en_file = 0, retraits = 0;
  std::size_t en_file() const { return file_.size(); }

  int freq(int k) const { return freq_[k]; }
  bool canal_libre(int k) const { return occupant_[canal(k)] == 0; }

  void enregistrer(int k) {
    w_->CB_freq->choose(w_->CB_freq->findText(QString::number(freq_[k])));
    w_->CB_pilote->set_edit_text(pilote(k));
    w_->CB_comm->set_edit_text(commentaire(k));
    QTest::mouseClick(w_->B_enregistrer, Qt::LeftButton);
    EXPECT_EQ(w_->fiches[k].numero, k);
    EXPECT_EQ(w_->fiches[k].freq, freq_[k]);
  }

  void decoller(int k, bool depuis_file) {
    if (!choisir(depuis_file ? w_->LB_attente : w_->LB_liste, k)) return;
    QTest::mouseClick(depuis_file ? w_->B_fin_attente : w_->B_debut_vol, Qt::LeftButton);
    EXPECT_EQ(w_->fiches[k].etat, "V") << "entry " << k << " at minute " << minute_;
    Attendu& a = attendu_[k];
    a.etat = 'V';
    a.depuis = minute_;
    a.vols += 1;
    ++decollages;
    occupant_[canal(k)] = k;
    en_vol_.push_back(k);
    if (depuis_file) file_.erase(std::ranges::find(file_, k));
  }

  void atterrir(int k) {
    if (!choisir(w_->LB_actives, k)) return;
    const QString ligne = w_->LB_actives->line(w_->LB_actives->selected());
    QTest::mouseClick(w_->B_fin_vol, Qt::LeftButton);
    EXPECT_EQ(w_->fiches[k].etat, "L") << "entry " << k << " at minute " << minute_;
    EXPECT_EQ(fake_.dialogs.questions,
              QStringList{u8("L'émetteur de : ") + ligne + u8(" est-il REVENU à la régie et vraiment ETEINT ?")});
    // The boxes keep what they showed; the day's memory is measured without it.
    fake_.dialogs.questions.clear();
    Attendu& a = attendu_[k];
    a.minutes_volees += minute_ - a.depuis;
    a.etat = 'L';
    ++atterrissages;
    occupant_[canal(k)] = 0;
    en_vol_.erase(std::ranges::find(en_vol_, k));
  }

  void mettre_en_file(int k) {
    if (!choisir(w_->LB_liste, k)) return;
    QTest::mouseClick(w_->B_attente, Qt::LeftButton);
    EXPECT_EQ(w_->fiches[k].etat, "A") << "entry " << k << " at minute " << minute_;
    attendu_[k].etat = 'A';
    attendu_[k].depuis = minute_;
    ++mises_en_file;
    file_.push_back(k);
  }

  void retirer_de_file(int k) {
    if (!choisir(w_->LB_attente, k)) return;
    QTest::mouseClick(w_->B_retirer_attente, Qt::LeftButton);
    EXPECT_EQ(w_->fiches[k].etat, "L") << "entry " << k << " at minute " << minute_;
    attendu_[k].etat = 'L';
    ++retraits;
    file_.erase(std::ranges::find(file_, k));
  }

  void tic() {
    ++minute_;
    une_minute_de_plus(fake_.clock.time);
    w_->Timer60Timer();
  }

  // The operator's minute: some flights end, as many start again (from the
  // queue on even minutes, else from the ground), the queue is topped up and
  // now and then someone gives up waiting.
  void operations() {
    const int fins = static_cast<int>(hasard_() % 3);
    for (int i = 0; i < fins; ++i) atterrir(en_vol_[hasard_() % en_vol_.size()]);
    for (int i = 0; i < fins; ++i) {
      if (minute_ % 2 == 0) {
        const auto k = std::ranges::find_if(file_, [&](int e) { return canal_libre(e); });
        if (k != file_.end()) {
          decoller(*k, true);
          continue;
        }
      }
      decoller(prochain_au_sol(), false);
    }
    if (file_.size() < longueur_file && hasard_() % 2 == 0) mettre_en_file(au_sol_au_hasard());
    if (!file_.empty() && hasard_() % 10 == 0) retirer_de_file(file_[hasard_() % file_.size()]);
  }

  void debut() {
    for (int k = 1; k <= nb_en_vol; ++k) decoller(k, false);
    for (int k = nb_en_vol + 1; k <= nb_en_vol + longueur_file; ++k) mettre_en_file(k);
  }

  // The entry's line as the window must show it at the end of the day.
  QString ligne_attendue(int k) const {
    const Attendu& a = attendu_[k];
    QString l;
    if (a.etat != 'L') l += heure_de(a.depuis) + gabarit(temps_vol(k), "=t000") + "_";
    l += libelle(k) + QStringLiteral("[%1]").arg(k) + gabarit(cumul_temps(k), "c000") + gabarit(a.vols, "e000");
    if (!autorise(k)) l += u8("-(déjà_active_") + QString::number(freq_[k]) + " )";
    return l;
  }

  int temps_vol(int k) const { return attendu_[k].etat == 'L' ? 0 : nb_minutes - attendu_[k].depuis; }
  int cumul_temps(int k) const {
    const Attendu& a = attendu_[k];
    return a.minutes_volees + (a.etat == 'V' ? nb_minutes - a.depuis : 0);
  }
  // Nothing forbids an entry but an entry in flight on its own channel.
  bool autorise(int k) const { return attendu_[k].etat == 'V' || canal_libre(k); }
  QString libelle(int k) const {
    return QString::number(freq_[k]) + "_" + pilote(k).left(20) + "_" + commentaire(k).left(10) + "_";
  }

 private:
  static int canal(int k) { return (k - 1) % nb_canaux; }

  static void ecrire(const QString& nom, const QByteArray& octets) {
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
  }

  bool choisir(SortedList* lb, int k) {
    const QString etiquette = QStringLiteral("[%1]").arg(k);
    for (int i = 0; i < lb->line_count(); ++i)
      if (lb->line(i).contains(etiquette)) {
        lb->select(i);
        return true;
      }
    ADD_FAILURE() << "no line " << etiquette.toStdString() << " in " << lb->objectName().toStdString()
                  << " at minute " << minute_;
    return false;
  }

  int prochain_au_sol() {
    for (int n = 0; n < nb_entrees; ++n) {
      sol_ = sol_ % nb_entrees + 1;
      if (attendu_[sol_].etat == 'L' && canal_libre(sol_)) return sol_;
    }
    ADD_FAILURE() << "nobody on the ground can start at minute " << minute_;
    return 1;
  }

  int au_sol_au_hasard() {
    for (;;) {
      const int k = static_cast<int>(hasard_() % nb_entrees) + 1;
      if (attendu_[k].etat == 'L') return k;
    }
  }

  QTemporaryDir dossier_{dossier_temporaire()};
  QString precedent_ = QDir::currentPath();
  Plateforme fake_;
  std::unique_ptr<TF_qx> w_;
  std::vector<int> freq_ = std::vector<int>(nb_entrees + 1);
  std::vector<Attendu> attendu_ = std::vector<Attendu>(nb_entrees + 1);
  std::vector<int> occupant_ = std::vector<int>(nb_canaux);
  std::vector<int> en_vol_;
  std::deque<int> file_;
  int minute_ = 0;
  int sol_ = nb_en_vol;
  std::minstd_rand hasard_{20260613};
};

QStringList lignes(const SortedList* lb) {
  QStringList out;
  for (int i = 0; i < lb->line_count(); ++i) out << lb->line(i);
  out.sort();
  return out;
}

TEST(Soak, ADayAtTheField) {
  Journee j;
  ASSERT_TRUE(j.pret()) << "no temporary working folder";
  TF_qx& w = j.w();
  Boites& boites = j.fake().dialogs;
  ASSERT_TRUE(boites.errors.isEmpty()) << boites.errors.join('|').toStdString();
  ASSERT_EQ(w.CB_freq->count(), nb_canaux);

  for (int k = 1; k <= nb_entrees; ++k) {
    j.enregistrer(k);
    if (::testing::Test::HasFailure()) return;
  }
  // Sixty models are more than the intermodulations allow on any set of
  // channels: that option is off for the day. The margin and the images stay.
  w.case_intermodulation->click();
  ASSERT_FALSE(w.case_intermodulation->isChecked());
  w.E_nbre_max->setText("99");
  j.debut();
  ASSERT_EQ(w.LB_actives->line_count(), nb_en_vol);
  ASSERT_FALSE(::testing::Test::HasFailure());

  long rss_une_heure = 0;
  long fd_une_heure = 0;
  while (j.minute() < nb_minutes) {
    j.tic();
    j.operations();
    // What the message loop would do between two events: deferred deletions,
    // layouts and painting.
    QApplication::processEvents();
    ASSERT_EQ(w.LB_actives->line_count(), nb_en_vol) << "minute " << j.minute();
    ASSERT_EQ(w.Label_interdiction->text(), "") << "minute " << j.minute();
    ASSERT_TRUE(boites.messages.isEmpty()) << boites.messages.join('|').toStdString();
    ASSERT_TRUE(boites.errors.isEmpty()) << boites.errors.join('|').toStdString();
    ASSERT_FALSE(::testing::Test::HasFailure());
    if (j.minute() == 60) {
      rss_une_heure = rss_ko();
      fd_une_heure = descripteurs_ouverts();
    }
  }
  const long rss_fin = rss_ko();
  EXPECT_EQ(descripteurs_ouverts(), fd_une_heure);

  // Every entry as the log says.
  int nb_attente = 0;
  bool depassement = false;
  QStringList liste, attente, actives;
  for (int k = 1; k <= nb_entrees; ++k) {
    const Attendu& a = j.attendu(k);
    const t_fiche& f = w.fiches[k];
    SCOPED_TRACE("entry " + std::to_string(k));
    EXPECT_EQ(f.etat, std::string(1, a.etat));
    EXPECT_EQ(f.temps_vol, j.temps_vol(k));
    EXPECT_EQ(f.cumul_temps, j.cumul_temps(k));
    EXPECT_EQ(f.nbre_evolutions, a.vols);
    EXPECT_EQ(f.autorise, j.autorise(k));
    EXPECT_EQ(f.numero, k);
    EXPECT_EQ(QString::fromStdString(f.heure_debut), a.etat == 'L' ? QString() : heure_de(a.depuis));
    if (::testing::Test::HasFailure()) return;
    (a.etat == 'L' ? liste : a.etat == 'A' ? attente : actives) << j.ligne_attendue(k);
    if (a.etat == 'A') ++nb_attente;
    if (a.etat == 'V' && j.temps_vol(k) > 10) depassement = true;
  }
  liste.sort();
  attente.sort();
  actives.sort();
  EXPECT_EQ(lignes(w.LB_liste), liste);
  EXPECT_EQ(lignes(w.LB_attente), attente);
  EXPECT_EQ(lignes(w.LB_actives), actives);
  EXPECT_EQ(w.Label_liste->text(), u8("998 enregistré(s)."));
  EXPECT_EQ(w.Label_attente->text(), QStringLiteral("%1 en attente.").arg(nb_attente));
  EXPECT_EQ(w.Label_actives->text(), u8("60 en évolution."));
  EXPECT_EQ(w.Label_noire->text(), "180 interdiction(s).");  // each frequency and its two images
  EXPECT_EQ(w.Label_maxi->text(), "");
  EXPECT_EQ(w.Label_depassement->text(), depassement ? "DEPASSEMENT TEMPS" : "");
  EXPECT_EQ(w.Label_heure->text(), "14/06/2026 08:00");

  // The automatic file holds the table as it stands, read field by field at
  // the record's offsets.
  ASSERT_EQ(w.nom_fichier_auto, "20260613_080000_seance_aut.dat");
  QFile fichier(QString::fromStdString(w.nom_fichier_auto));
  ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
  const QByteArray octets = fichier.readAll();
  ASSERT_EQ(octets.size(), nb_entrees * 72);
  for (int k = 1; k <= nb_entrees; ++k) {
    const QByteArray r = octets.mid((k - 1) * 72, 72);
    const Attendu& a = j.attendu(k);
    SCOPED_TRACE("record " + std::to_string(k));
    EXPECT_EQ(r.left(2), QByteArray("\x01", 1) + a.etat);
    EXPECT_EQ(entier(r, 4), j.temps_vol(k));
    EXPECT_EQ(entier(r, 8), j.cumul_temps(k));
    EXPECT_EQ(entier(r, 12), j.freq(k));
    EXPECT_EQ(r[16], j.autorise(k) ? 1 : 0);
    EXPECT_EQ(texte(r, 17), j.libelle(k).toLatin1());
    EXPECT_EQ(entier(r, 56), k);
    EXPECT_EQ(texte(r, 60), a.etat == 'L' ? QByteArray() : heure_de(a.depuis).toLatin1());
    EXPECT_EQ(entier(r, 68), a.vols);
    if (::testing::Test::HasFailure()) return;
  }
  // Some five thousand saves leave no temporary file behind; the journal is
  // named after the session, as the automatic file is.
  const std::string seance = w.nom_fichier_auto.substr(0, w.nom_fichier_auto.find("_seance"));
  QStringList attendus = {QString::fromStdString(seance + "_journal.csv"), QString::fromStdString(w.nom_fichier_auto),
                          "commentaires.txt", "frequences.txt", "parametres.ini", "pilotes.txt"};
  EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name), attendus);

  std::printf("%d starts, %d landings, %d queued, %d taken out of the queue\n", j.decollages, j.atterrissages,
              j.mises_en_file, j.retraits);
  std::printf("resident set: %ld kB after the first hour, %ld kB at the end of the day (%+ld kB)\n",
              rss_une_heure, rss_fin, rss_fin - rss_une_heure);
  ::testing::Test::RecordProperty("rss_kb_first_hour", static_cast<int>(rss_une_heure));
  ::testing::Test::RecordProperty("rss_kb_end", static_cast<int>(rss_fin));
  // The sanitizer's quarantine holds freed memory back on purpose; there the
  // leak checker does this job.
  if (!sous_asan) {
    EXPECT_LE(rss_fin - rss_une_heure, marge_rss_ko);
  }
}

}  // namespace
}  // namespace qx30
