"""The game's folders turn text into paths only through pathFromUtf8 and paths into text only
through utf8FromPath (platform/paths.h). On Windows a path made from narrow text, or read back
with .string(), goes through the ANSI code page and garbles any name outside it; on Linux the
same code works, so only this scan catches it before a Windows player does."""

import os
import re
import sys

GAME_FOLDERS = ["app", "board", "completion", "savegame", "ui", "maker", "puzzle", "settings",
                "view", "library"]
PATH_TYPE = r"(?:std::filesystem::|fs::)path"
RULES = [
    (re.compile(r"\.(?:generic_)?(?:string|wstring)\(\)|\.native\(\)"),
     "a path read back as narrow or wide text: use utf8FromPath"),
    (re.compile(PATH_TYPE + r"\s*(?:\w+\s*)?[({](?!\s*[)}])(?!\s*(?:pathFromUtf8\(|const\b))"),
     "a path made from text: use pathFromUtf8"),
    (re.compile(PATH_TYPE + r"\s+\w+\s*=\s*(?:\"|\*?[\w.]+\s*;|[\w.]+\.c_str\(\))"),
     "a path made from text: use pathFromUtf8"),
    (re.compile(r"std::(?:i|o)?fstream\b|\bfopen\("),
     "a file opened by its narrow name: go through platform/files.h"),
]


def findings(root):
    """Every line of the game's sources that breaks a rule, as "file:line: why"."""
    found = []
    for folder in GAME_FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            path = os.path.join(folder, name)
            with open(os.path.join(root, path), encoding="utf-8") as source:
                for number, line in enumerate(source, 1):
                    code = line.split("//", 1)[0]
                    for rule, why in RULES:
                        if rule.search(code):
                            found.append(f"{path}:{number}: {why}: {line.strip()}")
    return found


def main():
    found = findings(sys.argv[1])
    for line in found:
        print(line)
    sys.exit(1 if found else 0)


main()
