// SPDX-License-Identifier: MIT

#include "texts/hexagram_catalogue.h"

#include <QHash>

#include <array>

namespace hexacle {

namespace {

struct SourceEntry {
    const char *key;
    const char *title;
    std::array<const char *, 8> judgement; // unused lines stay null
    std::array<const char *, 7> image;
};

constexpr SourceEntry kSource[] = {
#include "texts/hexagram_texts.inc"
};

template <std::size_t N> QString joinLines(const std::array<const char *, N> &lines) {
    QString text;
    for (const char *line : lines) {
        if (!line)
            break;
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += QLatin1String(line);
    }
    return text;
}

struct Catalogue {
    std::vector<HexagramEntry> entries;
    QHash<QString, const HexagramEntry *> byKey;

    Catalogue() {
        entries.reserve(std::size(kSource));
        for (const SourceEntry &source : kSource)
            entries.push_back({QLatin1String(source.key), QLatin1String(source.title),
                               joinLines(source.judgement), joinLines(source.image)});
        for (const HexagramEntry &entry : entries)
            byKey.insert(entry.key, &entry);
    }
};

const Catalogue &catalogue() {
    static const Catalogue instance;
    return instance;
}

} // namespace

const std::vector<HexagramEntry> &HexagramCatalogue::entries() {
    return catalogue().entries;
}

const HexagramEntry *HexagramCatalogue::lookup(const QString &key) {
    return catalogue().byKey.value(key, nullptr);
}

} // namespace hexacle
