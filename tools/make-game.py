#!/usr/bin/env python3
"""Builds the player's game directory: the default system recordings, the menu samples and the
demo scenarios with all their recordings.

Scenario sources are UTF-8 text (demo/*.scn.utf8). They are written as code page 1250 with
CR LF line ends, after two expansions:

  * a line "%SYSTEM-SOUNDS%" becomes the NOVYSYSWAV= lines of the whole system-sound table,
    in the order the editor writes them;
  * a line "%SPOKEN-TEXTS%" becomes one NOVYWAV= line for every spoken text of the scripts:
    a statement "Some text. PLAY(t_name);" gives the entry "t_name=Some text.(wave\\demo\\...)",
    so a text and its recording can never drift apart.

Recordings are spoken by espeak-ng's Czech voice and shaped by sox (mono, 22050 Hz, 16 bit);
effects, background sounds and the menu melody are synthesized by sox. Without espeak-ng or sox
the same files are written silent, each about as long as its text takes to read: the game then
plays with texts only, and keys and waits keep the rhythm (and the transcripts) of a voiced game.
"""

import argparse
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys
import tempfile
import wave

RATE = "22050"
FORMAT = ["-r", RATE, "-c", "1", "-b", "16"]

# key, text, file; in the order of the editor's default list (SZdot first), then the player's own.
SYSTEM_SOUNDS = [
    ("SZdot", "", "wave\\tch000.wav"),
    ("SZmuzesjit", "Můžeš jít:", "wave\\tch001.wav"),
    ("SZmas", "Máš:", "wave\\tch002.wav"),
    ("SZjetu", "Je tu:", "wave\\tch003.wav"),
    ("SZnelzejit", "Nikam se jít nedá", "wave\\tch004.wav"),
    ("SZnicnemas", "Nic nemáš", "wave\\tch005.wav"),
    ("SZnictuneni", "Nic tu není", "wave\\tch006.wav"),
    ("SZrozhledni", "Rozhlédni se", "wave\\tch028.wav"),
    ("SZjdi", "Jdi", "wave\\tch007.wav"),
    ("SZprozkoumej", "Prozkoumej", "wave\\tch008.wav"),
    ("SZvezmi", "Vezmi", "wave\\tch009.wav"),
    ("SZpoloz", "Polož", "wave\\tch010.wav"),
    ("SZpouzij", "Použij", "wave\\tch011.wav"),
    ("SZpromluv", "Promluv si", "wave\\tch030.wav"),
    ("SZna", "na", "wave\\tch012.wav"),
    ("SZnic", "Nic", "wave\\tch013.wav"),
    ("SZvzals", "Vzal jsi", "wave\\tch014.wav"),
    ("SZpolozils", "Položil jsi", "wave\\tch015.wav"),
    ("SZnepoberes", "To už nepobereš", "wave\\tch016.wav"),
    ("SZjdes", "Jdeš", "wave\\tch017.wav"),
    ("SZnikam", "Nikam", "wave\\tch018.wav"),
    ("SZukladam", "Ukládám pozici", "wave\\tch019.wav"),
    ("SZnacitam", "Načítám pozici", "wave\\tch020.wav"),
    ("SZseznam", "Seznam", "wave\\tch021.wav"),
    ("SZcest", "cest", "wave\\tch022.wav"),
    ("SZinventar", "toho co máš", "wave\\tch023.wav"),
    ("SZveci", "věcí to tu jsou", "wave\\tch024.wav"),
    ("SZzadny", "žádný", "wave\\tch025.wav"),
    ("SZnelzepouzit", "Tento předmět se zrovna použít nedá", "wave\\tch026.wav"),
    ("SZnelzevzit", "Tohle se vzít nedá", "wave\\tch027.wav"),
    ("SZmenu", "Menu", "wave\\tch029.wav"),
    ("SZzpetdohry", "Zpět do hry", "wave\\tch031.wav"),
    ("SZnovahra", "Nová hra", "wave\\tch032.wav"),
    ("SZnacti", "Načti", "wave\\tch033.wav"),
    ("SZuloz", "Ulož", "wave\\tch034.wav"),
    ("SZnastaveni", "Nastavení", "wave\\tch035.wav"),
    ("SZvyberscenare", "Výběr scénáře", "wave\\tch036.wav"),
    ("SZkonec", "Konec", "wave\\tch037.wav"),
    ("SZnicnevidis", "Nevidíš nic zajímavého", "wave\\tch039.wav"),
    ("SZneodpovida", "Neodpovídá", "wave\\tch040.wav"),
]
EDITOR_ROWS = len(SYSTEM_SOUNDS)
SYSTEM_SOUNDS += [
    ("SZneznamscenar", "Neznámý scénář", "wave\\tch038.wav"),
    ("SZpozice", "Pozice", "wave\\tch041.wav"),
    ("SZprpozice", "Prázdná pozice", "wave\\tch042.wav"),
]

