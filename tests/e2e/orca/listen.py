"""Starts the real Orca with a speech server that writes what it says to a file, and gives the
test keys to press and what was heard since. Orca reads the keys the window gets through the
accessibility bus, so the keys go to the window through the X server as a user types them."""
import json
import os
import re
import subprocess
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def write_settings(folder):
    general = {
        "firstStart": False,
        "enableSpeech": True,
        "speechServerFactory": "heard_speech",
        "speechServerInfo": None,
        "enableBraille": False,
        "enableBrailleMonitor": False,
        "enableSound": False,
        "enableKeyEcho": False,
        "enableEchoByCharacter": False,
        "enableEchoByWord": False,
        "enableTutorialMessages": False,
        "keyboardLayout": 1,
        "orcaModifierKeys": ["Insert", "KP_Insert"],
        "profile": ["Default", "default"],
        "activeProfile": ["Default", "default"],
        "startingProfile": ["Default", "default"],
    }
    prefs = {"general": general, "profiles": {"default": dict(general)}, "pronunciations": {},
             "keybindings": {}}
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "user-settings.conf"), "w", encoding="utf-8") as f:
        json.dump(prefs, f)


class Orca:
    def __init__(self, work):
        self.heard_file = os.path.join(work, "heard.txt")
        open(self.heard_file, "w").close()
        settings = os.path.join(work, "orca-settings")
        write_settings(settings)
        env = dict(os.environ, GSETTINGS_BACKEND="memory", TINTWELL_HEARD=self.heard_file,
                   PYTHONPATH=HERE + os.pathsep + os.environ.get("PYTHONPATH", ""))
        self.log = open(os.path.join(work, "orca.log"), "w")
        self.process = subprocess.Popen(["orca", "-u", settings, "--debug-file",
                                         os.path.join(work, "orca-debug.txt")],
                                        env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.read = 0

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()

    def _lines(self):
        with open(self.heard_file, encoding="utf-8") as f:
            return [line.rstrip("\n").split("\t", 1)[1] for line in f if line.startswith("speak\t")]

    def heard(self):
        """What was said since the last call."""
        lines = self._lines()
        new = lines[self.read:]
        self.read = len(lines)
        return new

    def wait(self, pattern, timeout=15.0, quiet=0.6):
        """Waits until something said since the last call matches pattern, then until Orca has
        been quiet for a moment, and returns all that was said since the last call."""
        start = self.read
        deadline = time.monotonic() + timeout
        found = False
        while time.monotonic() < deadline:
            lines = self._lines()[start:]
            if any(re.search(pattern, line) for line in lines):
                found = True
                break
            time.sleep(0.1)
        if found:
            self.settle(quiet)
        lines = self._lines()
        self.read = len(lines)
        return found, lines[start:]

    def settle(self, quiet=0.6):
        """Returns once Orca has said nothing new for `quiet` seconds."""
        count = len(self._lines())
        last_change = time.monotonic()
        while time.monotonic() - last_change < quiet:
            time.sleep(0.1)
            now = len(self._lines())
            if now != count:
                count = now
                last_change = time.monotonic()


def key(*keys):
    """Presses keys through the X server's test extension, as a keyboard would."""
    subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
