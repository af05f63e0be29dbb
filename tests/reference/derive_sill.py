#!/usr/bin/env python3
"""Independent derivation of the sill basin, the combined basin and the scour.

A second implementation written from the textbook's formulas, not from the
C++ code, printing the rows of tests/data/sill_reference.tsv:

    python3 tests/reference/derive_sill.py > tests/data/sill_reference.tsv

- sigma_s: the submergence coefficient of a practical-profile sill by
  hs/H10, the textbook's table interpolated linearly;
- sill: c = sigma*hco2 - H1, H1 = H10 - q^2/(2g (sigma*hco2)^2),
  H10 = (q/(sigma_s m sqrt(2g)))^(2/3), iterated with sigma_s until c
  settles; then E10 = c + H10, the contracted depth hc1 after the sill (the
  cubic solved in closed form) and its conjugate hc1'' against ht. The toe's
  hco and hco2 are the window check's single-precision figures, which
  derive_cases.py computes independently;
- combined: the free sill with hc1'' = ht, then the lowering d closing
  sigma*hco2(E0 + d) = d + c + H1, bisected;
- scour: dm = 1.1 qm/[v0] - hm, qm = q b1/b2, with each bed class's
  allowable velocity and with one given.

Before printing, the textbook's worked figures are checked to the digits the
textbook gives them; a failure stops the script.
"""
import bisect
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import derive_cases  # noqa: E402  (the window's check, independently)
import derive_design  # noqa: E402  (the cubic in closed form)

f32 = derive_design.f32
G = 9.81

# hs/H10 and sigma_s of a practical-profile sill; 1 up to 0.45.
TABLE_RATIO = [0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.72, 0.74, 0.76, 0.78,
               0.80, 0.82, 0.84, 0.86, 0.88, 0.90, 0.92, 0.95, 1.00]
TABLE_SIGMA = [1.000, 0.990, 0.985, 0.975, 0.960, 0.940, 0.930, 0.915, 0.900, 0.885,
               0.865, 0.845, 0.815, 0.785, 0.750, 0.710, 0.651, 0.535, 0.000]


def sigma_s(ratio):
    if ratio <= TABLE_RATIO[0]:
        return 1.0
    if ratio >= TABLE_RATIO[-1]:
        return 0.0
    k = bisect.bisect_left(TABLE_RATIO, ratio)  # TABLE_RATIO[k-1] < ratio <= TABLE_RATIO[k]
    x0, x1 = TABLE_RATIO[k - 1], TABLE_RATIO[k]
    y0, y1 = TABLE_SIGMA[k - 1], TABLE_SIGMA[k]
    return y0 + (y1 - y0) * (ratio - x0) / (x1 - x0)


def total_head(q, s, m):
    return (q / (s * m * math.sqrt(2 * G))) ** (2 / 3)


def contracted(E, q, phi):
    return derive_design.supercritical_root(E, q * q / (2 * G * phi * phi))


conjugate = derive_design.conjugate


def toe(q, H, a1, v, ht, phi, sigma):
    """The window check's contracted and conjugate depths at the toe, for
    the inputs typed as written."""
    form, s = derive_cases.Form('en_US'), derive_cases.State()
    form.texts.update(derive_cases.inputs([repr(x) for x in (q, H, a1, v, ht, phi, sigma)]))
    derive_cases.press(form, s, 'check')
    return s.hco, s.hco2


def sill(q, ht, phi, sigma, m, hco, hco2):
    """The sill basin: verdict and figures (None where not formed)."""
    y = sigma * hco2
    s = 1.0
    c_prev = None
    while True:
        H10 = total_head(q, s, m)
        H1 = H10 - q * q / (2 * G * y * y)
        c = y - H1
        ratio = (ht - c) / H10
        out = dict(c=c, H10=H10, H1=H1, sigma_s=s, ratio=ratio)
        if c <= 0:
            return 'no positive height', out, None
        if ratio >= 1:
            return 'drowned', out, None
        if c_prev is not None and abs(c - c_prev) <= 1e-12 * max(1.0, abs(c)):
            break
        if sigma_s(ratio) == s:
            break
        c_prev, s = c, sigma_s(ratio)
    E10 = c + H10
    hc1 = contracted(E10, q, phi)
    if hc1 is None:
        return 'no contracted depth after sill', out, None
    hc1b = conjugate(q, hc1)
    jump = 'submerged' if hc1b < ht else ('critical' if hc1b == ht else 'remote')
    verdict = 'remote after sill' if jump == 'remote' else 'holds'
    return verdict, out, dict(E10=E10, hc1=hc1, hc1b=hc1b, jump=jump)


