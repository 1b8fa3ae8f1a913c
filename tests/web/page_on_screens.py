#!/usr/bin/env python3
"""The page on a phone and zoomed on a projector, in headless Chromium.

On a 390 x 844 touch screen: the page fits (no sideways scrolling, also at
360 px), taps, a double tap, a finger drag and one the browser cancels give
the frame veltro-replay draws for the frame pixels they map to, the on-
screen plus steps the slider, a shared link reproduces the session's frame,
a #scene= link plays its scene, a bad link says what is wrong while the
editor still takes taps, and a bad file opened says where it is wrong and
leaves the editor as it was. On a large screen at zoom 2 and at Fit to
Window, clicks at mapped positions give the replay frame, and at zoom 2 the
shown picture is the replay PNG enlarged.

usage: page_on_screens.py SITE_DIR VELTRO_REPLAY PNG_COMPARE [PHONE_SCREENSHOT]
Exits 77 (skipped) when the site has not been built.
"""

import base64
import os
import subprocess
import sys
import tempfile
import time
import urllib.parse

# The shared helpers of the end-to-end test; no bytecode cache in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser_end_to_end import SKIP, serve  # noqa: E402


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def start_browser(width, height, touch):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--force-device-scale-factor=1",
                     "--no-first-run", "--disable-extensions",
                     f"--window-size={width},{height}"):
        options.add_argument(argument)
    if touch:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 1, "touch": True}})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Screen:
    def __init__(self, driver, url, work, replay, compare):
        self.driver, self.url, self.work = driver, url, work
        self.replay, self.compare = replay, compare

    def load(self, fragment=""):
        self.driver.get("about:blank")
        self.driver.get(self.url + fragment)
        ready = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "window.veltroPage.ready.then(() => done('ok'), (e) => done(String(e)));")
        if ready != "ok":
            fail(f"the page did not start: {ready}")
        self.settle()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def settle(self):
        for _ in range(400):
            if self.js("return window.veltroPage.isIdle()"):
                return
            time.sleep(0.025)
        fail("the page did not become idle")

    def canvas_rect(self):
        return self.js("const r = document.getElementById('drawing-area')"
                       ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height];")

    def at(self, fx, fy):
        """The page position of the middle of frame pixel (fx, fy) as shown."""
        left, top, width, height = self.canvas_rect()
        return left + (fx + 0.5) * width / 640, top + (fy + 0.5) * height / 480

    def touch(self, kind, x, y):
        points = [] if kind in ("touchEnd", "touchCancel") else [{"x": x, "y": y}]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": kind, "touchPoints": points})

    def tap(self, x, y):
        self.touch("touchStart", x, y)
        self.touch("touchEnd", x, y)
        self.settle()
        time.sleep(0.6)  # the next tap is no double tap

    def mouse(self, kind, x, y):
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
            "type": kind, "x": x, "y": y, "button": "left", "clickCount": 1,
            "buttons": 1 if kind != "mouseReleased" else 0})

    def click(self, x, y):
        self.mouse("mouseMoved", x, y)
        self.mouse("mousePressed", x, y)
        self.mouse("mouseReleased", x, y)
        self.settle()
        time.sleep(0.6)

    def press(self, selector):
        self.js("document.querySelector(arguments[0]).click()", selector)
        self.settle()

    def dismiss_box(self):
        if self.js("return document.getElementById('message-box').open"):
            self.press("#message-box button")

    def canvas_png(self, name):
        url = self.js("return document.getElementById('drawing-area').toDataURL('image/png')")
        path = os.path.join(self.work, name)
        with open(path, "wb") as f:
            f.write(base64.b64decode(url.split(",", 1)[1]))
        return path

    def replayed_png(self, script, name, scale=1):
        path = os.path.join(self.work, name)
        script_path = path + ".replay"
        with open(script_path, "w") as f:
            f.write(script)
        subprocess.run([self.replay, "--png", path, "--png-scale", str(scale), script_path],
                       check=True)
        return path

    def expect_frame(self, script, what):
        actual = self.canvas_png("canvas.png")
        expected = self.replayed_png(script, "expected.png")
        if subprocess.run([self.compare, actual, expected]).returncode != 0:
            fail(f"{what}: the canvas differs from veltro-replay's frame for:\n{script}")

    def status(self):
        return self.js("return document.getElementById('page-status').textContent")

    def no_sideways_scroll(self, width):
        # The page rescales on the resize event, which comes a frame or so
        # after the screen changed; a slow machine may not have had it yet.
        for _ in range(80):
            scroll, client = self.js("const e = document.documentElement;"
                                     "return [e.scrollWidth, e.clientWidth];")
            if scroll <= client:
                return
            time.sleep(0.025)
        fail(f"at {width} px the page scrolls sideways ({scroll} > {client})")


