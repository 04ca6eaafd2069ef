#!/usr/bin/env python3
"""Builds the fuzz targets' seeds: our sample and golden files and hostile variants of each
(every kind of damage the readers must refuse without a fault), and command lines for the
batch report. Writes them to build-fuzz/seeds/<target>/. They are seeds: after a fuzz run, each fuzzer
merges them and what it found into a fresh folder (build-fuzz/<target> -merge=1 NEW
build-fuzz/seeds/<target> RUN_CORPUS), and that small corpus is what fuzz/corpus/<target>/
keeps and the test suite replays."""
import hashlib
import os
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "build-fuzz" / "seeds"

SEEDS = {
    "fuzz_loan_file": ["samples/Sample.umd", "samples/Sample.uld", "tests/golden/mortgage-20y-annual.umd",
                       "tests/golden/loan-36m-all.uld"],
    "fuzz_budget_file": ["samples/Sample.BGT", "tests/golden/budget-household.Bgt"],
    "fuzz_networth_file": ["samples/NetSampl.NWV", "tests/golden/networth-household.NWV"],
    "fuzz_goal_file": ["samples/Sample.Gol"],
    "fuzz_settings": [],
    "fuzz_compare_file": ["fuzz/corpus/fuzz_compare_file/three-plans.Cmp"],
    "fuzz_history_file": ["samples/NetHist.Nwh"],
    "fuzz_actual_file": ["fuzz/corpus/fuzz_actual_file/household-march.Act"],
    "fuzz_bank_qif": ["tests/actual/files/march.qif"],
    "fuzz_bank_csv": ["tests/actual/files/march.csv"],
}
# Command lines as users type them (words joined by NUL bytes) and a few they get wrong.
COMMAND_LINES = [
    ["mortgage", "samples/Sample.umd"],
    ["loan", "a.uld", "--font=1", "--header", "Car loan", "--csv"],
    ["--currency", "\u20ac", "networth", "NetSampl.NWV", "--pdf", "out.pdf"],
    ["budget", "Sample.BGT", "--period", "2 Weeks", "--sort=Amounts Hi-Lo", "--csv"],
    ["savings", "--lump", "1000", "--contribution=1200.50", "--frequency", "Monthly", "--rate", "7.5",
     "--increase", "-1", "--inflation", "2.5", "--years", "40"],
    ["savings", "--rate", "99999999999999", "--years=40", "--frequency=Quarterly", "--lump", "999999999999.99"],
    ["mortgage", "a.umd", "--graph", "g.svg", "--3d", "--size", "1600x900"],
    ["loan", "--", "-a.uld", "--csv"],
    ["--help"],
    ["loan", "a.uld", "--font"],
    ["loan", "a.uld", "--csv=yes"],
    ["savings", "--years", "41", "--size", "16X10000", "--header", "tab\there"],
    ["budget", "-", "--colour=red"],
    ["history", "NetHist.Nwh", "--lines", "--csv"],
    ["history", "a.NWV", "b.NWV", "--dates", "2024-12-31,2025-12-31", "--graph", "g.png"],
]
SETTINGS = [b'"$",1,"Ann Lee"\r\n', b'"EU",3,"Bo"\n', b'"",0,""\r\n', b'"\xe2\x82\xac",2,"Zo\xc3\xab"\r\n']

# Numbers no field can produce, put in place of the first number of a file.
NUMBERS = [b"1e308", b"-0", b"NaN", b"1e-320", b"99999999999999999999", b"-1", b"32768", b"-32769",
           b"922337203685477.5808", b"999999999999999", b"0x10", b"1,,2", b"inf"]


def variants(data: bytes):
    yield data
    # cut short at a spread of places (not every one: the corpus stays small)
    step = max(1, len(data) // 24)
    for cut in range(0, len(data), step):
        yield data[:cut]
    yield b"\xef\xbb\xbf" + data                       # UTF-8 byte-order mark
    yield b"\xff\xfe" + data.decode("latin-1").encode("utf-16-le")  # UTF-16 text
    yield data.replace(b"\r\n", b"\r")                 # CR-only line ends
    yield data.replace(b"\r\n", b"\n")                 # LF-only line ends
    yield data.replace(b",", b"\x00", 3)               # NUL bytes
    yield data[: len(data) // 2] + bytes(range(256))   # binary garbage after a good start
    quote = data.find(b'"')
    if quote >= 0:
        yield data[: quote + 1] + b"x" * 300           # a quote never closed
    comma = data.find(b",")
    if comma > 0:
        for n in NUMBERS:
            yield n + data[comma:]
    # every small integer field in turn made huge or negative (counts above the tables)
    fields = data.split(b",")
    for i, f in enumerate(fields[:40]):
        if f.strip().lstrip(b"-").isdigit() and len(f.strip()) <= 3:
            for big in (b"32767", b"-5", b"600", b"46"):
                yield b",".join(fields[:i] + [big] + fields[i + 1:])
    yield data * 40                                    # repeated records
    yield b"\r\n" * 50


def write(target: str, blobs):
    folder = OUT / target
    folder.mkdir(parents=True, exist_ok=True)
    seen = set()
    for blob in blobs:
        name = hashlib.sha1(blob).hexdigest()[:16]
        if name in seen:
            continue
        seen.add(name)
        (folder / name).write_bytes(blob)


def main():
    everything = []
    for target, seeds in SEEDS.items():
        blobs = []
        sources = [(ROOT / s).read_bytes() for s in seeds] if seeds else SETTINGS
        for data in sources:
            blobs.extend(variants(data))
        write(target, blobs)
        everything.extend(sources)
    write("fuzz_seq_reader", [b for d in everything for b in variants(d)][:400])
    write("fuzz_command_line", [b"\0".join(w.encode() for w in line) for line in COMMAND_LINES])


if __name__ == "__main__":
    main()
