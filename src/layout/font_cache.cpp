// SPDX-License-Identifier: MIT

#include "layout/font_cache.h"

#include "layout/table.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <map>
#include <tuple>

namespace hexacle::layout {

const QStringList &closeFamilies() {
    static const QStringList families{"DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans",
                                      "Noto Sans"};
    return families;
}

namespace {

QString findInstalled(const QString &family) {
    const QStringList installed = QFontDatabase::families();
    const auto lookup = [&](const QString &name) -> QString {
        for (const QString &candidate : installed)
            if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                return candidate;
        return {};
    };
    if (QString found = lookup(family); !found.isEmpty())
        return found;
    for (const QString &close : closeFamilies())
        if (QString found = lookup(close); !found.isEmpty())
            return found;
    // Nothing close is installed: Qt's own substitution has the last word.
    return family;
}

} // namespace

QString installedFamily(const QString &family) {
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(family);
    if (it == resolved.constEnd())
        it = resolved.insert(family, findInstalled(family));
    return *it;
}

QFont sharedFont(const Font &font) {
    using Key = std::tuple<QString, double, int, bool>;
    static std::map<Key, QFont> fonts;
    const Key key{QString::fromLatin1(font.family), font.points, font.weight, font.underline};
    if (const auto it = fonts.find(key); it != fonts.end())
        return it->second;
    QFont result(installedFamily(std::get<0>(key)));
    result.setPointSizeF(font.points);
    result.setWeight(font.weight >= 900   ? QFont::Black
                     : font.weight >= 700 ? QFont::Bold
                                          : QFont::Normal);
    result.setUnderline(font.underline);
    result.setStyleHint(QFont::SansSerif);
    return fonts.emplace(key, result).first->second;
}

} // namespace hexacle::layout
