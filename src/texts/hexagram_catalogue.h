// SPDX-License-Identifier: MIT

#pragma once

// The 64 hexagrams, filed under their keys (lower trigram code, then upper).

#include <QString>

#include <vector>

namespace hexacle {

struct HexagramEntry {
    QString key;
    QString title;
    // Lines joined by "\r\n", none before the first or after the last.
    QString judgement;
    QString image;
};

class HexagramCatalogue {
public:
    // All 64 entries, grouped by lower trigram, then by upper trigram.
    static const std::vector<HexagramEntry> &entries();
    // The entry whose key equals `key` character for character, or nullptr.
    static const HexagramEntry *lookup(const QString &key);
};

} // namespace hexacle
