// Start-up as the operator sees it: from the launch of the program to its
// window shown and painted, against the same window with the same controls,
// captions and faces that does nothing (no principale, no lock, no editor),
// started the same way. Each start is a fresh process (this program run again
// with --premiere-fenetre), so each pays for loading its libraries and fonts;
// the program's side runs what main runs, with the real boxes, editor,
// printer and the folder's lock.

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/programme.h"
#include "bench/donnees.h"
#include "bench/mesures.h"
#include "support/fake_platform.h"
#include "window/platform/qt_launcher.h"
#include "window/tf_qx.h"

namespace qx30::bench {

namespace {

// Told when the first paint of the main window is over: a zero timer set as
// the paint event arrives runs once the paint is done, before anything the
// paint itself set for later (the rest of the start-up). Then, once that rest
// is done, it ends the event loop when told to.
class PremierePeinture : public QObject {
 public:
  bool peint = false;
  bool quitter = false;
  std::chrono::steady_clock::time_point fin;
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Paint && !attendu_ && qobject_cast<TF_qx*>(objet)) {
      attendu_ = true;
      QTimer::singleShot(0, this, [this] {
        fin = std::chrono::steady_clock::now();
        peint = true;
        if (quitter) QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
      });
    }
    return false;
  }

 private:
  bool attendu_ = false;
};

double mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int premiere_fenetre(const std::string& quoi, std::chrono::steady_clock::time_point lancement, int argc,
                     char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx30"));
  PremierePeinture filtre;
  app.installEventFilter(&filtre);
  if (quoi == "qx30") {
    filtre.quitter = true;
    // A box (an error, a question) would wait for an operator: the start fails by its time.
    if (programme() != 0 || !filtre.peint) return 1;
    // The editor's lookup the start-up began ends before the application does.
    editor_command();
    // The start-up's files, written just after the paint, are part of a start.
    if (QDir().entryList({QStringLiteral("*_seance_aut.dat")}).isEmpty()) return 1;
  } else {
    testing::FakePlatform fake;
    TF_qx fenetre(fake.platform());
    fenetre.show();
    const auto limite = lancement + std::chrono::seconds(20);
    while (!filtre.peint && std::chrono::steady_clock::now() < limite)
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!filtre.peint) return 1;
  }
  const std::chrono::duration<double, std::milli> duree = filtre.fin - lancement;
  std::printf("%.3f\n", duree.count());
  return 0;
}

Demarrages demarrages_compares(int fois) {
  QTemporaryDir dossier;
  garnir_dossier(dossier.path());
  auto une = [&](const char* quoi) {
    QProcess p;
    p.setWorkingDirectory(dossier.path());
    // The launch time goes along: the clock is the same in both processes.
    const auto lancement = std::chrono::steady_clock::now().time_since_epoch();
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--premiere-fenetre=") + quoi,
             QString::number(std::chrono::duration_cast<std::chrono::nanoseconds>(lancement).count())});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return -1.0;
    bool ok = false;
    const double ms = QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? ms : -1.0;
  };
  std::vector<double> nue, qx30;
  // The first of each fills the disk cache; alternated, so both see the
  // same neighbours on a shared machine.
  for (int i = 0; i <= fois; ++i) {
    const double n = une("nue");
    const double q = une("qx30");
    if (n < 0 || q < 0) return {};
    if (i == 0) continue;
    nue.push_back(n);
    qx30.push_back(q);
  }
  return {mediane(nue), mediane(qx30)};
}

}  // namespace qx30::bench
