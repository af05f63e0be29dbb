#!/usr/bin/env python3
"""Independent derivation of the design tool's cross-check, slab and apron.

A second implementation of the sluice design standard's basin formulas,
written from the formulas rather than from the C++ code: the contracted depth
comes from the trigonometric solution of the cubic (not from a bisection),
and d' is iterated by plain substitution. Inputs are rounded to single
precision first, as the commands hold them. Prints the rows of
tests/data/design_reference.tsv; run it with python3, it needs nothing else.

    derive_design.py           tests/data/design_reference.tsv
    derive_design.py review    tests/data/review_reference.tsv: the basin
                               decision by sigma, the exact root of the basin
                               balance, adopted dimensions, slab, apron,
                               uplift and coefficient warnings

The review's basin decision runs the window's two commands as
derive_cases.py implements them; everything else here is written from the
formulas alone.
"""
import fractions
import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import derive_cases  # noqa: E402  (the window's commands, independently)


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def supercritical_root(T0, c):
    """Smallest positive root of h^3 - T0 h^2 + c = 0, or None.

    With h = y + T0/3 the cubic becomes y^3 + p y + r = 0; three real roots
    exist when the discriminant allows, and the smallest positive one is the
    supercritical depth.
    """
    if T0 <= 0:
        return None
    p = -T0 * T0 / 3
    r = c - 2 * T0 ** 3 / 27
    disc = (r / 2) ** 2 + (p / 3) ** 3
    if disc > 0:
        return None
    m = 2 * math.sqrt(-p / 3)
    theta = math.acos(max(-1.0, min(1.0, 3 * r / (p * m))))
    roots = [m * math.cos((theta - 2 * math.pi * k) / 3) + T0 / 3 for k in range(3)]
    positive = sorted(x for x in roots if x > 0)
    return positive[0] if positive else None


def standard(q, H, a1, v, ht, phi, sigma, alpha=1.0, ratio=1.0, beta=0.75, Ls=0.0,
             phi_exit=0.95):
    """d', Lsj, hco, hc'' by the standard; the exit's head takes phi_exit."""
    E0 = a1 + H + alpha * v * v / 19.62
    c = alpha * q * q / (19.62 * phi * phi)
    d = 0.0
    for _ in range(500):
        hco = supercritical_root(E0 + d, c)
        if hco is None:
            return None
        hc2 = hco / 2 * (math.sqrt(1 + 8 * alpha * q * q / (9.81 * hco ** 3)) - 1) * ratio ** 0.25
        dz = (alpha * q * q / (19.62 * phi_exit * phi_exit * ht * ht)
              - alpha * q * q / (19.62 * hc2 * hc2))
        d = sigma * hc2 - ht - dz
    return d, Ls + beta * 6.9 * (hc2 - hco), hco, hc2


def slab(q, H, a1, ht, k1=0.20, ks=None):
    dH = a1 + H - ht
    s = math.sqrt(q * math.sqrt(dH)) if dH > 0 else 0.0
    return k1 * s, (ks * s if ks is not None else None), not (1 <= s <= 9)


# name, q, H, a1, v, ht, phi, sigma, alpha, b1/b2, beta, Ls, k1, Ks
CASES = [
    ('worked', 10, 3, 5, 1, 3, 0.95, 1.05, 1.0, 1.0, 0.75, 0.0, 0.20, None),
    ('alpha and width', 10, 3, 5, 1, 3, 0.95, 1.05, 1.05, 0.8, 0.7, 2.5, 0.15, 12),
    ('low weir', 4, 1.6, 2.5, 0.5, 1.7, 0.95, 1.05, 1.0, 1.0, 0.75, 0.0, 0.20, 14),
    ('high weir', 25, 6.2, 18, 1.5, 6.1, 0.92, 1.1, 1.0, 1.0, 0.8, 0.0, 0.18, 8),
    ('small discharge', 1.2, 0.8, 1.5, 0.2, 0.75, 0.95, 1.05, 1.0, 1.0, 0.75, 1.0, 0.20, 10),
]


def text(x):
    return 'none' if x is None else repr(float(x))


def design_reference():
    print('# name\tq\tH\ta1\tv\tht\tphi\tsigma\talpha\tratio\tbeta\tLs\tk1\tks'
          '\td\tLsj\thco\thc2\tslab\tapron\toutside')
    for (name, q, H, a1, v, ht, phi, sigma, alpha, ratio, beta, Ls, k1, ks) in CASES:
        s = [f32(x) for x in (q, H, a1, v, ht, phi, sigma)]
        res = standard(*s, alpha, ratio, beta, Ls)
        t, lp, outside = slab(s[0], s[1], s[2], s[4], k1, ks)
        cols = [name] + [repr(float(x)) for x in (q, H, a1, v, ht, phi, sigma, alpha, ratio,
                                                  beta, Ls, k1)]
        cols.append(text(ks))
        cols += [text(x) for x in (res if res else (None,) * 4)]
        cols += [text(t), text(lp), 'yes' if outside else 'no']
        print('\t'.join(cols))


