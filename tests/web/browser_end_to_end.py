#!/usr/bin/env python3
"""End-to-end check of the browser version in one browser engine.

Serves the built site on 127.0.0.1 and plays one session as a user would, with
real pointer, touch and key input (page_driver.py): clicks, a tap, a drag and
a double click on the drawing area, menu choices, message boxes, keypad and
main-keyboard keys, two B-Spline Input dialogs, one answered with typed text.
It checks the title, the message texts and the check marks on the way, and
compares the canvas at each checkpoint with the PNG that veltro-replay renders
for the session up to there, pixel for pixel.

usage: browser_end_to_end.py ENGINE SITE_DIR VELTRO_REPLAY PNG_COMPARE
ENGINE is chromium, webkit or firefox. Exits 77 (skipped) when the site has
not been built or the engine is not installed; with CI set, a missing engine
fails instead.

To add a check: write it in play() (or a function it calls) with the Page
helpers; record each editor message it causes in page.script, and call
page.expect_frame() where the canvas must equal veltro-replay's frame.
"""

import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading

from page_driver import (ENGINES, NUMPAD_ADD, NUMPAD_SUBTRACT, EngineMissing, Page, PageFailure,
                         start_engine)

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

    page.expect_title(CAPTION)
    page.expect_checked([40016, 40028, 40037, 40039, 40051], [40036, 40038, 40045, 40050])
    for x, y in [(100, 100), (200, 300), (400, 120)]:
        step(f"click {x} {y}", page.click, x, y)
    # A touch tap adds a point as a click does (WebKitWebDriver sends it as a mouse).
    step("click 550 400", page.tap, 550, 400)
    page.expect_frame("four points")

    step("menu 40038", page.menu, "Options", 40038)
    step("menu 40036", page.menu, "Options", 40036)
    page.answer_message_box("Slider Activated", SLIDER_TEXT)
    step("key numplus", page.keys, NUMPAD_ADD)
    step("key numplus", page.keys, NUMPAD_ADD)
    step("key plus", page.keys, "=")
    step("key minus", page.keys, "-")
    step("key numminus", page.keys, NUMPAD_SUBTRACT)
    step("key space", page.keys, " ")
    page.expect_checked([40036, 40038], [40037, 40039])
    page.expect_title(CAPTION)
    page.expect_frame("slider keys")

    step("menu 40045", page.menu, "Object", 40045)
    step("key plus", page.keys, "=")
    page.expect_title("t = 3.51")
    page.expect_checked([40045], [40028])

    step("menu 40023", page.menu, None, 40023)
    page.answer_message_box("Moving Enabled", "Left Click and drag the mouse to relocate points!")
    step("menu 40023", page.menu, None, 40023)
    page.answer_message_box("Redundant Click",
                            "Point Moving is already enabled!\nTo disable, create a new point.")
    page.expect_checked([], [40016])
    script += ["press 200 300", "move 260 330", "release 260 330"]
    page.drag(200, 300, 260, 330)
    page.expect_frame("point moved")
    step("menu 40016", page.menu, "Object", 40016)
    # A quick double click adds one point, not two.
    script += ["click 320 240", "dblclick 320 240", "release 320 240"]
    page.double_click(320, 240)

    step("menu 40050", page.menu, "Options", 40050)
    step("menu 40053", page.menu, "Options", 40053)
    step("menu 40053", page.menu, "Options", 40053)
    page.expect_checked([40051], [40050])
    if page.dialog_count() != 2:
        raise PageFailure(f"{page.dialog_count()} B-Spline Input dialogs open, expected 2")
    second = '.bspline-dialog:nth-of-type(2)'
    first = '.bspline-dialog:nth-of-type(1)'
    if page.value(f"{second} [name=degree]") != "3":
        raise PageFailure(f"the dialog shows degree {page.value(f'{second} [name=degree]')!r}")
    if page.value(f"{second} [name=knots]") != "0, 0, 0, 0, 1, 2, 2, 2, 2":
        raise PageFailure(f"the dialog shows knots {page.value(f'{second} [name=knots]')!r}")
    page.type_into(f"{second} [name=degree]", "x2-")  # only the digit stays
    if page.value(f"{second} [name=degree]") != "2":
        raise PageFailure(f"the degree field took {page.value(f'{second} [name=degree]')!r}")
    page.type_into(f"{second} [name=knots]", "0, 0, 0, 1,, 2 3 3 3")
    step('dialog ok "2" "0, 0, 0, 1,, 2 3 3 3"', page.click_element,
         f'{second} [data-command="1"]')
    step("dialog cancel", page.click_element, f'{first} [data-command="2"]')
    if page.dialog_count():
        raise PageFailure("a B-Spline Input dialog is still open after OK and Cancel")
    page.expect_frame("end")


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
        if outcome != "failed" or "could not start" not in shown:
            raise PageFailure(f"without veltro.wasm the page {outcome} and shows {shown!r}")
    finally:
        server.shutdown()


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
        check_frames(page, replay, compare)
        errors = engine.errors()
        if errors:
            raise PageFailure(f"the page logged errors: {errors}")
    finally:
        server.shutdown()
    check_failed_load(engine, site)


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
        print(f"SKIP: {name} is not tested: {missing} (./test.sh installs it)")
        return 1 if os.environ.get("CI") else SKIP
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
