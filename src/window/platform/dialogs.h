#pragma once
// Every modal box of the program goes through this interface, so that tests
// drive the real window and answer the boxes without a person.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>

namespace qx30 {

// A font with the colour of its text.
struct FontChoice {
  QFont font;
  QColor colour;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Modal, one OK button, the application's title as caption.
  virtual void message(const QString& text) = 0;
  // Modal, caption "Confirm", buttons "&Yes" and "&No"; true only for Yes.
  virtual bool question(const QString& text) = 0;
  // The runtime's error box: stop icon, one OK button. The text comes
  // already finished (see error_box_text).
  virtual void error(const QString& text) = 0;
  // A colour as 0x00BBGGRR, or nothing when cancelled.
  virtual std::optional<std::uint32_t> colour() = 0;
  // A font and its colour, starting from the given ones, or nothing when
  // cancelled. Confirmed without a change, it gives back the given font.
  virtual std::optional<FontChoice> font(const FontChoice& initial) = 0;
  // A file name with its path, or nothing when cancelled.
  virtual std::optional<QString> open_file(const QString& title, const QString& filter,
                                           const QString& folder) = 0;
};

// The error box's text: a "." is added when the message's last character
// sorts after "." (compared as the Windows-1252 byte it is).
QString error_box_text(const std::string& cp1252_message);

}  // namespace qx30
