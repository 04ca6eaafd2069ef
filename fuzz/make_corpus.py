#!/usr/bin/env python3
"""Builds fuzz/corpus/<target>/: our sample and golden files and hostile variants of each
(every kind of damage the readers must refuse without a fault). Run from the repository
root; the files are kept in the repository and replayed by the test suite."""
import hashlib
import os
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "fuzz" / "corpus"

SEEDS = {
    "fuzz_loan_file": ["samples/Sample.umd", "samples/Sample.uld", "tests/golden/mortgage-20y-annual.umd",
                       "tests/golden/loan-36m-all.uld"],
    "fuzz_budget_file": ["samples/Sample.BGT", "tests/golden/budget-household.Bgt"],
    "fuzz_networth_file": ["samples/NetSampl.NWV", "tests/golden/networth-household.NWV"],
    "fuzz_settings": [],
}
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


if __name__ == "__main__":
    main()
