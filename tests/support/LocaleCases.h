#pragma once
// Systems whose number signs differ from the pinned en-US ones: one whose decimal point is a
// comma, and two whose thousands separator is a blank (as Qt's locale data has them).
#include <QLocale>
#include <QString>

namespace locales {

struct Case {
    const char* name;
    QLocale locale;
};

inline const Case Cases[] = {{"de_DE", QLocale(QLocale::German, QLocale::Germany)},
                             {"fr_FR", QLocale(QLocale::French, QLocale::France)},
                             {"sv_SE", QLocale(QLocale::Swedish, QLocale::Sweden)}};

// A figure written with "," for the groups and "." for the point, in the locale's signs.
inline QString inLocale(const QLocale& locale, QString figure) {
    figure.replace(',', QChar(0xE000)).replace('.', locale.decimalPoint());
    return figure.replace(QChar(0xE000), locale.groupSeparator());
}

// A printout written with the en-US signs, its figures put in the locale's signs: a comma
// between two digits is a group separator, a period before a digit the decimal point; other
// commas and periods (in headings and header texts) stay.
inline QString figuresInLocale(const QLocale& locale, const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool digitBefore = i > 0 && text[i - 1].isDigit();
        const bool digitAfter = i + 1 < text.size() && text[i + 1].isDigit();
        if (text[i] == ',' && digitBefore && digitAfter)
            out += locale.groupSeparator();
        else if (text[i] == '.' && digitAfter)
            out += locale.decimalPoint();
        else
            out += text[i];
    }
    return out;
}

// Makes `locale` the default for as long as it lives, then pins en-US again, also when a
// failed check leaves the test early.
struct Scope {
    explicit Scope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~Scope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

} // namespace locales
