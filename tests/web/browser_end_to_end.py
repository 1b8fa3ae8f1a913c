#!/usr/bin/env python3
"""End-to-end check of the browser version in one browser engine.

Serves the built site on 127.0.0.1 and plays one session as a user would, with
real pointer, touch and key input (page_driver.py): clicks, a tap, a drag and
a double click on the drawing area, menu choices, message boxes, keypad and
main-keyboard keys, two B-Spline Input dialogs, one answered with typed text.
It checks the title, the message texts and the check marks on the way, and
compares the canvas after each step (and at a few more checkpoints) with the
PNG that veltro-replay renders for the session up to there, pixel for pixel.

usage: browser_end_to_end.py ENGINE SITE_DIR VELTRO_REPLAY PNG_COMPARE
ENGINE is chromium, webkit or firefox. Exits 77 (skipped) when the site has
not been built or the engine is not installed; with CI set, a missing engine
fails instead.

To add a check: write it in play() (or a function it calls) with the Page
helpers; record each editor message it causes in page.script (step() does
both and compares the frame), and call page.expect_frame() where else the
canvas must equal veltro-replay's frame.
"""

import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading

from page_driver import (ARROW_LEFT, ARROW_RIGHT, BACKSPACE, CONTROL, DELETE, ENGINES, ENTER,
                         ESCAPE, NUMPAD_ADD, NUMPAD_SUBTRACT, SHIFT, TAB, VIEWPORT, EngineMissing,
                         Page, PageFailure, start_engine)

SKIP = 77
CAPTION = "VELTRO Project by Maelkin"
SLIDER_TEXT = "Adjust t values with + and - keys\non numerical pad.\n(Effects NLI & B-Spline Only)"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class NoWasmHandler(QuietHandler):
    """A server that has lost the module."""

    def do_GET(self):
        if self.path.endswith(".wasm"):
            self.send_error(404)
        else:
            super().do_GET()


