"""Plays a walkthrough key file in the browser page by real key events and compares the page's
transcript with the one VEK2 --walk writes for the same keys in a copy of the same game
directory. On the way, the accessibility tree must show the command list and the text pane as
a screen reader meets them.

    walk_test.py PAGE_DIR VEK2 KEYS
"""
import os
import shutil
import subprocess
import sys
import tempfile

from browser import Browser, PageServer, page_missing, unavailable

SKIP = 77  # CTest's SKIP_RETURN_CODE for this test


def desktop_transcript(vek2, game_dir, keys):
    with tempfile.TemporaryDirectory(prefix="vek-web-walk-") as work:
        shutil.copytree(game_dir, work, dirs_exist_ok=True)
        shutil.copy(keys, os.path.join(work, "keys.txt"))
        done = subprocess.run([vek2, "--walk", "keys.txt"], cwd=work, capture_output=True,
                              text=True, check=True)
        return done.stdout.splitlines()


def tokens(keys):
    for raw in open(keys, encoding="utf-8"):
        line = raw.rstrip(" \t\r\n").lstrip(" \t")
        if line and not line.startswith("#"):
            yield line


def ax_view(browser):
    """The listbox "Příkazy" (its selected option) and the log "Text hry" (its last line)."""
    nodes = browser.send("Accessibility.getFullAXTree")["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}

    def prop(node, name):
        for p in node.get("properties", []):
            if p["name"] == name:
                return p["value"].get("value")
        return None

    def name(node):
        return node.get("name", {}).get("value", "")

    def role(node):
        return node.get("role", {}).get("value", "")

    def texts(node):
        found = [name(node)] if role(node) == "StaticText" else []
        for child in node.get("childIds", []):
            if child in by_id:
                found += texts(by_id[child])
        return found

    lists = [n for n in nodes if role(n) == "listbox" and name(n) == "Příkazy"]
    logs = [n for n in nodes if role(n) == "log" and name(n) == "Text hry"]
    if len(lists) != 1 or len(logs) != 1:
        raise AssertionError("accessibility tree: %d listbox(es) 'Příkazy', %d log(s) 'Text hry'"
                             % (len(lists), len(logs)))
    selected = [name(by_id[c]) for c in lists[0].get("childIds", [])
                if c in by_id and prop(by_id[c], "selected")]
    focused = prop(lists[0], "focused")
    lines = texts(logs[0])
    return selected, focused, lines[-1] if lines else None


def shown_text(transcript):
    """The text pane's last line as the transcript has it (None when it was emptied since)."""
    for line in reversed(transcript):
        if line == "clear":
            return None
        if line.startswith("text: "):
            return line.split(": ", 1)[1]
    return None


def check_accessibility(browser, transcript):
    """What the tree shows against what the transcript says the player shows."""
    selected, focused, last_text = ax_view(browser)
    at = [l for l in transcript if l.startswith("at ")][-1].split(": ", 1)[1]
    text = shown_text(transcript)
    problems = []
    if selected != [at]:
        problems.append("selected option %r, the player is at %r" % (selected, at))
    if not focused:
        problems.append("the command list does not have the focus")
    if last_text != text:
        problems.append("text pane ends with %r, the player's last line is %r" % (last_text, text))
    return problems


def play(browser, url, keys):
    browser.open(url + "index.html?test")
    browser.wait_for("window.VekPage && VekPage.idle() && VekPage.transcript.length > 0",
                     what="the page to start")
    browser.send("Accessibility.enable")
    idle = "VekPage.idle()"
    checks = []

    def settle():
        browser.wait_for(idle, what="the page to handle the key")

    for line in tokens(keys):
        immediate = line.startswith("!")
        body = line[1:] if immediate else line
        is_key = not (body == "Wait" or body.startswith("Tick "))
        if (is_key and not immediate) or body == "Wait":
            browser.evaluate("VekPage.ticks(0)")
            settle()
        browser.evaluate("VekPage.mark(%s)" % repr_js(line))
        if body.startswith("Tick "):
            browser.evaluate("VekPage.ticks(%d)" % int(body[5:]))
        elif body.startswith("Key "):
            browser.press(body[4:])
        elif body.startswith("Type "):
            for ch in body[5:]:
                browser.press(ch)
                settle()
        elif body.startswith("Ctrl+"):
            browser.press(body[5:], ctrl=True)
        elif body != "Wait":
            browser.press(body)
        settle()
        transcript = browser.evaluate("VekPage.transcript")
        if transcript[-1].startswith("at ") and shown_text(transcript) and len(checks) < 3:
            checks += check_accessibility(browser, transcript) or ["ok"]
    browser.evaluate("VekPage.ticks(0)")
    settle()
    browser.evaluate("VekPage.close()")
    browser.wait_for("VekPage.isClosed", what="the player to close")
    return browser.evaluate("VekPage.transcript"), [c for c in checks if c != "ok"], len(checks)


def repr_js(text):
    import json
    return json.dumps(text, ensure_ascii=False)


def main():
    page_dir, vek2, keys = sys.argv[1:4]
    missing = unavailable() or page_missing(page_dir)
    if missing:
        print("SKIP: " + missing)
        return SKIP
    expected = desktop_transcript(vek2, os.path.join(page_dir, "game"), keys)
    with PageServer(page_dir) as url, Browser() as browser:
        actual, problems, checked = play(browser, url, keys)
    failed = False
    if actual != expected:
        import difflib
        sys.stdout.writelines(l + "\n" for l in difflib.unified_diff(
            expected, actual, "VEK2 --walk", "page", lineterm=""))
        failed = True
    if checked == 0:
        problems.append("the walkthrough never moved the selection: nothing was checked")
    for p in problems:
        print("accessibility: " + p)
    print("%d transcript lines %s; accessibility tree checked at %d selections"
          % (len(actual), "differ" if failed else "equal", checked))
    return 1 if failed or problems else 0


if __name__ == "__main__":
    sys.exit(main())