SPOKEN_SAMPLES = [
    ("Hlasitost dialogů", "sx01.wav"),
    ("Hlasitost zvuků", "sx02.wav"),
] + [(str(d), "wave\\%d.wav" % d) for d in range(10)]


# Sounds without words: sox recipes by file name (without directory and extension).
def _click(out):
    return [["-n"] + FORMAT + [out, "synth", "0.025", "sine", "1800", "fade", "0", "0.025",
                                "0.02", "vol", "0.5"]]


def _melody(out, tmp):
    # A calm phrase in A minor that ends where it began, so it loops without a seam.
    notes = ["A3", "C4", "E4", "A4", "G4", "E4", "D4", "E4",
             "F3", "A3", "C4", "F4", "E4", "C4", "B3", "G3"]
    commands, parts = [], []
    for i, note in enumerate(notes):
        part = os.path.join(tmp, "note%02d.wav" % i)
        parts.append(part)
        commands.append(["-n"] + FORMAT + [part, "synth", "0.42", "pluck", "%" + _semitones(note),
                                           "fade", "0", "0.42", "0.12", "vol", "0.45"])
    commands.append(parts + [out, "reverb", "30", "gain", "-n", "-4"])
    return commands


def _semitones(note):
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    return str(names[note[0]] + 12 * (int(note[1]) - 4))


def _rain(out):
    return [["-n"] + FORMAT + [out, "synth", "6", "pinknoise", "band", "-n", "3000", "2500",
                               "tremolo", "0.7", "15", "gain", "-n", "-12"]]


def _wind(out):
    return [["-n"] + FORMAT + [out, "synth", "8", "brownnoise", "lowpass", "700",
                               "tremolo", "0.125", "70", "gain", "-n", "-10"]]


def _river(out):
    # A low, steady rush with a slow swell: the flooded river at the ferry.
    return [["-n"] + FORMAT + [out, "synth", "10", "brownnoise", "lowpass", "450",
                               "tremolo", "0.1", "35", "gain", "-n", "-9"]]


def _clock(out, tmp):
    tick = os.path.join(tmp, "tick.wav")
    return [["-n"] + FORMAT + [tick, "synth", "0.03", "square", "2400", "vol", "0.3",
                               "highpass", "1500", "fade", "0", "0.03", "0.025", "pad", "0", "0.47"],
            [tick, tick, tick, tick, out]]


def _bell(out):
    return [["-n"] + FORMAT + [out, "synth", "4", "sine", "196", "sine", "392", "sine", "588",
                               "remix", "-", "fade", "0.005", "4", "3.9", "gain", "-n", "-3"]]


def _thunder(out):
    return [["-n"] + FORMAT + [out, "synth", "3.5", "brownnoise", "lowpass", "250",
                               "fade", "q", "0.3", "3.5", "2.8", "tremolo", "3", "40",
                               "gain", "-n", "-2"]]


# Lengths in seconds of the silent stand-ins for the synthesized sounds.
SILENT_LENGTHS = {"tch000": 0.025, "sx04": 6.7, "dest": 6, "vitr": 8, "tikot": 2,
                  "zvoneni": 4, "hrom": 3.5, "reka": 10}


