"""Opens the page as a player does, presses a key and listens at the page's output (an
AnalyserNode after every channel) for the recordings the player starts: the system menu's music
and the spoken entry of the key.

    sound_test.py PAGE_DIR
"""
import sys
import time

from browser import Browser, PageServer, page_missing, unavailable

SKIP = 77


def main():
    page_dir = sys.argv[1]
    missing = unavailable() or page_missing(page_dir)
    if missing:
        print("SKIP: " + missing)
        return SKIP
    with PageServer(page_dir) as url, Browser() as browser:
        browser.open(url + "index.html")
        browser.wait_for("window.VekPage && document.querySelectorAll('[role=option]').length > 0",
                         what="the system menu")
        state = browser.evaluate("VekPage.audio.context.state")
        if state == "running":
            print("the page sounded before any key: browsers forbid that, the page must wait")
            return 1
        browser.press("Down")
        peak = 0.0
        deadline = time.time() + 5
        while time.time() < deadline and peak < 0.01:
            peak = max(peak, browser.evaluate("VekPage.audio.level()"))
            time.sleep(0.02)
        print("audio state %s, peak level %.3f" % (browser.evaluate("VekPage.audio.context.state"),
                                                    peak))
        return 0 if peak >= 0.01 else 1


if __name__ == "__main__":
    sys.exit(main())
