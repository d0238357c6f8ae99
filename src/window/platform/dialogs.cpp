#include "window/platform/dialogs.h"

#include "window/qt_text.h"

namespace qx30 {

QString error_box_text(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return to_qt(message + ".");
  return to_qt(message);
}

}  // namespace qx30
