#!/usr/bin/env python3
"""Writes SIZE bytes of CRLF text lines in GBK to PATH: Chinese characters with
some ASCII, lines of 0 to about 300 bytes, the way a novel's text file looks.
Usage: make-gbk-text.py PATH SIZE"""
import random
import sys


def block(random_source, size):
    # Common hanzi (GB2312 level 1 rows 0xB0-0xD7), full-width punctuation and
    # ASCII digits and letters.
    lines = []
    length = 0
    while length < size:
        line = bytearray()
        for _ in range(random_source.randrange(0, 150)):
            kind = random_source.random()
            if kind < 0.85:
                line += bytes((random_source.randrange(0xB0, 0xD8), random_source.randrange(0xA1, 0xFF)))
            elif kind < 0.92:
                line += random_source.choice((b"\xa3\xac", b"\xa1\xa3", b"\xa3\xbf", b"\xa1\xb0", b"\xa1\xb1"))
            else:
                line += bytes((random_source.randrange(0x30, 0x7B),))
        line += b"\r\n"
        lines.append(bytes(line))
        length += len(line)
    return b"".join(lines)


def main():
    path, size = sys.argv[1], int(sys.argv[2])
    random_source = random.Random(936)
    # A few distinct blocks of about 8 MiB, written in turn, so that cuts fall
    # at different places in every chunk without generating every byte anew.
    blocks = [block(random_source, 8 << 20) for _ in range(4)]
    written = 0
    with open(path, "wb") as out:
        turn = 0
        while written < size:
            piece = blocks[turn % len(blocks)][: size - written]
            out.write(piece)
            written += len(piece)
            turn += 1


if __name__ == "__main__":
    main()
