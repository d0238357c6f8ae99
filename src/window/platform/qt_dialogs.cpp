#include "window/platform/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx30 {

namespace {

void show_box(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

// Qt's font dialog as a part of another dialog: its Enter and Escape end
// the whole dialog, not only the part.
class FontPart : public QFontDialog {
 public:
  FontPart(const QFont& font, QDialog* whole) : QFontDialog(whole), whole_(whole) {
    setWindowFlags(Qt::Widget);
    setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    setCurrentFont(font);
  }
  void done(int result) override { whole_->done(result); }

 private:
  QDialog* whole_;
};

// The font dialog with a choice of the text colour under it.
class FontColourDialog : public QDialog {
 public:
  FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent)
      : QDialog(parent), colour_(colour) {
    setWindowTitle(QString::fromUtf8("Police et couleur des listes"));
    font_ = new FontPart(font, this);
    colour_button_ = new QPushButton(QString::fromUtf8("Couleur du texte..."));
    show_colour();
    connect(colour_button_, &QPushButton::clicked, this, [this] {
      const QColor c = QColorDialog::getColor(colour_, this);
      if (c.isValid()) colour_ = c;
      show_colour();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(font_);
    layout->addWidget(colour_button_, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
  }

  QFont font() const { return font_->currentFont(); }
  QColor colour() const { return colour_; }

 private:
  void show_colour() {
    QPixmap swatch(16, 16);
    swatch.fill(colour_);
    colour_button_->setIcon(swatch);
  }

  FontPart* font_;
  QPushButton* colour_button_;
  QColor colour_;
};

// The dialog shows sizes in points and faces by their names; both as the
// dialog would give them back.
bool same_in_dialog(const QFont& a, const QFont& b) {
  return a.family() == b.family() && a.bold() == b.bold() && a.italic() == b.italic() &&
         qRound(a.pointSizeF()) == qRound(b.pointSizeF()) && a.underline() == b.underline() &&
         a.strikeOut() == b.strikeOut();
}

}  // namespace

void QtDialogs::message(const QString& text) { show_box(parent_, QMessageBox::NoIcon, text); }

void QtDialogs::error(const QString& text) { show_box(parent_, QMessageBox::Critical, text); }

bool QtDialogs::question(const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

std::optional<std::uint32_t> QtDialogs::colour() {
  // The dialog starts from its own default, not from the list's colour.
  const QColor c = QColorDialog::getColor(Qt::white, parent_);
  if (!c.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

std::optional<FontChoice> QtDialogs::font(const FontChoice& initial) {
  // The dialog lists the faces the system has: it opens on the face that
  // stands in for the one asked for, with its style, at its size in points.
  const QFontInfo shown(initial.font);
  QFont start(shown.family());
  start.setBold(shown.bold());
  start.setItalic(shown.italic());
  start.setPointSizeF(shown.pointSizeF());
  start.setUnderline(initial.font.underline());
  start.setStrikeOut(initial.font.strikeOut());
  FontColourDialog box(start, initial.colour, parent_);
  // What the dialog shows may lack a style the face has not (a bold where
  // the face has no bold style): left as it opened, the lists keep their own
  // font, pixel size and bold included.
  const QFont opened = box.font();
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  const QFont chosen = box.font();
  return FontChoice{same_in_dialog(chosen, opened) ? initial.font : chosen, box.colour()};
}

std::optional<QString> QtDialogs::open_file(const QString& title, const QString& filter,
                                            const QString& folder) {
  const QString name = QFileDialog::getOpenFileName(parent_, title, folder, filter);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

}  // namespace qx30
