#!/usr/bin/env python3
"""Independent derivation of what a design file adds: heads, tailwater, scan.

Written from the formulas, not from the C++ code:
- the head over the crest by fixed-point substitution
  H = H0 - alpha*v0^2/2g, v0 = Q/(B0 (P + H)), with H0 = (Q/(eps m B sqrt(2g)))^(2/3)
  taken straight from the capacity formula, in 50-digit decimals; a weir has
  no free-flow head where even the smallest H0 of the subcritical approach,
  at P + H = yc or at H = 0, exceeds that H0;
- the tailwater level by interpolation in exact fractions;
- the governing discharge by a fine scan (a grid of 4001 discharges narrowed
  by ternary search to 1e-9 of the range) with the basin balance's root from
  derive_design.py (the contracted depth by the cubic in closed form).
Prints tests/data/design_file_reference.tsv; run it with python3 alone.
"""
import decimal
import fractions
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import derive_design  # noqa: E402

D = decimal.Decimal
decimal.getcontext().prec = 50


def head(Q, B, B0, P, m, eps=1.0, alpha=1.0):
    """(H, v0, H0) by substitution in decimals, or None without a free head."""
    Q, B, B0, P, m, eps, alpha = (D(repr(float(x))) for x in (Q, B, B0, P, m, eps, alpha))
    two_g = D('19.62')
    H0 = (Q / (eps * m * B * two_g.sqrt())) ** (D(2) / D(3))
    yc = (alpha * Q * Q / (D('9.81') * B0 * B0)) ** (D(1) / D(3))

    def total(H):
        v0 = Q / (B0 * (P + H))
        return H + alpha * v0 * v0 / two_g

    smallest = total(yc - P) if yc > P else total(D(0))
    if smallest > H0:
        return None
    H = H0
    for _ in range(10000):
        v0 = Q / (B0 * (P + H))
        following = H0 - alpha * v0 * v0 / two_g
        if abs(following - H) < D('1e-40'):
            break
        H = following
    v0 = Q / (B0 * (P + H))
    return float(H), float(v0), float(total(H))


def level_at(discharges, levels, Q):
    """Linear interpolation in fractions; None outside the table."""
    F = fractions.Fraction
    if not discharges[0] <= Q <= discharges[-1]:
        return None
    for (q0, l0), (q1, l1) in zip(zip(discharges, levels), zip(discharges[1:], levels[1:])):
        if q0 <= Q <= q1:
            return float(F(l0) + (F(Q) - F(q0)) / (F(q1) - F(q0)) * (F(l1) - F(l0)))
    return None


def row(*cells):
    print('\t'.join(c if isinstance(c, str) else repr(float(c)) for c in cells))


WEIRS = [
    # name, Q, B, B0, P, m, eps, alpha
    ('worked check', 120, 20, 20, 8, 0.48, 1.0, 1.0),
    ('example frequent', 40, 20, 20, 8, 0.48, 1.0, 1.0),
    ('example check', 400, 20, 20, 8, 0.48, 1.0, 1.0),
    ('wide approach', 120, 20, 35, 8, 0.48, 1.0, 1.0),
    ('contracted', 300, 30, 32, 5, 0.45, 0.92, 1.0),
    ('alpha 1.1', 300, 30, 30, 5, 0.45, 1.0, 1.1),
    ('low weir', 200, 10, 10, 1.5, 0.49, 1.0, 1.0),
    ('small discharge', 0.05, 3, 3, 2, 0.42, 1.0, 1.0),
    ('large river', 12000, 150, 160, 12, 0.47, 0.96, 1.05),
    ('no free head: low and narrow', 400, 5, 5, 0.2, 0.48, 1.0, 1.0),
    ('no free head: narrow approach', 500, 40, 4, 1, 0.5, 1.0, 1.0),
]


def capacity_rows():
    for name, Q, B, B0, P, m, eps, alpha in WEIRS:
        found = head(Q, B, B0, P, m, eps, alpha)
        cells = ['capacity', name, Q, B, B0, P, m, eps, alpha]
        if found is None:
            row(*cells, 'none', 'none', 'none')
        else:
            row(*cells, *found)


TABLE = ([0, 40, 100, 200, 300], [100.0, 101.2, 102.3, 103.1, 103.8])


def interpolation_rows():
    for Q in (0, 40, 20, 1e-9, 70, 99.999, 100, 150.5, 299.9999, 300, -1e-9, 300.000001, 1e6):
        found = level_at(*TABLE, Q)
        row('interpolation', repr(float(Q)), Q, 'none' if found is None else found)


