#!/usr/bin/python3
"""Generate the drill sounds (WAV) loaded at run time from data/音/.

Run with /usr/bin/python3; only the standard library is needed.

    o.wav       right answer: a bright two-note chime
    x.wav       wrong answer: a short low buzzer
    pan.wav     the balloon bursts: a pop with a low thump
    dame.wav    score halved: three falling notes
    gokaku.wav  the quiz is passed: a short brass fanfare

All files are 16-bit PCM mono at 44100 Hz, peak-normalised to -3 dBFS, with
a short fade at both ends so no click is heard when the player starts or
stops.  Noise comes from a seeded generator, so every run writes the same
bytes.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 44100
PEAK_DB = -3.0
FADE_IN = 0.006
FADE_OUT = 0.010

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, os.pardir, "data", "音")

TWO_PI = 2.0 * math.pi


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, samples, start, gain=1.0):
    i0 = int(round(start * RATE))
    n = min(len(samples), len(buf) - i0)
    for i in range(n):
        buf[i0 + i] += gain * samples[i]


def note_freq(name):
    """Equal-tempered frequency of a note such as "C5" or "F#4" (A4 = 440)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    n = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        n += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        n -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((n + 12 * (octave - 4)) / 12.0)


# ---------------------------------------------------------------------------
# Instruments
# ---------------------------------------------------------------------------

def bell(freq, seconds, tau):
    """A struck bell: a few partials, the upper ones dying away faster.

    The 2.76 partial is slightly inharmonic, which gives the metallic ring."""
    partials = [(1.0, 1.0, tau), (2.0, 0.42, tau * 0.55), (2.76, 0.22, tau * 0.35),
                (4.07, 0.10, tau * 0.2)]
    n = int(round(seconds * RATE))
    out = [0.0] * n
    attack = int(0.002 * RATE)
    for i in range(n):
        t = i / RATE
        a = min(1.0, i / attack) if attack else 1.0
        v = 0.0
        for ratio, amp, pt in partials:
            v += amp * math.exp(-t / pt) * math.sin(TWO_PI * freq * ratio * t)
        out[i] = a * v
    return out


def brass(freq, seconds, attack=0.03, release=0.08, level=1.0, vibrato=0.0,
          vib_delay=0.25, droop=0.0, harmonics=12, swell=None):
    """A brass-like tone: a harmonic series whose upper harmonics open up as
    the note gets louder, the way a trumpet or trombone brightens.

    droop lowers the pitch by that fraction over the note (a sagging "wah");
    swell, when given, is a function of time in 0..1 shaping the sustain."""
    n = int(round(seconds * RATE))
    out = [0.0] * n
    phase = 0.0
    rel_start = seconds - release
    for i in range(n):
        t = i / RATE
        if t < attack:
            env = t / attack
            env = env * env * (3.0 - 2.0 * env)
        elif t > rel_start:
            x = (seconds - t) / release
            env = max(0.0, x) ** 1.5
        else:
            env = 1.0
        if swell is not None:
            env *= swell(t / seconds)
        f = freq * (1.0 - droop * (t / seconds))
        if vibrato and t > vib_delay:
            depth = vibrato * min(1.0, (t - vib_delay) / 0.2)
            f *= 1.0 + depth * math.sin(TWO_PI * 5.5 * t)
        phase += TWO_PI * f / RATE
        bright = 0.25 + 0.55 * env
        v = 0.0
        amp = 1.0
        for h in range(1, harmonics + 1):
            if f * h > RATE * 0.45:
                break
            v += amp / h * math.sin(phase * h)
            amp *= bright
        out[i] = level * env * v
    return out


def buzzer(freq_start, freq_end, seconds):
    """A softened square wave: odd harmonics rolled off, two voices a little
    apart in pitch so the tone rasps like a quiz buzzer."""
    n = int(round(seconds * RATE))
    out = [0.0] * n
    ph1 = ph2 = 0.0
    for i in range(n):
        t = i / RATE
        f = freq_start + (freq_end - freq_start) * (t / seconds)
        ph1 += TWO_PI * f / RATE
        ph2 += TWO_PI * f * 1.012 / RATE
        v = 0.0
        for h in range(1, 16, 2):
            w = math.exp(-h / 7.0) / h
            v += w * (math.sin(ph1 * h) + 0.6 * math.sin(ph2 * h))
        env = 1.0
        if t < 0.012:
            env = t / 0.012
        elif t > seconds - 0.07:
            env = max(0.0, (seconds - t) / 0.07)
        out[i] = env * v
    return out


