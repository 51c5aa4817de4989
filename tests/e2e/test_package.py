"""The Debian package: `cpack -G DEB` in the build folder makes velmora_<version>_amd64.deb
with the libraries' packages as dependencies, its version the project's and the newest of
its changelog and metainfo; unpacked, it holds the program, desktop entry, metainfo, icons,
help pages, catalogs and a manual page for every program under /usr, its desktop entry and
metainfo pass their validators, lintian finds no error and no warning (and only the
informational tags listed below), and the unpacked program shows English from its installed
catalog, opens its installed help page in the player's language, and has the window class
its desktop entry names. The picture of the game in the metainfo is the screenshot left in
<build>/screenshots/board.png."""

import gzip
import os
import re
import shutil
import subprocess
import tempfile
import time
import xml.etree.ElementTree as ElementTree

from harness import Game, main, shown_texts, shown_texts_env, wait_for_board

APP_ID = "org.velmora.velmora"
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]


# The informational tags lintian may give the package, and why they stay.
ALLOWED_INFORMATION = {
    "package-contains-documentation-outside-usr-share-doc":
        "the help pages live in /usr/share/velmora/help, where the program opens them",
}


def project_version(build):
    with open(os.path.join(build, "CMakeCache.txt")) as cache:
        return re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", cache.read(), re.M).group(1)


def make_package(build, output):
    """Makes the package in `output`, with cpack's working files, so that two runs of the
    tests at once do not build it in the same place."""
    version = project_version(build)
    package = os.path.join(output, "velmora_%s_amd64.deb" % version)
    subprocess.run(["cpack", "-G", "DEB", "-B", output], cwd=build, check=True,
                   capture_output=True, timeout=600)
    packaged = subprocess.run(["dpkg-deb", "-f", package, "Version"], check=True,
                              capture_output=True, text=True).stdout
    assert packaged.strip() == version, (packaged, version)
    description = subprocess.run(["dpkg-deb", "-f", package, "Description"], check=True,
                                 capture_output=True, text=True).stdout.splitlines()
    # dpkg flows lines that begin with one space into paragraphs and shows those that begin
    # with more as they stand.
    unflowed = [line for line in description[1:] if not re.match(r" \S", line)]
    assert len(description) > 1 and not unflowed, description
    return package, version


def check_versions(root, version):
    """The newest entries of the changelog and of the metainfo name the package's version."""
    with gzip.open(os.path.join(root, "usr/share/doc/velmora/changelog.gz"), "rt") as changelog:
        newest = changelog.readline()
    assert newest.startswith("velmora (%s) " % version), newest
    metainfo = ElementTree.parse(os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % APP_ID))
    release = metainfo.find("releases/release")
    assert release.get("version") == version, release.attrib


def check_contents(package, root):
    depends = subprocess.run(["dpkg-deb", "-f", package, "Depends"], check=True,
                             capture_output=True, text=True).stdout
    for library in ("libc6", "libgtk-3-0", "libsdl2-2.0-0", "libjpeg62-turbo", "libglib2.0-0"):
        assert library in depends, depends
    subprocess.run(["dpkg-deb", "-x", package, root], check=True)
    expected = ["usr/games/velmora", "usr/share/applications/%s.desktop" % APP_ID,
                "usr/share/metainfo/%s.metainfo.xml" % APP_ID,
                "usr/share/velmora/help/index.html", "usr/share/velmora/help/index.ja.html",
                "usr/share/locale/en/LC_MESSAGES/velmora.mo",
                "usr/share/locale/ja/LC_MESSAGES/velmora.mo",
                "usr/share/doc/velmora/copyright", "usr/share/doc/velmora/changelog.gz",
                "usr/share/man/man6/velmora.6.gz"]
    expected += ["usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID)
                 for size in ICON_SIZES]
    missing = [path for path in expected if not os.path.isfile(os.path.join(root, path))]
    assert not missing, "missing from the package: %s" % missing
    stray = [path for path in os.listdir(root) if path != "usr"]
    assert not stray, "outside /usr: %s" % stray
    programs = [name for folder in ("usr/games", "usr/bin", "usr/sbin")
                if os.path.isdir(os.path.join(root, folder))
                for name in os.listdir(os.path.join(root, folder))]
    pages = [name.split(".")[0] for folder in ("man1", "man6", "man8")
             if os.path.isdir(os.path.join(root, "usr/share/man", folder))
             for name in os.listdir(os.path.join(root, "usr/share/man", folder))]
    undocumented = [program for program in programs if program not in pages]
    assert not undocumented, "programs without a manual page: %s" % undocumented


