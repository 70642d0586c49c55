#!/usr/bin/env python3
"""Makes resources/sound/click_100ms.mp3, the soft click a picture counter plays on every count.

The click is synthesised here (Python standard library) and encoded with the `lame` command of
the Debian package of the same name (`apt-get install lame`). The MP3 is committed, so neither
a build nor a test runs this script; run it again only to change the sound:

    python3 tools/artwork/make_click.py
"""
import math
import pathlib
import random
import struct
import subprocess
import tempfile
import wave

RATE = 44100
LENGTH_S = 0.100
PEAK = 0.35  # about -9 dBFS: audible in a quiet office, not startling in a barn
OUTPUT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "sound" / "click_100ms.mp3"


def click_samples():
    """A short wooden 'tock': two damped partials and a breath of noise on the attack."""
    noise = random.Random(10)
    count = int(RATE * LENGTH_S)
    samples = []
    for i in range(count):
        t = i / RATE
        attack = min(1.0, t / 0.0004)
        body = 0.75 * math.sin(2 * math.pi * 1750 * t) * math.exp(-t / 0.006)
        ring = 0.25 * math.sin(2 * math.pi * 3100 * t) * math.exp(-t / 0.003)
        hiss = noise.uniform(-1, 1) * math.exp(-t / 0.0008) * 0.3
        samples.append(attack * (body + ring + hiss))
    scale = PEAK / max(abs(s) for s in samples)
    return [s * scale for s in samples]


def write_wave(path, samples):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", round(s * 32767)) for s in samples))


def main():
    with tempfile.TemporaryDirectory() as folder:
        source = pathlib.Path(folder) / "click.wav"
        write_wave(source, click_samples())
        # Constant bit rate and no replay-gain scan keep the file small and its header plain.
        subprocess.run(["lame", "--quiet", "--noreplaygain", "-b", "96", "-m", "m",
                        str(source), str(OUTPUT)], check=True)
    print(f"wrote {OUTPUT} ({OUTPUT.stat().st_size} bytes)")


if __name__ == "__main__":
    main()
