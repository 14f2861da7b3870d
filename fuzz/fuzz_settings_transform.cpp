// SPDX-License-Identifier: MIT
// The character transform of the settings store: what is stored comes back as
// it was meant, whatever the text.
//  - Plain ASCII comes back unchanged, each character stored 85 codes higher
//    in Windows-1252.
//  - Any text: decoding what was stored and storing that again stores the
//    same, and decoding is then stable (nothing drifts over repeated saves).
//  - Decoding anything found in a file never makes it longer.

#include "fuzz_check.h"
#include "settings/settings_store.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

using hexacle::DecodeSetting;
using hexacle::EncodeSetting;

namespace {

// Windows-1252 at 0x80 to 0x9F, as the code page's published table has it;
// the five codes it leaves undefined stand for the C1 controls.
constexpr char16_t kWindows1252At80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t windows1252(int code) {
    return code >= 0x80 && code < 0xA0 ? kWindows1252At80[code - 0x80] : char16_t(code);
}

qsizetype codePoints(const QString &text) {
    return QStringView(text).toUcs4().size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto *chars = reinterpret_cast<const char *>(data);

    QString ascii;
    for (std::size_t i = 0; i < size; ++i)
        ascii += QChar(data[i] & 0x7F);
    const QString storedAscii = EncodeSetting(ascii);
    FUZZ_CHECK(storedAscii.size() == ascii.size());
    for (qsizetype i = 0; i < ascii.size(); ++i)
        FUZZ_CHECK(storedAscii[i].unicode() == windows1252(ascii[i].unicode() + 85));
    FUZZ_CHECK(DecodeSetting(storedAscii) == ascii);

    // Any text, read both as UTF-16 (lone surrogates included) and as UTF-8.
    for (const QString &text :
         {QString(reinterpret_cast<const QChar *>(chars), qsizetype(size / 2)),
          QString::fromUtf8(chars, qsizetype(size))}) {
        const QString stored = EncodeSetting(text);
        FUZZ_CHECK(codePoints(stored) <= codePoints(text));
        const QString back = DecodeSetting(stored);
        FUZZ_CHECK(EncodeSetting(back) == stored);
        FUZZ_CHECK(DecodeSetting(EncodeSetting(back)) == back);
        FUZZ_CHECK(codePoints(DecodeSetting(text)) <= codePoints(text));
    }
    return 0;
}
