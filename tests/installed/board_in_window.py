#!/usr/bin/env python3
"""Starts the desktop program with a saved board on a virtual display and checks that the board
is in the grid: every given cell shows ink and every empty cell shows none.

Usage: board_in_window.py PROGRAM BOARD.sdf   (run it under xvfb-run)

The grid is found on a screenshot by its shaded squares (the four corner squares and the centre
one share one colour), so the check depends on neither fonts nor the window's position."""
import os
import subprocess
import sys
import tempfile
import time

SHADE = (220, 217, 253)


def screenshot_rgb():
    """The whole screen as (width, height, RGB bytes)."""
    ppm = subprocess.run(['/usr/bin/import', '-window', 'root', '-depth', '8', 'ppm:-'], check=True, capture_output=True).stdout
    fields, index = [], 0
    while len(fields) < 4:  # P6, width, height, maximum value, separated by whitespace
        while ppm[index:index + 1].isspace():
            index += 1
        start = index
        while not ppm[index:index + 1].isspace():
            index += 1
        fields.append(ppm[start:index])
    assert fields[0] == b'P6' and fields[3] == b'255', fields
    return int(fields[1]), int(fields[2]), ppm[index + 1:]


def grid_cells(width, height, pixels):
    """The 81 cell rectangles, row by row, from the bounding box of the shaded squares."""
    xs, ys = [], []
    shade = bytes(SHADE)
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        x = row.find(shade)
        while x != -1:
            if x % 3 == 0:
                xs.append(x // 3)
                ys.append(y)
            x = row.find(shade, x + 3)
    if not xs:
        sys.exit('FAIL: no grid on the screen')
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    cell_w, cell_h = (right - left + 1) / 9, (bottom - top + 1) / 9
    return [(left + c * cell_w, top + r * cell_h, cell_w, cell_h) for r in range(9) for c in range(9)]


def ink(width, pixels, cell):
    """Dark pixels in the middle of a cell, away from its lines and the focus frame."""
    x0, y0, w, h = cell
    count = 0
    for y in range(int(y0 + h * 0.2), int(y0 + h * 0.8)):
        for x in range(int(x0 + w * 0.2), int(x0 + w * 0.8)):
            r, g, b = pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
            count += r + g + b < 250
    return count


def main():
    program, board = sys.argv[1], sys.argv[2]
    givens = [byte in b'123456789' for byte in open(board, 'rb').read(81).ljust(81, b'?')]
    home = tempfile.mkdtemp()
    config = os.path.join(home, '.config', 'VantrelInc')
    os.makedirs(config)
    with open(os.path.join(config, 'Orvandel.conf'), 'w') as settings:  # not the first start: no help
        settings.write('[orvandel]\nHELP\\FIRST%20TIME=0\n')
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'),
               XDG_DATA_HOME=os.path.join(home, '.local', 'share'))
    env.pop('QT_QPA_PLATFORM', None)
    window = subprocess.Popen([program, board], env=env)
    try:
        time.sleep(6)  # the splash screen closes after three seconds
        if window.poll() is not None:
            sys.exit(f'FAIL: the program ended with status {window.returncode}')
        width, height, pixels = screenshot_rgb()
    finally:
        window.kill()
        window.wait()
    shown = [ink(width, pixels, cell) > 8 for cell in grid_cells(width, height, pixels)]
    wrong = [i for i in range(81) if shown[i] != givens[i]]
    if wrong:
        sys.exit(f'FAIL: cells (row, column) {[(i // 9 + 1, i % 9 + 1) for i in wrong]} differ from {board}')
    print(f'The board of {board} is in the grid ({sum(givens)} givens).')


main()
