"""Reads what a game leaves behind in the library: which entry is in play, the board of its
game record (the pieces' boxes, which pieces are loose, the view) and, for a made puzzle, how
far its outlines lie inside their boxes."""

import os
import struct

RECORD_MAGIC = b"VELMGAME"
PIECES_AT = 34
PIECE_RECORD = 16
PUZZLE_HEADER = 6400


def library_folder(data_folder):
    """The library inside the game's data folder."""
    return os.path.join(data_folder, "library")


def current_entry(library):
    """The name of the entry in play, as the library's `current` file says."""
    with open(os.path.join(library, "current")) as source:
        words = source.read().split()
    assert words[:1] == ["current"] and len(words) == 4 and words[2] == "series", words
    return words[1]


class GameRecord:
    """The game kept in an entry's `game` file."""

    def __init__(self, path):
        with open(path, "rb") as source:
            data = source.read()
        assert data[:8] == RECORD_MAGIC, "not a game record: %r" % data[:8]
        self.columns, self.rows, self.core, self.margin = data[10:14]
        self.size = self.core + 2 * self.margin
        self.step = self.core + self.margin
        self.count = self.columns * self.rows
        assert len(data) == PIECES_AT + PIECE_RECORD * self.count + 4, "a record cut short"
        self.view = struct.unpack_from("<HII", data, 24)
        self.pieces = [struct.unpack_from("<HHBH", data, PIECES_AT + PIECE_RECORD * k)
                       for k in range(self.count)]

    def box(self, k):
        """Left and top of piece k's box (k = row * columns + column)."""
        left, top, _, _ = self.pieces[k]
        return left - 1000, top - 1000

    def loose(self, k):
        """Whether piece k's group holds it alone: it is its own first member and no other
        piece names it."""
        return all((first == k) == (j == k) for j, (_, _, _, first) in enumerate(self.pieces))


def entry_record(library, entry=None):
    """The game record of an entry, by default of the one in play."""
    return GameRecord(os.path.join(library, entry or current_entry(library), "game"))


def bmp_length(data, at):
    assert data[at:at + 2] == b"BM", "no bitmap where expected"
    return struct.unpack_from("<I", data, at + 2)[0]


def label_pixels(resource):
    """The label picture of a puzzle resource (after its header and its picture): palette
    indexes, rows from the top."""
    at = PUZZLE_HEADER + bmp_length(resource, PUZZLE_HEADER)
    bmp_length(resource, at)
    bits_at = at + struct.unpack_from("<I", resource, at + 10)[0]
    width, height = struct.unpack_from("<ii", resource, at + 18)
    depth = resource[at + 28]
    assert depth in (4, 8), "a label of %d bits a pixel" % depth
    stride = (width * depth + 31) // 32 * 4
    rows = []
    for top_row in range(abs(height)):
        file_row = height - 1 - top_row if height > 0 else top_row
        raw = resource[bits_at + stride * file_row:][:stride]
        if depth == 8:
            rows.append(raw[:width])
        else:
            rows.append(bytes(raw[x // 2] >> (4 - 4 * (x % 2)) & 15 for x in range(width)))
    return rows


def outline_inset(record, resource_path):
    """The least distance, over every piece and turn, from a side of its box to its outline.
    Piece k owns the pixels of its box with the label colour at the box's centre; the box's
    outer pixels are no piece's, and a turn moves the far sides one pixel nearer."""
    with open(resource_path, "rb") as source:
        labels = label_pixels(source.read())
    size = record.size
    centre = record.margin + record.core // 2
    inset = size // 2
    for row in range(record.rows):
        for column in range(record.columns):
            left, top = column * record.step, row * record.step
            colour = labels[top + centre][left + centre]
            xs, ys = [], []
            for q in range(1, size):
                line = labels[top + q][left + 1:left + size] if top + q < len(labels) else b""
                hits = [p for p, value in enumerate(line, 1) if value == colour]
                if hits:
                    xs += (hits[0], hits[-1])
                    ys.append(q)
            inset = min(inset, min(xs) - 1, min(ys) - 1, size - 1 - max(xs),
                        size - 1 - max(ys))
    return inset


def loose_pieces_apart(record, inset):
    """Checks that the loose pieces' outlines cannot touch: any two boxes, shrunk by the
    outlines' inset, are apart across or down. Answers the loose pieces' count."""
    clear = record.size - 2 * inset
    boxes = sorted(record.box(k) for k in range(record.count) if record.loose(k))
    for i, (left, top) in enumerate(boxes):
        for other_left, other_top in boxes[i + 1:]:
            assert abs(other_left - left) >= clear or abs(other_top - top) >= clear, (
                "loose pieces at %s and %s overlap (outlines %d inside boxes of %d)"
                % ((left, top), (other_left, other_top), inset, record.size))
    return len(boxes)
