#!/usr/bin/env python3
"""Independent derivation of the design tool's cross-check, slab and apron.

A second implementation of the sluice design standard's basin formulas,
written from the formulas rather than from the C++ code: the contracted depth
comes from the trigonometric solution of the cubic (not from a bisection),
and d' is iterated by plain substitution. Inputs are rounded to single
precision first, as the commands hold them. Prints the rows of
tests/data/design_reference.tsv; run it with python3, it needs nothing else.
"""
import math
import struct


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


def standard(q, H, a1, v, ht, phi, sigma, alpha=1.0, ratio=1.0, beta=0.75, Ls=0.0):
    E0 = a1 + H + alpha * v * v / 19.62
    c = alpha * q * q / (19.62 * phi * phi)
    d = 0.0
    for _ in range(500):
        hco = supercritical_root(E0 + d, c)
        if hco is None:
            return None
        hc2 = hco / 2 * (math.sqrt(1 + 8 * alpha * q * q / (9.81 * hco ** 3)) - 1) * ratio ** 0.25
        dz = alpha * q * q / (19.62 * phi * phi * ht * ht) - alpha * q * q / (19.62 * hc2 * hc2)
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


def main():
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


if __name__ == '__main__':
    main()
