#pragma once
// The session's journal: one line per event of the session, appended to a
// CSV file as it happens and never rewritten, so that after an incident it
// tells who flew on which frequency at that minute and what was refused.
//
// The file is UTF-8, for a spreadsheet: a header line, then one line per
// event, fields separated by ";" (what a French spreadsheet expects),
// quoted when they hold ";", quotes or a line break, lines ended by CR LF.
// Columns: date (dd/mm/yyyy), heure (hh:nn:ss), evenement, numero,
// frequence, libelle, detail; numero, frequence and libelle are empty for an
// event that concerns no entry.

#include <filesystem>
#include <string>
#include <string_view>

#include "register/evenement.h"
#include "storage/file_system.h"
#include "storage/seance.h"

namespace qx30 {

// The journal of a session is named after the session: 20051202_143005_journal.csv.
inline constexpr std::string_view suffixe_journal = "_journal.csv";

inline constexpr std::string_view entete_journal = "date;heure;evenement;numero;frequence;libelle;detail\r\n";

// The event's word in the journal: "demarrage", "enregistrement"...
std::string_view nom_evenement(Evenement evenement);

// One line of the journal, UTF-8, with its CR LF.
std::string ligne_journal(const t_date_heure& moment, const t_evenement& evenement);

class Journal {
 public:
  explicit Journal(std::filesystem::path fichier, FileSystem& fs = systeme_fichiers());

  // Appends the event's line, after the header when the file is empty, and
  // flushes it to the disk: a crash loses at most the line being written.
  // The file is opened and closed for each line. A failure is an InOutError;
  // should it cut a line short, the next line starts on a line of its own.
  void ecrire(const t_date_heure& moment, const t_evenement& evenement);

  const std::filesystem::path& fichier() const { return fichier_; }

 private:
  std::filesystem::path fichier_;
  FileSystem& fs_;
  bool ligne_coupee_ = false;
};

}  // namespace qx30