def phone(screen, screenshot):
    screen.load()
    screen.no_sideways_scroll(390)
    if screen.js("return matchMedia('(pointer: coarse)').matches") is not True:
        fail("the emulated phone has no coarse pointer")
    width, height = screen.canvas_rect()[2:]
    if not 300 < width <= 390 or abs(width * 3 - height * 4) > 4:
        fail(f"the drawing area is {width} x {height} on a 390 px screen")
    # Frame pixels, tapped where the scaled-down area shows them.
    taps = [(100, 100), (201, 303), (400, 120), (551, 401)]
    script = ["click %d %d" % tap for tap in taps]
    for tap in taps:
        screen.tap(*screen.at(*tap))
    screen.expect_frame("\n".join(script) + "\n", "four taps")

    # A second tap soon after and a few pixels off is a double click, which
    # adds no point (two clicks this far apart would add two).
    for fx in (300, 310):
        screen.touch("touchStart", *screen.at(fx, 200))
        screen.touch("touchEnd", *screen.at(fx, 200))
    screen.settle()
    time.sleep(0.6)
    script += ["click 300 200"]
    screen.expect_frame("\n".join(script) + "\n", "a double tap")

    # A finger drag moves the second point in Move Points mode.
    screen.press('#menu-bar [data-command="40023"]')
    screen.dismiss_box()
    path = [(201, 303), (230, 280), (263, 251)]
    screen.touch("touchStart", *screen.at(*path[0]))
    for point in path[1:]:
        screen.touch("touchMove", *screen.at(*point))
    screen.touch("touchEnd", *screen.at(*path[-1]))
    screen.settle()
    script += ["menu 40023", "press 201 303", "move 230 280", "move 263 251", "release 263 251"]
    screen.expect_frame("\n".join(script) + "\n", "a finger drag")
    # A drag the browser cancels (a system gesture took the finger) ends as
    # a release would.
    screen.touch("touchStart", *screen.at(400, 120))
    screen.touch("touchMove", *screen.at(420, 160))
    screen.touch("touchCancel", *screen.at(420, 160))
    screen.settle()
    # The next drag takes its own point, not the cancelled one.
    screen.touch("touchStart", *screen.at(100, 100))
    screen.touch("touchMove", *screen.at(130, 90))
    screen.touch("touchEnd", *screen.at(130, 90))
    screen.settle()
    script += ["press 400 120", "move 420 160", "release 420 160",
               "press 100 100", "move 130 90", "release 130 90"]
    screen.expect_frame("\n".join(script) + "\n", "a cancelled finger drag")

    # The on-screen plus steps the slider of a B-spline.
    screen.press('#menu-bar [data-command="40045"]')
    screen.press('#menu-bar [data-command="40036"]')
    screen.dismiss_box()
    title = screen.driver.title
    screen.press('[data-key="plus"]')
    script += ["menu 40045", "menu 40036", "key plus"]
    if screen.driver.title == title or not screen.driver.title.startswith("t = "):
        fail(f"the on-screen plus left the title at {screen.driver.title!r}")
    session = "\n".join(script) + "\n"
    screen.expect_frame(session, "the on-screen plus")
    if screenshot:
        screen.driver.save_screenshot(screenshot)

    # Share, then open the shared link: the same frame.
    screen.press('[data-action="share"]')
    for _ in range(100):
        link = screen.js("return document.getElementById('share-link').value")
        if link:
            break
        time.sleep(0.05)
    if "#z=" not in link and "#scene=" not in link:
        fail(f"Share gave {link!r}")
    screen.driver.get("about:blank")
    screen.driver.get(link)
    screen.js("return window.veltroPage.ready")
    screen.settle()
    screen.expect_frame(session, "the shared link")

    # A #scene= link as encodeURIComponent writes it.
    scene = "click 60 400\nclick 200 80\nclick 420 440\nclick 580 120\nmenu shells-on\n"
    screen.load("#scene=" + urllib.parse.quote(scene, safe="-_.!~*'()"))
    screen.expect_frame(scene, "a #scene= link")

    # A bad link: the message, and the empty editor still takes taps.
    screen.load("#scene=" + urllib.parse.quote("click 10 10\npluss 3\n"))
    if not screen.status().startswith("link:2: "):
        fail(f"a bad link shows {screen.status()!r}")
    screen.tap(*screen.at(*taps[0]))
    screen.expect_frame("click %d %d\n" % taps[0], "a tap after a bad link")

    # Open: a bad file says where it is wrong and leaves the editor as it
    # was; a good one shows its scene.
    def open_file(name, text, opened):
        screen.js("""const input = document.getElementById('scene-file');
                     const files = new DataTransfer();
                     files.items.add(new File([arguments[1]], arguments[0]));
                     input.files = files.files;
                     input.dispatchEvent(new Event('change'));""", name, text)
        # The file is read in the background.
        for _ in range(80):
            if opened(screen.status()):
                break
            time.sleep(0.025)
        screen.settle()
    open_file("broken.replay", "click 30 30\npluss 3\n",
              lambda status: status.startswith("broken.replay:"))
    if not screen.status().startswith("broken.replay:2: "):
        fail(f"a bad file shows {screen.status()!r}")
    screen.expect_frame("click %d %d\n" % taps[0], "the editor after a bad file")
    open_file("good.replay", scene, lambda status: status == "")
    screen.expect_frame(scene, "an opened file")

    screen.driver.set_window_size(360, 844)
    screen.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
    screen.settle()
    screen.no_sideways_scroll(360)
    # The Inspector too goes below the window within the screen's width.
    screen.press('#menu-bar [data-command="inspector"]')
    screen.no_sideways_scroll(360)


