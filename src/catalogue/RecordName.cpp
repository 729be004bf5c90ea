#include "RecordName.h"

#include "MessageService.h"

#include <QFile>

namespace Catalogue {
namespace {

// The longest file name, in bytes of its encoded form, that common file systems store.
constexpr qsizetype MaxFileNameBytes = 255;

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

} // namespace

QString RecordNameProblem(const QString& name) {
    if (name.isEmpty())
        return {};
    if (name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("Наименование не должно содержать знаков \"/\" и \"\\\".");
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("Наименование не может быть \".\" или \"..\".");
    for (const QChar c : name)
        if (isControl(c))
            return QStringLiteral(
                "Наименование не должно содержать управляющих знаков (перевода строки, "
                "табуляции и подобных).");
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("Наименование не должно начинаться или заканчиваться пробелом.");
    if (QFile::encodeName(name + RecordExtension).size() > MaxFileNameBytes ||
        name.size() + RecordExtension.size() > MaxFileNameBytes)
        return QStringLiteral("Наименование слишком длинное для имени файла.");
    return {};
}

QString RefusedNameMessage(const QString& lead, const QString& problem) {
    return lead + MessageLineBreak + problem;
}

} // namespace Catalogue
