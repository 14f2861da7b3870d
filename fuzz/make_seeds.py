#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Writes the starting inputs of the fuzz targets into fuzz/corpus/. Run from
the repository root: /usr/bin/python3 fuzz/make_seeds.py
The settings files are as the program writes them: section [Settings], the
key "Duration" and its value shifted 85 codes up within Windows-1252, the key
percent-escaped by Qt and the value in UTF-8."""

import os
import struct

CORPUS = os.path.join("fuzz", "corpus")
TRIGRAMS = ["111", "011", "101", "001", "110", "010", "100", "000"]


def cp1252(code):
    return bytes([code]).decode("cp1252", errors="ignore") or chr(code)


def shifted(text):
    return "".join(cp1252(ord(c) + 85) for c in text if ord(c) + 85 <= 255)


def put(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def main():
    # Catalogue: every key, read as Latin-1 (first byte even) and as UTF-16
    # (first byte odd), and keys one step away.
    for lower in TRIGRAMS:
        for upper in TRIGRAMS:
            key = lower + upper
            put("catalogue_lookup", f"key-{key}", b"\0" + key.encode())
    put("catalogue_lookup", "utf16-111111", b"\1" + "111111".encode("utf-16-le"))
    put("catalogue_lookup", "short", b"\0" + b"11111")
    put("catalogue_lookup", "long", b"\0" + b"1111110")
    put("catalogue_lookup", "blank", b"\0" + b" 111111")
    put("catalogue_lookup", "fullwidth", b"\1" + ("\uff11" * 6).encode("utf-16-le"))

    # Transform: keys, dates and texts beyond ASCII.
    for name, text in [("key", "Duration"), ("iso", "2026-12-07"), ("short", "12/7/26"),
                       ("stored", shifted("2026-12-07")), ("latin1", "Größe 12°"),
                       ("cp1252", "\u20ac\u2122\u0153\u0081"), ("astral", "\U0001F4A9 x")]:
        put("settings_transform", name, text.encode("utf-8"))
        put("settings_transform", name + "-utf16", text.encode("utf-16-le"))

    # Stored date: four bytes that pick a date, then the settings file.
    key = "%U2122%CA%C7%B6%C9%BE%C4%C3"  # "Duration", shifted, as Qt escapes it
    for i, value in enumerate(["2026-12-01", "2026-11-01", "4.12.26", "12/4/2026",
                               "not a date", ""]):
        ini = f"[Settings]\n{key}={shifted(value)}\n".encode("utf-8")
        put("stored_date", f"record-{i}", struct.pack("<I", 3_000_000 + 997 * i) + ini)
    put("stored_date", "empty-file", struct.pack("<I", 7))
    put("stored_date", "other-section",
        struct.pack("<I", 123456) + b"[General]\nx=1\n[Settings]\nother=2\n")


if __name__ == "__main__":
    main()