def projector(screen):
    for command, factor in (("zoom-in", 2), ("zoom-fit", None)):
        screen.load()
        screen.press('#menu-bar [data-command="zoom-reset"]')
        screen.press(f'#menu-bar [data-command="{command}"]')
        width, height = screen.canvas_rect()[2:]
        if factor and (width, height) != (640 * factor, 480 * factor):
            fail(f"at zoom {factor} the drawing area is {width} x {height}")
        if not factor and width <= 640:
            fail(f"Fit to Window left the drawing area {width} px wide")
        script = []
        for fx, fy in ((100, 100), (201, 303), (400, 120), (551, 401), (639, 479)):
            script.append("click %d %d" % (fx, fy))
            screen.click(*screen.at(fx, fy))
        session = "\n".join(script) + "\n"
        screen.expect_frame(session, f"clicks after {command}")
        if factor:
            shown = os.path.join(screen.work, "shown.png")
            with open(shown, "wb") as f:
                f.write(screen.driver.find_element("id", "drawing-area").screenshot_as_png)
            expected = screen.replayed_png(session, "enlarged.png", factor)
            if subprocess.run([screen.compare, shown, expected]).returncode != 0:
                fail(f"at zoom {factor} the shown picture is not the frame enlarged")
    screen.press('#menu-bar [data-command="zoom-reset"]')


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__, file=sys.stderr)
        return 2
    site, replay, compare = sys.argv[1:4]
    screenshot = sys.argv[4] if len(sys.argv) == 5 else None
    if not os.path.isfile(os.path.join(site, "veltro.wasm")):
        print(f"SKIP: no site in {site}")
        return SKIP
    server = serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    try:
        with tempfile.TemporaryDirectory() as work:
            for width, height, touch, play in ((390, 844, True, phone),
                                               (1400, 1200, False, projector)):
                driver = start_browser(width, height, touch)
                try:
                    driver.set_page_load_timeout(30)
                    driver.set_script_timeout(30)
                    screen = Screen(driver, url, work, replay, compare)
                    if play is phone:
                        phone(screen, screenshot)
                    else:
                        projector(screen)
                    errors = [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]
                    if errors:
                        fail(f"the page logged errors: {errors}")
                finally:
                    driver.quit()
    finally:
        server.shutdown()
    print("the page fits a phone and zooms on a projector")
    return 0


if __name__ == "__main__":
    sys.exit(main())
