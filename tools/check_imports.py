#!/usr/bin/env python3
"""Checks that the shipped marlix32.exe can load on Windows 95 as it shipped, and later.

Reads the exe's headers with objdump -p: every imported function must be on the reviewed list
(one "DLL function" per line, '#' starts a note; DLL names compare case-insensitively), and the
subsystem version must be 4.0 (a higher one makes those loaders refuse the exe). LATE, a source
file, names the functions the program asks GetProcAddress for (LateLibrary Name("DLL") and
Name.Find<...>("Function")): each must be on the list too. Prints each fault and exits 1; on
success prints the imports counted by DLL.

usage: check_imports.py OBJDUMP LIST EXE [LATE]
"""
import re
import subprocess
import sys

IMPORT = re.compile(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)\s*$")


def reviewed(list_path):
    allowed = set()
    with open(list_path, encoding="utf-8") as lines:
        for line in lines:
            words = line.split("#", 1)[0].split()
            if len(words) == 2:
                allowed.add((words[0].lower(), words[1]))
            elif words:
                sys.exit(f"{list_path}: not a 'DLL function' line: {line.strip()}")
    return allowed


def headers(objdump, exe):
    """The exe's imports as (DLL, function) pairs in file order, and its subsystem version."""
    text = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    imports, dll, in_imports = [], None, False
    version = {}
    for line in text.splitlines():
        field = re.match(r"^(Major|Minor)SubsystemVersion\s+(\d+)$", line)
        if field:
            version[field.group(1)] = int(field.group(2))
        if line.startswith("The Import Tables"):
            in_imports = True
        elif line.startswith("The ") or line.startswith("There is"):
            in_imports = False
        elif in_imports and line.strip().startswith("DLL Name:"):
            dll = line.split(":", 1)[1].strip()
        elif in_imports and dll and IMPORT.match(line):
            imports.append((dll, IMPORT.match(line).group(1)))
    return imports, (version.get("Major"), version.get("Minor"))


def late_functions(source_path):
    """The (DLL, function) pairs a source file loads through GetProcAddress."""
    with open(source_path, encoding="utf-8") as source:
        text = source.read()
    libraries = dict(re.findall(r'\bLateLibrary\s+(\w+)\s*\(\s*"([^"]+)"\s*\)', text))
    found = re.findall(r'\b(\w+)\s*\.\s*Find\s*<.*?>\s*\(\s*"([^"]+)"\s*\)', text)
    return [(libraries.get(library, f"(unknown library {library})"), name)
            for library, name in found]


def main(objdump, list_path, exe, late_path=None):
    allowed = reviewed(list_path)
    imports, version = headers(objdump, exe)
    faults = [f"{exe}: imports {dll} {name}, which is not on {list_path}"
              for dll, name in imports if (dll.lower(), name) not in allowed]
    late = late_functions(late_path) if late_path else []
    faults += [f"{late_path}: loads {dll} {name}, which is not on {list_path}"
               for dll, name in late if (dll.lower(), name) not in allowed]
    if late_path and not late:
        faults.append(f"{late_path}: no function loaded through GetProcAddress found")
    if not imports:
        faults.append(f"{exe}: no imports found in objdump's output")
    if version != (4, 0):
        faults.append(f"{exe}: subsystem version {version[0]}.{version[1]}, not 4.0")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    counts = {}
    for dll, _ in imports:
        counts[dll] = counts.get(dll, 0) + 1
    print(f"{exe}: subsystem 4.0; {len(imports)} imports, all on the list: "
          + ", ".join(f"{dll} {count}" for dll, count in counts.items())
          + (f"; and {len(late)} functions loaded late, all on it" if late_path else ""))
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__.strip().splitlines()[-1])
    sys.exit(main(*sys.argv[1:]))
