#include "SystemLocale.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include "Dates.h"

namespace platform {
namespace {

// The locale's short date format, with a four-digit year where it would use two:
// dates in the worksheets and files must not lose their century.
QString shortFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

std::optional<int> serialOf(const QDate& date) {
    if (!date.isValid())
        return std::nullopt;
    return dateSerial(date.year(), date.month(), date.day());
}

// Two-digit years read as 2000-2029 for 00-29 and 1930-1999 for 30-99, as the
// month/day/year reader does.
QDate pivotCentury(QDate date) {
    if (date.isValid() && date.year() >= 1900 && date.year() < 1930)
        return date.addYears(100);
    return date;
}

} // namespace

NumberSeparators systemSeparators() {
    const QLocale locale;
    NumberSeparators seps;
    seps.decimalPoint = locale.decimalPoint().toStdString();
    seps.thousands = locale.groupSeparator().toStdString();
    return seps;
}

std::string shortDate(int serial) {
    int year = 0, month = 0, day = 0;
    dateParts(serial, year, month, day);
    return QLocale().toString(QDate(year, month, day), shortFormat()).toStdString();
}

std::optional<int> parseDate(const std::string& text) {
    const QString typed = QString::fromStdString(text).trimmed();
    const QLocale locale;
    // A short year typed into the four-digit form would read as the first century.
    const QDate full = locale.toDate(typed, shortFormat());
    if (full.isValid() && full.year() >= 1000)
        return serialOf(full);
    const QString original = locale.dateFormat(QLocale::ShortFormat);
    if (!original.contains(QLatin1String("yyyy"))) {
        if (auto serial = serialOf(pivotCentury(locale.toDate(typed, original))))
            return serial;
    }
    return parseDateText(typed.toStdString());
}

int today() {
    const QDate now = QDate::currentDate();
    return dateSerial(now.year(), now.month(), now.day());
}

} // namespace platform
