#!/usr/bin/env python3
"""Independent derivation of the expected numbers in the command tests.

A second implementation of the hydraulics and of the two commands, written
from the formulas, the bisection rules and the rules for reading field texts
rather than from the C++ code: Python floats for double precision, struct
round trips for single precision, '%g' formatting for the field texts, a
regular expression for the strict reading. Needs nothing but python3.

    derive_cases.py cases        the rows of tests/tst_jump_check.cpp and
                                 tests/tst_basin_sizing.cpp, and the exact
                                 roots their "outside the fixed interval"
                                 tables compare against
    derive_cases.py scenarios    tests/data/scenarios.tsv: named cases and
                                 sequences, then 400 random weirs in both
                                 locales (--count, --seed to change)

The rules modelled, beyond the formulas:
- a field text is read after trimming Unicode white space at both ends, in
  the locale's notation (en_US: 1,234.5; de_DE: 1.234,5); a grouped number
  never starts with a zero;
- each input is checked against its range as soon as it is read: q, H, a1,
  v, ht >= 0, 0 <= phi <= 1, sigma >= 1 (InvalidInput);
- the heads of the basin are read from Text2, Text3, Text4 in the same
  notation, in double precision;
- the check clears Text7, Text8, Text9, Text11, Text12 and the verdict when
  it starts, the sizing clears Text11 and Text12;
- the jump is critical when the texts of hco2 and ht are equal;
- where the fixed brackets do not hold a root, the exact root is used (the
  row says "near") or there is none (NoSolution); a sizing that needs no
  basin with a tailwater below the critical depth is the "supercritical"
  NoSolution.
"""
import argparse
import math
import random
import re
import struct
import sys

# ---------------------------------------------------------------------------
# Single precision, errors and number texts


class Stop(Exception):
    """A command stops: the error kind, the field it carries, a note."""

    def __init__(self, kind, field=None, note=''):
        super().__init__(kind)
        self.kind, self.field, self.note = kind, field, note


def f32(x):
    try:
        return struct.unpack('f', struct.pack('f', x))[0]
    except OverflowError:
        raise Stop('Overflow')


def sign(x):
    return (x > 0) - (x < 0)


NOTATION = {'en_US': ('.', ','), 'de_DE': (',', '.')}

# Unicode's White_Space property.
WHITE_SPACE = set('\t\n\x0b\x0c\r \x85\xa0\u1680\u2028\u2029\u202f\u205f\u3000'
                  + ''.join(chr(c) for c in range(0x2000, 0x200b)))


def trim(text):
    a, b = 0, len(text)
    while a < b and text[a] in WHITE_SPACE:
        a += 1
    while b > a and text[b - 1] in WHITE_SPACE:
        b -= 1
    return text[a:b]


def strict_double(text, locale, field=None):
    """The strict reading in double precision (the heads, the bound Text7)."""
    dec, grp = (re.escape(c) for c in NOTATION[locale])
    pattern = (r'[+-]?(?:[1-9][0-9]{0,2}(?:%s[0-9]{3})+|[0-9]*)(?:%s[0-9]*)?'
               r'(?:[eE][+-]?[0-9]+)?' % (grp, dec))
    t = trim(text)
    if not re.fullmatch(pattern, t):
        raise Stop('TypeMismatch', field)
    mantissa = re.split('[eE]', t)[0]
    if not re.search('[0-9]', mantissa):
        raise Stop('TypeMismatch', field)
    plain = t.replace(NOTATION[locale][1], '').replace(NOTATION[locale][0], '.')
    value = float(plain)
    if math.isinf(value):
        raise Stop('Overflow', field)
    return value


def strict_single(text, locale, field=None):
    try:
        return f32(strict_double(text, locale, field))
    except Stop as stop:
        raise Stop(stop.kind, field)


# (lowest, highest) of each input field.
RANGES = {1: (0, None), 2: (0, None), 3: (0, None), 4: (0, None), 5: (0, None),
          6: (0, 1), 10: (1, None)}


def read_input(form, field):
    value = strict_single(form.texts[field], form.locale, field)
    low, high = RANGES[field]
    if value < low or (high is not None and value > high):
        raise Stop('InvalidInput', field)
    return value


