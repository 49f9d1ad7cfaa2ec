#!/usr/bin/env python3
"""Names the page's own scripts and styles in its Content-Security-Policy by their SHA-256 hashes,
so that the browser runs those and nothing else:
    content_policy.py PAGE.html
"""
import base64
import hashlib
import re
import sys


def hashes(page, tag):
    """The policy's source list for every inline element of this tag, in the page's order."""
    bodies = re.findall(rf"<{tag}>(.*?)</{tag}>", page, re.DOTALL)
    return " ".join(f"'sha256-{base64.b64encode(hashlib.sha256(body.encode()).digest()).decode()}'"
                    for body in bodies)


path = sys.argv[1]
with open(path, encoding="utf-8") as file:
    page = file.read()
page = page.replace("@SCRIPT_HASHES@", hashes(page, "script"), 1).replace("@STYLE_HASHES@", hashes(page, "style"), 1)
with open(path, "w", encoding="utf-8", newline="\n") as file:
    file.write(page)
