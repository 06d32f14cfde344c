#pragma once

class QLineEdit;
class QString;

namespace drovan::ui {

// A limit on what the user types into a field. QLineEdit's own maximum length also cuts text
// that the program puts there; the dialogs must show such text whole, so a longer text raises
// the maximum to its own length until the program puts a shorter one there.
void limitTyping(QLineEdit *field, int limit);
// Puts the text into a field whole, whatever its typing limit or maximum length.
void setTextUncut(QLineEdit *field, const QString &text);

} // namespace drovan::ui