def combined(q, H, a1, v, ht, phi, sigma, m):
    """The combined basin: verdict and its figures."""
    H10 = total_head(q, 1.0, m)
    hc1 = conjugate(q, ht)
    E10 = hc1 + q * q / (2 * G * (phi * hc1) ** 2)
    c = E10 - H10
    out = dict(c=c, H10=H10, hc1=hc1, E10=E10, ratio=(ht - c) / H10)
    if c <= 0:
        return 'no sill', out

    def at(d):
        E0 = H + a1 + v * v / (2 * G) + d
        hco = contracted(E0, q, phi)
        y = sigma * conjugate(q, hco)
        H1 = H10 - q * q / (2 * G * y * y)
        return d + c + H1 - y, E0, hco, y / sigma, H1

    lo, hi = 0.0, 1.0
    if at(lo)[0] >= 0:
        d = 0.0
    else:
        while at(hi)[0] < 0:
            lo, hi = hi, 2 * hi
        while True:
            mid = (lo + hi) / 2
            if mid in (lo, hi):
                break
            if at(mid)[0] < 0:
                lo = mid
            else:
                hi = mid
        d = lo if abs(at(lo)[0]) < abs(at(hi)[0]) else hi
    _, E0, hco, hco2, H1 = at(d)
    out.update(d=d, E0=E0, hco=hco, hco2=hco2, H1=H1, met=d == 0)
    return 'sized', out


def agrees(value, expected):
    """value shown to the digits the textbook gives `expected` (a string)."""
    decimals = len(expected.split('.')[1]) if '.' in expected else 0
    return '%.*f' % (decimals, value) == expected


def check_worked_figures():
    """The textbook's worked figures (phi 0.95, sigma 1.05, m 0.42)."""
    hco, hco2 = toe(5, 1.77, 6, 0.51, 2.38, 0.95, 1.05)
    verdict, s, after = sill(f32(5), f32(2.38), f32(0.95), f32(1.05), 0.42, hco, hco2)
    expected = [(s['H10'], '1.933'), (s['H1'], '1.820'), (s['c'], '1.537'),
                (s['ratio'], '0.436'), (after['hc1'], '0.7160'), (after['hc1b'], '2.334')]
    assert all(agrees(*e) for e in expected) and verdict == 'holds', (s, after)
    hco, hco2 = toe(10, 3, 5, 1, 3, 0.95, 1.05)
    verdict, s, after = sill(f32(10), f32(3), f32(0.95), f32(1.05), 0.42, hco, hco2)
    expected = [(s['H10'], '3.069'), (s['H1'], '2.826'), (s['c'], '1.760'),
                (after['hc1b'], '3.447')]
    assert all(agrees(*e) for e in expected) and verdict == 'remote after sill', (s, after)
    verdict, s = combined(*[f32(x) for x in (10, 3, 5, 1, 3, 0.95, 1.05)], 0.42)
    assert agrees(s['c'], '0.924') and agrees(s['d'], '1.025'), s


def cell(x):
    if x is None:
        return 'none'
    if isinstance(x, bool):
        return 'yes' if x else 'no'
    if isinstance(x, str):
        return x
    return repr(float(x))


def row(*cells):
    print('\t'.join(cell(c) for c in cells))


SIGMA_S = [('free', 0.2), ('tailwater below the crest', -0.3), ('end of free flow', 0.45),
           ('between 0.45 and 0.50', 0.475), ('table row 0.50', 0.5),
           ('between 0.72 and 0.74', 0.73), ('table row 0.86', 0.86),
           ('between 0.92 and 0.95', 0.935), ('between 0.95 and 1', 0.99),
           ('at the total head', 1.0), ('above the total head', 1.2)]

