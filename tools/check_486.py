#!/usr/bin/env python3
"""Fails when the shipped exe holds an instruction the 486 lacks.

Usage: check_486.py OBJDUMP EXCEPTIONS SHIPPED_EXE TWIN_EXE TWIN_MAP

TWIN_EXE is the same link as SHIPPED_EXE with its symbols kept; every loaded section of the two
must be byte-identical, so that what is checked in the twin is what ships. Each instruction is
mapped to its function through the twin's symbols. Only code is disassembled, as the twin's link
map places it: the linker puts the constructor lists and the exception tables inside .text,
where their bytes would read as instructions. EXCEPTIONS lists functions (one a line, a reason after it) that run only on fatal
paths; a listed function that no longer holds any such instruction is reported too, so that the
list stays short and true, and so is a listed function that the exe starts at.
"""
import bisect
import re
import struct
import subprocess
import sys

# Instructions of the Pentium (CMPXCHG8B, RDTSC, the model-specific registers, CPUID, which some
# 486s lack and the program never needs) and later: CMOV and the FPU's FCMOV/FCOMI family, the
# multi-byte NOP, SYSENTER, and anything of MMX, 3DNow! or SSE.
BEYOND_I486 = [
    ("CMPXCHG8B", re.compile(r"cmpxchg8b[a-z]*$")),
    ("RDTSC/RDPMC", re.compile(r"rd(tscp?|pmc)$")),
    ("RDMSR/WRMSR", re.compile(r"(rd|wr)msr$")),
    ("CPUID", re.compile(r"cpuid$")),
    ("RSM", re.compile(r"rsm$")),
    ("CMOVcc", re.compile(r"cmov[a-z]+$")),
    ("FCMOVcc", re.compile(r"fcmov[a-z]+$")),
    ("FCOMI", re.compile(r"f(u)?comip?$")),
    ("multi-byte NOP", re.compile(r"nop[wl]$")),
    ("SYSENTER", re.compile(r"sys(enter|exit)$")),
    ("MMX/SSE", re.compile(r"(f?emms|prefetch.*|[lsm]fence|ldmxcsr|stmxcsr|fxsave|fxrstor|"
                           r"fisttp[a-z]*|movnti|clflush|popcnt|lzcnt)$")),
]
PREFIX = re.compile(r"(lock|rep[nz]*|data(16|32)|addr(16|32)|[c-gs]s|bnd|notrack)$")
MMX_SSE_OPERAND = re.compile(r"%x?mm[0-9]")
DATA_LABELS = {"__CTOR_LIST__", "___CTOR_LIST__", "__DTOR_LIST__", "___DTOR_LIST__"}
SYMBOL = re.compile(r"\(sec\s+(-?\d+)\)\(fl [^)]*\)\(ty\s+[0-9a-f]+\)\(scl\s+\d+\) \(nx \d\) "
                    r"0x([0-9a-f]+) (.*)$")


def beyond_486(mnemonic, operands):
    """The kind of a disassembled instruction the 486 lacks, or None; with the instruction
    itself, since a disassembler prints a prefix as the mnemonic ("lock cmpxchg8b ...")."""
    while PREFIX.match(mnemonic) and operands:
        mnemonic, _, operands = operands.partition(" ")
    kind = next((k for k, p in BEYOND_I486 if p.match(mnemonic)), None)
    if kind is None and MMX_SSE_OPERAND.search(operands):
        kind = "MMX/SSE"
    return kind, mnemonic, operands


def loaded_sections(path):
    """Name, virtual address and bytes of each section the loader maps (no debug sections)."""
    with open(path, "rb") as f:
        image = f.read()
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    count, _, symbols, symbol_count, optional_size = struct.unpack_from("<HIIIH", image, pe + 6)
    strings = symbols + 18 * symbol_count
    entry, image_base = struct.unpack_from("<I8xI", image, pe + 24 + 16)
    table = pe + 24 + optional_size
    sections = {}
    for i in range(count):
        raw = struct.unpack_from("<8sIIII", image, table + 40 * i)
        name = raw[0].rstrip(b"\0").decode()
        if name.startswith("/"):  # a long name, kept in the symbols' string table
            at = strings + int(name[1:])
            name = image[at:image.index(b"\0", at)].decode()
        size, address, raw_size, offset = raw[1:5]
        if name.startswith(".debug"):
            continue
        sections[name[:8]] = (address, image[offset:offset + min(size, raw_size)])
    return image_base, entry, sections


def text_symbols(objdump, exe, text_index):
    """(offset, name) of every named symbol in .text, in address order."""
    table = subprocess.run([objdump, "-t", exe], check=True, capture_output=True, text=True)
    symbols = []
    for line in table.stdout.splitlines():
        m = SYMBOL.search(line)
        if m and int(m.group(1)) == text_index and not m.group(3).startswith("."):
            symbols.append((int(m.group(2), 16), m.group(3)))
    return sorted(symbols)


