#pragma once
// Reading the window's lists as the operator does: every line, and the line
// of one entry found by its number in brackets.

#include <QString>
#include <QStringList>

#include "window/sorted_list.h"

namespace qx30::testing {

inline QString u8(const char* s) { return QString::fromUtf8(s); }

inline QStringList lines_of(const SortedList* lb) {
  QStringList out;
  for (int i = 0; i < lb->line_count(); ++i) out << lb->line(i);
  return out;
}

// Row of the line of entry `numero`, -1 when the list does not show it.
inline int row_of(const SortedList* lb, int numero) {
  const QString tag = QStringLiteral("[%1]").arg(numero);
  for (int i = 0; i < lb->line_count(); ++i)
    if (lb->line(i).contains(tag)) return i;
  return -1;
}

// The line of entry `numero`, or a note saying the list has none.
inline QString line_with(const SortedList* lb, int numero) {
  const int row = row_of(lb, numero);
  return row < 0 ? QStringLiteral("(no line [%1])").arg(numero) : lb->line(row);
}

}  // namespace qx30::testing
