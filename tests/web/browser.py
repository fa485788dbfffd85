"""Headless Chromium driven through its DevTools protocol, and a local server for the page.

Used by the browser tests and the page's benchmark. Needs Debian's chromium and
python3-websocket; `unavailable()` says what is missing so a test can skip with a clear message.
"""
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

try:
    import websocket
except ImportError:  # reported by unavailable()
    websocket = None

CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"


def unavailable():
    """Why the browser cannot be driven here, or None."""
    if websocket is None:
        return "python3-websocket is not installed"
    if not os.access(CHROMIUM, os.X_OK):
        return "chromium is not installed"
    return None


def page_missing(page_dir):
    """Why there is no page to open (Emscripten could not be installed), or None."""
    if not os.path.exists(os.path.join(page_dir, "vek2.wasm")):
        return "the page was not built (see the test web.build)"
    return None


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class PageServer:
    """Serves a folder on a free local port for as long as it is open."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)

    def __enter__(self):
        self.thread.start()
        return "http://127.0.0.1:%d/" % self.server.server_address[1]

    def __exit__(self, *exc):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One headless Chromium with a fresh profile and one page, closed on exit."""

    def __init__(self, timeout=60):
        self.timeout = timeout
        self.profile = tempfile.mkdtemp(prefix="vek-chromium-")
        self.process = None
        self.ws = None
        self.next_id = 0
        self.events = []

    def __enter__(self):
        self.process = subprocess.Popen(
            [CHROMIUM, "--headless=new", "--no-sandbox", "--disable-gpu",
             "--no-first-run", "--no-default-browser-check", "--mute-audio",
             "--remote-debugging-port=0", "--user-data-dir=" + self.profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        deadline = time.time() + self.timeout
        while port is None and time.time() < deadline:
            line = self.process.stderr.readline()
            if not line and self.process.poll() is not None:
                raise RuntimeError("chromium ended at start")
            match = re.search(r"DevTools listening on ws://[^:]+:(\d+)/", line)
            if match:
                port = int(match.group(1))
        if port is None:
            raise RuntimeError("chromium did not open its DevTools port")
        threading.Thread(target=self._drain, daemon=True).start()
        with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port) as answer:
            pages = [t for t in json.load(answer) if t["type"] == "page"]
        self.ws = websocket.create_connection(pages[0]["webSocketDebuggerUrl"],
                                              timeout=self.timeout, suppress_origin=True)
        return self

    def _drain(self):
        for _ in self.process.stderr:
            pass

    def __exit__(self, *exc):
        if self.ws:
            self.ws.close()
        if self.process:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)

    def send(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.ws.send(json.dumps({"id": ident, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == ident:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self.events.append(message)

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=None, what=None):
        deadline = time.time() + (timeout or self.timeout)
        while time.time() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.005)
        raise TimeoutError("waited in vain for " + (what or expression))

    def open(self, url):
        self.send("Page.enable")
        self.send("Page.navigate", url=url)

    # Keys as a person types them: key down (with the character it gives), key up.
    NAMED = {
        "Enter": ("Enter", "Enter", 13, "\r"), "Escape": ("Escape", "Escape", 27, ""),
        "Space": (" ", "Space", 32, " "), "Up": ("ArrowUp", "ArrowUp", 38, ""),
        "Down": ("ArrowDown", "ArrowDown", 40, ""), "Left": ("ArrowLeft", "ArrowLeft", 37, ""),
        "Right": ("ArrowRight", "ArrowRight", 39, ""), "Home": ("Home", "Home", 36, ""),
        "End": ("End", "End", 35, ""), "PageUp": ("PageUp", "PageUp", 33, ""),
        "PageDown": ("PageDown", "PageDown", 34, ""), "F2": ("F2", "F2", 113, ""),
        "F3": ("F3", "F3", 114, ""),
    }

    def press(self, name, ctrl=False):
        if name in self.NAMED:
            key, code, vk, text = self.NAMED[name]
        else:  # one character
            key, text = name, name
            upper = name.upper()
            code = "Key" + upper if "A" <= upper <= "Z" else ""
            vk = ord(upper) if ("A" <= upper <= "Z" or "0" <= upper <= "9") else 0
        down = {"type": "keyDown" if text and not ctrl else "rawKeyDown", "key": key,
                "code": code, "windowsVirtualKeyCode": vk, "modifiers": 2 if ctrl else 0}
        if text and not ctrl:
            down["text"] = text
            down["unmodifiedText"] = text
        self.send("Input.dispatchKeyEvent", **down)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=vk, modifiers=down["modifiers"])