# ---------------------------------------------------------------------------
# The five sounds
# ---------------------------------------------------------------------------

def make_o():
    buf = silence(0.60)
    mix_into(buf, bell(880.0, 0.60, 0.16), 0.0, 0.85)
    mix_into(buf, bell(1320.0, 0.46, 0.15), 0.14, 1.0)
    return buf


def make_x():
    return buzzer(152.0, 142.0, 0.45)


def make_pan():
    rng = random.Random(20240611)
    seconds = 0.30
    n = int(round(seconds * RATE))
    buf = [0.0] * n
    # the burst: white noise, slightly high-passed so it cracks, dying fast
    prev = 0.0
    low = 0.0
    for i in range(n):
        t = i / RATE
        w = rng.uniform(-1.0, 1.0)
        hp = w - 0.6 * prev
        prev = w
        low += 0.35 * (hp - low)      # take the harshest edge off the top
        env = math.exp(-t / 0.028) + 0.25 * math.exp(-t / 0.09)
        buf[i] += 0.9 * env * low
    # the thump: a low sine whose pitch falls as it dies
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = 45.0 + 85.0 * math.exp(-t / 0.05)
        phase += TWO_PI * f / RATE
        buf[i] += 0.8 * math.exp(-t / 0.075) * math.sin(phase)
    return buf


def make_dame():
    buf = silence(0.90)
    notes = [("G4", 0.00, 0.24, 0.0, 0.0),
             ("F#4", 0.24, 0.24, 0.0, 0.0),
             ("F4", 0.48, 0.42, 0.025, 0.012)]
    for name, start, dur, droop, vib in notes:
        tone = brass(note_freq(name), dur, attack=0.025, release=0.07,
                     vibrato=vib, vib_delay=0.08, droop=droop, harmonics=10)
        mix_into(buf, tone, start)
    return buf


def make_gokaku():
    seconds = 2.05
    buf = silence(seconds)
    # rising arpeggio, each note short and bright
    arp = ["G4", "C5", "E5", "G5"]
    step = 0.11
    for k, name in enumerate(arp):
        tone = brass(note_freq(name), 0.16, attack=0.012, release=0.05, harmonics=12)
        mix_into(buf, tone, k * step, 0.9)
    # the held C major chord with a bass, swelling then fading out
    start = len(arp) * step
    dur = seconds - start - 0.01
    chord = [("C4", 0.55), ("G4", 0.45), ("C5", 0.6), ("E5", 0.5), ("G5", 0.5), ("C6", 0.35)]

    def swell(x):
        # a little push after the attack, then an even, gently fading hold
        return 0.85 + 0.15 * math.sin(math.pi * min(1.0, x * 2.0)) - 0.15 * x

    for name, gain in chord:
        tone = brass(note_freq(name), dur, attack=0.035, release=0.45,
                     vibrato=0.004, vib_delay=0.35, harmonics=10, swell=swell)
        mix_into(buf, tone, start, gain)
    return buf


# ---------------------------------------------------------------------------

def finish(samples):
    """Fade both ends, then scale so the highest peak sits at PEAK_DB."""
    n = len(samples)
    fi = int(FADE_IN * RATE)
    fo = int(FADE_OUT * RATE)
    for i in range(min(fi, n)):
        samples[i] *= i / fi
    for i in range(min(fo, n)):
        samples[n - 1 - i] *= i / fo
    peak = max(abs(s) for s in samples) or 1.0
    gain = (10.0 ** (PEAK_DB / 20.0)) * 32767.0 / peak
    return [int(round(s * gain)) for s in samples]


def write_wav(path, samples):
    pcm = finish(samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(pcm), *pcm))
    return len(pcm) / RATE


def main():
    out = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else OUT_DIR)
    os.makedirs(out, exist_ok=True)
    for name, maker in [("o.wav", make_o), ("x.wav", make_x), ("pan.wav", make_pan),
                        ("dame.wav", make_dame), ("gokaku.wav", make_gokaku)]:
        secs = write_wav(os.path.join(out, name), maker())
        print("%-11s %.2f s" % (name, secs))


if __name__ == "__main__":
    main()
