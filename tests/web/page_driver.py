"""One small driver layer for the page's end-to-end test, shared by three engines.

An Engine opens a URL, calls a JavaScript function in the page, performs W3C
input actions (real pointer, touch and key input through the browser's own
input pipeline, never synthetic DOM events) and quits. Chromium and WebKitGTK
speak WebDriver classic (selenium with chromedriver or WebKitWebDriver, the
latter under an Xvfb of its own); Firefox ESR speaks WebDriver BiDi over its
--remote-debugging-port (python3-websocket). Page builds what a scenario needs
on top: clicks, drags, taps, keys, menus, dialogs and the canvas's pixels.
"""

import base64
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

ENGINES = ("chromium", "webkit", "firefox")
VIEWPORT = (1100, 900)

# W3C key values.
NUMPAD_ADD = "\ue025"
NUMPAD_SUBTRACT = "\ue027"
ESCAPE = "\ue00c"
ENTER = "\ue007"
TAB = "\ue004"
ARROW_LEFT = "\ue012"
ARROW_RIGHT = "\ue014"
ARROW_DOWN = "\ue015"
CONTROL = "\ue009"
SHIFT = "\ue008"
DELETE = "\ue017"
BACKSPACE = "\ue003"


class EngineMissing(Exception):
    """The engine or its driver is not installed."""


class PageFailure(Exception):
    """The page did not do what the scenario expected."""


def _free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def _wait_for_port(port, process, what):
    for _ in range(300):  # 30 s
        if process.poll() is not None:
            raise PageFailure(f"{what} exited with status {process.returncode} at start")
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.1)
    raise PageFailure(f"{what} did not listen on port {port} within 30 s")


def _require(*paths):
    for path in paths:
        if not os.path.exists(path):
            raise EngineMissing(f"{path} is not installed")


class _Processes:
    """Helper processes an engine started; stopped in reverse order, by pid."""

    def __init__(self):
        self.started = []

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **kwargs)
        self.started.append(process)
        return process

    def stop(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.started.clear()


class ClassicEngine:
    """WebDriver classic through selenium: Chromium and WebKitGTK."""

    def __init__(self, name, driver, processes, touch, chords):
        from selenium.webdriver.remote.command import Command

        self.name = name
        self.driver = driver
        self.processes = processes
        # Whether a touch pointer arrives as touch (WebKitWebDriver sends a mouse).
        self.touch = touch
        # Whether a second button pressed and released during a press is sent
        # as such (WebKitWebDriver releases the right button as the left one,
        # and the right one then stays down for the rest of the session).
        self.chords = chords
        self._actions = Command.W3C_ACTIONS
        driver.set_page_load_timeout(30)
        driver.set_script_timeout(30)

    def open(self, url):
        self.driver.get(url)

    def call(self, function, *args):
        return self.driver.execute_script(f"return ({function}).apply(null, arguments);", *args)

    def perform(self, sources):
        self.driver.execute(self._actions, {"actions": sources})

    def resize(self, width, height):
        self.driver.set_window_size(width, height)

    def errors(self):
        if self.name != "chromium":
            return []
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.processes.stop()


def _start_chromium():
    _require("/usr/bin/chromium", "/usr/bin/chromedriver")
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", f"--window-size={VIEWPORT[0]},{VIEWPORT[1]}",
                     "--force-device-scale-factor=1", "--no-first-run",
                     "--disable-extensions"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    return ClassicEngine("chromium", driver, _Processes(), touch=True, chords=True)


def _webkit_browser():
    for base in ("/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib"):
        for version in ("webkit2gtk-4.1", "webkit2gtk-4.0"):
            path = os.path.join(base, version, "MiniBrowser")
            if os.path.exists(path):
                return path
    raise EngineMissing("WebKitGTK's MiniBrowser is not installed (package webkit2gtk-driver)")


def _start_xvfb(processes):
    read_end, write_end = os.pipe()
    try:
        processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"], pass_fds=(write_end,))
    finally:
        os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number.isdigit():
        raise PageFailure("Xvfb did not start")
    return ":" + number


def _start_webkit():
    _require("/usr/bin/WebKitWebDriver", "/usr/bin/Xvfb")
    browser = _webkit_browser()
    from selenium import webdriver
    from selenium.webdriver.webkitgtk.options import Options

    processes = _Processes()
    try:
        environment = dict(os.environ, DISPLAY=_start_xvfb(processes))
        port = _free_port()
        driver_process = processes.start(["/usr/bin/WebKitWebDriver", f"--port={port}"],
                                         env=environment)
        _wait_for_port(port, driver_process, "WebKitWebDriver")
        options = Options()
        options.binary_location = browser
        options.add_argument("--automation")
        driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}", options=options)
        driver.set_window_size(*VIEWPORT)
    except BaseException:
        processes.stop()
        raise
    return ClassicEngine("webkit", driver, processes, touch=False, chords=False)


