#!/usr/bin/env python3
"""Prints the one table of a benchmark run from the files scripts/bench left
in its output folder: the host benchmarks' JSON, the start-up lines from
Wine, the size and imports of GameReg.exe, and the machine."""

import json
import sys
from pathlib import Path

MB = 1e6


def medians(path):
    """run_name -> the median aggregate of a Google Benchmark JSON file."""
    if not path.exists():
        return {}
    runs = json.loads(path.read_text())["benchmarks"]
    return {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}


def rate(run):
    return run["bytes_per_second"] if run else None


def mbps(value):
    if value is None:
        return "not run"
    return f"{value / 1e9:.2f} GB/s" if value >= 1e9 else f"{value / MB:.0f} MB/s"


def met(ok):
    return "met" if ok else "missed"


def main(out):
    rows = []
    verdicts = []

    rc4 = medians(out / "rc4.json")
    ours, openssl = rate(rc4.get("BM_Rc4Ours")), rate(rc4.get("BM_Rc4OpenSsl"))
    rows.append(("RC4 key stream, ours", mbps(ours), f"{ours / openssl:.2f} × OpenSSL" if ours and openssl else ""))
    rows.append(("RC4 key stream, OpenSSL (reference)", mbps(openssl), "1.00"))

    cipher = medians(out / "page_cipher.json")
    worst64 = None
    for kind, label in (("Repeated", "repeated"), ("Sequential", "sequential")):
        for size, size_label in ((512, "512 B"), (65536, "64 KiB")):
            nearest = rate(cipher.get(f"BM_Transform{kind}/size:{size}/offset:4"))
            for offset, offset_label in ((4, "4"), (3583, "4095 − 512"), (1 << 20, "1 MiB"), (64 << 20, "64 MiB")):
                run = cipher.get(f"BM_Transform{kind}/size:{size}/offset:{offset}")
                value = rate(run)
                ratio = value / openssl if value and openssl else None
                note = f"{ratio:.2f} × OpenSSL" if ratio else ""
                if value and nearest:
                    note += f", {value / nearest:.2f} × at offset 4"
                rows.append((f"page transform {size_label} at {offset_label}, {label}", mbps(value), note))
                if kind == "Repeated" and size == 65536 and ratio is not None:
                    worst64 = ratio if worst64 is None else min(worst64, ratio)
    if worst64 is not None:
        verdicts.append(("64 KiB transform ≥ 0.75 × OpenSSL at every offset (repeated, one handle)",
                         f"lowest {worst64:.2f} ×", met(worst64 >= 0.75)))

    memo = medians(out / "memo_read.json")
    for kind, label in (("FirstRead", "first read after the open"), ("RepeatedRead", "repeated read")):
        per_byte = {}
        for size, size_label in ((1024, "1 KiB"), (100 << 10, "100 KiB"), (10 << 20, "10 MiB")):
            value = rate(memo.get(f"BM_Memo{kind}/size:{size}" + ("/manual_time" if kind == "FirstRead" else "")))
            per_byte[size] = 1e9 / value if value else None
            rows.append((f"ReadField memo {size_label}, {label}",
                         f"{per_byte[size]:.2f} ns/byte" if per_byte[size] else "not run", ""))
        if per_byte[10 << 20] and per_byte[100 << 10]:
            ratio = per_byte[10 << 20] / per_byte[100 << 10]
            verdicts.append((f"memo 10 MiB per byte ≤ 1.5 × 100 KiB per byte ({label})",
                             f"{ratio:.2f} ×", met(ratio <= 1.5)))

    demo = medians(out / "demo_round.json").get("BM_DemoRound")
    if demo:
        microseconds = demo["real_time"] * {"ns": 1e-3, "us": 1, "ms": 1e3}[demo["time_unit"]]
        rows.append(("demo round: OpenDatabase, six ReadFields, CloseDatabase", f"{microseconds:.1f} µs", ""))
        verdicts.append(("demo round under 1 ms", f"{microseconds:.1f} µs", met(microseconds < 1000)))

    startup = {}
    startup_file = out / "startup.txt"
    if startup_file.exists():
        for line in startup_file.read_text().splitlines():
            fields = line.strip().split("\t")
            if len(fields) == 5 and fields[0] == "startup":
                startup[fields[1]] = [float(f) for f in fields[2:]]
    for name, times in startup.items():
        rows.append((f"start-up to visible window, {name} (median of 10)", f"{times[0]:.1f} ms",
                     f"min {times[1]:.1f}, max {times[2]:.1f}"))
    if "GameReg.exe" in startup and "minimal_window.exe" in startup:
        ratio = startup["GameReg.exe"][0] / startup["minimal_window.exe"][0]
        verdicts.append(("start-up within 1.3 × the minimal program's", f"{ratio:.2f} ×", met(ratio <= 1.3)))

    size_file = out / "size.txt"
    if size_file.exists():
        size, imports = size_file.read_text().split("\n", 1)
        size = int(size)
        rows.append(("GameReg.exe stripped, static", f"{size / 1024:.0f} KiB ({size} bytes)",
                     "imports " + ", ".join(imports.split())))
        verdicts.append(("GameReg.exe at most 512 KiB", f"{size / 1024:.0f} KiB", met(size <= 512 * 1024)))

    print("| measure | figure | note |")
    print("|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    print("| goal | figure | |")
    print("|---|---|---|")
    for verdict in verdicts:
        print("| " + " | ".join(verdict) + " |")
    machine = out / "machine.txt"
    if machine.exists():
        print()
        print(machine.read_text().strip())


if __name__ == "__main__":
    main(Path(sys.argv[1]))
