#include "DateText.h"

#include "Exceptions.h"
#include "RegionalSettings.h"

namespace DateText {

QString DateToStr(QDate date) {
    return date.toString(Regional::ShortDateFormat);
}

QDate StrToDate(const QString& text) {
    const auto fail = [&text]() -> QDate {
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    };
    const QStringList parts = text.split(Regional::DateSeparator);
    if (parts.size() != 3)
        return fail();
    int values[3] = {0, 0, 0};
    const int maxLength[3] = {2, 2, 4};
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part.size() > maxLength[i])
            return fail();
        for (QChar c : part)
            if (c < u'0' || c > u'9')
                return fail();
        values[i] = part.toInt();
    }
    if (parts[2].size() != 4)
        return fail();
    const QDate date(values[2], values[1], values[0]);
    if (!date.isValid())
        return fail();
    return date;
}

} // namespace DateText
