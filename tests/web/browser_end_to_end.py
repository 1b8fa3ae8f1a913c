#!/usr/bin/env python3
"""End-to-end check of the browser version in headless Chromium.

Serves the built site on 127.0.0.1, plays a session as a user would (clicks
and a drag on the drawing area, a double click, menu choices, message boxes,
keypad and main-keyboard keys, two B-Spline Input dialogs, one answered with
typed text), checks the title, the message texts and the check marks, and
compares the canvas with the PNG that veltro-replay renders for the same
script, pixel for pixel.

usage: browser_end_to_end.py SITE_DIR VELTRO_REPLAY PNG_COMPARE [SCREENSHOT]
Exits 77 (skipped) when the site has not been built.
"""

import functools
import http.server
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import base64

SKIP = 77


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


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


def start_browser():
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=1100,900",
                     "--force-device-scale-factor=1", "--no-first-run",
                     "--disable-extensions"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page:
    def __init__(self, driver):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.by import By

        self.driver = driver
        self.By = By
        self.ActionChains = ActionChains
        self.canvas = driver.find_element(By.ID, "drawing-area")
        self.script = []

    def settle(self):
        # Bounded: the page must be idle well within ten seconds.
        for _ in range(400):
            if self.driver.execute_script("return window.veltroPage.isIdle()"):
                return
            time.sleep(0.025)
        fail("the page did not become idle after:\n" + "\n".join(self.script))

    def pointer(self):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder

        builder = ActionBuilder(self.driver)
        return builder, builder.pointer_action

    def at(self, pointer, x, y):
        # The page pixel whose floor is the drawing area's pixel (x, y), also
        # when the layout puts the area at a fractional position.
        left, top = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect(); return [r.left, r.top];",
            self.canvas)
        pointer.move_to_location(math.ceil(left + x), math.ceil(top + y))

    def click(self, x, y):
        builder, pointer = self.pointer()
        self.at(pointer, x, y)
        pointer.click()
        builder.perform()
        self.settle()

    def double_click(self, x, y):
        builder, pointer = self.pointer()
        self.at(pointer, x, y)
        pointer.double_click()
        builder.perform()
        self.settle()

    def drag(self, x0, y0, x1, y1):
        builder, pointer = self.pointer()
        self.at(pointer, x0, y0)
        pointer.pointer_down()
        self.at(pointer, x1, y1)
        pointer.pointer_up()
        builder.perform()
        self.settle()

    def key(self, keys):
        self.ActionChains(self.driver).send_keys(keys).perform()
        self.settle()

    def item(self, command_id):
        return self.driver.find_element(self.By.CSS_SELECTOR,
                                        f'#menu-bar [data-command="{command_id}"]')

    def menu(self, popup, command_id):
        if popup:
            self.driver.find_element(
                self.By.XPATH, f'//div[@id="menu-bar"]//button[@aria-haspopup and text()="{popup}"]'
            ).click()
        self.item(command_id).click()
        self.settle()

    def message_box(self, caption, text):
        box = self.driver.find_element(self.By.ID, "message-box")
        if not self.driver.execute_script("return arguments[0].open", box):
            fail(f'no message box open, expected "{caption}"')
        if box.get_attribute("role") != "alertdialog":
            fail("the message box is not an alertdialog")
        shown = (self.driver.find_element(self.By.ID, "message-caption").text,
                 self.driver.execute_script(
                     "return document.getElementById('message-text').textContent"))
        if shown != (caption, text):
            fail(f"message box shows {shown!r}, expected {(caption, text)!r}")
        box.find_element(self.By.TAG_NAME, "button").click()
        self.settle()

    def dialogs(self):
        return self.driver.find_elements(self.By.CSS_SELECTOR, '[role="dialog"]')

    def expect_title(self, title):
        if self.driver.title != title:
            fail(f"title is {self.driver.title!r}, expected {title!r}")

    def expect_checked(self, checked, unchecked):
        for command_id, expected in [(c, "true") for c in checked] + \
                                    [(c, "false") for c in unchecked]:
            actual = self.item(command_id).get_attribute("aria-checked")
            if actual != expected:
                fail(f"menu item {command_id} has aria-checked={actual}, expected {expected}")

    def canvas_png(self):
        url = self.driver.execute_script(
            "return document.getElementById('drawing-area').toDataURL('image/png')")
        return base64.b64decode(url.split(",", 1)[1])


CAPTION = "VELTRO Project by Maelkin"
SLIDER_TEXT = "Adjust t values with + and - keys\non numerical pad.\n(Effects NLI & B-Spline Only)"


