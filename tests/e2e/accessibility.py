#!/usr/bin/python3
"""Both windows as a screen reader sees them over AT-SPI: the important controls by name and
role, the graph's summary after a synthesis, and a slider moved through its Value interface
changing what the graph says.
    accessibility.py <step> where step is: main, synthesised, slider, lab, english
Prints what it read; exits non-zero with FAIL: on the first mismatch."""
import re
import subprocess
import sys
import time

import pyatspi

CAPTION = "Анализ  и синтез Фурье"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a child that went away while we looked
            continue
        yield from walk(child, depth + 1)


def window(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for top in app:
                if top is not None and top.name == name:
                    return top
        time.sleep(0.2)
    fail("no window named %r on the accessibility bus" % name)


def find(root, name, role):
    for node in walk(root):
        if node.name == name and node.getRoleName() == role:
            return node
    fail("no %s named %r" % (role, name))


def said(node):
    return "%s | %s | %s" % (node.name, node.getRoleName(), node.description)


def wait_for(read, check, what, timeout=10):
    end = time.time() + timeout
    value = read()
    while not check(value) and time.time() < end:
        time.sleep(0.1)
        value = read()
    if not check(value):
        fail("%s: %r" % (what, value))
    return value


def expect_controls(root, rows):
    for name, role in rows:
        node = find(root, name, role)
        if not node.description:
            fail("%s %r has no description" % (role, name))
        print("control: " + said(node))


def main_window():
    root = window(CAPTION)
    expect_controls(root, [
        ("График", "chart"), ("Спектр", "chart"),
        ("Номер гармоники", "spin button"), ("Положение первого движка", "slider"),
        ("Синтез", "push button"), ("Анализ", "push button"), ("Сумма гармоник", "check box"),
        ("Состояние", "status bar"),
    ])
    return root


def step_main():
    main_window()


def step_synthesised(error):
    root = main_window()
    graph = find(root, "График", "chart")
    text = wait_for(lambda: graph.description, lambda d: "S₅) " + error in d,
                    "the graph after the synthesis")
    if "скачки при x = 0" not in text:
        fail("the graph's jumps: " + text)
    spectrum = find(root, "Спектр", "chart")
    if "A₁ = 1" not in spectrum.description:
        fail("the spectrum: " + spectrum.description)
    table = spectrum.queryTable()
    if table.nRows != 32 or table.nColumns != 5:
        fail("the spectrum's table is %d x %d" % (table.nRows, table.nColumns))
    status = find(root, "Состояние", "status bar")
    if status.description != "Синтез до гармоники 5: ошибка " + error:
        fail("the status: " + status.description)
    print("graph: " + said(graph))
    print("spectrum: " + said(spectrum))
    print("status: " + said(status))


def step_slider():
    root = main_window()
    redraw = find(root, "Перерисовывать", "check box")
    if not redraw.getState().contains(pyatspi.STATE_CHECKED):
        # Clicked where AT-SPI says it is: the toolkit's check boxes act on a click, and
        # AT-SPI's toggle action only toggles.
        box = redraw.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + 6), str(box.y + box.height // 2),
                        "click", "1"], check=True)
    wait_for(lambda: redraw.getState().contains(pyatspi.STATE_CHECKED), bool,
             "«Перерисовывать» switched on")
    graph = find(root, "График", "chart")
    before = graph.description
    # What assistive technology is told: a description change of the graph.
    heard = []

    def listen(event):
        if event.source.name == "График":
            heard.append(event.type)

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description")
    slider = find(root, "Положение первого движка", "slider").queryValue()
    target = min(slider.currentValue + 5, slider.maximumValue)
    slider.currentValue = target
    wait_for(lambda: slider.currentValue, lambda v: v == target, "the slider's value")
    after = wait_for(lambda: graph.description, lambda d: d != before,
                     "the graph after the slider moved")
    end = time.time() + 5
    while not heard and time.time() < end:
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.1)
    pyatspi.Registry.deregisterEventListener(listen, "object:property-change:accessible-description")
    if not heard:
        fail("no description-change event of the graph")
    print("heard: " + ", ".join(sorted(set(str(t) for t in heard))))
    print("slider: %g" % target)
    print("graph before: " + before)
    print("graph after: " + after)


def step_lab(error):
    lab = window("Лаборатория")
    expect_controls(lab, [
        ("Вкладки лаборатории", "panel"), ("Сходимость", "chart"),
        ("Строка состояния", "status bar"),
    ])
    view = find(lab, "Сходимость", "chart")
    text = wait_for(lambda: view.description, lambda d: "k = 5" in d and error in d,
                    "the convergence view")
    if "выброс у скачка" not in text:
        fail("the convergence view: " + text)
    print("convergence: " + said(view))


CYRILLIC = re.compile("[\u0400-\u04FF]")
# Each language is named in itself in the language menu.
BILINGUAL = {"Язык / Language", "Русский"}


def step_english(error):
    """Both windows in English after the language was switched: nothing a reader hears holds a
    Cyrillic letter, and the pictures say the same numbers."""
    main = window("Fourier analysis and synthesis")
    lab = window("Lab")
    graph = find(main, "Graph", "chart")
    wait_for(lambda: graph.description, lambda d: "S₅) " + error in d, "the graph in English")
    for root in (main, lab):
        for node in walk(root):
            for text in (node.name, node.description):
                if text and text not in BILINGUAL and CYRILLIC.search(text):
                    fail("%s %r says %r" % (node.getRoleName(), node.name, text))
    print("graph: " + said(graph))
    print("spectrum: " + said(find(main, "Spectrum", "chart")))
    print("status: " + said(find(main, "Status", "status bar")))
    print("convergence: " + said(find(lab, "Convergence", "chart")))


if __name__ == "__main__":
    step = sys.argv[1]
    if step == "main":
        step_main()
    elif step == "synthesised":
        step_synthesised(sys.argv[2])
    elif step == "slider":
        step_slider()
    elif step == "lab":
        step_lab(sys.argv[2])
    elif step == "english":
        step_english(sys.argv[2])
    else:
        fail("unknown step " + step)
