#include "TypingLimit.h"

#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace drovan::ui {
namespace {

const char *const kTypingLimit = "typingLimit";
// QLineEdit's own default maximum, kept for typing into a field without a limit of its own.
constexpr qsizetype kDefaultMaxLength = 32767;

} // namespace

void limitTyping(QLineEdit *field, int limit) {
    field->setProperty(kTypingLimit, limit);
    field->setMaxLength(static_cast<int>(std::max<qsizetype>(limit, field->text().size())));
}

void setTextUncut(QLineEdit *field, const QString &text) {
    const QVariant limit = field->property(kTypingLimit);
    const qsizetype typing = limit.isValid() ? limit.toInt() : kDefaultMaxLength;
    const auto wanted = static_cast<int>(std::max(typing, text.size()));
    // Widening first keeps the text whole; narrowing after never cuts it.
    if (field->maxLength() < wanted)
        field->setMaxLength(wanted);
    field->setText(text);
    if (field->maxLength() != wanted)
        field->setMaxLength(wanted);
}

} // namespace drovan::ui
