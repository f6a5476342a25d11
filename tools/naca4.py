#!/usr/bin/env python3
"""Writes the NACA 4-digit sections that Planformix ships as DAT files.

The sections come from the published NACA 4-digit thickness and mean-line
equations. Run by hand when the family changes; the output is committed:

    python3 tools/naca4.py resources/foils_v2

Each file has a name line ("NACA 2412") and then the outline from the
trailing edge over the upper surface to the leading edge and back along the
lower surface, x in chord fractions from 0 to 1.
"""

import math
import os
import sys

# Symmetric and cambered sections between 5 % and 18 % thickness.
SECTIONS = [
    "0005", "0006", "0008", "0009", "0010", "0011", "0012", "0013",
    "0014", "0015", "0016", "0018",
    "1408", "1410", "1412", "1415",
    "2405", "2406", "2408", "2409", "2410", "2411", "2412", "2414",
    "2415", "2418",
    "2306", "2309", "2312", "2315",
    "3410", "3412", "3415",
    "4409", "4412", "4415", "4418", "4312",
    "6409", "6412",
]

# Points per surface, leading and trailing edge included. Cosine spacing puts
# them close together where the curvature is high.
POINTS_PER_SIDE = 61


def thickness(x, t):
    """Half thickness of a section of thickness t (chord fractions)."""
    return 5.0 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x ** 2
                      + 0.2843 * x ** 3 - 0.1015 * x ** 4)


def mean_line(x, m, p):
    """Mean-line height and slope for maximum camber m at chord position p."""
    if m == 0.0 or p == 0.0:
        return 0.0, 0.0
    if x < p:
        yc = m / p ** 2 * (2.0 * p * x - x ** 2)
        dyc = 2.0 * m / p ** 2 * (p - x)
    else:
        yc = m / (1.0 - p) ** 2 * ((1.0 - 2.0 * p) + 2.0 * p * x - x ** 2)
        dyc = 2.0 * m / (1.0 - p) ** 2 * (p - x)
    return yc, dyc


def section(digits):
    m = int(digits[0]) / 100.0
    p = int(digits[1]) / 10.0
    t = int(digits[2:]) / 100.0
    upper = []
    lower = []
    for i in range(POINTS_PER_SIDE):
        beta = math.pi * i / (POINTS_PER_SIDE - 1)
        x = 0.5 * (1.0 - math.cos(beta))
        yt = thickness(x, t)
        yc, dyc = mean_line(x, m, p)
        if i == POINTS_PER_SIDE - 1:
            # Planformix takes both ends of an outline from the file's
            # largest x, so both surfaces have to end at that station, as they
            # do in the published tables. Laid off along the sloping mean-line
            # normal, the upper trailing-edge point would stand alone beyond
            # x = 1 and the lower surface would end on it.
            upper.append((x, yc + yt))
            lower.append((x, yc - yt))
            continue
        # Everywhere else the thickness is laid off perpendicular to the
        # mean line.
        theta = math.atan(dyc)
        upper.append((x - yt * math.sin(theta), yc + yt * math.cos(theta)))
        lower.append((x + yt * math.sin(theta), yc - yt * math.cos(theta)))
    # Trailing edge first, over the top to the nose, then back underneath;
    # the nose point is shared by both surfaces and written once.
    return list(reversed(upper)) + lower[1:]


def write_section(folder, digits):
    path = os.path.join(folder, "naca%s.dat" % digits)
    with open(path, "w", newline="\n") as out:
        out.write("NACA %s\n" % digits)
        for x, y in section(digits):
            out.write("%.6f %.6f\n" % (x, y))
    return path


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: naca4.py OUTPUT_FOLDER\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for digits in SECTIONS:
        write_section(argv[1], digits)
    print("%d sections written to %s" % (len(SECTIONS), argv[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
