#!/usr/bin/python3
# Runs a program in which socket(2) fails with EACCES: nosocket.py PROGRAM ARG...
# A seccomp filter, with x86-64 system call numbers (socket is 41).
import ctypes, os, struct, sys

ARCH_X86_64, SOCKET, ALLOW, EACCES = 0xC000003E, 41, 0x7FFF0000, 0x50000 | 13
# Load the architecture; other than x86-64 allow all; load the call number; refuse socket; allow the rest.
code = [(0x20, 0, 0, 4), (0x15, 1, 0, ARCH_X86_64), (0x06, 0, 0, ALLOW), (0x20, 0, 0, 0),
        (0x15, 0, 1, SOCKET), (0x06, 0, 0, EACCES), (0x06, 0, 0, ALLOW)]
filt = ctypes.create_string_buffer(b"".join(struct.pack("HBBI", *c) for c in code))
prog = ctypes.create_string_buffer(struct.pack("HxxxxxxQ", len(code), ctypes.addressof(filt)))
libc = ctypes.CDLL(None, use_errno=True)
# PR_SET_NO_NEW_PRIVS, then PR_SET_SECCOMP in filter mode.
assert libc.prctl(38, 1, 0, 0, 0) == 0 and libc.prctl(22, 2, prog, 0, 0) == 0
os.execv(sys.argv[1], sys.argv[1:])