def single_text(x, comma=False):
    t = '%.7g' % x
    if 'e' in t:
        m, e = t.split('e')
        t = m + 'E' + e[0] + e[1:].rjust(2, '0')
    if t in ('0', '-0'):
        t = '0'
    return t.replace('.', ',') if comma else t


def fixed_two(x, comma=False):
    t = '%.2f' % x
    t = t.rstrip('0')
    if t.startswith('0.'):
        t = t[1:]
    if t.startswith('-0.'):
        t = '-' + t[2:]
    if t == '-.':
        t = '.'
    return t.replace('.', ',') if comma else t


# ---------------------------------------------------------------------------
# Hydraulics


class State:
    def __init__(self):
        for name in ('q', 'a1', 'H', 'P', 'v', 'E0', 'hc', 'phi', 'hco', 'hco2', 'ht',
                     'Et', 'd', 'sigma'):
            setattr(self, name, 0.0)


def fixed_bisect(setu, f, low, high, n_max, single):
    n = 0
    while True:
        setu(f32(low)); y0 = f(); y0 = f32(y0) if single else y0
        if low != 0 and y0 == 0:
            return low
        setu(f32(high)); y1 = f(); y1 = f32(y1) if single else y1
        if y1 == 0:
            return high
        setu(f32((high + low) / 2)); y2 = f(); y2 = f32(y2) if single else y2
        if sign(y2) * sign(y0) <= 0:
            high = (high + low) / 2
        else:
            low = (high + low) / 2
        n += 1
        if n == n_max:
            return (high + low) / 2


def R(s, h):
    return (s.E0 - h) - s.q ** 2 / (h ** 2 * (s.phi ** 2 * 19.62))


def F6(q, h):
    return ((8 * q ** 2 / (h ** 3 * 9.81) + 1) ** 0.5 - 1) * h / 2


def critical_depth(q):
    return f32((q * q / 9.81) ** (1 / 3))


def exact_contracted(q, phi, E0):
    """Supercritical root of R for the continuous equation, to double precision."""
    s = State(); s.q, s.phi, s.E0 = q, phi, E0
    hstar = (q ** 2 / (9.81 * phi ** 2)) ** (1 / 3)
    if R(s, hstar) < 0:
        return None
    lo, hi = hstar, hstar
    while R(s, lo) >= 0:
        lo /= 2
    for _ in range(400):
        m = (lo + hi) / 2
        if m in (lo, hi):
            break
        if R(s, m) < 0:
            lo = m
        else:
            hi = m
    return (lo + hi) / 2


def holds_contracted_root(low, ylow, high, yhigh):
    a, ya, b, yb = (low, ylow, high, yhigh) if low <= high else (high, yhigh, low, ylow)
    return a > 0 and ya < 0 and yb > 0


def contracted_solve(s, high, n_max, single, exact_flag):
    """Fixed bisection where it holds the root, the exact root elsewhere."""
    def at(h):
        y = R(s, f32(h))
        return f32(y) if single else y
    y0, y1 = at(0.2), at(high)
    if y0 == 0 or y1 == 0 or holds_contracted_root(0.2, y0, high, y1):
        def setu(x):
            s.hco = x
        return fixed_bisect(setu, lambda: R(s, s.hco), 0.2, high, n_max, single)
    exact_flag[0] = False
    h = exact_contracted(s.q, s.phi, s.E0)
    if h is None:
        raise Stop('NoSolution')
    return h


def exact_basin_depth(s, H, a1, v):
    """Root of the basin balance with exact contracted depths."""
    def Rd(d):
        hco = exact_contracted(s.q, s.phi, f32(H + a1 + v ** 2 / 19.62 + f32(d)))
        if hco is None:
            raise Stop('NoSolution')
        y = f32(F6(s.q, f32(hco))) * s.sigma
        return s.Et - ((s.q ** 2 / (y ** 2 * 19.62) + y) - d)
    if Rd(0) >= 0:
        # Met without a basin: a submerged jump only on a subcritical tailwater.
        raise Stop('NoSolution', None,
                   'supercritical' if s.ht < critical_depth(s.q) else '')
    lo, hi = 0.0, max(0.1, s.hc)
    while Rd(hi) < 0:
        lo, hi = hi, hi * 2
        if hi > 1000:
            raise Stop('NoSolution')
    for _ in range(200):
        m = (lo + hi) / 2
        if m in (lo, hi):
            break
        if Rd(m) < 0:
            lo = m
        else:
            hi = m
    return (lo + hi) / 2