# ---------------------------------------------------------------------------
# tests/data/review_reference.tsv

def conjugate(q, h):
    """The momentum formula's conjugate depth."""
    return h / 2 * (math.sqrt(1 + 8 * q * q / (9.81 * h ** 3)) - 1)


def exact_basin(q, H, a1, v, ht, phi, sigma, phi_exit):
    """Root of the basin balance Et = sigma*hco2 + q^2/(2g (sigma*hco2)^2) - d.

    The contracted depth at E0 + d is the cubic's supercritical root in
    closed form; d is bisected between 0 and an upper end doubled until the
    balance holds. Returns (d, E0, hco, hco2, Et, met_without_lowering).
    """
    Et = ht + q * q / (19.62 * (phi_exit * ht) ** 2)
    c = q * q / (19.62 * phi * phi)

    def at(d):
        E0 = H + a1 + v * v / 19.62 + d
        hco = supercritical_root(E0, c)
        y = sigma * conjugate(q, hco)
        return Et - (y + q * q / (19.62 * y * y) - d), E0, hco

    r0, E0, hco = at(0.0)
    if r0 >= 0:
        return 0.0, E0, hco, conjugate(q, hco), Et, True
    lo, hi = 0.0, 1.0
    while at(hi)[0] < 0:
        lo, hi = hi, 2 * hi
    for _ in range(2000):
        m = (lo + hi) / 2
        if m in (lo, hi):
            break
        if at(m)[0] < 0:
            lo = m
        else:
            hi = m
    d = lo if abs(at(lo)[0]) < abs(at(hi)[0]) else hi
    r, E0, hco = at(d)
    return d, E0, hco, conjugate(q, hco), Et, False


def round_up(value, step):
    """Rounds up to the step as written in decimals, in exact fractions.

    A value within a relative 1e-9 of a whole number of steps is that
    multiple: 3 * 0.1 in binary is 0.30000000000000004, three decimetres.
    """
    exact_step = fractions.Fraction(repr(step))
    count = fractions.Fraction(value) / exact_step
    nearest = round(count)
    if abs(count - nearest) <= fractions.Fraction(1, 10 ** 9) * max(1, abs(nearest)):
        steps = nearest
    else:
        steps = math.ceil(count)
    return float(steps * exact_step)


def window(texts):
    """The window's check, then its sizing: (state, form, kind of the stop)."""
    form, s = derive_cases.Form('en_US'), derive_cases.State()
    form.texts.update(derive_cases.inputs(texts))
    derive_cases.press(form, s, 'check')
    ratio = s.ht / s.hco2
    if not ratio < f32(float(texts[6])):
        return ratio, 'none', form, ''
    kind = derive_cases.press(form, s, 'size')[0]
    return ratio, ('basin' if kind == 'ok' else 'unsizeable'), form, kind


def row(*cells):
    print('\t'.join(c if isinstance(c, str) else repr(float(c)) for c in cells))


def shortest(x):
    return repr(float(x))


EXAMPLE = ['10', '3', '5', '1', None, '0.95', '1.05']


def decision_rows():
    print('# decision\tname\tq\tH\ta1\tv\tht\tphi\tsigma'
          '\tsubmergence\tdecision\tText11\tText12\terror')
    s = derive_cases.State()
    form = derive_cases.Form('en_US')
    form.texts.update(derive_cases.inputs(EXAMPLE[:4] + ['3'] + EXAMPLE[5:]))
    derive_cases.press(form, s, 'check')
    hco2 = s.hco2
    cases = [('ratio %s' % r, '%.6g' % (float(r) * hco2))
             for r in ('0.99', '1.00', '1.019', '1.049', '1.051')]
    cases += [('example 4.45', '4.45'), ('worked 4.36829', '4.36829'), ('worked 3', '3')]
    for name, ht in cases:
        texts = EXAMPLE[:4] + [ht] + EXAMPLE[5:]
        ratio, decision, form, kind = window(texts)
        row('decision', name, *texts, shortest(ratio), decision, form.texts[11],
            form.texts[12], kind)
    # A larger sigma draws a drowned jump into the rule: ht/hco2 = 1.08.
    texts = ['10', '3', '5', '1', '%.6g' % (1.08 * hco2), '0.95', '1.1']
    ratio, decision, form, kind = window(texts)
    row('decision', 'sigma 1.1', *texts, shortest(ratio), decision, form.texts[11],
        form.texts[12], kind)