def write_silence(path, text):
    name = os.path.splitext(os.path.basename(path))[0]
    seconds = SILENT_LENGTHS.get(name, max(0.3, 0.065 * len(text)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(int(RATE))
        out.writeframes(b"\0\0" * int(seconds * int(RATE)))


RECIPES = {
    "tch000": _click,
    "sx04": _melody,
    "dest": _rain,
    "vitr": _wind,
    "tikot": _clock,
    "zvoneni": _bell,
    "hrom": _thunder,
    "reka": _river,
}


def expand_source(lines):
    """Scenario source lines (without line ends) -> scenario lines and spoken entries."""
    spoken = []
    seen = {}
    play = re.compile(r"^\s*(.*?)\s*PLAY\((t_[A-Za-z0-9_]+)\)\s*$")
    for number, line in enumerate(lines, 1):
        action = re.sub(r"^!?\[[^\]]*\]", "", line)
        for statement in action.split(";"):
            match = play.match(statement)
            if not match:
                continue
            text, key = match.group(1), match.group(2)
            if not text:
                raise ValueError("line %d: %s has no text before it" % (number, key))
            if key in seen and seen[key] != text:
                raise ValueError("line %d: %s speaks two different texts" % (number, key))
            if key not in seen:
                seen[key] = text
                spoken.append((key, text))
    out = []
    for line in lines:
        if line == "%SYSTEM-SOUNDS%":
            out += ["NOVYSYSWAV=%s=%s(%s)" % row for row in SYSTEM_SOUNDS[:EDITOR_ROWS]]
        elif line == "%SPOKEN-TEXTS%":
            out += ["NOVYWAV=%s=%s(wave\\demo\\%s.wav)" % (key, text, key)
                    for key, text in spoken]
        else:
            out.append(line)
    return out


ENTRY = re.compile(r"^NOVY(?:SYS)?WAV=([^=]*)=([^(]*)\(([^)|]*)\)")


def recordings_of(scenario_lines):
    """(text, file) of every plain-file sound entry of a scenario."""
    found = []
    for line in scenario_lines:
        match = ENTRY.match(line)
        if match:
            found.append((match.group(2), match.group(3)))
    return found


def scenario_title(scenario_lines):
    for line in scenario_lines:
        if line.startswith("JMENO="):
            return line[len("JMENO="):]
    return ""


def write_scenario(source, target):
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    lines = expand_source(lines)
    data = "".join(line + "\r\n" for line in lines)
    try:
        encoded = data.encode("cp1250")
    except UnicodeEncodeError as error:
        line = data.count("\n", 0, error.start) + 1
        raise ValueError("%s: line %d holds a character code page 1250 lacks" % (source, line))
    with open(target + ".tmp", "wb") as f:
        f.write(encoded)
    os.replace(target + ".tmp", target)
    return lines


class Generator:
    def __init__(self, out_dir, espeak, sox, tmp):
        self.out_dir, self.espeak, self.sox, self.tmp = out_dir, espeak, sox, tmp
        self.jobs = {}

    def target(self, windows_path):
        return os.path.join(self.out_dir, *windows_path.split("\\"))

    def add(self, text, windows_path):
        path = self.target(windows_path)
        previous = self.jobs.get(path)
        if previous is not None and previous != text:
            raise ValueError("%s is given two texts: %r and %r" % (windows_path, previous, text))
        self.jobs[path] = text

    def make(self, path, text):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        name = os.path.splitext(os.path.basename(path))[0]
        part = path + ".part.wav"
        if not self.espeak or not self.sox:
            write_silence(part, text)
        elif name in RECIPES and not text:
            recipe = RECIPES[name]
            scratch = tempfile.mkdtemp(dir=self.tmp)
            commands = recipe(part, scratch) if recipe.__code__.co_argcount == 2 else recipe(part)
            for args in commands:
                subprocess.run([self.sox] + args, check=True)
        elif text:
            raw = part + ".raw.wav"
            subprocess.run([self.espeak, "-v", "cs", "-s", "165", "-w", raw, "--", text],
                           check=True, stdout=subprocess.DEVNULL)
            # Trim the voice's silence at both ends: every key waits for speech to finish.
            subprocess.run([self.sox, raw] + FORMAT + [part, "silence", "1", "0.02", "0.3%",
                                                       "reverse", "silence", "1", "0.02", "0.3%",
                                                       "reverse", "pad", "0.02", "0.08",
                                                       "gain", "-n", "-3"], check=True)
            os.remove(raw)
        else:
            print("make-game: no text and no recipe for %s" % path, file=sys.stderr)
            return
        os.replace(part, path)

    def run(self):
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            for future in [pool.submit(self.make, path, text) for path, text in self.jobs.items()]:
                future.result()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="the game directory")
    parser.add_argument("--stamp", help="file touched when everything is written")
    parser.add_argument("--silent", action="store_true",
                        help="write silent recordings instead of speaking the texts")
    parser.add_argument("scenarios", nargs="*", help="scenario sources (*.scn.utf8)")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    scenarios = []
    for source in args.scenarios:
        name = os.path.basename(source)
        name = name[:-len(".utf8")] if name.endswith(".utf8") else name
        lines = write_scenario(source, os.path.join(args.out, name))
        scenarios.append((name, lines))

    espeak, sox = shutil.which("espeak-ng"), shutil.which("sox")
    if args.silent or not espeak or not sox:
        if not args.silent:
            print("make-game: espeak-ng or sox is missing; the recordings are written silent",
                  file=sys.stderr)
        espeak = sox = None
    with tempfile.TemporaryDirectory() as tmp:
        generator = Generator(args.out, espeak, sox, tmp)
        for key, text, file in SYSTEM_SOUNDS:
            generator.add(text, file)
        for text, file in SPOKEN_SAMPLES:
            generator.add(text, file)
        generator.add("", "sx04.wav")
        for name, lines in scenarios:
            for text, file in recordings_of(lines):
                generator.add(text, file)
            # The scenario list announces a file by this recording (borvatin.scn).
            generator.add(scenario_title(lines), name.replace(".", "_") + ".wav")
        generator.run()

    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("done\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (ValueError, OSError, subprocess.CalledProcessError) as error:
        print("make-game: %s" % error, file=sys.stderr)
        sys.exit(1)