# ---------------------------------------------------------------------------
# The form and the two commands


class Form:
    def __init__(self, locale):
        self.locale = locale
        self.comma = NOTATION[locale][0] == ','
        dec = NOTATION[locale][0]
        self.texts = {i: '' for i in range(1, 13)}
        self.texts[6] = '0' + dec + '95'
        self.texts[10] = '1' + dec + '05'
        self.verdict = ''
        self.exact = True  # False where an exact root replaced a fixed bisection


def check(form, s):
    """The jump-type check."""
    for field in (7, 8, 9, 11, 12):
        form.texts[field] = ''
    form.verdict = ''
    form.exact = True
    s.q, s.H, s.a1, s.v, s.ht, s.phi = (read_input(form, f) for f in (1, 2, 3, 4, 5, 6))
    s.P = f32(s.a1 + s.H)
    s.E0 = f32(s.v ** 2 / 19.62 + s.P)
    s.hc = critical_depth(s.q)
    form.texts[7] = single_text(s.hc, form.comma)
    # R at the bound hc = 0 is 0/0; with phi = 0 it divides by zero.
    if s.q == 0:
        raise Stop('InvalidOperation', 1)
    if s.phi == 0:
        raise Stop('DivisionByZero', 6)
    flag = [True]
    s.hco = f32(contracted_solve(s, s.hc, 16, True, flag))
    form.exact = flag[0]
    form.texts[8] = single_text(s.hco, form.comma)
    s.hco2 = f32(F6(s.q, s.hco))
    form.texts[9] = single_text(s.hco2, form.comma)
    if single_text(s.hco2, form.comma) == single_text(s.ht, form.comma):
        form.verdict = 'C'
    else:
        form.verdict = 'R' if s.hco2 > s.ht else 'S'


def size(form, s):
    """The stilling-basin sizing."""
    form.texts[11] = form.texts[12] = ''
    form.exact = True
    s.sigma = read_input(form, 10)
    s.q, s.H, s.a1, s.v, s.ht, s.phi = (read_input(form, f) for f in (1, 2, 3, 4, 5, 6))
    exit_head = (s.phi * s.ht) ** 2 * 19.62
    if exit_head == 0:
        first_zero = next(f for f, x in ((1, s.q), (5, s.ht), (6, s.phi)) if x == 0)
        raise Stop('InvalidOperation' if s.q == 0 else 'DivisionByZero', first_zero)
    s.Et = f32(s.q ** 2 / exit_head + s.ht)
    if trim(form.texts[7]) == '':
        raise Stop('TypeMismatch', None, 'check first')
    text7 = strict_double(form.texts[7], form.locale, 7)
    if s.q == 0:
        # The conjugate depth of no discharge is 0: the balance meets 0/0.
        raise Stop('InvalidOperation', 1)

    def heads():
        a1 = strict_double(form.texts[3], form.locale, 3)
        v = strict_double(form.texts[4], form.locale, 4)
        H = strict_double(form.texts[2], form.locale, 2)
        return H, a1, v
    flag = [True]

    def conjugate(d):
        H, a1, v = heads()
        s.E0 = f32(((H + a1) + v ** 2 / 19.62) + d)
        s.hco = f32(contracted_solve(s, text7, 10, False, flag))
        return f32(F6(s.q, s.hco))

    def Rd_at(d):
        s.d = f32(d)
        s.hco2 = conjugate(s.d)
        return s.Et - ((s.q ** 2 / ((s.hco2 * s.sigma) ** 2 * 19.62) + s.hco2 * s.sigma) - s.d)
    y0, y1 = Rd_at(0.1), Rd_at(text7)
    if sign(y0) * sign(y1) <= 0:
        def setd(x):
            s.d = x
        d = fixed_bisect(setd, lambda: Rd_at(s.d), 0.1, text7, 16, False)
    else:
        flag[0] = False
        d = exact_basin_depth(s, *heads())
    s.d = f32(d)
    form.texts[11] = single_text(s.d, form.comma)
    H, a1, v = heads()
    s.E0 = f32(((H + a1) + v ** 2 / 19.62) + s.d)
    s.hco = f32(contracted_solve(s, text7, 16, False, flag))
    form.texts[8] = single_text(s.hco, form.comma)
    s.hco2 = f32(F6(s.q, s.hco))
    form.texts[12] = (fixed_two((s.hco2 - s.hco) * 4.83, form.comma) + '----'
                      + fixed_two((s.hco2 - s.hco) * 5.52, form.comma))
    form.exact = flag[0]