EXACT = [
    # name, q, H, a1, v, ht, phi, sigma, phi_exit
    ('example 4.45', 10, 3, 5, 1, 4.45, 0.95, 1.05, 0.95),
    ('worked 4.36829', 10, 3, 5, 1, 4.36829, 0.95, 1.05, 0.95),
    ('worked 3', 10, 3, 5, 1, 3, 0.95, 1.05, 0.95),
    ('lower jet phi', 10, 3, 5, 1, 3, 0.9, 1.05, 0.95),
    ('exit phi 0.9', 10, 3, 5, 1, 3, 0.95, 1.05, 0.9),
    ('high weir', 25, 6.2, 18, 1.5, 6.1, 0.92, 1.1, 0.95),
    ('small discharge', 1.2, 0.8, 1.5, 0.2, 0.75, 0.95, 1.05, 0.95),
    ('drowned', 10, 3, 5, 1, 6, 0.95, 1.05, 0.95),
]


def exact_rows():
    print('# exact\tname\tq\tH\ta1\tv\tht\tphi\tsigma\tphi_exit'
          '\td\tE0\thco\thco2\tEt\tmet')
    for name, *inputs in EXACT:
        flow = [f32(x) for x in inputs[:7]]
        d, E0, hco, hco2, Et, met = exact_basin(*flow, inputs[7])
        row('exact', name, *inputs, d, E0, hco, hco2, Et, 'yes' if met else 'no')


def standard_rows():
    print('# standard\tname\tq\tH\ta1\tv\tht\tphi\tsigma\tphi_exit\td\tLsj')
    for name, *inputs in EXACT[:6]:
        flow = [f32(x) for x in inputs[:7]]
        d, Lsj, _, _ = standard(*flow, phi_exit=inputs[7])
        row('standard', name, *inputs, d, Lsj)


def adopt_rows():
    print('# adopt\tname\twindow d\texact d\tstandard d\twindow length\tLsj'
          '\tdepth step\tlength step\tdepth\tdepth unrounded\tlength\tlength unrounded')
    cases = []
    for name, *inputs in EXACT[:3]:
        texts = [str(x) for x in inputs[:7]]
        ratio, decision, form, kind = window(texts)
        flow = [f32(x) for x in inputs[:7]]
        d_exact = exact_basin(*flow, inputs[7])[0]
        d_std, Lsj, _, _ = standard(*flow, phi_exit=inputs[7])
        upper = float(form.texts[12].split('----')[1])
        cases.append((name, float(form.texts[11]), d_exact, d_std, upper, Lsj, 0.05, 0.5))
    cases += [
        ('exact multiple', 1.35, 1.3, 1.2, 19.5, 18.0, 0.05, 0.5),
        ('just above a multiple', 1.3500001, 1.3, 1.2, 19.5000001, 18.0, 0.05, 0.5),
        ('product of steps', 27 * 0.05, 0.1, 0.1, 3 * 0.1, 0.2, 0.05, 0.1),
        ('product above the decimal', 23 * 0.05, 0.1, 0.1, 7 * 0.1, 0.2, 0.05, 0.1),
        ('decimetre steps', 0.31, 0.3, 0.29, 7.01, 6.9, 0.1, 1.0),
        ('third of a metre', 0.5, 0.6, 0.4, 2.0, 1.9, 0.3, 0.25),
    ]
    for name, wd, ed, sd, wl, lsj, dstep, lstep in cases:
        depth = max(wd, ed, sd)
        length = max(wl, lsj)
        row('adopt', name, wd, ed, sd, wl, lsj, dstep, lstep,
            round_up(depth, dstep), depth, round_up(length, lstep), length)


GOVERN = [
    ('largest adopted', [(1.35, 1.31), (1.40, 1.36), (1.30, 1.29)]),
    ('tie broken by the unrounded', [(1.35, 1.31), (1.35, 1.33), (1.30, 1.29)]),
    ('full tie keeps the first', [(1.35, 1.33), (1.35, 1.33)]),
    ('cases without a basin', [None, (0.5, 0.45), None]),
    ('no case', [None, None]),
]


def govern_rows():
    print('# govern\tname\tvalues (adopted:unrounded, - for none)\tindex')
    for name, values in GOVERN:
        held = [(v[0], v[1], -i) for i, v in enumerate(values) if v is not None]
        index = -max(held)[2] if held else 'none'
        cells = ';'.join('-' if v is None else '%r:%r' % v for v in values)
        row('govern', name, cells, str(index))


