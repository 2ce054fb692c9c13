#!/usr/bin/python3
"""Baseline for BM_DecodeRace of bench_RaceFileBench: the same race file
(bench/data/race18x15.MJO, 18 runners, 15 readings) read the plain way in
Python: CP932 decoding, line splitting, the S lines cut by columns and every
value of the R, T and Z lines turned into a number. Prints the median time
of one read in microseconds (CPU time, as Google Benchmark counts it) of
five repetitions."""
import os
import statistics
import time

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", "race18x15.MJO")


def read(raw):
    runners, texts, values = [], [], []
    for line in raw.splitlines()[1:]:
        if not line or line[:1] == b"#" or line[1:2] == b"C":
            continue
        tag, data = line[:1], line[4:]
        if tag == b"S":
            runners.append((data[1:19].decode("cp932").strip(),
                            data[30:48].decode("cp932").strip(), float(data[48:52] or 0)))
        elif tag == b"H" or line[:3] == b"R17" or line[:3] in (b"Z01", b"Z06", b"Z08", b"Z10"):
            texts.append(data.decode("cp932"))
        elif tag in (b"R", b"T", b"Z"):
            values.append([float(t) for t in data.split()])
    return runners, texts, values


def once(raw, seconds=0.5):
    runs = 0
    start = time.process_time()
    while True:
        read(raw)
        runs += 1
        took = time.process_time() - start
        if took >= seconds:
            return took / runs * 1e6


def main():
    with open(DATA, "rb") as f:
        raw = f.read()
    print("race18x15.MJO: %.0f us" % statistics.median(once(raw) for _ in range(5)))


if __name__ == "__main__":
    main()