# name, q, H, a1, v, ht, phi, sigma, m
SILLS = [
    ('worked: the sill works', 5, 1.77, 6, 0.51, 2.38, 0.95, 1.05, 0.42),
    ('worked: remote after the sill', 10, 3, 5, 1, 3, 0.95, 1.05, 0.42),
    ('drowned 0.75', 10, 3, 5, 1, 4.0, 0.95, 1.05, 0.42),
    ('drowned 0.82', 10, 3, 5, 1, 4.2, 0.95, 1.05, 0.42),
    ('drowned 0.94', 10, 3, 5, 1, 4.58, 0.95, 1.05, 0.42),
    ('sill coefficient 0.36', 5, 1.77, 6, 0.51, 2.38, 0.95, 1.05, 0.36),
    ('low tailwater cannot hold', 5, 1.77, 6, 0.51, 1.6, 0.95, 1.05, 0.42),
    ('high weir', 25, 6.2, 18, 1.5, 6.1, 0.92, 1.1, 0.42),
    ('no positive height', 10, 3, 5, 1, 4.7, 0.95, 1.05, 0.42),
    ('tailwater above the head', 10, 3, 5, 1, 5.0, 0.95, 1.05, 0.42),
]

COMBINED = [
    ('worked', 10, 3, 5, 1, 3, 0.95, 1.05, 0.42),
    ('worked: the sill works', 5, 1.77, 6, 0.51, 2.38, 0.95, 1.05, 0.42),
    ('low tailwater', 5, 1.77, 6, 0.51, 1.6, 0.95, 1.05, 0.42),
    ('high weir', 25, 6.2, 18, 1.5, 6.1, 0.92, 1.1, 0.42),
    ('no sill', 10, 3, 5, 1, 2.2, 0.95, 1.05, 0.36),
]

# The lower ends of the handbooks' non-scouring velocities for a flow about
# 1 m deep, one per bed class.
BEDS = {'fine-sand': 0.35, 'coarse-sand': 0.50, 'silty-clay': 0.60, 'stiff-clay': 0.75}

# name, q, b1/b2, hm, bed, [v0] given (None: the bed's)
SCOUR = [(bed, 3, 0.8, 2.5, bed, None) for bed in BEDS] + [
    ('given velocity', 3, 0.8, 2.5, 'given', 1.2),
    ('no trench needed', 1.2, 1.0, 4, 'stiff-clay', None),
]


def main():
    check_worked_figures()
    print('# sigma_s\tname\ths/H10\tsigma_s')
    for name, ratio in SIGMA_S:
        row('sigma_s', name, ratio, sigma_s(ratio))

    print('# sill\tname\tq\tH\ta1\tv\tht\tphi\tsigma\tm\thco\thco2\tverdict\tc\tH10\tH1'
          '\tsigma_s\ths/H10\tE10\thc1\thc1\'\'\tjump\tlength_min\tlength_max')
    for name, q, H, a1, v, ht, phi, sigma, m in SILLS:
        flow = [f32(x) for x in (q, H, a1, v, ht, phi, sigma)]
        hco, hco2 = toe(q, H, a1, v, ht, phi, sigma)
        verdict, s, after = sill(flow[0], flow[4], flow[5], flow[6], m, hco, hco2)
        a = after or dict(E10=None, hc1=None, hc1b=None, jump='none')
        row('sill', name, q, H, a1, v, ht, phi, sigma, m, hco, hco2, verdict, s['c'], s['H10'],
            s['H1'], s['sigma_s'], s['ratio'], a['E10'], a['hc1'], a['hc1b'], a['jump'],
            (hco2 - hco) * 4.83, (hco2 - hco) * 5.52)

    print('# combined\tname\tq\tH\ta1\tv\tht\tphi\tsigma\tm\tverdict\tc\tH10\thc1\tE10'
          '\ths/H10\td\tE0\thco\thco2\tH1\tmet')
    for name, *inputs in COMBINED:
        flow = [f32(x) for x in inputs[:7]]
        verdict, s = combined(*flow, inputs[7])
        row('combined', name, *inputs, verdict, s['c'], s['H10'], s['hc1'], s['E10'],
            s['ratio'], *(s.get(k) for k in ('d', 'E0', 'hco', 'hco2', 'H1', 'met')))

    print('# scour\tname\tq\tratio\thm\tbed\tv0\tqm\tdm\ttrench')
    for name, q, ratio, hm, bed, given in SCOUR:
        v0 = given if given is not None else BEDS[bed]
        qm = q * ratio
        dm = 1.1 * qm / v0 - hm
        row('scour', name, q, ratio, hm, bed, v0, qm, dm, dm > 0)


if __name__ == '__main__':
    main()
