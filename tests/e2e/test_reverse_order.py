"""Edit > swap the pieces' top and bottom (Alt+E, U) changes the picture where pieces overlap."""

from harness import Game, TEAL, main, not_background


def heap(shot, top):
    return [shot.pixel(x, y) for x in range(60, 760, 3) for y in range(top, top + 490, 3)]


def test(binary):
    game = Game(binary)
    try:
        shot = game.wait_for(lambda s: s.count(0, 0, 1000, 700, not_background(TEAL)) > 40000
                             and s.pixel(5, 650) == TEAL, "the first puzzle on the board")
        top = game.find_client_top(shot)
        before = heap(shot, top)
        game.key("alt+e", "u")
        reversed_shot = game.wait_for(lambda s: heap(s, top) != before, "the order reversed")
        changed = sum(1 for a, b in zip(before, heap(reversed_shot, top)) if a != b)
        assert changed > 100, changed
        # The board itself is unchanged: what changed lies where pieces were before.
        game.key("alt+e", "u")
        game.wait_for(lambda s: heap(s, top) == before, "the order back as it was")
    finally:
        game.close()


main(test)
