"""Reads what a game leaves behind: the board of a play file (its grid, the pieces' boxes, which
pieces are loose, the outlines' silhouettes) and the kept view."""

import struct

CELL_BLOCK = 6400
RECT_BLOCK = 19192
RECT_RECORD = 16
GROUP_MASKS = 36248
GROUP_RECORD = 1066
IMAGE_BLOCKS = 1105348


def offset_pair(data, at):
    """A value written as base-255 digits (low first) of the value + 1000."""
    return data[at] + 255 * data[at + 1] - 1000


class PlayFile:
    def __init__(self, path):
        with open(path, "rb") as source:
            self.data = source.read()
        data = self.data
        self.columns, self.rows = data[0], data[4]
        self.core, self.margin = data[8], data[12]
        self.picture_format, self.sheet_format = data[20], data[24]
        self.size = self.core + 2 * self.margin
        self.step = self.core + self.margin
        self.count = self.columns * self.rows

    def box(self, k):
        """Left and top of piece k's box (k = row * columns + column)."""
        at = RECT_BLOCK + RECT_RECORD * k
        return offset_pair(self.data, at), offset_pair(self.data, at + 4)

    def loose(self, k):
        """Whether piece k's group holds it alone."""
        record = self.data[GROUP_MASKS + GROUP_RECORD * k:][:self.count]
        return all(record[j] == 0 for j in range(self.count) if j != k)

    def outline_inset(self):
        """The least distance, over every piece and turn, from a side of its box to its
        outline, read from the silhouettes' 1-bit picture (the last image block): the four
        turns' sheets side by side, rows from the bottom."""
        at = IMAGE_BLOCKS
        picture = (self.step * self.columns + self.margin) * (self.step * self.rows + self.margin)
        sheet = self.size * self.columns * self.size * self.rows
        at += picture * 3 + 54 if self.picture_format == 2 else picture + 1078
        at += 4 * (sheet * 3 + 54 if self.sheet_format == 2 else sheet + 1078)
        data = self.data
        assert data[at:at + 2] == b"BM", "no silhouettes where expected"
        bits_at = at + struct.unpack_from("<I", data, at + 10)[0]
        width, height = struct.unpack_from("<ii", data, at + 18)
        assert data[at + 28] == 1, "the silhouettes are not one bit a pixel"
        assert width >= 4 * self.size * self.columns and abs(height) == self.size * self.rows
        stride = (width + 31) // 32 * 4
        # The palette says which bit value is the outline's inside (the colour that is not 0).
        palette = data[at + 54:at + 62]
        inside_is_set = palette[4:7] != b"\0\0\0"
        size = self.size
        inset = size // 2
        for top_row in range(height):
            file_row = height - 1 - top_row if height > 0 else top_row
            row = int.from_bytes(data[bits_at + stride * file_row:][:stride], "big")
            if not inside_is_set:
                row = ~row & ((1 << (8 * stride)) - 1)
            y = top_row % size
            for tile in range(4 * self.columns):
                shift = 8 * stride - (tile + 1) * size
                bits = (row >> shift) & ((1 << size) - 1)
                if bits == 0:
                    continue
                # Bit size-1 is the tile's leftmost pixel.
                left = size - bits.bit_length()
                right_gap = (bits & -bits).bit_length() - 1
                inset = min(inset, left, right_gap, y, size - 1 - y)
        return inset


def loose_pieces_apart(play):
    """Checks that the loose pieces' outlines cannot touch: any two boxes, shrunk by the
    outlines' inset, are apart across or down. Answers the loose pieces' count."""
    inset = play.outline_inset()
    clear = play.size - 2 * inset
    boxes = sorted(play.box(k) for k in range(play.count) if play.loose(k))
    for i, (left, top) in enumerate(boxes):
        for other_left, other_top in boxes[i + 1:]:
            assert abs(other_left - left) >= clear or abs(other_top - top) >= clear, (
                "loose pieces at %s and %s overlap (outlines %d inside boxes of %d)"
                % ((left, top), (other_left, other_top), inset, play.size))
    return len(boxes)


def read_view(path):
    """The kept view: (percent, x, y), percent 0 for the whole board."""
    with open(path) as source:
        words = source.read().split()
    assert words[0] == "view" and len(words) == 4, words
    return tuple(int(word) for word in words[1:])
