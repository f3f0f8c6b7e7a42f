#!/usr/bin/env python3
"""Writes the damaged MP3 files of this folder, each named by how it is damaged.

The files are kept in the repository; run this again only to change or add one. Files the
fuzzer found (xing-bytes-per-frame-overflow.mp3, tag-fills-file.mp3) are kept as it wrote them.
"""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def synchsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def tag(version, body, flags=0, size=None):
    return b"ID3" + bytes([version, 0, flags]) + synchsafe(len(body) if size is None else size) + body


def frame(version, fid, data, size=None, flags=0):
    n = len(data) if size is None else size
    if version == 2:
        return fid + n.to_bytes(3, "big") + data
    sz = synchsafe(n) if version == 4 and size is None else struct.pack(">I", n & 0xFFFFFFFF)
    return fid + sz + struct.pack(">H", flags) + data


def mpeg(frames, b1=0xFB, b2=0x90, b3=0x00, length=417):
    one = bytes([0xFF, b1, b2, b3]) + bytes(length - 4)
    return one * frames


def v1(title=b"Title"):
    return b"TAG" + title.ljust(30, b"\0") + b"Artist".ljust(30, b"\0") + b"Album".ljust(30, b"\0") + \
        b"2000" + bytes(28) + b"\0\x05\x11"


rng = random.Random(1251)
files = {
    "truncated-header.mp3": b"ID3\x03\x00",
    "truncated-frame.mp3": tag(3, frame(3, b"TIT2", b"\0Title" + bytes(24), size=5000), size=5100)[:60],
    "tag-size-beyond-file.mp3": b"ID3\x03\x00\x00\x7f\x7f\x7f\x7f" + frame(3, b"TIT2", b"\0Lost") + mpeg(2),
    "tag-size-top-bits-set.mp3": b"ID3\x04\x00\x00\xff\xff\xff\xff" + bytes(300),
    "frame-size-beyond-tag.mp3": tag(3, frame(3, b"TIT2", b"\0Long", size=0xFFFFFFFF) + bytes(40)) + mpeg(3),
    "frame-size-beyond-file-v22.mp3": tag(2, frame(2, b"TT2", b"\0x", size=0xFFFFFF)) + mpeg(1)[:200],
    "zero-size-frames.mp3": tag(3, frame(3, b"TIT2", b"") * 400 + frame(3, b"TALB", b"\0Album")) + mpeg(4) + v1(),
    "zero-size-frames-v24-flags.mp3": tag(4, frame(4, b"TIT2", b"", flags=0x0003) * 50 +
                                          frame(4, b"TPE1", b"\0\0\0", flags=0x0001)) + mpeg(4),
    "endless-padding.mp3": tag(4, bytes(200000)) + bytes(5000),
    "padding-then-garbage.mp3": tag(3, frame(3, b"TIT2", b"\0T") + bytes(100) + b"TPE1\xff\xff\xff\xff") +
                                bytes(rng.getrandbits(8) for _ in range(6000)),
    "garbage.mp3": bytes(rng.getrandbits(8) for _ in range(9000)),
    "garbage-after-id3-header.mp3": tag(3, bytes(rng.getrandbits(8) for _ in range(3000))) +
                                    bytes(rng.getrandbits(8) for _ in range(3000)),
    "extended-header-too-large.mp3": tag(3, b"\x7f\xff\xff\xff" + frame(3, b"TIT2", b"\0T"), flags=0x40) + mpeg(3),
    "extended-header-v24-bad.mp3": tag(4, b"\x00\x00\x00\x02" + frame(4, b"TIT2", b"\0T"), flags=0x40) + mpeg(3),
    "unsynchronised-ends-in-ff.mp3": tag(3, frame(3, b"TIT2", b"\x01\xff\x00\xfe" + b"A\0" * 5 + b"\xff"),
                                         flags=0x80) + b"\xff" + mpeg(3),
    "lyrics-odd-length-utf16.mp3": tag(3, frame(3, b"USLT", b"\x01eng\xff\xfeA\0B")) + mpeg(3),
    "lyrics-only-header.mp3": tag(3, frame(3, b"USLT", b"\x01en")) + mpeg(3),
    "text-odd-length-utf16.mp3": tag(4, frame(4, b"TIT2", b"\x02\xfe\xff\x04") + frame(4, b"TPE1", b"\x01\xff")) +
                                 mpeg(3),
    "synchsafe-size-top-bits.mp3": tag(4, b"TIT2\x80\x80\x80\x80\0\0\0Title" + bytes(30)) + mpeg(3),
    "headers-without-frames.mp3": b"\xff\xfb\x90\x00" * 2000,
    "frame-pairs-at-block-end.mp3": bytes(1729) + mpeg(2)[:421],
    "xing-cut-short.mp3": (mpeg(1)[:36] + b"Xing\0\0\0\x0f\0\0\0\x10"),
    "xing-zero-frames.mp3": mpeg(1)[:36] + b"Xing" + bytes(124) + bytes(417 - 36 - 128) + mpeg(3),
    "tiny-frames-everywhere.mp3": mpeg(300, 0xE3, 0x10, 0x00, 52),
    "only-id3v1-short.mp3": v1()[:100],
    "only-id3v1.mp3": v1(b"\xca\xe8\xed\xee"),
    "mpeg-then-truncated-id3v1.mp3": mpeg(5) + v1()[:60],
}

for name, data in files.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
print(len(files), "files written")
