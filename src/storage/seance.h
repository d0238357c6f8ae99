#pragma once
// Session files: the session name made from the date and time, writing the
// table to a session file and loading one back.
//
// A session file is a plain sequence of 72-byte entry records, in ascending
// slot order, one for every slot whose number is not 0; no header, at most
// 999 records, an empty table giving an empty file.
//
// The session (src/session/) over these functions; every error is an
// exception for the application's error box:
//   start-up:  automatic file = nom_seance(start time) + suffixe_auto
//   automatic: save_seance(automatic file, fiches, colours)   (while it is on)
//   manual:    name = nom_seance(now) + suffixe_manuel;
//              save_seance(name, ...), then the message; on an error, no message
//   final:     name = nom_seance(now) + suffixe_final; save_seance
//   load:      charger_seance(fiches, chosen file), then noire and its refresh;
//              on an error the table is untouched and neither runs

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_heure.h"
#include "register/fiches.h"
#include "storage/file_system.h"
#include "storage/parametres.h"

namespace qx30 {

// yyyymmdd_hhnnss, cut out of the date-time text: 20051202_143005.
std::string nom_seance(const t_date_heure& moment);

inline constexpr std::string_view suffixe_auto = "_seance_aut.dat";
inline constexpr std::string_view suffixe_manuel = "_seance_man.dat";
inline constexpr std::string_view suffixe_final = "_seance_fin.dat";

inline constexpr std::size_t max_enregistrements = nb_places;

// The bytes of a session file for the table.
std::vector<std::uint8_t> octets_seance(const t_fiches& fiches);

// Writes the table to `fichier`, then the colours to `fichier_param`. The
// file is replaced whole or not at all (see remplacer_fichier); a failure is
// an InOutError, and when the session file fails the parameters file is not
// written.
void save_seance(const std::filesystem::path& fichier, const t_fiches& fiches,
                 const t_parametres& parametres,
                 const std::filesystem::path& fichier_param = nom_fichier_parametres,
                 FileSystem& fs = systeme_fichiers());

// A session file that this program could not have written.
class SeanceInvalide : public std::runtime_error {
 public:
  SeanceInvalide(const std::string& message, int enregistrement)
      : std::runtime_error(message), enregistrement_(enregistrement) {}
  // The faulty record, counted from 1.
  int enregistrement() const { return enregistrement_; }

 private:
  int enregistrement_;
};

// Reads and checks a whole session file and gives its records numbered 1 to
// n in file order; trailing bytes short of a record are ignored. The file is
// opened for reading only, so one on a write-protected medium loads. Throws
// InOutError when the file cannot be opened or read, SeanceInvalide (a
// Windows-1252 message naming the file and the record) when a record has a
// state other than "L", "A" or "V", a text length beyond its field, a bracket
// in its libelle, or a free slot (frequency 0) whose state is not "L", or
// when the file holds more than 999 records.
std::vector<t_fiche> lire_seance(const std::filesystem::path& fichier,
                                 FileSystem& fs = systeme_fichiers());

// Replaces the table by the file's records: every slot freed, then the
// records in slots 1 to n, numbered 1 to n. The file is read and checked in
// full first; on any error the table is left exactly as it was.
void charger_seance(t_fiches& fiches, const std::filesystem::path& fichier,
                    FileSystem& fs = systeme_fichiers());

}  // namespace qx30
