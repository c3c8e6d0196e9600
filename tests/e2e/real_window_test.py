"""The end-to-end test's steps: drives a copy of the built program through the accessibility bus
(AT-SPI), as a screen reader would, and checks what it shows.

Run by tests/e2e/real-window-test, which gives it a display and a D-Bus session of its own:
    real_window_test.py PROGRAM_FOLDER SHIPPED_LIST SCREEN_WIDTH SCREEN_HEIGHT 3>REPORT
PROGRAM_FOLDER holds the program and the word list it may change; SHIPPED_LIST is the word list
as built, which must stay as it is. The steps are reported on file descriptor 3, apart from
what the buses and the program print.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

MAIN_TITLE = "TOVREL -- BY VELMIRA TUNHOLD"
BOX_TITLE = "Tovrel 2 By Velmira Tunhold"
NEW_WORD = "zyxwvut"
COUNT_LABEL = "Number Of Results Found :  "
ANAGRAM_MESSAGE = ("Anagrams (Jumbled Words - A word or phrase spelled by rearranging the letters of another "
                   "word or phrase). For e.g rdsow = words, sword")


def labelled_by(name):
    """Tells the control whose label, as the accessibility bus relates them, is named `name`: the
    count's own name is the number it shows."""

    def test(control):
        return any(relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                   and relation.getTarget(0).name == name for relation in control.getRelationSet())

    return test


# How the test finds each window and control: by its role and its accessible name, or for the
# count by the name of the label that describes it.
CONTROLS = {
    "afSplash": (pyatspi.ROLE_FRAME, ""),
    "formain": (pyatspi.ROLE_FRAME, MAIN_TITLE),
    "Form1": (pyatspi.ROLE_FRAME, "Example - Tovrel 2 By Velmira Tunhold"),
    "Form2": (pyatspi.ROLE_FRAME, "HELP --- Tovrel 2 By Velmira Tunhold"),
    "frmAbout": (pyatspi.ROLE_DIALOG, "Velmira Tunhold -- PARISHRAMENA HI SIDYANTI KARYANI NA MANORATHE"),
    "message box": (pyatspi.ROLE_ALERT, BOX_TITLE),
    "OK": (pyatspi.ROLE_PUSH_BUTTON, "OK"),
    "Text2": (pyatspi.ROLE_TEXT, "Please Enter your Word Below"),
    "Text1": (pyatspi.ROLE_TEXT, "Results"),
    "Label4": (pyatspi.ROLE_LABEL, labelled_by(COUNT_LABEL)),
    "Command1": (pyatspi.ROLE_PUSH_BUTTON, "!! Click to get Anagrams !!"),
    "Command2": (pyatspi.ROLE_PUSH_BUTTON, "!! Game !!"),
    "Command3": (pyatspi.ROLE_PUSH_BUTTON, "!! Example !!"),
    "Command4": (pyatspi.ROLE_PUSH_BUTTON, "!! EXIT !!"),
    "Command5": (pyatspi.ROLE_PUSH_BUTTON, "!! Randomize !!"),
    "Command6": (pyatspi.ROLE_PUSH_BUTTON, "!! Add Word To Dictionary !!"),
    "Command7": (pyatspi.ROLE_PUSH_BUTTON, "!! Only Check The Number of Anagrams  !!"),
    "Command8": (pyatspi.ROLE_PUSH_BUTTON, "!! HELP !!"),
    "About": (pyatspi.ROLE_MENU_ITEM, "About"),
}

started = time.monotonic()
report = open(3, "w", buffering=1, closefd=False)
program = None
log = None


def passed(what):
    print(f"PASS: {what}", file=report)


def fail(what):
    print(f"FAIL: {what}", file=report)
    if log is not None:
        log.flush()
        with open(log.name, errors="replace") as output:
            text = output.read()
        if text:
            print("--- program output:\n" + text, end="", file=report)
    sys.exit(1)


def check(what, condition):
    if condition:
        passed(what)
    else:
        fail(what)


