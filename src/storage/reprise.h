#pragma once
// Resuming a session after a crash or a power cut.
//
// Every run writes its journal from its start and ends it with the
// "fermeture" line once its final file is written. A run whose journal ends
// on any other line (or on a line cut short) was interrupted, and its
// automatic file holds the session up to its last change.
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
  std::filesystem::path fichier;   // its automatic file, 20051202_140705_seance_aut.dat
  std::vector<t_fiche> fiches;     // its records, checked as a load checks them
};

// The file names of a folder; none when it cannot be read.
std::vector<std::string> noms_du_dossier(const std::filesystem::path& dossier);

// The session name of the latest journal among `noms`, leaving out the
// running session's own; empty when there is none.
std::string derniere_seance(const std::vector<std::string>& noms, std::string_view seance_en_cours);

// Whether a journal's last line is the close of its run.
bool journal_ferme(std::span<const std::uint8_t> journal);

// The interrupted run of today in `dossier` whose session to offer, if any.
// `noms` are the folder's file names, read before this run wrote its own
// journal. A journal that cannot be read offers nothing; an automatic file
// that a load would refuse throws what the load throws.
std::optional<t_reprise> seance_interrompue(const std::filesystem::path& dossier,
                                            const std::vector<std::string>& noms,
                                            const t_date_heure& maintenant,
                                            FileSystem& fs = systeme_fichiers());

// The operator's question, Windows-1252: "La séance commencée à 14:07 n'a pas
// été fermée (3 en évolution, 1 en attente, 5 enregistrés). La reprendre ?"
std::string question_reprise(const t_reprise& reprise);

}  // namespace qx30
