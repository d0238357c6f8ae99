#pragma once
// The runtime's I/O error: a code and the message the error box shows.

#include <stdexcept>
#include <string>

namespace qx30 {

// Codes of the runtime's I/O messages.
namespace code_io {
inline constexpr int fichier_introuvable = 2;   // "File not found"
inline constexpr int nom_invalide = 3;          // "Invalid filename"
inline constexpr int trop_de_fichiers = 4;      // "Too many open files"
inline constexpr int acces_refuse = 5;          // "File access denied"
inline constexpr int lecture_au_dela = 100;     // "Read beyond end of file"
inline constexpr int disque_plein = 101;        // "Disk full"
}  // namespace code_io

// The runtime's text for a code; "I/O error <code>" for any other code.
std::string message_io(int code);

class InOutError : public std::runtime_error {
 public:
  // An error with one of the runtime's codes and its message.
  explicit InOutError(int code);

  // An error of the operating system, by its errno value:
  //   ENOENT                                   -> 2 "File not found"
  //   ENOTDIR, ENAMETOOLONG, EINVAL, ELOOP     -> 3 "Invalid filename"
  //   EMFILE, ENFILE                           -> 4 "Too many open files"
  //   EACCES, EPERM, EROFS, EISDIR, ETXTBSY    -> 5 "File access denied"
  //   ENOSPC, EDQUOT, EFBIG                    -> 101 "Disk full"
  // any other value keeps its own number as the code and reads
  // "I/O error <errno>" (so EIO reads "I/O error 5": the message, not the
  // code, is what tells it from a refused access).
  static InOutError depuis_errno(int err);

  int code() const { return code_; }

 private:
  InOutError(int code, const std::string& message);
  int code_;
};

}  // namespace qx30