def press(form, s, button):
    """Runs a command; returns (kind, field, note)."""
    try:
        (check if button == 'check' else size)(form, s)
        return 'ok', None, ''
    except Stop as stop:
        return stop.kind, stop.field, stop.note


# ---------------------------------------------------------------------------
# tests/data/scenarios.tsv

HEADER = ('# scenario\tlocale\ttyped\tpress\tkind\tfield\tnote\tText7\tText8\tText9'
          '\tText11\tText12\tverdict\tmatch')


def escape(text):
    out = []
    for c in text:
        if c == '\\':
            out.append('\\\\')
        elif c in '\t\r\n' or c in WHITE_SPACE and c != ' ' or ord(c) < 32:
            out.append({'\t': '\\t', '\r': '\\r', '\n': '\\n'}.get(c, '\\u%04x' % ord(c)))
        else:
            out.append(c)
    return ''.join(out)


INPUT_FIELDS = (1, 2, 3, 4, 5, 6, 10)


def run_scenario(name, locale, steps):
    """steps: (typed {field: text}, button). Yields one row per press."""
    form, s = Form(locale), State()
    for typed, button in steps:
        form.texts.update(typed)
        kind, field, note = press(form, s, button)
        typed_cell = ';'.join('%d=%s' % (f, escape(t)) for f, t in sorted(typed.items()))
        yield '\t'.join([name, locale, typed_cell, button, kind,
                         '' if field is None else str(field), note]
                        + [form.texts[f] for f in (7, 8, 9, 11, 12)]
                        + [form.verdict, 'exact' if form.exact else 'near'])


def inputs(texts):
    return dict(zip(INPUT_FIELDS, texts))


def both(texts):
    return [(inputs(texts), 'check'), ({}, 'size')]


WORKED = ['10', '3', '5', '1', '3']
SUPERCRITICAL = ['12.16', '5.35', '8.65', '0.95', '0.17', '0.95', '1.05']


def comma(texts):
    return [t.replace('.', ',') for t in texts]