class BidiEngine:
    """WebDriver BiDi over a websocket: Firefox ESR, which has no geckodriver here."""

    name = "firefox"
    touch = True
    chords = True

    def __init__(self, socket_, processes, profile):
        self.socket = socket_
        self.processes = processes
        self.profile = profile
        self.last_id = 0
        self.logged = []
        self.command("session.new", {"capabilities": {}})
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.command("browsingContext.setViewport",
                     {"context": self.context,
                      "viewport": {"width": VIEWPORT[0], "height": VIEWPORT[1]}})

    def command(self, method, params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        for _ in range(100000):  # events may come first; a bounded wait for the answer
            reply = json.loads(self.socket.recv())
            if reply.get("id") == self.last_id:
                if reply.get("type") == "error":
                    raise PageFailure(f"{method}: {reply.get('error')}: {reply.get('message')}")
                return reply["result"]
            if reply.get("method") == "log.entryAdded" and reply["params"].get("level") == "error":
                self.logged.append(reply["params"].get("text", ""))
        raise PageFailure(f"no answer to {method}")

    def open(self, url):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": url, "wait": "complete"})

    def call(self, function, *args):
        result = self.command("script.callFunction", {
            "functionDeclaration": function, "awaitPromise": True,
            "target": {"context": self.context},
            "arguments": [_bidi_value(a) for a in args],
            "serializationOptions": {"maxObjectDepth": 8}})
        if result["type"] == "exception":
            raise PageFailure(f"script failed: {result['exceptionDetails'].get('text')}")
        return _python_value(result["result"])

    def perform(self, sources):
        self.command("input.performActions", {"context": self.context, "actions": sources})

    def resize(self, width, height):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "viewport": {"width": width, "height": height}})

    def errors(self):
        return list(self.logged)

    def quit(self):
        try:
            self.command("session.end", {})
            self.socket.close()
        except Exception:  # the browser is stopped below either way
            pass
        finally:
            self.processes.stop()
            shutil.rmtree(self.profile, ignore_errors=True)


def _bidi_value(value):
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    return {"type": "string", "value": str(value)}


def _python_value(remote):
    kind = remote.get("type")
    if kind in ("undefined", "null"):
        return None
    if kind in ("string", "boolean"):
        return remote["value"]
    if kind == "number":
        return remote["value"] if not isinstance(remote["value"], str) else float("nan")
    if kind == "array":
        return [_python_value(item) for item in remote.get("value", [])]
    if kind == "object":
        return {key if isinstance(key, str) else _python_value(key): _python_value(item)
                for key, item in remote.get("value", [])}
    return f"<{kind}>"


