"""A speech server for Orca that speaks nothing and writes every utterance, one a line, to the
file named by TINTWELL_HEARD, flushed at once, so a test reads what a user hears while Orca runs."""
import os

from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "Heard by the test"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer._server()]

    @staticmethod
    def getSpeechServer(info=None):
        return SpeechServer._server()

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    @staticmethod
    def _server():
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    def __init__(self):
        super().__init__()
        self._out = open(os.environ["TINTWELL_HEARD"], "a", encoding="utf-8", buffering=1)

    def getInfo(self):
        return ["Heard by the test", "heard"]

    def getVoiceFamilies(self):
        return []

    def _write(self, kind, text):
        text = " ".join(str(text).split())
        if text:
            self._out.write(f"{kind}\t{text}\n")

    def speak(self, text=None, acss=None, interrupt=True):
        self._write("speak", text or "")

    def speakCharacter(self, character, acss=None):
        self._write("char", character)

    def speakKeyEvent(self, event, acss=None):
        self._write("key", getattr(event, "event_string", event))

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            self._write("speak", context.utterance)

    def stop(self):
        pass

    def shutdown(self):
        self._out.close()