# A weir with a power-law rating, ht = 1.05 q^0.6, tabulated every 1 m³/s.
SCAN_WEIR = dict(crest=106.0, bed=98.0, floor=100.0, B=20.0, m=0.48, phi=0.95, sigma=1.05,
                 exit_phi=0.95)
SCAN_TABLE = ([float(Q) for Q in range(0, 361)],
              [100.0 + 1.05 * (Q / 20.0) ** 0.6 for Q in range(0, 361)])
SCAN_RANGES = [('frequent to design', 40.0, 300.0), ('narrow', 100.0, 130.0),
               ('high floods', 200.0, 350.0)]


def basin_at(Q, weir=SCAN_WEIR, table=SCAN_TABLE):
    """(needs a basin, d, length) at Q, or None."""
    H, v0, _ = head(Q, weir['B'], weir['B'], weir['crest'] - weir['bed'], weir['m'])
    level = level_at(*table, Q)
    q = Q / weir['B']
    a1 = weir['crest'] - weir['floor']
    ht = level - weir['floor']
    c = q * q / (19.62 * weir['phi'] ** 2)
    hco = derive_design.supercritical_root(H + a1 + v0 * v0 / 19.62, c)
    if hco is None:
        return None
    if not ht / derive_design.conjugate(q, hco) < weir['sigma']:
        return False, 0.0, 0.0
    d, _, hco, hco2, _, _ = derive_design.exact_basin(q, H, a1, v0, ht, weir['phi'],
                                                      weir['sigma'], weir['exit_phi'])
    return True, d, 5.52 * (hco2 - hco)


def fine_maximum(low, high, figure):
    """Largest figure over [low, high]: a 4001-point grid, then ternary search."""
    n = 4000
    grid = [low + (high - low) * k / n for k in range(n + 1)]
    values = [figure(Q) for Q in grid]
    k = max(range(n + 1), key=lambda i: values[i])
    a, b = grid[max(0, k - 1)], grid[min(n, k + 1)]
    while b - a > 1e-9 * (high - low):
        x, y = a + (b - a) / 3, b - (b - a) / 3
        if figure(x) >= figure(y):
            b = y
        else:
            a = x
    Q = (a + b) / 2
    best = max([(figure(Q), Q), (values[k], grid[k])])
    return best[1], best[0]


def scan_rows():
    def depth(Q):
        point = basin_at(Q)
        return point[1] if point and point[0] else -1.0

    def length(Q):
        point = basin_at(Q)
        return point[2] if point and point[0] else -1.0

    for name, low, high in SCAN_RANGES:
        Qd, d = fine_maximum(low, high, depth)
        Ql, L = fine_maximum(low, high, length)
        row('scan', name, low, high, Qd, Qd / 20.0, d, Ql, Ql / 20.0, L)


EXAMPLE_TABLE = ([float(Q) for Q in range(0, 401, 20)],
                 [100.00, 101.05, 101.59, 102.03, 102.41, 102.76, 103.08, 103.37, 103.66,
                  103.92, 104.18, 104.43, 104.66, 104.89, 105.12, 105.33, 105.47, 105.60,
                  105.72, 105.84, 105.95])
EXAMPLE_FLOODS = [('frequent flood', 40.0), ('5-year flood', 100.0), ('20-year flood', 200.0),
                  ('design flood', 300.0), ('check flood', 400.0)]


def example_rows():
    """examples/weir-design.toml: each flood's case, exact basin and levels."""
    for name, Q in EXAMPLE_FLOODS:
        H, v0, H0 = head(Q, 20, 20, 8, 0.48)
        level = level_at(*EXAMPLE_TABLE, Q)
        point = basin_at(Q, table=EXAMPLE_TABLE)
        row('example', name, Q, Q / 20, H, v0, level - 100.0, 106.0 + H, level,
            point[1] if point[0] else 0.0)
    Qd, d = fine_maximum(40.0, 400.0, lambda Q: (lambda p: p[1] if p and p[0] else -1.0)(
        basin_at(Q, table=EXAMPLE_TABLE)))
    row('example scan', 'depth', Qd, Qd / 20, d)


def main():
    capacity_rows()
    interpolation_rows()
    scan_rows()
    example_rows()
    print('scan table', *(repr(x) for x in SCAN_TABLE[1]), sep='\t')


if __name__ == '__main__':
    main()
