#include "window/platform/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace qx30 {

namespace {

void show_box(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok);
  box.exec();
}

}  // namespace

void QtDialogs::message(const QString& text) { show_box(QMessageBox::NoIcon, text); }

void QtDialogs::error(const QString& text) { show_box(QMessageBox::Critical, text); }

bool QtDialogs::question(const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text);
  QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

std::optional<std::uint32_t> QtDialogs::colour() {
  // The dialog starts from its own default, not from the list's colour.
  const QColor c = QColorDialog::getColor();
  if (!c.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

std::optional<QFont> QtDialogs::font(const QFont& initial) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial);
  if (!ok) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::open_file(const QString& title, const QString& filter,
                                            const QString& folder) {
  const QString name = QFileDialog::getOpenFileName(nullptr, title, folder, filter);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

}  // namespace qx30