APRON = [
    # name, q, H, a1, ht, b1/b2, Ks
    ('width ratio 0.8', 10, 3, 5, 3, 0.8, 12),
    ('width ratio 1', 10, 3, 5, 3, 1.0, 12),
    ('submerged', 10, 3, 5, 6, 0.8, 10),
    ('below the range', 0.2, 0.3, 0.5, 0.6, 1.0, 10),
    ('above the range', 60, 8, 40, 9, 1.0, 8),
    ('no head', 10, 1, 1, 3, 0.8, 12),
]


def scour(q, dH):
    return math.sqrt(q * math.sqrt(dH)) if dH > 0 else 0.0


def apron_rows():
    print('# apron\tname\tq\tH\ta1\tht\tratio\tks\tqs\tparameter\tLp\toutside')
    for name, q, H, a1, ht, ratio, ks in APRON:
        q, H, a1, ht = (f32(x) for x in (q, H, a1, ht))
        qs = q * ratio
        s = scour(qs, a1 + H - ht)
        row('apron', name, q, H, a1, ht, ratio, ks, qs, s, ks * s,
            'yes' if not 1 <= s <= 9 else 'no')


def uplift(q, hc, over_floor, U, k2=1.2, gb=24.0):
    vc = q / hc
    pm = 0.05 * 9.81 * vc * vc / 19.62
    front = k2 * (U - 9.81 * hc + pm) / gb
    rear = k2 * (U - 9.81 * over_floor - pm) / gb
    return vc, pm, front, rear


UPLIFT = [
    # name, q, hc, ht + d, U, k2, gamma_b
    ('example', 5, 0.4211, 3.361, 45, 1.2, 24),
    ('heavier concrete', 5, 0.4211, 3.361, 45, 1.3, 25),
    ('weight holds', 5, 0.4211, 3.361, 10, 1.2, 24),
]


def uplift_rows():
    print('# uplift\tname\tq\thc\tht+d\tU\tk2\tgamma_b\tvc\tPm\tfront\trear')
    for name, *inputs in UPLIFT:
        row('uplift', name, *inputs, *uplift(*inputs))


SLAB = [
    # name, q, H, a1, ht, k1, U (kPa) or None, hc, ht + d
    ('scour governs', 10, 3, 5, 3, 0.2, None, 0.0, 0.0),
    ('uplift governs', 5, 2, 4, 2.9, 0.2, 45, 0.4211, 3.361),
    ('thin end kept at 0.5', 1.2, 0.8, 1.5, 0.75, 0.15, None, 0.0, 0.0),
]


def slab_rows():
    print('# slab\tname\tq\tH\ta1\tht\tk1\tU\thc\tht+d\tscour\tslab\tend')
    for name, q, H, a1, ht, k1, U, hc, over in SLAB:
        q, H, a1, ht = (f32(x) for x in (q, H, a1, ht))
        t = k1 * scour(q, a1 + H - ht)
        slab_t = t
        if U is not None:
            _, _, front, rear = uplift(q, hc, over, U)
            slab_t = max(t, front, rear)
        row('slab', name, q, H, a1, ht, k1, 'none' if U is None else U, hc, over, t, slab_t,
            max(slab_t / 2, 0.5))


RANGES = {'k1': (0.15, 0.20), 'sigma': (1.05, 1.10), 'beta': (0.7, 0.8), 'phi': (0.85, None)}
WARNINGS = [('k1', 0.14), ('k1', 0.15), ('k1', 0.2), ('k1', 0.21), ('sigma', 1.0),
            ('sigma', 1.05), ('sigma', 1.1), ('sigma', 1.11), ('beta', 0.69), ('beta', 0.75),
            ('beta', 0.8), ('beta', 0.85), ('phi', 0.84), ('phi', 0.85), ('phi', 1.0)]


def warning_rows():
    print('# warning\tname\tcoefficient\tvalue\twarned\tlow\thigh')
    for key, value in WARNINGS:
        low, high = RANGES[key]
        inside = value >= low and (high is None or value <= high)
        row('warning', '%s %r' % (key, value), key, value, 'no' if inside else 'yes',
            low, 'none' if high is None else high)


def review_reference():
    for rows in (decision_rows, exact_rows, standard_rows, adopt_rows, govern_rows,
                 apron_rows, uplift_rows, slab_rows, warning_rows):
        rows()


def main():
    if sys.argv[1:] == ['review']:
        review_reference()
    else:
        design_reference()


if __name__ == '__main__':
    main()
