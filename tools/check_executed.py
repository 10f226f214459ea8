#!/usr/bin/env python3
"""Fails when the exe, run under the emulator, executed an instruction the 486 lacks.

Usage: check_executed.py EXE LOG...

Each LOG is the emulator's translation log (QEMU_LOG=in_asm) of a process of EXE: every
instruction it translated, once, with its address. Only those inside the exe's image count; wine
and the C library around it are built for the host. This adds to the static check what the
static check cannot see: the instructions that really ran.
"""
import re
import sys

from check_486 import BEYOND_I486, beyond_486, loaded_sections

LINE = re.compile(r"^0x([0-9a-f]+):\s+(?:[0-9a-f]{2} )+\s*(\S+)\s*(.*)$")


def main(exe, logs):
    base, _, sections = loaded_sections(exe)
    low = base + min(address for address, _ in sections.values())
    high = base + max(address + len(data) for address, data in sections.values())
    seen = {}
    for log in logs:
        with open(log, errors="replace") as f:
            for line in f:
                m = LINE.match(line)
                if m and low <= int(m.group(1), 16) < high:
                    seen.setdefault(int(m.group(1), 16), (m.group(2), m.group(3)))
    if not seen:
        print(f"no instruction of {exe} in the logs: the exe did not run under the emulator")
        return 1
    failures = []
    for address, (mnemonic, operands) in sorted(seen.items()):
        kind, mnemonic, operands = beyond_486(mnemonic, operands)
        if kind is not None:
            failures.append(f"  {address:#010x} {kind}: {mnemonic} {operands}")
    print(f"{len(seen)} distinct instructions of the exe ran, {len(failures)} beyond the 486")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
