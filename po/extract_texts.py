#!/usr/bin/env python3
"""Lists the texts the program shows, the keys of the message catalogs, one per line.

Usage: extract_texts.py SOURCE_FOLDER [--check CATALOG.po | --source-catalog OUTPUT.po]

The texts are: every string in the menu and dialog templates (resources/templates.cpp) but
the dialog font's name and the progress bar's unseen caption; in the game folders, every
string with Japanese in it, every named text constant (`fooText = "..."`) and the name of
every file filter; in the GTK back end, every string passed to translate() and every answer
button's text.

With --check, compares them with a catalog and fails (exit status 1) when a text has no
translation, a translation is marked fuzzy, or the catalog translates a text the program no
longer shows.

With --source-catalog, writes the Japanese catalog: every text translated as itself, so that
a desktop asking for Japanese before other languages (LANGUAGE=ja:en) keeps the texts as
they stand."""

import pathlib
import re
import sys

GAME_FOLDERS = ["app", "board", "savegame", "completion", "ui", "settings", "puzzle", "view",
                "library"]
STRING = r'"((?:[^"\\]|\\.)*)"'
JAPANESE = re.compile(r"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")


ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def unescape(text):
    """A C or .po string's characters from its escaped form (\\n, \\t, \\", \\\\)."""
    return re.sub(r"\\(.)", lambda match: ESCAPES.get(match.group(1), match.group(0)), text)


def code_lines(path):
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line.lstrip().startswith(("//", "#include")):
            yield line


def template_texts(root):
    for line in code_lines(root / "resources" / "templates.cpp"):
        if "dialogFont =" in line or "ControlKind::progressBar" in line:
            continue
        yield from re.findall(STRING, line)


def game_texts(root):
    for folder in GAME_FOLDERS:
        for path in sorted((root / folder).glob("*.[ch]*")):
            for line in code_lines(path):
                for text in re.findall(STRING, line):
                    if JAPANESE.search(text):
                        yield text
                yield from re.findall(r"\w+Text\s*=\s*" + STRING, line)
                yield from re.findall(r"\{\s*" + STRING + r"\s*,\s*\"\*\.", line)


def backend_texts(root):
    for path in sorted((root / "platform" / "gtk").glob("*.cpp")):
        source = path.read_text("utf-8")
        yield from re.findall(r"translate\(\s*" + STRING + r"\s*\)", source)
        yield from re.findall(r"addAnswerButton\([^,]+,\s*" + STRING, source)


def program_texts(root):
    texts = set()
    for text in [*template_texts(root), *game_texts(root), *backend_texts(root)]:
        if text:
            texts.add(unescape(text))
    return texts


def catalog_entries(path):
    """{msgid: (msgstr, fuzzy)} of a .po file, the header left out."""
    entries = {}
    fuzzy = False
    current = None
    fields = {}
    def finish():
        if fields.get("msgid"):
            entries[fields["msgid"]] = (fields.get("msgstr", ""), fuzzy)
    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        if not line.strip():
            finish()
            fields, current, fuzzy = {}, None, False
        elif line.startswith("#,"):
            fuzzy = fuzzy or "fuzzy" in line
        elif line.startswith("#"):
            continue
        elif line.startswith('"'):
            fields[current] += unescape(line.strip()[1:-1])
        else:
            current, _, value = line.partition(" ")
            fields[current] = unescape(value.strip()[1:-1])
    return entries


def check(texts, catalog):
    entries = catalog_entries(catalog)
    problems = ["no translation: " + text for text in sorted(texts)
                if not entries.get(text, ("", False))[0]]
    problems += ["fuzzy translation: " + text for text, (_, fuzzy) in sorted(entries.items())
                 if fuzzy]
    problems += ["stale translation (the program no longer shows it): " + text
                 for text in sorted(set(entries) - texts)]
    for problem in problems:
        print("%s: %s" % (catalog, problem.replace("\n", "\\n")))
    return not problems


def quoted(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")


def write_source_catalog(texts, path):
    entries = ['msgid ""\nmsgstr "Language: ja\\nContent-Type: text/plain; charset=UTF-8\\n"\n']
    entries += ["msgid %s\nmsgstr %s\n" % (quoted(text), quoted(text)) for text in sorted(texts)]
    pathlib.Path(path).write_text("\n".join(entries), encoding="utf-8")


def main():
    root = pathlib.Path(sys.argv[1])
    texts = program_texts(root)
    if len(sys.argv) == 4 and sys.argv[2] == "--check":
        sys.exit(0 if check(texts, pathlib.Path(sys.argv[3])) else 1)
    if len(sys.argv) == 4 and sys.argv[2] == "--source-catalog":
        write_source_catalog(texts, sys.argv[3])
        return
    for text in sorted(texts):
        print(text.replace("\n", "\\n"))


main()