def pump():
    """Delivers the accessibility events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(seconds, condition):
    """Asks `condition` every 50 ms until it gives a true value, for at most `seconds`; returns
    that value, or None. A control that goes away while it is asked counts as not yet."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value or time.monotonic() > deadline:
            return value or None
        time.sleep(0.05)


def matches(control, key):
    role, name = CONTROLS[key]
    if control is None or control.getRole() != role:
        return False
    return control.name == name if isinstance(name, str) else name(control)


def find(within, key):
    """The one control `key` under `within` (a window, or the program for its windows)."""
    found = pyatspi.findAllDescendants(within, lambda control: matches(control, key))
    if len(found) != 1:
        fail(f"{len(found)} controls are taken for {key} in {within.getRoleName()} \"{within.name}\"")
    return found[0]


def window(key):
    """The window `key` of the program while it is shown, or None."""
    for each in application:
        if matches(each, key) and each.getState().contains(pyatspi.STATE_SHOWING):
            return each
    return None


def shown_windows():
    return [each for each in application if each.getState().contains(pyatspi.STATE_SHOWING)]


def text_of(control):
    return control.queryText().getText(0, -1)


def count_of(control):
    """The number the count shows, which is its name; while it shows none, Qt names it after its
    label instead."""
    return "" if control.name == COUNT_LABEL else control.name


def shown(control, expected, read=count_of):
    """What `control` shows once it shows `expected`, or after 10 s if it never does."""
    wait_for(10, lambda: read(control) == expected)
    return read(control)


def press(control):
    """Presses a button or chooses a menu item through its action, as a screen reader does."""
    action = control.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        fail(f"\"{control.name}\" cannot be pressed; its actions: {names}")
    action.doAction(names.index("Press"))


def extents(control):
    box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(control):
    """Clicks the middle of `control`, where the accessibility bus says it is."""
    x, y, width, height = extents(control)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, pyatspi.MOUSE_B1C)


def focus(control):
    """Gives the keyboard to `control`, as a click does: with no window manager on the display,
    nothing else brings the window back to the front after a message box."""
    click(control)
    if not wait_for(10, lambda: control.getState().contains(pyatspi.STATE_FOCUSED)):
        fail(f"{control.getRoleName()} \"{control.name}\" did not take the focus")


def type_keys(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def press_enter():
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)


