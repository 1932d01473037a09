#!/usr/bin/python3
"""What a program file's header holds for the loaders of every Windows it is
for: a load configuration, pointer-aligned, at the size the oldest loaders
take (64 bytes on x86, the structure's 112 on x64), that takes the imported
DLLs from the system folder only, with no SafeSEH table; the Terminal
Server, NX and relocation flags, on x64 high-entropy addresses too; a valid
checksum. So that the check is known to fail, each file is checked again
without the directory and, on x86, with one of 72 bytes.
Usage: load_config_check.py EXE..."""
import struct
import sys

import pefile

LOAD_CONFIG = pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG"]


def problems(pe):
    wide = pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
    entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[LOAD_CONFIG]
    if not entry.VirtualAddress:
        return ["no load configuration directory"]
    data = pe.get_data(entry.VirtualAddress, 112 if wide else 72)
    size = 112 if wide else 64
    checks = {
        "not pointer-aligned": entry.VirtualAddress % (8 if wide else 4) == 0,
        f"not {size} bytes long": (entry.Size, struct.unpack_from("<I", data)[0]) == (size, size),
        "DLLs not from the system folder only": struct.unpack_from("<H", data, 78 if wide else 54)[0] == 0x800,
        "a SafeSEH table": not any(struct.unpack_from("<QQ" if wide else "<II", data, 96 if wide else 64)),
        "flags missing": ~pe.OPTIONAL_HEADER.DllCharacteristics & (0x8160 if wide else 0x8140) == 0,
        "checksum invalid": pe.verify_checksum(),
    }
    return [problem for problem, ok in checks.items() if not ok]


def broken(data, size):
    """The file with a directory of SIZE bytes, or none at 0."""
    pe = pefile.PE(data=data, fast_load=True)
    entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[LOAD_CONFIG]
    if size:
        pe.set_dword_at_rva(entry.VirtualAddress, size)
    entry.VirtualAddress, entry.Size = (entry.VirtualAddress if size else 0), size
    pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
    return pefile.PE(data=pe.write(), fast_load=True)


failures = []
for exe in sys.argv[1:]:
    with open(exe, "rb") as f:
        data = f.read()
    pe = pefile.PE(data=data, fast_load=True)
    failures += [f"{exe}: {problem}" for problem in problems(pe)]
    wide = pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
    failures += [f"{exe}: passed with a directory of {size} bytes" for size in ([0] if wide else [0, 72])
                 if not problems(broken(data, size))]
print("".join(f"FAIL {failure}\n" for failure in failures) + f"{len(sys.argv) - 1} checked, {len(failures)} failed")
sys.exit(bool(failures))
