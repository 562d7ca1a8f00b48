"""Writes generated install files, or with --check reports the ones that differ."""
import os
import sys


def write_or_check(files, argv):
    """files: path -> bytes. Returns the exit code: 1 when --check finds a stale file."""
    check = "--check" in argv
    stale = []
    for path, data in sorted(files.items()):
        if check:
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(path)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    if stale:
        sys.stderr.write("out of date:\n  " + "\n  ".join(stale) + "\n")
        return 1
    return 0
