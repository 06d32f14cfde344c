#pragma once

#include "document/Currency.h"
#include "document/Date.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

namespace drovan::ui {

inline const QString kApplicationTitle = QStringLiteral("Drovan (Pellimore)");

// Today's date comes from here alone, so that tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

class SystemClock final : public Clock {
public:
    Date today() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date) : date_(date) {}
    Date today() const override { return date_; }
    void set(Date date) { date_ = date; }

private:
    Date date_;
};

// The locale's separators, as the core takes them (UTF-8 bytes, inserted or matched verbatim).
struct Separators {
    std::string decimal;
    std::string group;
};
Separators separatorsOf(const QLocale &locale);

// The total as the status panel shows it: thousands separators and exactly two decimals.
QString displayAmount(const CurrencySum &sum, const QLocale &locale);
QString displayAmount(Currency amount, const QLocale &locale);
// An amount in the locale's currency format, exact (never through floating point).
QString currencyAmount(Currency amount, const QLocale &locale);

} // namespace drovan::ui
