"""With SDL's disk audio driver, turning a piece writes the turn sound's samples."""

import os
import time

from harness import Game, main, solid_piece_point, wait_for_board


def test(binary):
    game = Game(binary, env={"SDL_AUDIODRIVER": "disk"})
    audio = os.path.join(game.folder, "audio.raw")
    try:
        shot = wait_for_board(game)
        x, y = solid_piece_point(game, shot)
        game.click(x, y, button=3)
        time.sleep(1.0)
        game.key("Escape")
        assert game.wait_exit() == 0
        with open(audio, "rb") as captured:
            samples = captured.read()
        assert len(samples) > 1000, len(samples)
        assert any(samples), "only silence was written"
    finally:
        game.close()


main(test)