def pseudo_relocations(objdump, exe):
    """How many pseudo-relocations the start-up applies: the list runs between two symbols, after
    a header of 12 bytes, 12 bytes an entry. Applying them runs _mark_section_writable, whose
    prebuilt code uses CMOV, so the list must stay empty for that function to stay off the paths
    of use."""
    table = subprocess.run([objdump, "-t", exe], check=True, capture_output=True, text=True)
    ends = {}
    for line in table.stdout.splitlines():
        m = SYMBOL.search(line)
        if m and m.group(3) in ("___RUNTIME_PSEUDO_RELOC_LIST__",
                                "___RUNTIME_PSEUDO_RELOC_LIST_END__"):
            ends[m.group(3)] = int(m.group(2), 16)
    size = ends.get("___RUNTIME_PSEUDO_RELOC_LIST_END__", 0) - ends.get(
        "___RUNTIME_PSEUDO_RELOC_LIST__", 0)
    return max(0, size - 12) // 12


def code_pieces(map_path, text_start):
    """(start, stop, object) offsets in .text of each input section of code, from the link
    map; the constructor lists and exception tables the linker also put there are left out."""
    pieces, in_text, pending = [], False, None
    with open(map_path) as f:
        for line in f:
            if not line.startswith(" "):
                in_text = line.startswith(".text ")
                continue
            if not in_text:
                continue
            m = re.match(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+) (\S.*)$", line.rstrip())
            name = (m.group(1) if m else None) or pending
            pending = line.split()[0] if len(line.split()) == 1 and line.startswith(" .") else None
            if m and name and name.startswith(".text") and int(m.group(3), 16):
                start = int(m.group(2), 16) - text_start
                member = m.group(4).rsplit("/", 1)[-1]
                pieces.append((start, start + int(m.group(3), 16), f"{member}{name}"))
    return pieces


def read_exceptions(path):
    names = {}
    with open(path) as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                names[line.split()[0]] = 0
    return names


def main(objdump, exceptions_path, shipped, twin, map_path):
    base, entry, shipped_sections = loaded_sections(shipped)
    twin_base, twin_entry, twin_sections = loaded_sections(twin)
    if (base, entry, shipped_sections) != (twin_base, twin_entry, twin_sections):
        print(f"{twin} is not the same link as {shipped}: "
              "their loaded sections or entry points differ")
        return 1
    text_start = base + twin_sections[".text"][0]
    text_index = 1 + list(twin_sections).index(".text")
    symbols = text_symbols(objdump, twin, text_index)
    starts = [offset for offset, _ in symbols]
    exceptions = read_exceptions(exceptions_path)
    entry_offset = base + entry - text_start
    start_function = symbols[bisect.bisect_right(starts, entry_offset) - 1][1]
    print(f"the exe starts at {start_function}")
    counts = {kind: 0 for kind, _ in BEYOND_I486}
    failures = []
    for start, stop, member in code_pieces(map_path, text_start):
        listing = subprocess.run(
            [objdump, "-d", "--no-show-raw-insn", f"--start-address={text_start + start:#x}",
             f"--stop-address={text_start + stop:#x}", "-j", ".text", twin],
            check=True, capture_output=True, text=True).stdout
        for line in listing.splitlines():
            m = re.match(r"^\s*([0-9a-f]+):\t(\S+)\s*(.*)$", line)
            if not m:
                continue
            kind, mnemonic, operands = beyond_486(m.group(2), m.group(3))
            if kind is None:
                continue
            counts[kind] += 1
            # The function is the nearest symbol before, unless that lies in another piece:
            # then the code has no symbol of its own (a static function of the runtime).
            offset = int(m.group(1), 16) - text_start
            i = bisect.bisect_right(starts, offset) - 1
            where = symbols[i][1] if i >= 0 and starts[i] >= start else member
            if where in exceptions:
                exceptions[where] += 1
            else:
                failures.append(f"  {m.group(1)} {where}: {mnemonic} {operands}")
    print(", ".join(f"{kind} {n}" for kind, n in counts.items()))
    stale = [name for name, n in exceptions.items() if n == 0]
    for name in stale:
        print(f"{exceptions_path}: {name} holds no such instruction now; drop it from the list")
    if failures:
        print(f"{len(failures)} instructions beyond the 486 on paths of normal use:")
        print("\n".join(failures))
    if start_function in exceptions:
        print(f"{start_function} is the entry point, but it is listed as never running")
    relocations = pseudo_relocations(objdump, twin)
    if relocations:
        print(f"the exe holds {relocations} pseudo-relocations, which the start-up applies with "
              "_mark_section_writable: a reference to an import that its library names as data")
    return 1 if failures or stale or start_function in exceptions or relocations else 0


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
