#include "Platform.h"

#include <QDate>

namespace drovan::ui {

Date SystemClock::today() const {
    const QDate d = QDate::currentDate();
    return Date{d.year(), d.month(), d.day()};
}

Separators separatorsOf(const QLocale &locale) {
    return Separators{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString displayAmount(const CurrencySum &sum, const QLocale &locale) {
    const Separators s = separatorsOf(locale);
    return QString::fromStdString(sum.toDisplay(s.decimal, s.group));
}

QString displayAmount(Currency amount, const QLocale &locale) {
    const Separators s = separatorsOf(locale);
    return QString::fromStdString(amount.toDisplay(s.decimal, s.group));
}

QString currencyAmount(Currency amount, const QLocale &locale) {
    // Learn where the locale puts the symbol and the sign from a sample, then put the exact
    // digits in the sample's place.
    const QString number = displayAmount(amount, locale);
    const bool negative = number.startsWith(QLatin1Char('-'));
    const QString magnitude = negative ? number.mid(1) : number;
    const QString sampleNumber = QString::fromStdString(
        Currency::fromWhole(1).toDisplay(separatorsOf(locale).decimal, separatorsOf(locale).group));
    const QString sample =
        locale.toCurrencyString(negative ? -1.0 : 1.0, locale.currencySymbol(), 2);
    const qsizetype at = sample.indexOf(sampleNumber);
    if (at < 0)
        return number;
    QString out = sample;
    out.replace(at, sampleNumber.size(), magnitude);
    return out;
}

} // namespace drovan::ui
