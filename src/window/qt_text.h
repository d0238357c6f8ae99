#pragma once
// The window's edge between the core's Windows-1252 bytes and Qt's strings.

#include <QString>
#include <string>

namespace qx30 {

QString to_qt(const std::string& cp1252_text);

// A character the operator types that Windows-1252 lacks is stored as "?".
std::string from_qt(const QString& text);

}  // namespace qx30
