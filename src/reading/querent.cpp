// SPDX-License-Identifier: MIT

#include "reading/querent.h"

namespace hexacle {

bool isAcceptedNameCode(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' ||
           code == 8 || code == 127;
}

QString trimSpaces(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

QString questionText(QString raw) {
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
}

QString querentInfo(const QString &name, const QString &question) {
    return QLatin1String("Name: ") + name + QLatin1String("\r\n\r\nQuestion: ") + question;
}

} // namespace hexacle