def _start_firefox():
    binary = shutil.which("firefox-esr") or shutil.which("firefox")
    if binary is None:
        raise EngineMissing("firefox-esr is not installed")
    try:
        import websocket
    except ImportError:
        raise EngineMissing("python3-websocket is not installed") from None
    processes = _Processes()
    profile = tempfile.mkdtemp(prefix="veltro-firefox-")
    try:
        port = _free_port()
        browser = processes.start([binary, "--headless", "--no-remote", "--profile", profile,
                                   f"--remote-debugging-port={port}", "about:blank"])
        _wait_for_port(port, browser, "Firefox")
        connection = websocket.create_connection(f"ws://127.0.0.1:{port}/session", timeout=60,
                                                 suppress_origin=True)
        return BidiEngine(connection, processes, profile)
    except BaseException:
        processes.stop()
        shutil.rmtree(profile, ignore_errors=True)
        raise


def start_engine(name):
    """Starts one of ENGINES; raises EngineMissing when it is not installed."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        raise EngineMissing("python3-selenium is not installed") from None
    return {"chromium": _start_chromium, "webkit": _start_webkit, "firefox": _start_firefox}[name]()


class Page:
    """The page as a user meets it, in any engine."""

    def __init__(self, engine):
        self.engine = engine
        self.script = []  # the session so far, as veltro-replay lines
        self.frames = []  # (label, the session up to then, the canvas then as PNG)
        self.inspections = []  # (the session up to then, the page's inspection then)

    def call(self, function, *args):
        return self.engine.call(function, *args)

    def settle(self):
        # Bounded: the page must be idle well within ten seconds.
        idle = self.call("""() => new Promise((done) => {
            let tries = 0;
            const check = () => {
              if (window.veltroPage.isIdle() || ++tries > 400) { done(window.veltroPage.isIdle()); }
              else { setTimeout(check, 25); }
            };
            check();
          })""")
        if not idle:
            raise PageFailure("the page did not become idle after:\n" + "\n".join(self.script))

    # ---- where things are ----

    def canvas_point(self, x, y):
        # The viewport pixel whose floor is the drawing area's pixel (x, y),
        # also when the layout puts the area at a fractional position.
        left, top = self.call("""() => {
            const r = document.getElementById('drawing-area').getBoundingClientRect();
            return [Math.ceil(r.left), Math.ceil(r.top)];
          }""")
        return int(left + x), int(top + y)

    def centre(self, selector):
        found = self.call("""(selector) => {
            const e = document.querySelector(selector);
            if (!e) { return null; }
            const r = e.getBoundingClientRect();
            return [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];
          }""", selector)
        if found is None:
            raise PageFailure(f"no element {selector}")
        return found

    # ---- input ----

    @staticmethod
    def mouse(*actions, pointer="mouse"):
        return {"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer},
                "actions": list(actions)}

    @staticmethod
    def move(x, y):
        return {"type": "pointerMove", "x": int(x), "y": int(y), "origin": "viewport"}

    @staticmethod
    def down(button=0):
        return {"type": "pointerDown", "button": button}

    @staticmethod
    def up(button=0):
        return {"type": "pointerUp", "button": button}

    def pointer(self, *actions, pointer="mouse"):
        self.engine.perform([self.mouse(*actions, pointer=pointer)])
        self.settle()

    def click(self, x, y):
        self.pointer(self.move(*self.canvas_point(x, y)), self.down(), self.up())

    def double_click(self, x, y):
        self.pointer(self.move(*self.canvas_point(x, y)), self.down(), self.up(), self.down(),
                     self.up())

    def drag(self, x0, y0, x1, y1):
        self.pointer(self.move(*self.canvas_point(x0, y0)), self.down(),
                     self.move(*self.canvas_point(x1, y1)), self.up())

    def tap(self, x, y):
        self.pointer(self.move(*self.canvas_point(x, y)), self.down(), self.up(), pointer="touch")

    def click_element(self, selector):
        self.pointer(self.move(*self.centre(selector)), self.down(), self.up())

    def scroll_to(self, selector, block="center"):
        """Scrolls the page until the element is in the viewport (a wide table wraps
        below the window)."""
        self.call("(s, block) => document.querySelector(s).scrollIntoView({block})", selector,
                  block)

    def click_in_view(self, selector):
        self.scroll_to(selector)
        self.click_element(selector)

    def drag_element(self, selector, x, y):
        """Drags the element's centre to the viewport pixel (x, y)."""
        self.pointer(self.move(*self.centre(selector)), self.down(), self.move(x, y), self.up())

    def keys(self, *values):
        actions = []
        for value in values:
            actions += [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
        self.engine.perform([{"type": "key", "id": "keyboard", "actions": actions}])
        self.settle()

    def chord(self, *values):
        """Holds the keys down together, as for Ctrl+Z, then lets them go."""
        actions = [{"type": "keyDown", "value": value} for value in values]
        actions += [{"type": "keyUp", "value": value} for value in reversed(values)]
        self.engine.perform([{"type": "key", "id": "keyboard", "actions": actions}])
        self.settle()

    def type_into(self, selector, text):
        """Clicks a text field, selects what it holds and types text over it; a field
        outside the viewport is scrolled to first."""
        self.scroll_to(selector, "nearest")
        self.click_element(selector)
        self.call("(selector) => document.querySelector(selector).select()", selector)
        self.keys(*text)

    # ---- what the page shows ----

    def rectangle(self, selector):
        """[left, top, right, bottom] of the element in the viewport, and the viewport's size."""
        return self.call("""(selector) => {
            const r = document.querySelector(selector).getBoundingClientRect();
            return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight];
          }""", selector)

    def title(self):
        return self.call("() => document.title")

    def expect_frame(self, label):
        """Keeps the canvas now, to be compared with veltro-replay's frame for the session so far."""
        self.frames.append((label, "".join(line + "\n" for line in self.script), self.canvas_png()))

    def canvas_png(self):
        url = self.call("() => document.getElementById('drawing-area').toDataURL('image/png')")
        return base64.b64decode(url.split(",", 1)[1])

    # ---- the page's parts ----

    def menu(self, popup, command_id):
        """Chooses a command with the mouse: its menu's title (None for the bar), then the item."""
        if popup is not None:
            self.click_element(f'#menu-bar [data-menu="{popup}"]')
        self.click_element(f'#menu-bar [data-command="{command_id}"]')

    def open_menu(self):
        """The title of the open menu, or None."""
        return self.call("""() => {
            const open = document.querySelector('#menu-bar [aria-expanded="true"]');
            return open ? open.dataset.menu : null;
          }""")

    def message_box(self):
        """(caption, text) of the open message box, or None."""
        return self.call("""() => {
            const box = document.getElementById('message-box');
            return box.open ? [box.getAttribute('role'),
                               document.getElementById('message-caption').textContent,
                               document.getElementById('message-text').textContent] : null;
          }""")

    def answer_message_box(self, caption, text):
        shown = self.message_box()
        if shown is None:
            raise PageFailure(f'no message box open, expected "{caption}"')
        if shown != ["alertdialog", caption, text]:
            raise PageFailure(f"message box shows {shown!r}, expected {(caption, text)!r}")
        self.click_element("#message-box button")

    def dialog_count(self):
        return self.call("() => document.querySelectorAll('[role=\"dialog\"]').length")

    def value(self, selector):
        return self.call("(selector) => document.querySelector(selector).value", selector)

    def expect_title(self, title):
        shown = self.title()
        if shown != title:
            raise PageFailure(f"title is {shown!r}, expected {title!r}")

    def expect_checked(self, checked, unchecked):
        marks = self.call("""() => Object.fromEntries(
            [...document.querySelectorAll('#menu-bar [data-command]')].map(
              (item) => [item.dataset.command, item.getAttribute('aria-checked') === 'true']))""")
        for command_id, expected in [(c, True) for c in checked] + [(c, False) for c in unchecked]:
            if marks.get(str(command_id)) != expected:
                raise PageFailure(f"menu item {command_id} is "
                                  f"{'' if marks.get(str(command_id)) else 'not '}checked")
