#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: corpus/<target>/<name>.

Run from anywhere; the files are committed, so the build never needs this.
"""
import json
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


def basal_entries(entries, times_as_text=False):
    out = []
    for time, value in entries:
        h, m = (int(x) for x in time.split(":")[:2])
        seconds = h * 3600 + m * 60
        out.append({"time": time, "value": str(value) if times_as_text else value,
                    "timeAsSeconds": str(seconds) if times_as_text else seconds})
    return out


WORKED_BASAL = [("00:00", 0.8), ("06:00", 1.2), ("10:00", 1.0), ("18:00", 0.9)]
NIGHTSCOUT = {
    "fendrimo-export.json": json.dumps({
        "defaultProfile": "Default", "startDate": "2026-12-07T23:00:00.000Z",
        "created_at": "2026-12-08T11:00:00.000Z",
        "store": {"Default": {"basal": basal_entries(WORKED_BASAL), "timezone": "Europe/Berlin",
                              "carbratio": basal_entries([("00:00", 8), ("11:00", 12),
                                                          ("17:00", 10)])}}}, indent=2),
    "web-editor-array.json": json.dumps([
        {"defaultProfile": "Alltag", "startDate": "2026-11-30T23:00:00.000Z",
         "mills": "1796079600000", "units": "mg/dl",
         "store": {"Alltag": {"dia": "3", "carbs_hr": "20", "delay": "20", "timezone": "UTC",
                              "basal": basal_entries([("00:00", 0.8), ("05:30", 1.1),
                                                      ("21:30", 0.75)], True),
                              "carbratio": basal_entries([("00:00", 11)], True)},
                   "Sport": {"basal": basal_entries([("00:00", 0.5)])}}},
        {"defaultProfile": "Alt", "created_at": "2020-01-01T00:00:00Z",
         "store": {"Alt": {"basal": [{"timeAsSeconds": 0, "value": "2.05"}]}}}]),
    "legacy-flat.json": json.dumps({"basal": [{"time": "6:00:30", "value": 1e-1},
                                              {"time": "0:00", "value": "0.04"}],
                                    "carbratio": [{"time": "07:00", "value": 0}]}),
    "refused-negative.json": json.dumps({"store": {"A": {"basal": [
        {"time": "00:00", "value": 1}, {"time": "24:00", "value": -0.2}]}}}),
    "escaped-names.json": '{"defaultProfile":"Sp\\u00e4t","store":{"Sp\\u00e4t":{"basal":'
                          '[{"time":"00:00","value":214748364}]},"\\"":[]}}',
    "not-json.json": '{"store": {"A": {"basal": [',
}

OPENAPS = {
    "basal_profile.json": json.dumps([
        {"i": 0, "start": "00:00:00", "minutes": 0, "rate": 0.8},
        {"i": 1, "start": "06:00:00", "minutes": 360, "rate": 1.2},
        {"i": 2, "start": "10:00:00", "minutes": 600, "rate": 1.0}], indent=2),
    "half-hours-as-text.json": json.dumps([
        {"minutes": "0", "rate": "0.9"}, {"minutes": "390", "rate": "0.85"},
        {"minutes": 1439, "rate": 2.4}]),
    "start-disagrees.json": json.dumps([{"i": 0, "start": "00:30:00", "minutes": 0,
                                         "rate": 1}]),
    "empty.json": "[]",
}

# Real shapes, which the readers' tests read too.
TUNED = [0.812, 0.85, 0.849, 0.9, 0.046, 1.0, 1.143, 1.227, 1.305, 1.266, 1.198, 1.05,
         0.975, 0.95, 0.932, 0.917, 0.949, 1.012, 1.103, 1.15, 1.088, 0.993, 0.906, 0.871]
OPENAPS.update({
    "autotune-profile.json": json.dumps({"basalprofile": [
        {"i": h, "start": "%02d:00:00" % h, "minutes": 60 * h, "rate": r, "untuned": h % 3}
        for h, r in enumerate(TUNED)], "carb_ratio": 11.4, "min_5m_carbimpact": 8}),
    "autotune-two-entries-no-i.json": json.dumps({"basalprofile": [
        {"minutes": 120, "rate": 0.8, "untuned": 2}, {"minutes": 600, "rate": 1.0}]}),
})


def segments(key, pairs):
    return [{"start": start, key: value} for start, value in pairs]


MEDTRONIC = {"type": "pumpSettings", "activeSchedule": "standard", "basalSchedules": {
    "standard": segments("rate", [(0, 0.75), (9000000, 0.85), (21600000, 0.9), (63000000, 0.85)]),
    "pattern a": segments("rate", [(0, 0)]), "pattern b": []},
    "units": {"carbs": "grams", "bg": "mmol/L"}, "time": "2016-07-14T23:31:43.009Z",
    "carbRatio": segments("amount", [(0, 24), (9000000, 22), (21600000, 17), (63000000, 6)])}
LOOP = {"type": "pumpSettings", "activeSchedule": "Default", "basalSchedules": {"Default": segments(
    "rate", [(0, 1), (28800000, 1.125), (36000000, 1.25), (43200000, 1.5), (64800000, 1.25)])},
    "carbRatios": {"Default": segments("amount", [(0, 10), (28800000, 12), (64800000, 8)])},
    "units": {"bg": "mmol/L", "carb": "grams"}, "time": "2024-04-26T20:49:46.837Z"}
TIDEPOOL = {
    "medtronic-multirate.json": json.dumps(MEDTRONIC),
    "loop-multirate.json": json.dumps(LOOP),
    "export-array.json": json.dumps([{"type": "cbg", "value": 7.2}, LOOP,
                                     dict(MEDTRONIC, time="2024-07-14T23:31:43.009Z")]),
    "refused-half-second.json": json.dumps(dict(LOOP, basalSchedules={"A": segments(
        "rate", [(0, 1), (500, 2)])})),
}

FENDRIMO_TABLE = "Uhrzeit;Basalrate (IE/h)\r\n" + "".join(
    "%02d:00;%s\r\n" % (h, "0,8" if h < 6 else "1,2") for h in range(24))
TABLES = {
    "fendrimo-export.csv": b"\xef\xbb\xbf" + FENDRIMO_TABLE.encode("utf-8"),
    "tabs-hours-points.csv": "".join("%d\t%s\n" % (h, "0.85") for h in range(24)).encode(),
    "commas-quoted.csv": ('"Uhrzeit","Rate"\n' + "".join(
        '"%d:00","0.%d"\n' % (h, h % 10) for h in reversed(range(24)))).encode(),
    "windows-1252-header.csv": "Stündlich;Rate\n".encode("cp1252") +
                               FENDRIMO_TABLE.split("\r\n", 1)[1].encode(),
    "refused-duplicate.csv": (FENDRIMO_TABLE + "6;2\r\n24:00;1\r\n").encode(),
}

write("fuzz_nightscout", {k: v.encode("utf-8") for k, v in NIGHTSCOUT.items()})
write("fuzz_openaps", {k: v.encode("utf-8") for k, v in OPENAPS.items()})
write("fuzz_csv", TABLES)
write("fuzz_tidepool", {k: v.encode("utf-8") for k, v in TIDEPOOL.items()})


# Glucose exports in the shapes seen and reported (glucose readers' tests
# read the same): headers in English and German, mg/dL and mmol/L, Low and
# High, metadata rows, scans and notes, US dates, summer-time changes.
CLARITY_HEADER = ('"Index","Timestamp (YYYY-MM-DDThh:mm:ss)","Event Type","Event Subtype",'
                  '"Patient Info","Device Info","Source Device ID","Glucose Value (mg/dL)",'
                  '"Insulin Value (u)","Carb Value (grams)","Duration (hh:mm:ss)",'
                  '"Glucose Rate of Change (mg/dL/min)","Transmitter Time (Long Integer)",'
                  '"Transmitter ID"\r\n')
CLARITY_GERMAN_HEADER = (
    "Index;Zeitstempel (JJJJ-MM-TTThh:mm:ss);Ereignistyp;Ereignis-Subtyp;Patienteninfo;"
    "Geräteinfo;Quellgeräte-ID;Glukosewert (mmol/l);Insulinwert (IE);Kohlenhydratwert (Gramm);"
    "Dauer (hh:mm:ss);Glukoseänderungsrate (mmol/l/min);Transmitterzeit (Long Integer);"
    "Transmitter-ID\r\n")


def clarity_row(index, time, event, value, sep=",", quote='"'):
    fields = [str(index), time, event, "", "", "", "android Stelo", value, "", "", "", "",
              "1695"] + (["421991892803"] if time else [])
    return sep.join(quote + f + quote for f in fields) + "\r\n"


CLARITY_METADATA = (clarity_row(1, "", "FirstName", "").replace(',"android Stelo"', ',""')
                    .replace('"FirstName","",""', '"FirstName","","Erika"') +
                    clarity_row(2, "", "LastName", "").replace(',"android Stelo"', ',""') +
                    clarity_row(3, "", "Device", "").replace('"",""', '"","Stelo Mobile App"', 1))


def clarity_egvs(first, start, values, sep=",", quote='"'):
    out = ""
    for n, value in enumerate(values):
        minutes = start[1] + 5 * n
        time = "%sT%02d:%02d:20" % (start[0], minutes // 60, minutes % 60)
        out += clarity_row(first + n, time, "EGV", value, sep, quote)
    return out


# The clock's hour repeated when summer time ends: 02:00 to 02:55 twice.
REPEATED_HOUR = "".join(clarity_row(10 + n, "2025-10-26T02:%02d:00" % (5 * (n % 12)), "EGV",
                                    str(120 + n)) for n in range(0, 24, 3))
CLARITY = {
    "english-mgdl-bom.csv": ("\ufeff" + CLARITY_HEADER + CLARITY_METADATA +
                             clarity_egvs(4, ("2025-05-13", 21 * 60 + 27), ["111", "Low", "39"]) +
                             clarity_row(7, "2025-05-13T21:45:00", "Calibration", "120") +
                             clarity_row(8, "2025-05-13T21:46:00", "Insulin", "") +
                             clarity_row(9, "2025-05-13T21:47:00", "Alert", "") +
                             clarity_egvs(10, ("2025-05-13", 21 * 60 + 52), ["High", "401"])),
    "english-mmol.csv": (CLARITY_HEADER.replace("mg/dL", "mmol/L") + CLARITY_METADATA +
                         clarity_egvs(4, ("2025-01-31", 23 * 60 + 50), ["5.8", "6", "Low",
                                                                        "HIGH", "22.3"])),
    "german-mmol-semicolon-latin1.csv": (
        CLARITY_GERMAN_HEADER.encode("latin-1") +
        clarity_row(1, "", "FirstName", "", ";").encode() +
        clarity_egvs(2, ("2025-05-13", 21 * 60 + 27), ["5,8", "Low", "12,0"], ";").encode()),
    "german-mgdl-unquoted.csv": (CLARITY_GERMAN_HEADER.replace("mmol/l", "mg/dl")
                                 .replace(";", ",") +
                                 clarity_egvs(1, ("2025-05-13", 0), ["98", "102"], ",", "")),
    "summer-time-both-changes.csv": (CLARITY_HEADER + clarity_egvs(
        4, ("2025-03-30", 1 * 60 + 50), ["140", "142"]) + clarity_egvs(
        6, ("2025-03-30", 3 * 60), ["150"]) + REPEATED_HOUR),
    "refused-cut-short.csv": (CLARITY_HEADER + clarity_egvs(4, ("2025-05-13", 0), ["111"]) +
                              '"5","2025-05-13T00:05:20","EGV","","",""'),
}

LIBRE_TITLE = "Glucose Data,Generated on,29-03-2021 18:51 UTC,Generated by,Erika Muster\r\n"


def libre_header(unit, german=False):
    if german:
        return ("Gerät,Seriennummer,Gerätezeitstempel,Aufzeichnungstyp,Glukosewert-Verlauf %s,"
                "Glukose-Scan %s,Insulin,Notizen\r\n" % (unit, unit))
    return ("Device,Serial Number,Device Timestamp,Record Type,Historic Glucose {0},"
            "Scan Glucose {0},Non-numeric Rapid-Acting Insulin,Rapid-Acting Insulin (units),"
            "Non-numeric Food,Carbohydrates (grams),Carbohydrates (servings),"
            "Non-numeric Long-Acting Insulin,Long-Acting Insulin (units),Notes,"
            "Strip Glucose {0},Ketone {0},Meal Insulin (units),Correction Insulin (units),"
            "User Change Insulin (units)\r\n").format(unit)


def libre_row(time, kind, value="", note=""):
    historic, scan = (value, "") if kind == 0 else ("", value if kind == 1 else "")
    return ("FreeStyle LibreLink,1d9c3e3a-5f1e-4c2b-9d7a-3c1e2b4a5f6d,%s,%d,%s,%s,,,,,,,,%s,,,,,"
            "\r\n" % (time, kind, historic, scan, note))


def libre_short_row(time, kind, value=""):
    return "FreeStyle LibreLink,1d9c,%s,%d,%s,%s,,\r\n" % (
        time, kind, value if kind == 0 else "", value if kind == 1 else "")


LIBRE_DAY = (libre_row("16-03-2021 13:42", 0, "4.1") + libre_row("16-03-2021 13:50", 1, "4.4") +
             libre_row("16-03-2021 13:51", 6, note="Sport") + libre_row("16-03-2021 13:52", 5) +
             libre_row("16-03-2021 13:27", 0, "12") + libre_row("16-03-2021 13:57", 0, "3.9"))
LIBREVIEW = {
    "english-mmol.csv": LIBRE_TITLE + libre_header("mmol/L") + LIBRE_DAY,
    "english-mgdl.csv": (LIBRE_TITLE + libre_header("mg/dL") + libre_row("31-12-2021 23:59", 0, "74")
                         + libre_row("01-01-2022 00:14", 0, "71") +
                         libre_row("01-01-2022 00:20", 1, "70")),
    "german-mgdl.csv": ("Glukose-Werte,Erstellt am,29-03-2021 18:51 UTC,Erstellt von,Erika\r\n" +
                        libre_header("mg/dL", True) + libre_short_row("16-03-2021 13:42", 0, "105")
                        + libre_short_row("16-03-2021 13:45", 1, "110")),
    "german-mmol-decimal-comma.csv": (
        "Glukose-Werte,Erstellt am,29-03-2021 18:51 UTC,Erstellt von,Erika\r\n" +
        libre_header("mmol/L", True) + libre_short_row("16-03-2021 13:42", 0, '"5,8"') +
        libre_short_row("16-03-2021 13:57", 0, '"6,1"')),
    "us-month-first-12-hours.csv": (
        LIBRE_TITLE + libre_header("mg/dL") + libre_row("03-01-2021 01:42 PM", 0, "98") +
        libre_row("03-01-2021 12:05 AM", 0, "120") + libre_row("03-01-2021 12:30 PM", 0, "101") +
        libre_row("03-14-2021 08:00 AM", 1, "99")),
    "byte-order-mark.csv": "\ufeff" + LIBRE_TITLE + libre_header("mg/dL") + libre_row(
        "13-04-2021 07:00", 0, "88"),
    "summer-time-repeated-hour.csv": (
        LIBRE_TITLE + libre_header("mg/dL") + "".join(
            libre_row("31-10-2021 %s" % t, 0, str(100 + n)) for n, t in enumerate(
                ["01:50", "02:05", "02:20", "02:35", "02:50", "02:05", "02:20", "03:05"]))),
    "refused-undatable.csv": (LIBRE_TITLE + libre_header("mg/dL") +
                              libre_row("01-02-2021 13:42", 0, "98") +
                              libre_row("03-02-2021 13:42", 0, "99")),
}


def ns_entry(ms, sgv, offset=None, kind="sgv"):
    entry = {"_id": {"$oid": "6559a8ec7cd3a1e078474d%02d" % (ms // 60000 % 100)},
             "device": "xDrip-DexcomG6", "date": ms, "dateString": "", kind: sgv,
             "direction": "Flat", "type": kind}
    if offset is not None:
        entry["utcOffset"] = offset
    return entry


# 2024-05-13T19:27:20Z; Berlin's summer time begins 2025-03-30T01:00Z.
MAY = 1715628440000
SPRING = 1743296400000
NIGHTSCOUT_ENTRIES = {
    "utc-offset-newest-first.json": json.dumps(
        [ns_entry(MAY + 600000, 5, 120), ns_entry(MAY + 300000, 142, 120),
         {"type": "mbg", "mbg": 130, "date": MAY + 200000},
         {"type": "cal", "slope": 900, "intercept": 30000, "date": MAY + 100000},
         ns_entry(MAY, 39, 120), ns_entry(MAY - 300000, 401, 120)], indent=1),
    "no-offset-summer-time.json": json.dumps(
        [ns_entry(SPRING + n * 300000, 110 + n) for n in range(-3, 4)]),
    "xdrip-every-minute.json": json.dumps(
        [ns_entry(MAY + n * 60000, 100 + n, -300) for n in range(8)], separators=(",", ":")),
    "refused-sgv-as-text.json": json.dumps([ns_entry(MAY, 142, 120), ns_entry(MAY, "142", 120)]),
}


def cbg(time, value, offset=120, units="mmol/L"):
    datum = {"type": "cbg", "units": units, "value": value, "time": time,
             "deviceTime": time[:19], "deviceId": "DexG6_123", "payload": {"trend": [1, 2]}}
    if offset is not None:
        datum["timezoneOffset"] = offset
    return datum


TIDEPOOL_CBG = {
    "export-mixed-types.json": json.dumps([
        {"type": "pumpSettings", "time": "2024-05-01T00:00:00.000Z",
         "basalSchedules": {"standard": [{"start": 0, "rate": 0.8}]}},
        cbg("2024-05-13T19:27:20.000Z", 7.88206), cbg("2024-05-13T19:32:20.000Z", 5.5),
        {"type": "smbg", "units": "mmol/L", "value": 7.2, "time": "2024-05-13T19:33:00.000Z"},
        {"type": "deviceEvent", "subType": "calibration", "time": "2024-05-13T19:34:00.000Z"},
        {"type": "basal", "deliveryType": "scheduled", "rate": 0.8, "time": "x"},
        {"type": "bolus", "normal": 2.5, "time": "2024-05-13T19:35:00.000Z"},
        cbg("2024-05-13T19:37:20+00:00", 22.2)], indent=1),
    "mgdl-units.json": json.dumps([cbg("2024-05-13T19:27:20Z", 142, 60, "mg/dL"),
                                   cbg("2024-05-13T19:32:20Z", 40, 60, "mg/dL")]),
    "no-offset-summer-time.json": json.dumps(
        [cbg("2025-10-26T00:%02d:00.000Z" % m, 6.5, None) for m in (45, 55)] +
        [cbg("2025-10-26T01:%02d:00.000Z" % m, 6.6, None) for m in (5, 15)]),
    "refused-not-utc.json": json.dumps([cbg("2024-05-13T21:27:20+02:00", 5.5)]),
}


def text_files(files):
    return {k: v if isinstance(v, bytes) else v.encode("utf-8") for k, v in files.items()}


write("fuzz_clarity", text_files(CLARITY))
write("fuzz_libreview", text_files(LIBREVIEW))
write("fuzz_nightscoutentries", text_files(NIGHTSCOUT_ENTRIES))
write("fuzz_tidepoolcbg", text_files(TIDEPOOL_CBG))
