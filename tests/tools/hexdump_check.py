#!/usr/bin/env python3
"""Checks a word dump against the file it was made from.

The dump holds the file as 16-bit little-endian words, eight to a line;
each line starts with the byte offset of its first word as eight hex
digits and a tab, each word is four hex digits followed by a tab, lines
are joined by newlines and the last one has none. An odd last byte is a
word whose high byte is zero.

    hexdump_check.py FILE DUMP   prints "<bytes> bytes, <lines> lines" or the first difference
"""

import sys


def expected(data):
    lines = []
    for off in range(0, len(data), 16):
        chunk = data[off:off + 16]
        words = []
        for i in range(0, len(chunk), 2):
            low = chunk[i]
            high = chunk[i + 1] if i + 1 < len(chunk) else 0
            words.append("%04x\t" % (low | high << 8))
        lines.append("%08x\t" % off + "".join(words))
    return "\n".join(lines)


def main():
    data = open(sys.argv[1], "rb").read()
    dump = open(sys.argv[2], "r", encoding="ascii").read()
    want = expected(data)
    if dump == want:
        print("%d bytes, %d lines" % (len(data), want.count("\n") + 1 if data else 0))
        return 0
    got_lines, want_lines = dump.split("\n"), want.split("\n")
    for n, (g, w) in enumerate(zip(got_lines, want_lines)):
        if g != w:
            print("line %d: %r, expected %r" % (n + 1, g, w))
            return 1
    print("%d lines, expected %d" % (len(got_lines), len(want_lines)))
    return 1


if __name__ == "__main__":
    sys.exit(main())
