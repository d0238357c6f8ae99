#pragma once
// Resuming a session after a crash or a power cut, or one closed while models
// were still in the air.
//
// Every run writes its journal from its start and ends it with the
// "fermeture" line, naming its final file, once that file is written. A run
// whose journal ends on any other line (or on a line cut short) was
// interrupted, and its automatic file holds the session up to its last
// change. A run that closed while entries flew or waited is offered back the
// same way, from its final file.
//
// The previous run is the one whose journal has the latest session name in
// the folder (the names sort by time). Only that run is looked at: once the
// next run has started, whatever its operator answered, its own journal is
// the latest, so an interrupted session is offered once. A session of an
// earlier day, or one that held no entry, is not offered.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "register/fiche.h"
#include "storage/file_system.h"
#include "storage/seance.h"

namespace qx30 {

struct t_reprise {
  std::string seance;              // 20051202_140705
  std::filesystem::path fichier;   // its automatic file, 20051202_140705_seance_aut.dat, or its final file
  std::vector<t_fiche> fiches;     // its records, checked as a load checks them
  t_date_heure ecrit;              // when the file was last written: the desk's minutes stopped there
};

// The session name of the latest journal among `noms`, leaving out the
// running session's own; empty when there is none.
std::string derniere_seance(const std::vector<std::string>& noms, std::string_view seance_en_cours);

// The file the close of a run wrote, when the journal's last line is that close.
std::optional<std::string> fichier_de_fermeture(std::span<const std::uint8_t> journal);

// The interrupted run of today in `dossier` whose session to offer, if any.
// `noms` are the folder's file names, read before this run wrote its own
// journal. A journal that cannot be read offers nothing; an automatic file
// that a load would refuse throws what the load throws.
std::optional<t_reprise> seance_interrompue(const std::filesystem::path& dossier,
                                            const std::vector<std::string>& noms,
                                            const t_date_heure& maintenant,
                                            FileSystem& fs = systeme_fichiers());

// The whole minutes from the file's last write to `maintenant`: those the
// entries in flight and waiting are owed when the session is taken up.
int minutes_d_arret(const t_reprise& reprise, const t_date_heure& maintenant);

// The operator's question, Windows-1252, with the counts the window shows once
// the session is back and the time since its file was written: "La séance
// commencée à 14:07 n'a pas été fermée (3 en évolution, 1 en attente, 9
// enregistrés), régie arrêtée depuis 2 min. La reprendre ?"
std::string question_reprise(const t_reprise& reprise, const t_date_heure& maintenant);

}  // namespace qx30
