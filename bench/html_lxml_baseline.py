#!/usr/bin/python3
"""Baseline for bench_HtmlTableBench: the same pages parsed by lxml, every
text node walked. Prints the median rate in MiB/s (2^20 bytes, the unit of
Google Benchmark's bytes_per_second, which also counts CPU time) of five
repetitions per page."""
import os
import statistics
import sys
import time

import lxml.html

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "pages")


def walk(page):
    root = lxml.html.fromstring(page)
    count = 0
    for node in root.iter():
        if node.text:
            count += len(node.text)
        if node.tail:
            count += len(node.tail)
    return count


def rate(page, seconds=0.5):
    runs = 0
    start = time.process_time()
    while True:
        walk(page)
        runs += 1
        took = time.process_time() - start
        if took >= seconds:
            return runs * len(page) / took / 2**20


def main():
    for name in sys.argv[1:] or ["wide18.html", "exacta18.html"]:
        with open(os.path.join(DATA, name), "rb") as f:
            page = f.read()
        rates = [rate(page) for _ in range(5)]
        print("lxml %-14s %8.2f MiB/s (median of 5)" % (name, statistics.median(rates)))


if __name__ == "__main__":
    main()
