#include "storage/io_error.h"

#include <cerrno>

namespace qx30 {

std::string message_io(int code) {
  switch (code) {
    case code_io::fichier_introuvable: return "File not found";
    case code_io::nom_invalide: return "Invalid filename";
    case code_io::trop_de_fichiers: return "Too many open files";
    case code_io::acces_refuse: return "File access denied";
    case code_io::lecture_au_dela: return "Read beyond end of file";
    case code_io::disque_plein: return "Disk full";
    default: return "I/O error " + std::to_string(code);
  }
}

InOutError::InOutError(int code) : InOutError(code, message_io(code)) {}

InOutError::InOutError(int code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

InOutError InOutError::depuis_errno(int err) {
  switch (err) {
    case ENOENT: return InOutError(code_io::fichier_introuvable);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return InOutError(code_io::nom_invalide);
    case EMFILE:
    case ENFILE: return InOutError(code_io::trop_de_fichiers);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return InOutError(code_io::acces_refuse);
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
    case EFBIG: return InOutError(code_io::disque_plein);
    default: return InOutError(err, "I/O error " + std::to_string(err));
  }
}

}  // namespace qx30
