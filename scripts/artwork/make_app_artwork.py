#!/usr/bin/env python3
"""Writes the application's pictures into app/res: the command icons
(Commands.bmp with alpha, bitmap 5001; CommandsKeyed.bmp on the magenta key,
bitmap 5000), the message box's icons (bitmaps 1007 to 1010) and the program
icon Velmoran.ico. The output is committed; run the script again after
changing it and commit what changes.

    python3 scripts/artwork/make_app_artwork.py [OUTDIR]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from app_icons import bmp, command_strip, ico, message_icon, program_icon  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "app", "res")
    os.makedirs(out, exist_ok=True)
    files = {
        "Commands.bmp": bmp(command_strip(False), 32),
        "CommandsKeyed.bmp": bmp(command_strip(True), 24),
        "Velmoran.ico": ico([program_icon(32), program_icon(16)]),
    }
    for kind in ("information", "question", "error", "warning"):
        files["MessageBox%s.bmp" % kind.capitalize()] = bmp(message_icon(kind), 32)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
