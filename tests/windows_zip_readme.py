"""The Windows zip's README.txt against the README's section "Where files go": every file and
folder that section names for Windows appears in the zip's text, and no retired name (the
kept game of older versions, a thumbnail file) appears in either.

Usage: windows_zip_readme.py ZIP README.md"""

import re
import sys
import zipfile

RETIRED = ["autosave.jps", "autosave.series", "autosave.view", "thumbnail.bmp"]


def section(readme, title):
    text = open(readme, encoding="utf-8").read()
    start = text.index("### " + title + "\n")
    end = text.find("\n#", start + 1)
    return text[start:end if end >= 0 else len(text)]


def windows_names(where):
    """The names in backquotes in the last column of the section's table."""
    names = []
    for line in where.splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) == 3 and not set(cells[2]) <= set("-"):
            names += re.findall(r"`([^`]+)`", cells[2])
    return names


def main(zip_path, readme):
    with zipfile.ZipFile(zip_path) as archive:
        shipped = archive.read("README.txt").decode("utf-8")
    where = section(readme, "Where files go")
    names = windows_names(where)
    assert "%APPDATA%\\VELMORA\\library\\" in names, names
    missing = [name for name in names if name not in shipped]
    assert not missing, "the zip's README.txt lacks %s" % missing
    for text, what in ((shipped, "the zip's README.txt"), (where, "the README's section")):
        retired = [name for name in RETIRED if name in text]
        assert not retired, "%s names %s" % (what, retired)
    print("ok: %d names" % len(names))


if __name__ == "__main__":
    main(*sys.argv[1:])
