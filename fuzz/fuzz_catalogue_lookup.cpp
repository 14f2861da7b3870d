// SPDX-License-Identifier: MIT
// HexagramCatalogue::lookup returns an entry exactly for the 64 keys, compared
// character for character: nothing for a prefix, a longer text, other digits,
// look-alike characters or surrounding blanks.

#include "fuzz_check.h"
#include "texts/hexagram_catalogue.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using hexacle::HexagramCatalogue;
using hexacle::HexagramEntry;

namespace {

// The first byte chooses how the rest is read, so the fuzzer reaches both
// single-byte texts and characters beyond Latin-1 whose low byte is a digit.
QString keyFrom(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return {};
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    const auto restSize = static_cast<qsizetype>(size - 1);
    if (data[0] & 1)
        return QString(reinterpret_cast<const QChar *>(rest), restSize / 2);
    return QString::fromLatin1(rest, restSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString key = keyFrom(data, size);
    const HexagramEntry *expected = nullptr;
    for (const HexagramEntry &entry : HexagramCatalogue::entries()) {
        if (entry.key.size() == key.size() &&
            std::equal(entry.key.cbegin(), entry.key.cend(), key.cbegin(),
                       [](QChar a, QChar b) { return a.unicode() == b.unicode(); }))
            expected = &entry;
    }
    const HexagramEntry *found = HexagramCatalogue::lookup(key);
    FUZZ_CHECK(found == expected);
    if (found)
        FUZZ_CHECK(found->key.size() == 6 && !found->title.isEmpty());
    return 0;
}
