#!/usr/bin/python3
"""Makes the receiver board's firmware image for the simulated board, install/FW/IRRC_Receiver_%04X.bin.

  tools/make_receiver_firmware.py [--cipher-lib PATH]           write the image
  tools/make_receiver_firmware.py [--cipher-lib PATH] --check   fail when the checked-in image differs

The plain image is Intel HEX as the bootloader library reads it (libs/nexboot/README.md): a code
area that starts with a jump, carries the version mark "IRRC" and the version (16 bits,
little-endian) at 0x0100 and a deterministic body, and the option bytes at 0x00F00000. It is
enciphered through the program's cipher library (AES-256-ECB, no salt, so the same input gives
the same bytes) with the program's pass phrase. The library defaults to build/dist's.
"""
import ctypes
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generated import write_or_check  # noqa: E402

VERSION = 0x0106
PASS_PHRASE = b"IR_583204"
OUTPUT = os.path.normpath(os.path.join(HERE, "..", "install", "FW", "IRRC_Receiver_%04X.bin" % VERSION))
DEFAULT_CIPHER_LIB = os.path.normpath(os.path.join(HERE, "..", "build", "dist", "libcryptora.so"))

CODE_SIZE = 0x1800
VERSION_MARK_ADDRESS = 0x0100
OPTION_BASE = 0x00F00000
OPTION_BYTES = bytes([0xA5, 0x5A, 0x03, 0x00, 0x12, 0x00, 0xFF, 0x7F])


def code_area():
    code = bytearray(CODE_SIZE)
    code[0:4] = bytes([0x02, 0x01, 0x10, 0x00])  # jump over the version mark
    state = 0x2F5C4C51
    for at in range(4, CODE_SIZE):
        state = (state * 1103515245 + 12345) & 0xFFFFFFFF
        code[at] = (state >> 16) & 0xFF
    mark = b"IRRC" + bytes([VERSION & 0xFF, VERSION >> 8])
    code[VERSION_MARK_ADDRESS:VERSION_MARK_ADDRESS + len(mark)] = mark
    return bytes(code)


def record(kind, address, data):
    body = bytes([len(data), (address >> 8) & 0xFF, address & 0xFF, kind]) + data
    return ":%s%02X\n" % (body.hex().upper(), (-sum(body)) & 0xFF)


def intel_hex():
    lines = []
    code = code_area()
    for at in range(0, len(code), 16):
        lines.append(record(0x00, at, code[at:at + 16]))
    lines.append(record(0x04, 0, bytes([OPTION_BASE >> 24, (OPTION_BASE >> 16) & 0xFF])))
    lines.append(record(0x00, OPTION_BASE & 0xFFFF, OPTION_BYTES))
    lines.append(record(0x01, 0, b""))
    return "".join(lines).encode("ascii")


def encipher(plain, library_path):
    if not os.path.exists(library_path):
        raise SystemExit("the cipher library %s is missing: build first (scripts/build) or pass --cipher-lib"
                         % library_path)
    cipher = ctypes.CDLL(library_path)
    cipher.SetupEncryptKey.argtypes = [ctypes.c_char_p]
    cipher.RJEncryptFile.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    cipher.SetupEncryptKey(PASS_PHRASE)
    with tempfile.TemporaryDirectory() as folder:
        plain_path = os.path.join(folder, "plain.hex")
        cipher_path = os.path.join(folder, "image.bin")
        with open(plain_path, "wb") as f:
            f.write(plain)
        if cipher.RJEncryptFile(plain_path.encode(), cipher_path.encode()) != 1:
            raise SystemExit("the cipher library could not encipher the image")
        with open(cipher_path, "rb") as f:
            return f.read()


def main(argv):
    library = DEFAULT_CIPHER_LIB
    if "--cipher-lib" in argv:
        library = argv[argv.index("--cipher-lib") + 1]
    return write_or_check({OUTPUT: encipher(intel_hex(), library)}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
