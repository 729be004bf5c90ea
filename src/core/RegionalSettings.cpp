#include "RegionalSettings.h"

#include <QCollator>

namespace Regional {

const QLocale& locale() {
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian;
}

QString longDate(QDate date) {
    return locale().toString(date, LongDateFormat);
}

int compareStrings(const QString& a, const QString& b) {
    // QString::localeAwareCompare follows the system locale; a collator of our own does not.
    // The Russian letters collate alike in every locale's tailoring; the program's lists put
    // Latin names before Cyrillic ones ("Банк Home Credit" before "Банк Альфа-банк"), which is
    // the root order, whereas the Russian tailoring moves Cyrillic script first.
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseSensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator.compare(a, b);
}

} // namespace Regional
