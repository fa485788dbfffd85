// The browser player's page: the accessible elements the player's shell is mirrored into, the
// keys handed to it as Windows virtual key codes with their characters, the dialogs, and the
// game directory in the module's file system (the demo fetched from game/, a folder the person
// opened kept in the browser's storage, the configuration and saved positions kept there too).
'use strict';

const VK_NAMED = {
    Backspace: 8, Tab: 9, Enter: 13, Shift: 16, Control: 17, Alt: 18, Pause: 19, CapsLock: 20,
    Escape: 27, ' ': 32, PageUp: 33, PageDown: 34, End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38,
    ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46, ContextMenu: 93,
};
const VK_NEUTRAL = 0xdf;  // a character key with no code of its own
const SHIFT = 1, CTRL = 2, ALT = 4;
const EVENT = { Key: 1, Answer: 2, Slider: 3, OptionsClosed: 4, Ticks: 5, Close: 6, Reader: 7 };
const ANSWER = { Ok: 0, Yes: 1, No: 2, Cancel: 3 };
const BUTTONS = [[['OK', ANSWER.Ok]], [['Ano', ANSWER.Yes], ['Ne', ANSWER.No]],
                 [['OK', ANSWER.Ok], ['Zrušit', ANSWER.Cancel]],
                 [['Ano', ANSWER.Yes], ['Ne', ANSWER.No], ['Zrušit', ANSWER.Cancel]]];
// What the player writes into its game directory and the browser keeps, per game.
const SAVED_FILE = /^(vek\.cfg|pozice\d+\.sav|autosave\.sav)$/i;

function virtualKey(e) {
    if (e.key in VK_NAMED) return VK_NAMED[e.key];
    const f = /^F(\d{1,2})$/.exec(e.key);
    if (f) return 111 + Number(f[1]);
    if (e.key.length === 1) {
        const c = e.key.toUpperCase();
        if (c >= 'A' && c <= 'Z') return c.charCodeAt(0);
        if (c >= '0' && c <= '9')
            return e.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD ? 0x60 + Number(c)
                                                                        : c.charCodeAt(0);
    }
    return VK_NEUTRAL;
}

// The character a key gives, as Windows delivers it: Backspace, Enter and Escape always; no
// character with Ctrl or Alt alone (AltGr, both together, still types).
function keyCharacter(e, vk) {
    if (vk === 8 || vk === 13 || vk === 27) return vk;
    if (vk === 32) return 32;
    if (e.ctrlKey !== e.altKey) return 0;
    const points = [...e.key];
    return points.length === 1 && e.key.codePointAt(0) >= 32 ? e.key.codePointAt(0) : 0;
}

