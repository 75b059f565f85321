"""Writes the service worker (sw.js) into a built page: the list of every
other file in the folder, and a cache name from a hash of their names and
contents and of the worker itself, so that a new build is a new worker.
Usage: worker.py FOLDER"""
import hashlib
import json
import sys
from pathlib import Path

WORKER = Path(__file__).resolve().with_name("sw.js")

if __name__ == "__main__":
    folder = Path(sys.argv[1])
    # Regular files only: a link may reach out of the folder, which the server will not follow.
    files = sorted(str(p.relative_to(folder)) for p in folder.rglob("*")
                   if p.is_file() and not p.is_symlink() and p.name != "sw.js")
    template = WORKER.read_text()
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + hashlib.sha256((folder / name).read_bytes()).digest())
    digest.update(template.encode())
    text = template.replace("@HASH@", digest.hexdigest()[:16]).replace("@FILES@", ", ".join(map(json.dumps, files)))
    (folder / "sw.js").write_text(text)
