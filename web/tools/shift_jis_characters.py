"""Writes the code points a Windows Shift_JIS (CP932) file can hold, one per line
in hexadecimal, for hb-subset: the page's font needs no other character, since
the downloads are CP932 and the other inputs are read as the chart prints them.
The user-defined area (private use) is left out. The charts' own captions add the
wave dash U+301C of "10〜90 %", which CP932 holds only as the full-width tilde."""
import sys

points = set(range(0x20, 0x7F))
for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
    for trail in range(0x40, 0xFD):
        try:
            points.update(ord(c) for c in bytes([lead, trail]).decode("cp932"))
        except UnicodeDecodeError:
            pass
for single in range(0xA1, 0xE0):
    points.update(ord(c) for c in bytes([single]).decode("cp932"))
points.add(0x301C)
points = sorted(p for p in points if not 0xE000 <= p <= 0xF8FF)
with open(sys.argv[1], "w") as out:
    out.write("\n".join(f"{p:X}" for p in points) + "\n")
