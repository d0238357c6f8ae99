#pragma once
// The three choice lists under the entry list (frequencies, pilots,
// comments), loaded from plain-text files that the operator edits in the
// text editor, and the help text.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace qx30 {

inline constexpr const char* fichier_frequences = "frequences.txt";
inline constexpr const char* fichier_pilotes = "pilotes.txt";
inline constexpr const char* fichier_commentaires = "commentaires.txt";
inline constexpr const char* fichier_aide = "aide.txt";

// Edit texts of the boxes after a reload: no frequency chosen yet, and the
// default pilot and comment.
inline constexpr const char* texte_choisir = "choisir";
inline constexpr const char* pilote_par_defaut = "X";
inline constexpr const char* commentaire_par_defaut = ".";

// The runtime's error for a text file that cannot be opened or read:
// "Cannot open file <name without folder>".
class FileOpenError : public std::runtime_error {
 public:
  explicit FileOpenError(const std::filesystem::path& fichier);
};

// The lines of a text file as Windows-1252 texts, each line decoded on its
// own (a UTF-8 line converted, any other taken as it is, see lignes_cp1252);
// the text ends at a NUL. FileOpenError when the file is missing or
// unreadable.
std::vector<std::string> lire_lignes(const std::filesystem::path& fichier,
                                     FileSystem& fs = systeme_fichiers());

// Keeps the items that are frequencies of the radio-control bands (26000 to
// 27999, 35000 to 35999, 40000 to 42999, 72000 to 72999) on a 5 kHz step,
// each replaced by the decimal text of its first five characters, and the
// items whose first seven characters are digits of the 2.4 GHz band
// (2400000 to 2483500, any step), each replaced by those seven; removes the
// others. Walks from the last item to the first: an item of the 2.4 GHz band
// is kept; otherwise f is the integer value of the first five characters, d
// that of the fifth character alone, both read before any test. An item
// where either is not an integer throws ConvertError ("'<text>' is not a
// valid integer value") and leaves the list part-filtered: that item and
// those before it as loaded, those after it already filtered.
void filtrer_frequences(std::vector<std::string>& items);

// A drop-down list of the window, as the reload drives it.
class BoiteChoix {
 public:
  virtual ~BoiteChoix() = default;
  virtual void vider() = 0;
  // Appends the items in the order given (a sorted box sorts them itself).
  virtual void ajouter(const std::vector<std::string>& items) = 0;
  // The edit text, no item selected.
  virtual void fixer_texte(const std::string& texte) = 0;
};

// "recharger les listes", box by box, each step finishing before the next:
//   1. frequencies: empty the box; read "frequences.txt"; filter; add the
//      items; text "choisir".
//   2. pilots: empty; read "pilotes.txt"; add every line; text "X".
//   3. comments: empty; read "commentaires.txt"; add every line; text ".".
// The files are taken in `dossier` (the working folder by default). The
// first error ends the reload there:
//   - a file that cannot be opened (FileOpenError): its box is already
//     empty, the boxes after it keep their items and texts;
//   - a frequency that is not an integer (ConvertError): the frequency box
//     holds the part-filtered list and keeps its former edit text, the pilot
//     and comment boxes are left as they were.
void recharger_listes(BoiteChoix& freq, BoiteChoix& pilote, BoiteChoix& comm,
                      const std::filesystem::path& dossier = {},
                      FileSystem& fs = systeme_fichiers());

}  // namespace qx30
