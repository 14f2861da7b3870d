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

QString querentInfo(const QString &name, const QString &question) {
    return QLatin1String("Name: ") + name + QLatin1String("\r\n\r\nQuestion: ") + question;
}

} // namespace hexacle
