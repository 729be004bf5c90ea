#include "Version.h"

QString MyVersion(const QString& /*fileName*/) {
    return {};
}

QString CutVersion(const QString& fileVersion) {
    QString collected;
    int dots = 0;
    for (QChar c : fileVersion) {
        if (c == u'.' && ++dots == 2)
            return collected;
        collected += c;
    }
    return collected;
}
