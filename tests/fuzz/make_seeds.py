#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: every line of seed_lines.txt as GBK box
text behind the six header bytes that fuzz_case.h decodes, once with the
line's own settings and once with other settings and actions."""
import os
import sys

ACTIONS = {"eval": 0, "refresh": 1, "convert": 2, "twice": 3}


def header(opts):
    places = int(opts.get("places", 12))
    flags = 0
    if opts.get("rld", "1") == "1":
        flags |= 0x01
    for key, bit in (("ic", 0x02), ("ss", 0x04), ("rt", 0x08), ("clip", 0x10), ("rec", 0x20)):
        if opts.get(key) == "1":
            flags |= bit
    grouping = int(opts.get("tsep", 0)) + 3 * int(opts.get("ft", 0)) + 9 * (int(opts.get("angle", 1)) - 1)
    caret = int(opts.get("caret", 0xFFFF))
    action = ACTIONS[opts.get("act", "eval")]
    return bytes([places, flags, grouping, action, caret & 0xFF, (caret >> 8) & 0xFF])


def variants(opts):
    yield opts
    other = dict(opts)
    other.update({"ft": str((int(opts.get("ft", 0)) + 1) % 3), "tsep": "2", "places": "3", "rld": "0",
                  "angle": "2", "rt": "1"})
    yield other
    for action in ("refresh", "convert", "twice"):
        if opts.get("act", "eval") != action:
            changed = dict(opts)
            changed["act"] = action
            yield changed


def main():
    source, target = sys.argv[1], sys.argv[2]
    os.makedirs(target, exist_ok=True)
    count = 0
    with open(source, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if line.startswith("#") or not line:
                continue
            opts = {}
            if "\t" in line:
                spec, line = line.split("\t", 1)
                opts = dict(item.split("=", 1) for item in spec.split())
            text = line.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t").encode("gbk")
            for index, variant in enumerate(variants(opts)):
                with open(os.path.join(target, "seed-%03d-%d" % (number, index)), "wb") as out:
                    out.write(header(variant) + text)
                count += 1
    print("%d seeds in %s" % (count, target))


if __name__ == "__main__":
    main()
