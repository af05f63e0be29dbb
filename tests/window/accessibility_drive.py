#!/usr/bin/python3
"""Drives the running window over the AT-SPI accessibility bus, as a screen
reader or GUI-test tool would: finds the fields by their labels, types the
worked example, presses the buttons and reads the results back; then the
keyboard: F10 into the menu bar and back, Ctrl+N for a new calculation; an
error box and its button; and on a small screen, where the window opened.

The expected texts were derived by hand and by tests/reference/derive_cases.py.
They are written out here, not read from the program's sources: this is the
outside view of the product. Exits non-zero on the first difference.
"""
import os
import sys
import time

import pyatspi

EXPECTED_CHECK = {'临界水深hc': '2.168255', '收缩断面水深hco': '0.8879251', '共扼水深hco2': '4.36829'}
REMOTE = '下游发生远离水跃,需要做消能工.'
EXPECTED_BASIN = {'消力池深d': '1.466713', '收缩断面水深hco': '0.8050936', '消力池长l': '18.55----21.2'}


def find_application(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit('no application %r on the accessibility bus' % name)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def control(app, role, name):
    for node in descendants(app):
        if node.getRoleName() == role and node.name == name:
            return node
    sys.exit('no %s named %r' % (role, name))


def text_of(node):
    return node.queryText().getText(0, -1)


def type_into(app, name, value):
    field = control(app, 'text', name)
    field.queryEditableText().setTextContents(value)


def press(app, name):
    control(app, 'push button', name).queryAction().doAction(0)


def settle(check, timeout=5):
    end = time.time() + timeout
    while time.time() < end:
        if check():
            return True
        time.sleep(0.1)
    return False


def verdict(app):
    for node in descendants(app):
        if node.getRoleName() == 'label' and node.description == '水跃判断结果':
            return node.name
    sys.exit('no verdict line')


def expect(actual, expected, what):
    if actual != expected:
        sys.exit('%s: %r, expected %r' % (what, actual, expected))
    print('%s: %s' % (what, actual))


F10, ESCAPE, RIGHT, KEY_N = 0xffc7, 0xff1b, 0xff53, 0x6e
CONTROL_KEYCODE = 37  # Control_L on the X server's default keymap
# The window's scale: its extents are in its own logical pixels, the mouse
# moves in the screen's pixels.
SCALE = int(os.environ.get('SCALE', '1'))


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    time.sleep(0.3)


def ctrl(keysym):
    pyatspi.Registry.generateKeyboardEvent(CONTROL_KEYCODE, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(CONTROL_KEYCODE, None, pyatspi.KEY_RELEASE)
    time.sleep(0.3)


def focused(app):
    return [(n.getRoleName(), n.name) for n in descendants(app)
            if n.getState().contains(pyatspi.STATE_FOCUSED)]


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def expect_whole(app, name):
    """The field's whole text is in view and in its tooltip."""
    field = control(app, 'text', name)
    text = field.queryText()
    x, _, width, _ = extents(field)
    last_x, _, last_width, _ = text.getCharacterExtents(text.characterCount - 1,
                                                        pyatspi.DESKTOP_COORDS)
    if last_x + last_width > x + width:
        sys.exit('%s: %r runs %d px past its field' % (name, text_of(field),
                                                    last_x + last_width - x - width))
    expect(field.description, text_of(field), name + ' tooltip')


def close_error_box(app, kind):
    settle(lambda: any(n.getRoleName() == 'push button' and n.name == '确定'
                       for n in descendants(app)))
    labels = [n.name for n in descendants(app) if n.getRoleName() == 'label']
    if kind not in labels:
        sys.exit('no error box naming %r: %r' % (kind, labels))
    control(app, 'push button', '确定').queryAction().doAction(0)
    settle(lambda: not any(n.name == '确定' for n in descendants(app)))
    print('error box %s closed with 确定' % kind)


def main():
    app = find_application('Varnolt')
    frame = next(node for node in app if node is not None)
    x, y, _, _ = extents(frame)
    if x < 0 or y < 0:
        sys.exit('the window opened at %d, %d, off the screen' % (x, y))
    print('window at %d, %d' % (x, y))
    # A click gives the window the keyboard, as a user's first click would.
    x, y, width, height = extents(control(app, 'text', '单宽流量q'))
    pyatspi.Registry.generateMouseEvent((x + width // 2) * SCALE, (y + height // 2) * SCALE,
                                        'b1c')
    expect(settle(lambda: ('text', '单宽流量q') in focused(app)), True, 'clicked into 单宽流量q')

    # F10 reaches the menu bar; arrows move along it; Escape returns.
    key(F10)
    expect(('menu item', '重新计算') in focused(app), True, 'F10 to 重新计算')
    key(RIGHT)
    expect(('menu item', '计算器') in focused(app), True, 'Right to 计算器')
    key(ESCAPE)
    expect(('text', '单宽流量q') in focused(app), True, 'Escape back to the field')

    # A text that is not a number in another field than the focused one: the
    # box names the kind and closes with 确定; the focus then goes to the
    # field at fault, with its text selected for typing over.
    type_into(app, '单宽流量q', '10')
    type_into(app, '堰上水头H', '3')
    type_into(app, '下游堰高a1', 'x')
    press(app, '求解并判断下游水跃形式')
    close_error_box(app, '类型不匹配')
    settle(lambda: ('text', '下游堰高a1') in focused(app), timeout=3)
    expect(('text', '下游堰高a1') in focused(app), True, 'focus on the field at fault')
    text = control(app, 'text', '下游堰高a1').queryText()
    expect(text.getSelection(0), (0, 1), 'selection in the field at fault')

    for name, value in [('单宽流量q', '10'), ('堰上水头H', '3'), ('下游堰高a1', '5'),
                        ('行进流速v', '1'), ('下游水深ht', '3')]:
        type_into(app, name, value)
    expect(text_of(control(app, 'text', '流速系数')), '0.95', '流速系数')

    press(app, '求解并判断下游水跃形式')
    settle(lambda: text_of(control(app, 'text', '共扼水深hco2')) != '')
    for name, value in EXPECTED_CHECK.items():
        expect(text_of(control(app, 'text', name)), value, name)
        expect_whole(app, name)
    expect(verdict(app), REMOTE, 'verdict')

    press(app, '消力池水力计算')
    settle(lambda: text_of(control(app, 'text', '消力池长l')) != '')
    for name, value in EXPECTED_BASIN.items():
        expect(text_of(control(app, 'text', name)), value, name)
        expect_whole(app, name)

    # An exponent form is drawn whole, in a smaller size if need be.
    type_into(app, '消力池深d', '1.099666E-05')
    settle(lambda: control(app, 'text', '消力池深d').description == '1.099666E-05')
    expect_whole(app, '消力池深d')

    # Ctrl+N, like 重新计算, clears the results and keeps the coefficients.
    ctrl(KEY_N)
    settle(lambda: text_of(control(app, 'text', '消力池深d')) == '')
    expect(text_of(control(app, 'text', '单宽流量q')), '', '单宽流量q after 重新计算')
    expect(text_of(control(app, 'text', '淹没系数')), '1.05', '淹没系数 after 重新计算')
    expect(verdict(app), '', 'verdict after 重新计算')
    expect(('text', '单宽流量q') in focused(app), True, 'focus after 重新计算')

    # The menu item itself, as a screen reader runs it.
    type_into(app, '单宽流量q', '10')
    control(app, 'menu item', '重新计算').queryAction().doAction(0)
    settle(lambda: text_of(control(app, 'text', '单宽流量q')) == '')
    expect(text_of(control(app, 'text', '单宽流量q')), '', '单宽流量q after the menu item')
    print('accessibility drive passed (%s)' % os.environ.get('VARIANT', 'C'))


if __name__ == '__main__':
    main()