def named_scenarios():
    """(name, locale, steps) of the cases kept from the project's issues."""
    yield 'worked', 'en_US', both(WORKED)
    yield 'worked comma', 'de_DE', both(WORKED)
    # Heads in the user's notation.
    yield 'comma heads', 'de_DE', both(['10', '3,5', '5,5', '1,5', '3'])
    yield 'full-stop heads', 'en_US', both(['10', '3.5', '5.5', '1.5', '3'])
    yield 'group-mark a1', 'en_US', both(['10', '3', '1,005', '1', '3'])
    yield 'plain a1 1005', 'en_US', both(['10', '3', '1005', '1', '3'])
    yield 'group-mark a1 comma', 'de_DE', both(['10', '3', '1.005,5', '1', '3'])
    yield 'plain a1 1005,5', 'de_DE', both(['10', '3', '1005,5', '1', '3'])
    # Re-check and failure sequences: no figure of other inputs stays.
    yield 'sized, then ht 6', 'en_US', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({5: '6'}, 'check'), ({}, 'size')]
    yield 'sized, then q not a number', 'en_US', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({1: 'x'}, 'check'), ({}, 'size')]
    yield 'sized, then bad sigma', 'en_US', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({10: '1,05'}, 'size')]
    yield 'sized, then hand-edited hc', 'en_US', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({7: '2.17 m'}, 'size')]
    yield 'sized, then q 0', 'en_US', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({1: '0'}, 'check'), ({}, 'size')]
    yield 'basin first', 'en_US', [(inputs(WORKED), 'size')]
    yield 'sized, then impossible ht', 'de_DE', [
        (inputs(WORKED), 'check'), ({}, 'size'), ({5: '-3'}, 'check')]
    # The shown conjugate depth typed as the tailwater.
    yield 'critical by text', 'en_US', both(['10', '3', '5', '1', '4.36829'])
    yield 'critical by text comma', 'de_DE', both(['10', '3', '5', '1', '4,36829'])
    # A tailwater below the critical depth.
    yield 'supercritical tailwater', 'en_US', both(SUPERCRITICAL)
    yield 'supercritical tailwater comma', 'de_DE', both(comma(SUPERCRITICAL))
    # Physically impossible inputs, checked in reading order.
    for i, bad in ((0, '-10'), (1, '-3'), (2, '-5'), (3, '-1'), (4, '-3')):
        texts = list(WORKED)
        texts[i] = bad
        yield 'negative input %d' % (i + 1), 'en_US', both(texts)
    yield 'phi 1.5', 'en_US', both(WORKED + ['1.5'])
    yield 'phi -0.95', 'en_US', both(WORKED + ['-0.95'])
    yield 'phi 1', 'en_US', both(WORKED + ['1'])
    yield 'sigma 0.9', 'en_US', both(WORKED + ['0.95', '0.9'])
    yield 'sigma 0 before bad q', 'en_US', [
        (inputs(WORKED + ['0.95', '1.05']), 'check'), ({1: '-10', 10: '0'}, 'size')]
    yield 'sigma 1', 'en_US', both(WORKED + ['0.95', '1'])
    yield 'q 0', 'en_US', both(['0', '3', '5', '1', '3'])
    yield 'phi 0', 'en_US', both(WORKED + ['0'])
    yield 'ht 0', 'en_US', both(['10', '3', '5', '1', '0'])
    # Pasted numbers.
    yield 'pasted tab and line break', 'en_US', both(['10\t', '3\r\n', '5\n', '\t1', '3'])
    yield 'pasted wide spaces', 'de_DE', both(['\u00a010', '3\u3000', '\u30005\u00a0',
                                                '1\u2009', ' 3 '])
    yield 'group mark after zero', 'en_US', both(WORKED + ['0,950'])
    yield 'group mark after zero comma', 'de_DE', both(WORKED + ['0.950'])
    yield 'well-formed grouping', 'en_US', both(['10', '3', '5', '1', '3', '0.95', '1,050'])
    yield 'inner blank stays wrong', 'en_US', both(['1 0', '3', '5', '1', '3'])


def random_scenarios(count, seed):
    rng = random.Random(seed)
    for i in range(count):
        locale = 'de_DE' if i % 2 == 1 else 'en_US'
        # Half the tailwaters are shallow, so that many jumps are remote.
        tailwater = rng.uniform(0.1, 30) if i % 4 < 2 else rng.uniform(0.1, 6)
        values = [rng.uniform(0.2, 60), rng.uniform(0.2, 12), rng.uniform(0.3, 40),
                  rng.uniform(0, 4), tailwater, rng.uniform(0.85, 1),
                  rng.uniform(1.0, 1.15)]
        digits = [2, 2, 2, 2, 2, 3, 3]
        texts = ['%.*f' % (n, x) for n, x in zip(digits, values)]
        if locale == 'de_DE':
            texts = comma(texts)
        yield 'random %d' % (i + 1), locale, both(texts)


def print_scenarios(args):
    print(HEADER)
    for scenarios in (named_scenarios(), random_scenarios(args.count, args.seed)):
        for name, locale, steps in scenarios:
            for row in run_scenario(name, locale, steps):
                print(row)


# ---------------------------------------------------------------------------
# The rows of the command tests


