#include "window/qt_text.h"

#include <QList>

#include "common/cp1252.h"

namespace qx30 {

namespace {

// The code page as one table: a refresh converts some thousand long lines.
struct Table {
  char16_t unit[256];
  Table() {
    for (int b = 0; b < 256; ++b) unit[b] = static_cast<char16_t>(cp1252_to_unicode(static_cast<std::uint8_t>(b)));
  }
};

}  // namespace

QString to_qt(const std::string& cp1252_text) {
  static const Table table;
  // Written in place: appending one character at a time cost more than the
  // rest of the refresh.
  QString out(static_cast<qsizetype>(cp1252_text.size()), Qt::Uninitialized);
  QChar* c = out.data();
  for (const char byte : cp1252_text) *c++ = QChar(table.unit[static_cast<std::uint8_t>(byte)]);
  return out;
}

std::string from_qt(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const uint c : text.toUcs4()) {
    const auto byte = unicode_to_cp1252(c);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

}  // namespace qx30