const VekPage = {
    transcript: [],
    events: [],
    waiter: null,
    audio: new VekAudio(),
    fs: null,
    test: false,
    storeDir: '',
    savedTimes: new Map(),
    lastPersist: 0,
    syncing: false,
    isClosed: false,
    lastKeyAt: null,
    times: {},  // performance.now() of the start's steps, for the benchmark
    shown: { entries: null, selection: -2 },

    el(id) { return document.getElementById(id); },

    push(kind, a = 0, b = 0, c = 0) {
        this.events.push([kind, a, b, c]);
        if (this.waiter) {
            const w = this.waiter;
            this.waiter = null;
            clearTimeout(w.timer);
            w.wake(this.events.shift());
        }
    },
    pollEvent(write) {
        if (!this.events.length) return 0;
        write(this.events.shift());
        return 1;
    },
    waitEvent(timeoutMs, wake) {
        const w = { wake, timer: 0 };
        if (timeoutMs >= 0)
            w.timer = setTimeout(() => { if (this.waiter === w) { this.waiter = null; wake(null); } },
                                 timeoutMs);
        this.waiter = w;
    },
    // The player waits for the page with nothing left to handle (what a test waits for).
    idle() { return (this.waiter !== null && !this.events.length) || this.isClosed; },
    ticks(n) { this.push(EVENT.Ticks, n); },
    mark(line) { this.transcript.push('> ' + line); },
    close() { this.push(EVENT.Close); },

    dialogOpen() { return !this.el('message').hidden || !this.el('options').hidden; },

    onKey(e) {
        if (this.isClosed || this.dialogOpen() || e.key === 'Tab') return;
        const target = e.target;
        if (target !== this.el('list') && target !== this.el('entry') && target !== document.body)
            return;  // the page's own controls (opening a game) keep their keys
        e.preventDefault();
        e.stopPropagation();
        this.lastKeyAt = performance.now();
        this.audio.resume();
        const vk = virtualKey(e);
        const shift = (e.shiftKey ? SHIFT : 0) | (e.ctrlKey ? CTRL : 0) | (e.altKey ? ALT : 0);
        this.push(EVENT.Key, vk, shift, keyCharacter(e, vk));
    },

    showList(entries, selection, visible, focused, heading) {
        if (!this.times.list) this.times.list = performance.now();
        const list = this.el('list');
        const same = this.shown.entries && entries.length === this.shown.entries.length &&
                     entries.every((t, i) => t === this.shown.entries[i]);
        if (!same) {
            list.replaceChildren(...entries.map((text, i) => {
                const option = document.createElement('div');
                option.setAttribute('role', 'option');
                option.id = 'vek-option-' + i;
                option.textContent = text;
                option.setAttribute('aria-selected', 'false');
                return option;
            }));
            this.shown.entries = entries;
            this.shown.selection = -2;
        }
        if (selection !== this.shown.selection) {
            const old = this.el('vek-option-' + this.shown.selection);
            if (old) old.setAttribute('aria-selected', 'false');
            const now = this.el('vek-option-' + selection);
            if (now) {
                now.setAttribute('aria-selected', 'true');
                list.setAttribute('aria-activedescendant', now.id);
                now.scrollIntoView({ block: 'nearest' });
            } else {
                list.removeAttribute('aria-activedescendant');
            }
            this.shown.selection = selection;
        }
        this.el('list-heading').textContent = heading;
        this.el('list-box').hidden = !visible;
        if (focused && visible && !this.dialogOpen() && document.activeElement !== list)
            list.focus();
    },
    showEntry(text, visible, focused) {
        const entry = this.el('entry');
        entry.value = text;
        this.el('entry-box').hidden = !visible;
        if (focused && visible && !this.dialogOpen() && document.activeElement !== entry)
            entry.focus();
    },
    memoClear() { this.el('memo').replaceChildren(); },
    memoLine(line) {
        const p = document.createElement('p');
        p.textContent = line;
        this.el('memo').append(p);
        p.scrollIntoView({ block: 'nearest' });
    },
    // What the player's voice would have said, handed to the screen reader: each text a node
    // of its own, so that the same text twice is announced twice.
    say(text) {
        const p = document.createElement('p');
        p.textContent = text;
        const region = this.el('say');
        region.append(p);
        while (region.childElementCount > 20)
            region.firstElementChild.remove();
    },
    splash(text, visible) { this.status(visible ? text : ''); },
    status(text) { this.el('status').textContent = text; },

    message(caption, text, icon, buttons, defaultAnswer) {
        const box = this.el('message');
        this.el('message-caption').textContent = caption;
        this.el('message-text').textContent = text;
        const row = this.el('message-buttons');
        row.replaceChildren();
        let focus = null;
        for (const [label, answer] of BUTTONS[buttons] || BUTTONS[0]) {
            const button = document.createElement('button');
            button.type = 'button';
            button.textContent = label;
            button.onclick = () => this.answer(answer);
            row.append(button);
            if (answer === defaultAnswer || !focus) focus = button;
        }
        // Escape answers as closing the box does: No where there is no Cancel.
        const escape = [ANSWER.Ok, ANSWER.No, ANSWER.Cancel, ANSWER.Cancel][buttons] ?? ANSWER.Ok;
        box.onkeydown = (e) => {
            if (e.key === 'Escape') { e.preventDefault(); this.answer(escape); }
        };
        box.hidden = false;
        focus.focus();
    },
    answer(answer) {
        this.el('message').hidden = true;
        this.push(EVENT.Answer, answer);
    },

    options(positions, entriesToReader, textsToReader) {
        const form = this.el('options');
        ['opt-rec', 'opt-zvuk', 'opt-hudba'].forEach((id, i) => {
            const slider = this.el(id);
            slider.value = positions[i];
            this.sliderText(slider);
            slider.oninput = () => {
                this.sliderText(slider);
                this.push(EVENT.Slider, i, Number(slider.value));
            };
        });
        this.el('opt-entries').value = entriesToReader ? '1' : '0';
        this.el('opt-texts').value = textsToReader ? '1' : '0';
        const reader = () => this.push(EVENT.Reader, Number(this.el('opt-entries').value),
                                       Number(this.el('opt-texts').value));
        this.el('opt-entries').onchange = reader;
        this.el('opt-texts').onchange = reader;
        const close = () => { form.hidden = true; this.push(EVENT.OptionsClosed); };
        form.onsubmit = (e) => { e.preventDefault(); close(); };
        form.onkeydown = (e) => { if (e.key === 'Escape') { e.preventDefault(); close(); } };
        form.hidden = false;
        this.el('opt-rec').focus();
    },
    sliderText(slider) {
        slider.setAttribute('aria-valuetext', Math.round(slider.value * 100 / 65535) + ' %');
    },

    closed() {
        this.isClosed = true;
        this.el('list-box').hidden = true;
        this.el('entry-box').hidden = true;
        this.status('Hra skončila. Novou hru začnete obnovením stránky.');
        this.persist(true);
    },

    // Copies what the player wrote into the browser's storage once it changed (at most a few
    // times a second), so the configuration and the positions outlive the page.
    persist(now = false) {
        if (!this.storeDir || !this.fs) return;
        const t = performance.now();
        if (!now && t - this.lastPersist < 300) return;
        this.lastPersist = t;
        const FS = this.fs;
        const cwd = FS.cwd();
        let changed = false;
        for (const name of FS.readdir(cwd)) {
            if (!SAVED_FILE.test(name)) continue;
            const path = cwd + '/' + name;
            const time = FS.stat(path).mtime.getTime();
            if (this.savedTimes.get(name) === time) continue;
            this.savedTimes.set(name, time);
            if (this.storeDir !== cwd) FS.writeFile(this.storeDir + '/' + name, FS.readFile(path));
            changed = true;
        }
        if (changed) this.sync();
    },
    sync() {
        if (this.syncing) { this.syncAgain = true; return; }
        this.syncing = true;
        this.fs.syncfs(false, () => {
            this.syncing = false;
            if (this.syncAgain) { this.syncAgain = false; this.sync(); }
        });
    },
};
window.VekPage = VekPage;