def show(name, locale, steps):
    print('%s [%s]' % (name, locale))
    for row in run_scenario(name, locale, steps):
        cells = row.split('\t')
        print('   %-6s %-16s %-6s Text7=%s Text8=%s Text9=%s Text11=%s Text12=%s %s %s'
              % (cells[3], cells[4] + (' @' + cells[5] if cells[5] else ''), cells[6],
                 *cells[7:14]))


def print_cases(args):
    print('// jump check: q H a1 v ht phi')
    for case in [('10', '3', '5', '1', '3', '0.95'), ('10', '3', '5', '1', '6', '0.95'),
                 ('20', '4', '10', '2', '5', '0.9'), ('3', '1.5', '4', '0.5', '2', '0.95'),
                 ('45', '8', '25', '3', '9', '1'), ('7.5', '2.2', '3.3', '0.8', '3.9', '0.92'),
                 ('10', '3', '5', '1', '4.36829', '0.95'),
                 ('10', '3', '5', '1', '4.368291', '0.95'),
                 ('10', '3', '5', '1', '4.368289', '0.95')]:
        show(' '.join(case), 'en_US', [(inputs(case), 'check')])
    print('// basin sizing: q H a1 v ht phi sigma')
    for locale, case in [
            ('en_US', ('10', '3', '5', '1', '3', '0.95', '1.05')),
            ('en_US', ('10', '3', '5', '1', '3', '0.95', '1.1')),
            ('en_US', ('20', '4', '10', '2', '5', '0.9', '1.05')),
            ('en_US', ('7.5', '2.2', '3.3', '0.8', '2.5', '0.92', '1')),
            ('de_DE', ('10', '3,5', '5,5', '1,5', '3', '0,95', '1,05')),
            ('en_US', ('10', '3.5', '5.5', '1.5', '3', '0.95', '1.05')),
            ('en_US', ('10', '3', '1,005', '1', '3', '0.95', '1.05')),
            ('en_US', ('10', '3', '1005', '1', '3', '0.95', '1.05')),
            ('de_DE', ('10', '3', '1.005,5', '1', '3', '0,95', '1,05')),
            ('en_US', tuple(SUPERCRITICAL)),
            ('de_DE', tuple(comma(SUPERCRITICAL)))]:
        show(' '.join(case), locale, both(case))
    print('// the critical depth of the supercritical example: %s'
          % single_text(critical_depth(f32(12.16))))
    print('// exact contracted depths and conjugates')
    for case in [(1, 0.5, 2, 0, 0.6, 0.95), (0.3, 0.4, 3, 0, 0.5, 0.95), (0.5, 0.3, 6, 0.2, 1, 0.9),
                 (10, 3, 5, 1, 3, 0.95)]:
        q, H, a1, v, ht, phi = map(f32, case)
        E0 = f32(v ** 2 / 19.62 + f32(a1 + H))
        h = exact_contracted(q, phi, E0)
        print(case, 'hco=%.9g hco2=%.9g' % (h, F6(q, h)))
    print('// exact basin depths')
    for case in [(5, 2, 30, 1, 3, 0.95, 1.05), (10, 3, 5, 1, 4.5, 0.95, 1.05),
                 (2, 1, 10, 0.5, 1.5, 0.95, 1.05), (1, 0.5, 2, 0, 0.6, 0.95, 1.05),
                 (10, 3, 5, 1, 3, 0.95, 1.05)]:
        s = State()
        s.q, H, a1, v, s.ht, s.phi, s.sigma = map(f32, case)
        s.hc = critical_depth(s.q)
        s.Et = f32(s.q ** 2 / ((s.phi * s.ht) ** 2 * 19.62) + s.ht)
        print(case, exact_basin_depth(s, H, a1, v))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    commands = parser.add_subparsers(dest='command', required=True)
    commands.add_parser('cases', help='the rows of the command tests')
    scenarios = commands.add_parser('scenarios', help='tests/data/scenarios.tsv')
    scenarios.add_argument('--count', type=int, default=400, help='random weirs')
    scenarios.add_argument('--seed', type=int, default=20261207)
    args = parser.parse_args()
    {'cases': print_cases, 'scenarios': print_scenarios}[args.command](args)


if __name__ == '__main__':
    sys.exit(main())
