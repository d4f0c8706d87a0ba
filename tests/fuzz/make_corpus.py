#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: corpus/<target>/<name>.

Run from anywhere; the files are committed, so the build never needs this.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def short_string(text: bytes, capacity: int, length=None) -> bytes:
    field = bytearray(capacity + 1)
    field[0] = len(text) if length is None else length
    field[1:1 + min(len(text), capacity)] = text[:capacity]
    return bytes(field)


def record(rates, datum=b"", notes=b"", bolus=(), padding=b"\0\0\0",
           lengths=None) -> bytes:
    lengths = lengths or {}
    out = b"".join(struct.pack("<i", r) for r in (list(rates) + [0] * 24)[:24])
    out += short_string(datum, 255, lengths.get("datum"))
    out += short_string(notes, 255, lengths.get("notes"))
    slots = (list(bolus) + [b""] * 9)[:9]
    for i, slot in enumerate(slots):
        out += short_string(slot, 4, lengths.get(i + 1))
    out += padding
    assert len(out) == 656, len(out)
    return out


WORKED = [8] * 6 + [12] * 4 + [10] * 8 + [9] * 6
TYPICAL = record(WORKED, b"08.12.2026", b"Sport\r\nabends",
                 [b"1,5", b"", b"", b"1,0", b"", b"", b"1,2"])

PROFILES = {
    "zero.bar": bytes(656),
    "typical.bar": TYPICAL,
    "truncated-655.bar": TYPICAL[:655],
    "empty.bar": b"",
    "one-byte.bar": b"\x08",
    "longer-with-text.bar": TYPICAL + "Überlänge € ™ 日本 🙂".encode("utf-8") * 20,
    "lengths-beyond-capacity.bar": record(
        [30] * 24, b"\x81\x8d\x8f\x90\x9d" * 51, b"\x80\x9f\xff" * 85,
        [b"\xff\xff\xff\xff"] * 9,
        lengths={"datum": 255, "notes": 255, **{i: 255 for i in range(1, 10)}}),
    "extreme-rates.bar": record(
        [-1, -2147483648, 2147483647, 2147483641, 2147483640, 65, 123, 0]),
    "all-ff.bar": b"\xff" * 656,
    "reserved-slots.bar": record(
        [1, 2], b"lang lang lang", b"", [b"1", b"R2", b"R3", b"4", b"R5", b"R6", b"7",
                                          b"R8", b"R9"], padding=b"\x7f\x00\x01"),
    "crlf-notes.bar": record([10] * 24, b"", b"a\rb\nc\r\n" * 30),
}

DEFAULT_INI = (b"[Einstellungen]\nMaximum=30\nFarbDruck=1\nVerzeichnis=\n"
               b"[Teststring]\nDatei=Vorhanden\n")

SETTINGS = {
    "first-run.ini": DEFAULT_INI,
    "crlf.ini": DEFAULT_INI.replace(b"\n", b"\r\n"),
    "no-last-line-end.ini": DEFAULT_INI.rstrip(b"\n"),
    "empty.ini": b"",
    "comments-and-strangers.ini": (
        b"; von Hand bearbeitet\n\n[Fremd]\nMaximum=5\n\n"
        b"[ einstellungen ]\n  MAXIMUM  =  40 ; Kommentar\nunbekannt=1\n"
        b"Verzeichnis = \"/home/a b/\"\n\n[Einstellungen]\nMaximum=60\n"
        b"[Teststring]\nDatei='Vorhanden'\n"),
    "numbers.ini": (
        b"[Einstellungen]\nMaximum=0x1E\nFarbDruck=$FFFFFFFF\nVerzeichnis=/tmp/\n"
        b"[Zahlen]\na= -2147483648\nb=+12\nc=2147483648\nd=0x\ne=$\nf=12abc\ng=-$80000000\n"),
    "broken.ini": (
        b"[Einstellungen\nMaximum\n=leer\n[]\n=\n[Teststring]]\nDatei=" + b"v" * 1500 +
        b"\n[\n"),
    "binary.ini": (
        b"[Einstellungen]\r\nMaximum=3\x000\rFarbDruck=\xff\xfe\n\xc3\x28=\xe2\x82\n"
        b"Verzeichnis=/\xe4\xf6\xfc/\n[Teststring]\n\x00\n"),
}


def write(folder, files):
    path = os.path.join(HERE, "corpus", folder)
    os.makedirs(path, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data)


write("fuzz_profilsatz", PROFILES)
write("fuzz_inifile", SETTINGS)