def press_alt(letter):
    """Alt with a letter: the access key of a menu item."""
    alt = 1 << Atspi.ModifierType.ALT
    pyatspi.Registry.generateKeyboardEvent(alt, None, Atspi.KeySynthType.LOCKMODIFIERS)
    try:
        pyatspi.Registry.generateKeyboardEvent(ord(letter), None, pyatspi.KEY_SYM)
    finally:
        pyatspi.Registry.generateKeyboardEvent(alt, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def check_named(what, window):
    """Checks that every control of `window` that takes the focus has a name."""
    unnamed = [control.getRoleName() for control in pyatspi.findAllDescendants(
        window, lambda control: control.getState().contains(pyatspi.STATE_FOCUSABLE) and not control.name)]
    check(f"every control of {what} that takes the focus has a name (unnamed: {unnamed})", not unnamed)


def scramble(word):
    """The scramble of Randomize and of the game, in its closed form: counting from 1, the
    characters at the positions of the length's parity from the last down, then the others from
    the first up."""
    return word[len(word) - 1 :: -2] + word[len(word) % 2 :: 2]


def records(path, count):
    """The first `count` records of a word list, one a line, quotes taken off, as read."""
    with open(path, "rb") as lines:
        for number, line in enumerate(lines, 1):
            if number > count:
                return
            text = line.rstrip(b"\n").decode("latin-1")
            text = text[:-1] if text.endswith("\r") else text
            yield number, text[1:-1] if len(text) >= 2 and text[0] == text[-1] == '"' else text


def x_window_type(geometry):
    """The window type hint of the top-level X window at `geometry` (x, y, width, height)."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout
    x, y, width, height = geometry
    for line in tree.splitlines():
        found = re.match(r"\s*(0x[0-9a-f]+) .*\s(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\S+$", line)
        if found and tuple(map(int, found.groups()[1:])) == (width, height, x, y):
            return subprocess.run(
                ["xprop", "-id", found[1], "_NET_WM_WINDOW_TYPE"], capture_output=True, text=True
            ).stdout
    return ""


folder, shipped_list, screen_width, screen_height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
word_list = os.path.join(folder, "dictionary.txt")
with open(shipped_list, "rb") as shipped:
    shipped_words = shipped.read()

for word, scrambled in [("abcdef", "fdbace"), ("abcdefg", "gecabdf"), ("words", "srwod"), ("Abc", "cAb"),
                        ("ab", "ba"), ("a", "a"), ("ealpes", "spaele")]:
    if scramble(word) != scrambled:
        fail(f"the test's own scramble of {word} is not {scrambled}")

# Qt joins the accessibility bus only if it runs when the program starts: asking for the
# desktop starts the bus and its registry.
pyatspi.Registry.getDesktop(0)
announced = []


def note_text_change(event):
    try:
        announced.append((event.source.path, event.any_data))
    except GLib.Error:
        pass


pyatspi.Registry.registerEventListener(note_text_change, "object:text-changed:insert")

launched = time.monotonic()
log = open(os.path.join(folder, "program.log"), "w+")
program = subprocess.Popen([os.path.join(folder, "tovrel2")], stdout=log, stderr=subprocess.STDOUT,
                           env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb"))
try:
    desktop = pyatspi.Registry.getDesktop(0)
    application = wait_for(10, lambda: next((each for each in desktop if each and each.name == "tovrel2"), None))
    if application is None:
        fail("the program did not join the accessibility bus")
    # Every question goes to the program itself, never to a copy of an older answer.
    application.setCacheMask(Atspi.Cache.NONE)
    passed(f"the program joins the accessibility bus after {time.monotonic() - launched:.2f} s")

    splash = wait_for(10, lambda: window("afSplash") if not window("formain") else None)
    if splash is None:
        shown = ", ".join(f'{each.getRoleName()} "{each.name}"' for each in shown_windows())
        fail(f"no splash window was shown before the main window (shown: {shown or 'nothing'})")
    x, y, width, height = extents(splash)
    check(f"the splash window is shown first ({width}x{height}, a 618x277 panel in its border)",
          618 <= width <= 640 and 277 <= height <= 300)
    check(f"the splash is centred on the screen (at {x},{y})",
          abs(2 * x + width - screen_width) <= 1 and abs(2 * y + height - screen_height) <= 1)
    # The splash window type is what tells window managers: no title bar, no task-bar button.
    check("the splash is a splash-type window",
          "_NET_WM_WINDOW_TYPE_SPLASH" in x_window_type((x, y, width, height)))

    main = wait_for(20, lambda: len(shown_windows()) == 1 and window("formain"))
    if main is None:
        fail(f"the splash did not hand over to a main window titled \"{MAIN_TITLE}\"")
    hand_over = time.monotonic() - launched
    # Eleven ticks of 150 ms, which Qt's coarse timers may shorten by up to 5 %.
    check(f"the splash closes and hands over to the main window after {hand_over:.2f} s (11 ticks of 150 ms)",
          hand_over >= 1.55)

    check_named("the main window", main)
    Text2, Text1, Label4 = find(main, "Text2"), find(main, "Text1"), find(main, "Label4")
    count = shown(Label4, "0")
    check(f"Label4 shows 0 at start (shows \"{count}\")", count == "0")

    # The window opens in the complete-word mode: Enter in Text2 searches complete words.
    focus(Text2)
    type_keys("ealpes")
    press_enter()
    results = wait_for(10, lambda: text_of(Text1))
    check(f"\"ealpes\" and Enter list \"asleep, elapse, please, sapele, \" in Text1 (got \"{results}\")",
          results == "asleep, elapse, please, sapele, ")
    count = shown(Label4, "4")
    check(f"Label4 shows 4 after the search (shows \"{count}\")", count == "4")
    check("Text1 tells screen readers of the results it shows",
          wait_for(10, lambda: (Text1.path, results) in announced))

    press(find(main, "Command7"))
    results = shown(Text1, "", text_of)
    count = shown(Label4, "4")
    check(f"the count-only command shows 4 in Label4 (\"{count}\") and empties Text1 (\"{results}\")",
          count == "4" and results == "")

    press(find(main, "Command2"))
    jumbled = wait_for(10, lambda: text_of(Text2) != "ealpes" and text_of(Text2))
    if not jumbled:
        fail("Game left Text2 empty")
    # The game scrambles one of the first 30001 records exactly as read, capitals and all.
    drawn = next((f"{number}: {record}" for number, record in records(word_list, 30001)
                  if scramble(record) == jumbled), None)
    check(f"Game puts \"{jumbled}\" into Text2, the scramble of record {drawn}", drawn)
    results = shown(Text1, "", text_of)
    count = shown(Label4, "")
    check(f"Game empties Text1 (\"{results}\") and Label4 (\"{count}\")", results == "" and count == "")

    press(find(main, "Command5"))
    scrambled = wait_for(10, lambda: text_of(Text1))
    check(f"Randomize shows \"{scrambled}\" in Text1, the scramble of \"{jumbled}\" (\"{scramble(jumbled)}\")",
          scrambled == scramble(jumbled))

    Text2.queryEditableText().setTextContents(NEW_WORD)
    press(find(main, "Command6"))
    confirmation = wait_for(10, lambda: window("message box"))
    if confirmation is None:
        fail(f"Add word showed no message box titled \"{BOX_TITLE}\"")
    with open(word_list, "rb") as words:
        check(f"Add word asks in a box titled \"{BOX_TITLE}\" and writes nothing before the answer",
              words.read() == shipped_words)
    press(find(confirmation, "OK"))
    check("OK closes the confirmation", wait_for(10, lambda: not window("message box")))
    added = wait_for(10, lambda: text_of(Text1))
    check(f"OK shows \"{added}\" in Text1",
          added == f"The Word {NEW_WORD} was successfully added to the Dictionary")
    with open(word_list, "rb") as words:
        check(f"the copy's word list is the shipped one with \"{NEW_WORD}\" CR LF added at its end",
              words.read() == shipped_words + f'"{NEW_WORD}"\r\n'.encode())

    focus(Text2)
    press_enter()
    found = wait_for(10, lambda: text_of(Text1) != added and text_of(Text1))
    check(f"a search for \"{NEW_WORD}\" lists it last in Text1 (got \"{found}\")",
          (found or "").endswith(f"{NEW_WORD}, "))
    count = shown(Label4, "1")
    check(f"Label4 shows 1 after that search (shows \"{count}\")", count == "1")

    focus(Text2)
    press_alt("w")
    alert = wait_for(10, lambda: window("message box"))
    check(f"Alt+W shows an alert titled \"{BOX_TITLE}\" that says what an anagram is",
          alert and alert.description == ANAGRAM_MESSAGE)
    check_named("the alert", alert)
    press(find(alert, "OK"))
    check("OK closes the alert", wait_for(10, lambda: not window("message box")))

    for command, key, what, kind in [("Command3", "Form1", "the Example window", "frame"),
                                     ("Command8", "Form2", "the Help window", "frame"),
                                     ("About", "frmAbout", "the About window", "dialog")]:
        control = find(main, command)
        press(control)
        opened = wait_for(10, lambda: window(key))
        check(f"\"{control.name}\" opens {what}, a {kind} named by its title", opened)
        check_named(what, opened)

    press(find(main, "Command4"))
    try:
        status = program.wait(10)
    except subprocess.TimeoutExpired:
        fail("the program did not end after \"!! EXIT !!\"")
    program = None
    check(f"\"!! EXIT !!\" ends the program with status {status}", status == 0)
finally:
    if program is not None:
        program.kill()
        program.wait()

with open(shipped_list, "rb") as shipped:
    check("the shipped word list is unchanged", shipped.read() == shipped_words)
passed(f"all steps in {time.monotonic() - started:.2f} s")