class NoSimdHandler(QuietHandler):
    """The page as a browser whose WebAssembly has no SIMD sees it: every module fails
    validation, as the SIMD probe does there."""

    def do_GET(self):
        if self.path not in ("/", "/index.html"):
            super().do_GET()
            return
        with open(os.path.join(self.directory, "index.html"), "rb") as page:
            body = page.read().replace(b"<script", b"<script>WebAssembly.validate = () => false;"
                                       b"</script><script", 1)
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def serve(site, handler_class=QuietHandler):
    handler = functools.partial(handler_class, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def play(page):
    """Plays the session on the page, recording it in page.script."""
    script = page.script

    def step(line, action, *args):
        script.append(line)
        action(*args)
        # A frame drawn behind a message box shows once the box is answered.
        if page.message_box() is None:
            page.expect_frame(line)

    page.expect_title(CAPTION)
    page.expect_checked([40016, 40028, 40037, 40039, 40051], [40036, 40038, 40045, 40050])
    page.expect_frame("start, before any input")
    open_inspector(page)
    for x, y in [(100, 100), (200, 300), (400, 120)]:
        step(f"click {x} {y}", page.click, x, y)
    # A touch tap adds a point as a click does (WebKitWebDriver sends it as a mouse).
    page.call("""() => document.getElementById('drawing-area').addEventListener(
        'pointerdown', (event) => { window.tappedWith = event.pointerType; }, {once: true})""")
    step("click 550 400", page.tap, 550, 400)
    tapped_with = page.call("() => window.tappedWith")
    if tapped_with != ("touch" if page.engine.touch else "mouse"):
        raise PageFailure(f"the tap arrived as {tapped_with}")
    # A click that closes a menu does nothing else.
    page.click_element('#menu-bar [data-menu="Options"]')
    page.click(300, 200)
    expect_no_menu(page, "a click on the drawing area")
    page.expect_frame("four points")

    step("menu 40038", page.menu, "Options", 40038)
    step("menu 40036", page.menu, "Options", 40036)
    # OK stays the default button after a click on the box's text.
    page.click_element("#message-text")
    page.keys(ENTER)
    if page.message_box() is not None:
        raise PageFailure("Enter did not press OK after a click on the message text")
    step("key numplus", page.keys, NUMPAD_ADD)
    step("key numplus", page.keys, NUMPAD_ADD)
    step("key plus", page.keys, "=")
    step("key minus", page.keys, "-")
    step("key numminus", page.keys, NUMPAD_SUBTRACT)
    step("key space", page.keys, " ")
    page.expect_checked([40036, 40038], [40037, 40039])
    page.expect_title(CAPTION)
    menu_keys(page)
    page.expect_frame("slider keys")

    step("menu 40045", page.menu, "Object", 40045)
    step("key plus", page.keys, "+")
    page.expect_title("t = 3.51")
    page.expect_checked([40045], [40028])
    layout_keys(page)

    step("menu 40023", page.menu, None, 40023)
    page.answer_message_box("Moving Enabled", "Left Click and drag the mouse to relocate points!")
    step("menu 40023", page.menu, None, 40023)
    page.answer_message_box("Redundant Click",
                            "Point Moving is already enabled!\nTo disable, create a new point.")
    page.expect_checked([], [40016])
    script += ["press 200 300", "move 260 330", "release 260 330"]
    page.drag(200, 300, 260, 330)
    if page.engine.chords:
        # Released while the right button is still down, the point stays where it was dropped.
        script += ["press 100 100", "move 130 90", "release 130 90", "move 160 60"]
        page.pointer(page.move(*page.canvas_point(100, 100)), page.down(),
                     page.move(*page.canvas_point(130, 90)), page.down(2), page.up(), page.up(2))
        page.pointer(page.move(*page.canvas_point(160, 60)))
    page.expect_frame("points moved")
    edit_keys(page)
    step("menu 40016", page.menu, "Object", 40016)
    # Ctrl+Z right after a click shows the frame of the session without that click.
    page.click(480, 60)
    page.chord(CONTROL, "z")
    page.expect_frame("a click taken back")
    # A quick double click adds one point, not two.
    script += ["click 320 240", "dblclick 320 240", "release 320 240"]
    page.double_click(320, 240)
    # A left click while the right button is held adds its point.
    script.append("click 50 400")
    if page.engine.chords:
        page.pointer(page.move(*page.canvas_point(50, 400)), page.down(2), page.down(), page.up(),
                     page.up(2))
    else:
        page.click(50, 400)

    step("menu 40050", page.menu, "Options", 40050)
    step("menu 40053", page.menu, "Options", 40053)
    step("menu 40053", page.menu, "Options", 40053)
    page.expect_checked([40051], [40050])
    if page.dialog_count() != 2:
        raise PageFailure(f"{page.dialog_count()} B-Spline Input dialogs open, expected 2")
    first = "section.bspline-dialog:nth-of-type(1)"
    second = "section.bspline-dialog:nth-of-type(2)"
    # However often dialogs are clicked to the front, the menus open above them.
    for _ in range(6):
        page.click_element(f"{first} .hint")
    step("menu 40039", page.menu, "Options", 40039)
    page.expect_checked([40039], [40038])
    dialog_moved_off(page, second)
    if page.value(f"{second} [name=degree]") != "3":
        raise PageFailure(f"the dialog shows degree {page.value(f'{second} [name=degree]')!r}")
    if page.value(f"{second} [name=knots]") != "0, 0, 0, 0, 1, 2, 3, 3, 3, 3":
        raise PageFailure(f"the dialog shows knots {page.value(f'{second} [name=knots]')!r}")
    page.type_into(f"{second} [name=degree]", "x2-")  # only the digit stays
    if page.value(f"{second} [name=degree]") != "2":
        raise PageFailure(f"the degree field took {page.value(f'{second} [name=degree]')!r}")
    page.type_into(f"{second} [name=knots]", "0, 0, 0, 1,, 2 3 4 4 4")
    step('dialog ok "2" "0, 0, 0, 1,, 2 3 4 4 4"', page.click_element,
         f'{second} [data-command="1"]')
    step("dialog cancel", page.click_element, f'{first} [data-command="2"]')
    if page.dialog_count():
        raise PageFailure("a B-Spline Input dialog is still open after OK and Cancel")
    type_positions(page)
    delete_row(page)
    check_numbers(page)
    check_parameter(page)
    page.expect_frame("end")


def open_inspector(page):
    """The whole session runs with the Inspector open: the frame must not change."""
    shown = "() => !document.getElementById('inspector').hidden"
    checked = """() => document.querySelector('#menu-bar [data-command="inspector"]')
                       .getAttribute('aria-checked')"""
    if page.call(checked) != "false" or page.call(shown):
        raise PageFailure("the Inspector is open at the first start")
    page.menu("View", "inspector")
    if page.call(checked) != "true" or not page.call(shown):
        raise PageFailure("View > Inspector did not open the panel")


PLOT_PIXELS = """() => {
    const plot = document.getElementById('basis-plot');
    const data = plot.getContext('2d').getImageData(0, 0, plot.width, plot.height).data;
    let coloured = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] !== data[i + 1] || data[i + 1] !== data[i + 2]) { ++coloured; }
    }
    return [coloured, plot.toDataURL()];
  }"""


def check_numbers(page):
    """The weights, one cell per point, sum to 1; the plot shows coloured curves and follows
    the slider's t (Nested Linear has the slider on)."""
    page.script.append("menu 40028")
    page.menu("Object", 40028)

    def shown():
        return page.call("""() => [document.getElementById('inspector-t').textContent,
            [...document.querySelectorAll('#inspector-weights td')].map((c) => Number(c.textContent))]""")
    t, weights = shown()
    points = page.call("() => window.veltroPage.points()")
    if len(weights) != len(points) or abs(sum(weights) - 1) > 1e-9:
        raise PageFailure(f"the weights {weights} are not one per point summing to 1")
    copy = '[data-table="inspector-weights"] [data-copy="latex"]'
    page.click_in_view(copy)
    copied = page.call("() => document.getElementById('inspector').dataset.copied")
    if not copied.startswith("\\begin{tabular}{rr}\n\\hline\nPoint & w(t) \\\\\n\\hline\n1 & "):
        raise PageFailure(f"Copy LaTeX gave {copied!r}")
    coloured, before = page.call(PLOT_PIXELS)
    if coloured == 0:
        raise PageFailure("the basis plot is blank")
    page.call("() => document.getElementById('drawing-area').focus()")
    page.script.append("key plus")
    page.keys("+")
    t_after, _ = shown()
    if t_after == t or page.call(PLOT_PIXELS)[1] == before:
        raise PageFailure(f"t went from {t} to {t_after}, and the plot did not follow")


def check_parameter(page):
    """Bernstein has no slider of its own: the Inspector's typed t and its slider set the t,
    recorded as inspect lines; a bad t is refused in the field."""
    page.call("() => window.scrollTo(0, 0)")
    page.script.append("menu 40030")
    page.menu("Object", 40030)
    field = "#inspector-t-typed"
    if page.call("(field) => document.querySelector(field).disabled", field):
        raise PageFailure("the typed t is disabled for Bernstein")
    _, before = page.call(PLOT_PIXELS)
    page.call("(field) => document.querySelector(field).scrollIntoView({block: 'center'})", field)

    def typed(text):
        page.type_into(field, text)
        page.keys(ENTER)
        return page.call("""() => [document.getElementById('inspector-t').textContent,
            document.getElementById('inspector-t-note').textContent]""")

    for text, why in [("abc", "not a number"), ("1.5", "outside [0, 1]")]:
        t, note = typed(text)
        if why not in note or t != "0.5":
            raise PageFailure(f"typing t {text!r} shows t = {t} and notes {note!r}")
    page.script.append("inspect 0.25")
    t, note = typed("0.25")
    if t != "0.25" or note != "" or page.call(PLOT_PIXELS)[1] == before:
        raise PageFailure(f"typing t 0.25 shows t = {t}, notes {note!r}, the plot the same")
    page.call("() => document.getElementById('inspector-t-slider').focus()")
    page.script.append("inspect 0.251")
    page.keys(ARROW_RIGHT)
    t = page.call("() => document.getElementById('inspector-t').textContent")
    if t != "0.251":
        raise PageFailure(f"a step of the Inspector's slider from 0.25 gives t = {t}")
    page.inspections.append(("".join(line + "\n" for line in page.script),
                             page.call("() => window.veltroPage.inspection()")))


def check_inspections(page, replay):
    """The numbers the page shows are veltro-replay --inspect's for the same session."""
    for script, shown in page.inspections:
        result = subprocess.run([replay, "--inspect", "-", "-"], input=script, text=True,
                                capture_output=True, check=True)
        expected = json.loads(result.stdout)
        for key in ["method", "parameter", "weights", "curvePoint"]:
            if shown[key] != expected[key]:
                raise PageFailure(f"the page's {key} is {shown[key]}, veltro-replay's "
                                  f"{expected[key]}, for:\n{script}")


def type_positions(page):
    """Typed coordinates: refusals leave the point and say why in the row, Enter on a good
    one moves the point as the script line `place` does."""
    points = page.call("() => window.veltroPage.points()")
    rows = page.call("""() => [...document.querySelectorAll('#inspector-points tbody tr')].map(
        (row) => [Number(row.querySelector('[name=x]').value),
                  Number(row.querySelector('[name=y]').value)])""")
    if rows != points:
        raise PageFailure(f"the points table shows {rows} for the points {points}")

    def type_into(index, name, text):
        row = f"#inspector-points tbody tr:nth-child({index + 1})"
        page.type_into(f"{row} [name={name}]", text)
        page.keys(ENTER)
        return page.call("(row) => document.querySelector(row + ' .note').textContent", row)

    def refused(index, name, text, why):
        note = type_into(index, name, text)
        if why not in note:
            raise PageFailure(f"typing {text!r} into {name} of point {index + 1} notes {note!r}")

    refused(0, "x", "abc", "not a number")
    refused(0, "y", " ", "not a number")
    refused(1, "y", "476", "drawing area")
    if page.call("() => window.veltroPage.points()") != points:
        raise PageFailure("a refused entry moved a point")
    for index, name, value in [(1, "x", 300), (2, "y", points[1][1])]:
        x, y = points[index]
        points[index] = [value, y] if name == "x" else [x, value]
        page.script.append(f"place {index + 1} {points[index][0]} {points[index][1]}")
        note = type_into(index, name, str(value))
        if note != "":
            raise PageFailure(f"{value} for {name} of point {index + 1} was refused: {note}")
    # Now just right of point 2: a step to its left lands on it.
    refused(2, "x", str(points[1][0] + 3), "another point")


def delete_row(page):
    """Row 2's Delete button deletes point 2 as the script line `delete 2` does; the rows
    after it move up, and copying the table leaves the buttons out."""
    points = page.call("() => window.veltroPage.points()")
    button = '#inspector-points tbody tr:nth-child(2) [data-action="delete"]'
    page.script.append("delete 2")
    page.click_in_view(button)
    left = page.call("() => window.veltroPage.points()")
    if left != points[:1] + points[2:]:
        raise PageFailure(f"deleting row 2 of {points} left {left}")
    page.expect_frame("row 2 deleted")
    page.click_in_view('[data-table="inspector-points"] [data-copy="tsv"]')
    copied = page.call("() => document.getElementById('inspector').dataset.copied")
    if not copied.startswith("Point\tx\ty\tNote\n1\t"):
        raise PageFailure(f"Copy TSV of the points gave {copied!r}")
    page.call("() => window.scrollTo(0, 0)")


def edit_keys(page):
    """Delete or Backspace over a point in Move Points mode removes it; Ctrl+Z,
    Ctrl+Y, Ctrl+Shift+Z and the Edit menu walk the history, greyed as it allows."""
    def step(line, action, *args):
        page.script.append(line)
        action(*args)

    def expect_history(undo, redo):
        shown = page.call("""() => ['undo', 'redo'].map((command) => document.querySelector(
            `#menu-bar [data-command="${command}"]`).getAttribute('aria-disabled'))""")
        if shown != ["false" if undo else "true", "false" if redo else "true"]:
            raise PageFailure(f"Undo and Redo have aria-disabled {shown}, expected them "
                              f"{'enabled' if undo else 'greyed'} and {'enabled' if redo else 'greyed'}")

    step("move 402 118", page.pointer, page.move(*page.canvas_point(402, 118)))
    step("delete 3", page.keys, DELETE)
    expect_history(True, False)
    page.expect_frame("point 3 deleted")
    step("undo", page.chord, CONTROL, "z")
    expect_history(True, True)
    step("redo", page.chord, CONTROL, "y")
    step("undo", page.menu, "Edit", "undo")
    step("redo", page.chord, CONTROL, SHIFT, "z")
    step("undo", page.chord, CONTROL, "z")
    # The menu took the pointer away; Backspace needs it over the point again.
    step("move 402 118", page.pointer, page.move(*page.canvas_point(402, 118)))
    step("delete 3", page.keys, BACKSPACE)
    step("undo", page.chord, CONTROL, "z")
    page.expect_frame("point 3 back")


def expect_no_menu(page, after):
    if page.open_menu() is not None:
        raise PageFailure(f"the {page.open_menu()} menu is still open after {after}")


def menu_keys(page):
    """Menus by keyboard: Escape, the arrows, Tab; a closed menu gives the keys back."""
    page.click_element('#menu-bar [data-menu="Options"]')
    page.keys(ESCAPE)
    expect_no_menu(page, "Escape")
    page.script.append("key numplus")
    page.keys(NUMPAD_ADD)
    # Closed by a second click on its title, the menu leaves the keys to the editor.
    page.click_element('#menu-bar [data-menu="Object"]')
    page.click_element('#menu-bar [data-menu="Object"]')
    page.script += ["key plus", "key space"]
    page.keys("=", " ")
    expect_no_menu(page, "a second click on its title and Space")
    page.click_element('#menu-bar [data-menu="Object"]')
    for key, expected in [(ARROW_RIGHT, "Help"), (ARROW_LEFT, "Object"), (ARROW_LEFT, "View")]:
        page.keys(key)
        if page.open_menu() != expected:
            raise PageFailure(f"the arrow key opened {page.open_menu()}, expected {expected}")
    page.keys(TAB)
    expect_no_menu(page, "Tab")
    plain = page.call("""() => [40024, 40009, 40053].map((id) => {
        const item = document.querySelector(`#menu-bar [data-command="${id}"]`);
        return item.getAttribute('role') + ' ' + item.hasAttribute('aria-checked');
      })""")
    if plain != ["menuitem false"] * 3:
        raise PageFailure(f"Clear Points, About and B-Spline Setup are {plain}, not plain items")
    # Focus rings that keyboard users can see: 3:1 at least against what surrounds them.
    for selector, background in [("#drawing-area:focus-visible", "#ffffff"),
                                 (".menu-bar button:focus-visible", "#d8e6f8")]:
        contrast = page.call(RING_CONTRAST, selector, background)
        if not contrast or contrast < 3:
            raise PageFailure(f"the focus ring of {selector} has a contrast of {contrast}")


# The contrast of the outline a style rule gives, against a background colour.
RING_CONTRAST = """(selector, background) => {
    const rule = [...document.styleSheets].flatMap((sheet) => [...sheet.cssRules]).find(
        (r) => r.selectorText === selector && r.style.outlineStyle !== 'none' &&
               r.style.outlineColor);
    if (!rule) { return null; }
    const probe = document.createElement('div');
    document.body.append(probe);
    const luminance = (colour) => {
      probe.style.color = colour;
      const [r, g, b] = getComputedStyle(probe).color.match(/[0-9.]+/g).map(Number).map(
          (c) => c / 255).map((c) => c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [a, b] = [luminance(rule.style.outlineColor), luminance(background)];
    probe.remove();
    return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
  }"""


def layout_keys(page):
    """A German keyboard: its "+" key sits where a US keyboard has "]", and the
    key at the US "=" is the dead key for an accent. No driver can switch the
    layout, so these two are dispatched as the browser reports them."""
    page.script.append("key plus")
    for key, code in [("+", "BracketRight"), ("Dead", "Equal")]:
        page.call("""(key, code) => document.activeElement.dispatchEvent(
            new KeyboardEvent('keydown', {key, code, bubbles: true}))""", key, code)
        page.settle()
    page.expect_title("t = 3.52")


def dialog_moved_off(page, dialog):
    """A dialog moved to the right edge stays reachable when the window narrows."""
    width, height = page.rectangle("body")[4:6]
    page.drag_element(f"{dialog} .title-bar span", width - 20, 200)
    try:
        page.engine.resize(700, 700)
        for _ in range(100):  # the resize reaches the page a little later
            left, _, _, _, inner_width, _ = page.rectangle(dialog)
            if inner_width < width and left <= inner_width - 60:
                break
            page.call("() => new Promise((done) => setTimeout(done, 20))")
        else:
            raise PageFailure(f"the dialog's title bar starts at {left}, beyond the window's "
                              f"width {inner_width}")
    finally:
        page.engine.resize(*VIEWPORT)
    page.drag_element(f"{dialog} .title-bar span", 500, 300)


def compare_methods(page):
    """View -> Compare Methods: six figures captioned as the Object menu's
    methods; clicking the third chooses Midpoint Subdivision, and then the
    drawing area and that figure both show veltro-replay's frame."""
    # Earlier steps may leave the page scrolled; the menu bar is at its top.
    page.call("() => window.scrollTo(0, 0)")
    page.menu("View", "compare")
    shown = page.call("""() => {
        const panel = document.getElementById('compare');
        return [!panel.hidden && panel.getBoundingClientRect().height > 0,
                [...panel.querySelectorAll('figure figcaption')].map((c) => c.textContent)];
      }""")
    methods = page.call("""() => [40028, 40030, 40031, 40041, 40043, 40045].map(
        (id) => [...document.querySelector(`#menu-bar [data-command="${id}"]`).childNodes]
            .filter((node) => node.nodeType === Node.TEXT_NODE)
            .map((node) => node.textContent).join('').trim())""")
    if not shown[0] or shown[1] != methods:
        raise PageFailure(f"the #compare panel shows {shown!r}, expected the figures {methods}")
    page.call("() => document.querySelectorAll('#compare figure')[2].scrollIntoView({block: 'center'})")
    page.script.append("menu 40031")
    page.click_element("#compare figure:nth-of-type(3) canvas")
    page.expect_checked([40031], [40028, 40045])
    page.expect_frame("third figure of Compare Methods clicked")
    url = page.call("() => document.querySelectorAll('#compare figure canvas')[2].toDataURL('image/png')")
    page.frames.append(("the third figure itself", page.frames[-1][1],
                        base64.b64decode(url.split(",", 1)[1])))


def check_frames(page, replay, compare):
    """Each checkpoint's canvas equals veltro-replay's frame for the session up to there."""
    with tempfile.TemporaryDirectory() as work:
        for index, (label, script, png) in enumerate(page.frames):
            script_path = os.path.join(work, f"{index}.replay")
            expected = os.path.join(work, f"{index}-expected.png")
            actual = os.path.join(work, f"{index}-canvas.png")
            with open(script_path, "w") as f:
                f.write(script)
            with open(actual, "wb") as f:
                f.write(png)
            subprocess.run([replay, "--png", expected, script_path], check=True)
            if subprocess.run([compare, actual, expected]).returncode != 0:
                kept = []
                for path in (script_path, expected, actual):
                    name = f"web-{page.engine.name}-" + os.path.basename(path)
                    shutil.copy(path, os.path.join(os.getcwd(), name))
                    kept.append(name)
                raise PageFailure(f"at \"{label}\" the canvas differs from veltro-replay's frame "
                                  f"({', '.join(kept)} are in {os.getcwd()}) for:\n{script}")


def check_failed_load(engine, site):
    """Without its module the page says so instead of showing a blank canvas."""
    server = serve(site, NoWasmHandler)
    try:
        engine.open(f"http://127.0.0.1:{server.server_address[1]}/")
        outcome = engine.call("() => window.veltroPage.ready.then(() => 'started', () => 'failed')")
        shown = engine.call("""() => {
            const e = document.getElementById('page-error');
            return e.hidden ? '' : e.textContent; }""")
        if outcome != "failed" or "veltro.js and veltro.wasm are next to" not in shown:
            raise PageFailure(f"without veltro.wasm the page {outcome} and shows {shown!r}")
    finally:
        server.shutdown()


def check_baseline_module(engine, site, replay, compare):
    """A browser without WebAssembly SIMD runs the module built without it, with the same
    frames."""
    server = serve(site, NoSimdHandler)
    try:
        engine.open(f"http://127.0.0.1:{server.server_address[1]}/")
        outcome = engine.call("() => window.veltroPage.ready.then(() => 'started', String)")
        loaded = engine.call("() => Array.from(document.scripts, (s) => s.src.split('/').pop())")
        if outcome != "started" or "veltro-baseline.js" not in loaded or "veltro.js" in loaded:
            raise PageFailure(f"without SIMD the page {outcome} with {loaded}")
        page = Page(engine)
        page.settle()
        for x, y in [(100, 100), (200, 300), (400, 120), (550, 400)]:
            page.script.append(f"click {x} {y}")
            page.click(x, y)
            page.settle()
        page.menu("Object", 40043)
        page.script.append("menu 40043")
        page.settle()
        page.expect_frame("the spline, drawn by the module without SIMD")
        check_frames(page, replay, compare)
    finally:
        server.shutdown()


def check_opened_from_disk(engine, site):
    """Opened from the disk, the page says how to serve it."""
    engine.open("file://" + os.path.abspath(os.path.join(site, "index.html")))
    shown = engine.call("""() => window.veltroPage.ready.then(
        () => 'started', () => document.getElementById('page-error').textContent)""")
    if "./run.sh --web" not in shown:
        raise PageFailure(f"opened from the disk the page shows {shown!r}")


def run(engine, site, replay, compare):
    server = serve(site)
    try:
        engine.open(f"http://127.0.0.1:{server.server_address[1]}/")
        ready = engine.call("""() => window.veltroPage.ready.then(
            () => performance.now(), (error) => String(error))""")
        if not isinstance(ready, (int, float)):
            raise PageFailure(f"the page did not start: {ready}")
        print(f"{engine.name}: ready for input {ready:.0f} ms after the page was requested")
        page = Page(engine)
        page.settle()
        play(page)
        compare_methods(page)
        check_frames(page, replay, compare)
        check_inspections(page, replay)
        errors = engine.errors()
        if errors:
            raise PageFailure(f"the page logged errors: {errors}")
    finally:
        server.shutdown()
    check_failed_load(engine, site)
    check_baseline_module(engine, site, replay, compare)
    check_opened_from_disk(engine, site)


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ENGINES:
        print(__doc__, file=sys.stderr)
        return 2
    name, site, replay, compare = sys.argv[1:5]
    if not os.path.isfile(os.path.join(site, "veltro.wasm")):
        print(f"SKIP: no site in {site} (build it: cmake --preset web && cmake --build --preset web)")
        return SKIP
    try:
        engine = start_engine(name)
    except EngineMissing as missing:
        # CI must test every engine; a developer's machine may lack one.
        verdict = "FAIL" if os.environ.get("CI") else "SKIP"
        print(f"{verdict}: {name} is not tested: {missing} (./test.sh installs it)")
        return 1 if verdict == "FAIL" else SKIP
    try:
        run(engine, site, replay, compare)
    except PageFailure as failure:
        print(f"FAIL ({name}): {failure}", file=sys.stderr)
        return 1
    finally:
        engine.quit()
    print(f"{name}: every checkpoint's canvas equals veltro-replay's frame")
    return 0


if __name__ == "__main__":
    sys.exit(main())
