#pragma once
// Readable QStrings in test failures, and typing any character as a keyboard would.

#include <QString>
#include <QStringList>
#include <QTest>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }

namespace qx30::testing {

// QTest::keyClicks only knows ASCII; this sends each character as key text.
inline void type_text(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace qx30::testing