def play(page):
    """Plays the session on the page; returns the same session as a script."""
    from selenium.webdriver.common.keys import Keys

    script = page.script

    def step(line, action, *args):
        script.append(line)
        action(*args)

    page.expect_title(CAPTION)
    page.expect_checked([40016, 40028, 40037, 40039, 40051], [40036, 40038, 40045, 40050])
    for x, y in [(100, 100), (200, 300), (400, 120), (550, 400)]:
        script.append(f"click {x} {y}")
        page.click(x, y)
    step("menu 40038", page.menu, "Options", 40038)
    step("menu 40036", page.menu, "Options", 40036)
    page.message_box("Slider Activated", SLIDER_TEXT)
    step("key numplus", page.key, Keys.ADD)
    step("key numplus", page.key, Keys.ADD)
    step("key plus", page.key, "=")
    step("key minus", page.key, "-")
    step("key numminus", page.key, Keys.SUBTRACT)
    step("key space", page.key, " ")
    page.expect_checked([40036, 40038], [40037, 40039])
    page.expect_title(CAPTION)

    step("menu 40045", page.menu, "Object", 40045)
    step("key plus", page.key, "=")
    page.expect_title("t = 3.51")
    page.expect_checked([40045], [40028])

    step("menu 40023", page.menu, None, 40023)
    page.message_box("Moving Enabled", "Left Click and drag the mouse to relocate points!")
    step("menu 40023", page.menu, None, 40023)
    page.message_box("Redundant Click", "Point Moving is already enabled!\nTo disable, create a new point.")
    page.expect_checked([], [40016])
    script += ["press 200 300", "move 260 330", "release 260 330"]
    page.drag(200, 300, 260, 330)
    step("menu 40016", page.menu, "Object", 40016)
    # A quick double click adds one point, not two.
    script += ["click 320 240", "dblclick 320 240", "release 320 240"]
    page.double_click(320, 240)

    step("menu 40050", page.menu, "Options", 40050)
    step("menu 40053", page.menu, "Options", 40053)
    step("menu 40053", page.menu, "Options", 40053)
    page.expect_checked([40051], [40050])
    dialogs = page.dialogs()
    if len(dialogs) != 2:
        fail(f"{len(dialogs)} B-Spline Input dialogs open, expected 2")
    first, second = dialogs
    degree = second.find_element(page.By.NAME, "degree")
    knots = second.find_element(page.By.NAME, "knots")
    if degree.get_attribute("value") != "3":
        fail(f"the dialog shows degree {degree.get_attribute('value')!r}, expected '3'")
    if knots.get_attribute("value") != "0, 0, 0, 0, 1, 2, 2, 2, 2":
        fail(f"the dialog shows knots {knots.get_attribute('value')!r}")
    degree.clear()
    degree.send_keys("x2-")  # only the digit stays
    knots.clear()
    knots.send_keys("0, 0, 0, 1,, 2 3 3 3")
    if degree.get_attribute("value") != "2":
        fail(f"the degree field took {degree.get_attribute('value')!r}")
    script.append('dialog ok "2" "0, 0, 0, 1,, 2 3 3 3"')
    second.find_element(page.By.CSS_SELECTOR, '[data-command="1"]').click()
    page.settle()
    script.append("dialog cancel")
    first.find_element(page.By.CSS_SELECTOR, '[data-command="2"]').click()
    page.settle()
    if page.dialogs():
        fail("a B-Spline Input dialog is still open after OK and Cancel")
    return "\n".join(script) + "\n"


def check_failed_load(driver, site):
    """Without its module the page says so instead of showing a blank canvas."""
    server = serve(site, NoWasmHandler)
    try:
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
        outcome = driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "window.veltroPage.ready.then(() => done('started'), () => done('failed'));")
        shown = driver.execute_script(
            "const e = document.getElementById('page-error');"
            "return e.hidden ? '' : e.textContent;")
        if outcome != "failed" or "could not start" not in shown:
            fail(f"without veltro.wasm the page {outcome} and shows {shown!r}")
    finally:
        server.shutdown()


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__, file=sys.stderr)
        return 2
    site, replay, compare = sys.argv[1:4]
    screenshot = sys.argv[4] if len(sys.argv) == 5 else None
    if not os.path.isfile(os.path.join(site, "veltro.wasm")):
        print(f"SKIP: no site in {site} (build it: cmake --preset web && cmake --build --preset web)")
        return SKIP
    try:
        import selenium  # noqa: F401
    except ImportError:
        fail("python3-selenium is not installed (./test.sh installs it)")

    server = serve(site)
    driver = start_browser()
    try:
        driver.set_page_load_timeout(30)
        driver.set_script_timeout(30)
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
        ready = driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "window.veltroPage.ready.then(() => done(performance.now()), (e) => done(String(e)));")
        if not isinstance(ready, (int, float)):
            fail(f"the page did not start: {ready}")
        print(f"ready for input {ready:.0f} ms after the page was requested")
        page = Page(driver)
        script = play(page)
        with tempfile.TemporaryDirectory() as work:
            script_path = os.path.join(work, "session.replay")
            with open(script_path, "w") as f:
                f.write(script)
            expected = os.path.join(work, "expected.png")
            actual = os.path.join(work, "canvas.png")
            subprocess.run([replay, "--png", expected, script_path], check=True)
            with open(actual, "wb") as f:
                f.write(page.canvas_png())
            result = subprocess.run([compare, actual, expected])
            if result.returncode != 0:
                # Kept for a look: the two pictures and the script.
                for path in (script_path, expected, actual):
                    shutil.copy(path, os.path.join(os.getcwd(), "web-" + os.path.basename(path)))
                fail("the canvas differs from veltro-replay's frame (web-canvas.png, "
                     "web-expected.png and web-session.replay are in " + os.getcwd() +
                     ") for:\n" + script)
        if screenshot:
            driver.save_screenshot(screenshot)
        errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        if errors:
            fail(f"the page logged errors: {errors}")
        check_failed_load(driver, site)
    finally:
        driver.quit()
        server.shutdown()
    print("the canvas equals veltro-replay's frame")
    return 0


if __name__ == "__main__":
    sys.exit(main())
