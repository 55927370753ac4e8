#!/usr/bin/env python3
"""An up-to-date installation for the comparison benchmarks, and manifests.

As a program: installation.py ROOT PREFIX MANIFEST writes 10,000 files of
512 B to 16 KB (always the same ones) under ROOT/PREFIX/ and the manifest
that lists them, with their MD5 checksums, into MANIFEST.
"""
import hashlib
import os
import random
import sys

FILES = 10000


def make(root, prefix, count=FILES):
    """Writes the files; returns their (relative name, MD5) pairs."""
    rng = random.Random(7)
    entries = []
    for i in range(count):
        name = "%s/d%02d/f%05d.bin" % (prefix, i % 100, i)
        data = rng.randbytes(rng.randint(512, 16384))
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        entries.append((name, hashlib.md5(data).hexdigest()))
    return entries


def write_manifest(path, base, entries):
    """An update manifest listing entries, fetched from base."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\r\n") as f:
        f.write("[UPDATECONFIG]\nFileCount=%d\nUPDATENETADDR=%s\n[FILENAME]\n" % (len(entries), base))
        f.writelines("FileIndex%d=%s\n" % (i, n) for i, (n, _) in enumerate(entries))
        f.write("[FILECHECKSUM]\n")
        f.writelines("FileIndex%d=%s\n" % (i, s) for i, (_, s) in enumerate(entries))


if __name__ == "__main__":
    root, prefix, manifest = sys.argv[1:4]
    write_manifest(manifest, "http://127.0.0.1/", make(root, prefix))
