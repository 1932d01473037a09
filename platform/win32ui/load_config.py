#!/usr/bin/python3
"""Enters a linked program file's load configuration, the structure
_load_config_used it defines, in the file's header, at the size the
structure names, and sets the header's checksum over the file as it then is.
SYMBOLS is a file that still holds the program's symbol table.
Usage: load_config.py NM EXE SYMBOLS"""
import subprocess
import sys

import pefile

nm, exe, symbols = sys.argv[1:]
table = subprocess.run([nm, symbols], check=True, capture_output=True, text=True).stdout
# On 32-bit x86 a C name takes a leading underscore.
address = next(int(fields[0], 16) for fields in map(str.split, table.splitlines())
               if fields[-1] in ("_load_config_used", "__load_config_used"))
with open(exe, "rb") as f:
    pe = pefile.PE(data=f.read(), fast_load=True)
rva = address - pe.OPTIONAL_HEADER.ImageBase
entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG"]]
entry.VirtualAddress, entry.Size = rva, pe.get_dword_at_rva(rva)
pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
pe.write(exe)
