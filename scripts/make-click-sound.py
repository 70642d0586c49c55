#!/usr/bin/env python3
"""Draws the counters' click (resources/sounds/click_100ms.mp3): 100 ms of a short wooden
knock, a decaying 1.8 kHz tone over a brief noise burst. Needs lame to encode the MP3.

    scripts/make-click-sound.py resources/sounds/click_100ms.mp3
"""
import math
import random
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 44100
SAMPLES = RATE // 10


def sample(i: int, noise: random.Random) -> float:
    t = i / RATE
    tone = math.sin(2 * math.pi * 1800 * t) * math.exp(-t * 90)
    burst = noise.uniform(-1, 1) * math.exp(-t * 600)
    return 0.6 * tone + 0.3 * burst


def main(target: str) -> None:
    noise = random.Random(100)
    frames = b"".join(
        struct.pack("<h", int(32767 * max(-1.0, min(1.0, sample(i, noise)))))
        for i in range(SAMPLES))
    with tempfile.NamedTemporaryFile(suffix=".wav") as raw:
        with wave.open(raw.name, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(frames)
        subprocess.run(["lame", "--quiet", "-b", "64", "--noreplaygain", raw.name, target],
                       check=True)


if __name__ == "__main__":
    main(sys.argv[1])