def validate(package, root):
    for command in (["desktop-file-validate",
                     os.path.join(root, "usr/share/applications/%s.desktop" % APP_ID)],
                    ["appstreamcli", "validate", "--no-net", "--pedantic",
                     os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % APP_ID)],
                    ["lintian", "--display-info", "--fail-on", "error,warning", package]):
        result = subprocess.run(command, capture_output=True, text=True)
        assert result.returncode == 0, "%s: %s%s" % (command[0], result.stdout, result.stderr)
    # lintian's lines: "<severity letter>: velmora: <tag> [<detail>]".
    tags = [line.split()[2] for line in result.stdout.splitlines() if line[1:3] == ": "]
    unexpected = [tag for tag in tags if tag not in ALLOWED_INFORMATION]
    assert not unexpected, "lintian: %s" % result.stdout


def desktop_entry_key(root, key):
    with open(os.path.join(root, "usr/share/applications/%s.desktop" % APP_ID)) as entry:
        found = re.search(r"^%s=(.*)$" % key, entry.read(), re.M)
    return found.group(1) if found else None


def check_window_class(game, root):
    """Docks match the window's class with the launcher's StartupWMClass or desktop id."""
    wm_class = game.run("xprop", "-id", game.window, "WM_CLASS")
    instance_and_class = re.findall(r'"([^"]*)"', wm_class)
    assert len(instance_and_class) == 2, wm_class
    assert instance_and_class[1] == APP_ID, wm_class
    assert desktop_entry_key(root, "StartupWMClass") == instance_and_class[1], wm_class


def browser_records(home):
    """A desktop whose default browser writes the address it is given into opened.txt."""
    record = os.path.join(home, "opened.txt")
    applications = os.path.join(home, "data", "applications")
    os.makedirs(applications)
    with open(os.path.join(applications, "recorder.desktop"), "w") as entry:
        entry.write("[Desktop Entry]\nType=Application\nName=Recorder\nMimeType=text/html;\n"
                    "Exec=sh -c 'echo \"$1\" >> %s' sh %%u\n" % record)
    os.makedirs(os.path.join(home, "config"))
    with open(os.path.join(home, "config", "mimeapps.list"), "w") as defaults:
        defaults.write("[Default Applications]\ntext/html=recorder.desktop\n")
    return {"XDG_DATA_HOME": os.path.join(home, "data"),
            "XDG_CONFIG_HOME": os.path.join(home, "config")}, record


def help_page_opened(root, locale, expected_item, screenshot=None):
    """Runs the unpacked program, opens the About box and follows its link; answers the
    path the browser got. The main window is saved first as the `screenshot` PNG."""
    home = tempfile.mkdtemp(prefix="velmora-home-")
    log = os.path.join(home, "shown.txt")
    desktop, record = browser_records(home)
    game = Game(os.path.join(root, "usr/games/velmora"), in_place=True,
                env=dict(shown_texts_env(log), **desktop, **locale))
    try:
        wait_for_board(game)
        check_window_class(game, root)
        if screenshot:
            os.makedirs(os.path.dirname(screenshot), exist_ok=True)
            game.run("import", "-window", game.window, screenshot)
        game.key("alt+h")
        time.sleep(1)
        assert expected_item in shown_texts(log), shown_texts(log)
        game.key("Return")
        about = game.find_window("About VELMORA|「ヴェルモラ」のバージョン情報", seconds=20)
        x, y, width, height = game.window_geometry(about)
        # The link button: (63, 30, 100, 14) in the About box's 202 x 81 dialog units.
        game.run("xdotool", "mousemove", str(x + (63 + 50) * width // 202),
                 str(y + (30 + 7) * height // 81), "click", "1")
        deadline = time.time() + 10
        while not os.path.exists(record) and time.time() < deadline:
            time.sleep(0.2)
        with open(record) as opened:
            opened_path = opened.read().strip().removeprefix("file://")
        game.close()
        # Installed, the program keeps its settings in the player's configuration folder.
        assert os.path.exists(os.path.join(home, "config", "velmora", "velmora.ini"))
        assert not os.path.exists(os.path.join(root, "usr", "games", "velmora.ini"))
        return opened_path
    finally:
        game.close()
        shutil.rmtree(home, ignore_errors=True)


def test(binary):
    build = os.path.dirname(binary)
    made = tempfile.mkdtemp(prefix="velmora-cpack-")
    root = tempfile.mkdtemp(prefix="velmora-package-")
    try:
        package, version = make_package(build, made)
        check_contents(package, root)
        check_versions(root, version)
        validate(package, root)
        help_folder = os.path.join(root, "usr/share/velmora/help/")
        english = help_page_opened(root, {"LANGUAGE": "", "LC_ALL": "", "LANG": "en_US.UTF-8"},
                                   "_About VELMORA",
                                   os.path.join(build, "screenshots", "board.png"))
        assert english == help_folder + "index.html", english
        japanese = help_page_opened(root, {"LANGUAGE": "", "LC_ALL": "C.UTF-8"},
                                    "バージョン情報(_V)")
        assert japanese == help_folder + "index.ja.html", japanese
    finally:
        shutil.rmtree(root, ignore_errors=True)
        shutil.rmtree(made, ignore_errors=True)


main(test)
