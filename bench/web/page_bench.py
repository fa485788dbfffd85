"""The web page's speed and size, measured in headless Chromium (Debian's chromium):

- load to first sound: from navigation start to the first sound at the page's output after a
  key pressed as soon as the command list is there (the demo's system menu);
- transferred size, gzip-compressed: the page without the demo's recordings, and with them;
- key to sound: from a key's keydown to its recording's start, and to sound at the output,
  with the output latency the browser reports.

    /usr/bin/python3 bench/web/page_bench.py build/web [RUNS]
"""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
from browser import Browser, PageServer, unavailable  # noqa: E402

# Records in the page when its output first carries sound after `since` (performance.now()).
PROBE = """
window.benchHeard = null;
window.benchProbe = (since) => {
  window.benchHeard = null;
  const id = setInterval(() => {
    if (VekPage.audio.context && VekPage.audio.context.state === 'running' &&
        VekPage.audio.level() > 0.01) {
      window.benchHeard = performance.now();
      clearInterval(id);
    }
  }, 1);
};
"""


def compressed_sizes(page_dir):
    """gzip -9 sizes: the page's code; with the game's start files (scenario, system
    recordings); with the demo's own recordings as well. The manual is not loaded."""
    code = start = everything = 0
    for root, _, files in os.walk(page_dir):
        for name in files:
            path = os.path.join(root, name)
            rel = os.path.relpath(path, page_dir).replace(os.sep, "/")
            if rel.startswith("game/Help/"):
                continue
            size = len(gzip.compress(open(path, "rb").read(), 9))
            everything += size
            if not rel.startswith("game/"):
                code += size
            if not (rel.startswith("game/wave/") and rel.count("/") >= 3):
                start += size
    return code, start, everything


def one_run(url):
    with Browser() as browser:
        browser.send("Page.enable")
        browser.send("Page.navigate", url=url + "index.html")
        browser.wait_for("window.VekPage && document.querySelectorAll('[role=option]').length > 0",
                         what="the system menu")
        ready = browser.evaluate("performance.now()")
        steps = browser.evaluate("VekPage.times")
        browser.evaluate(PROBE + "benchProbe(0)")
        browser.press("Down")
        heard = browser.wait_for("window.benchHeard", timeout=10, what="sound")
        # Quiet again, then a key on a spoken entry.
        time.sleep(1.5)
        browser.evaluate("benchProbe(0)")
        browser.press("Down")
        browser.wait_for("window.benchHeard", timeout=10, what="sound of the second key")
        key = browser.evaluate("[VekPage.lastKeyAt, VekPage.audio.lastStartAt, window.benchHeard,"
                               " VekPage.audio.outputLatency()]")
        return ready, heard, key, steps


def main():
    page_dir = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    if unavailable():
        sys.exit(unavailable())
    code, start, everything = compressed_sizes(page_dir)
    print("size, gzip -9: the page's code %.2f MB; with the scenario and the system recordings"
          " %.2f MB; with the demo's recordings %.2f MB" % (code / 1e6, start / 1e6,
                                                            everything / 1e6))
    loads, starts, hears, latency = [], [], [], 0
    with PageServer(page_dir) as url:
        for _ in range(runs):
            ready, heard, (key_at, start_at, heard_at, latency), steps = one_run(url)
            loads.append(heard)
            starts.append(start_at - key_at)
            hears.append(heard_at - key_at)
            print("  module %.0f ms, start files %.0f ms, list %.0f ms, key pressed %.0f ms, first"
                  " sound %.0f ms; key to start %.1f ms, to output %.1f ms"
                  % (steps["module"], steps["files"], steps["list"], ready, heard,
                     start_at - key_at, heard_at - key_at))
    print("load to first sound: median %.0f ms (target < 1000 ms)" % statistics.median(loads))
    print("key to recording start: median %.1f ms; key to sound at the output: median %.1f ms;"
          " reported output latency %.1f ms (target: one 100 ms tick + the latency)"
          % (statistics.median(starts), statistics.median(hears), latency * 1000))


if __name__ == "__main__":
    main()
