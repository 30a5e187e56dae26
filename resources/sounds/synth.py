#!/usr/bin/env python3
"""The program's sound effects, each made from a short recipe.

Usage: synth.py <out.wav> 0 0 <sound name>

Writes a mono, 16-bit, 22050 Hz WAVE file. Python's standard library only, so the build needs
nothing more than Python itself. Every recipe seeds its own random generator, so a build always
gives the same sound.

Two kinds of sound come out of here:
- single shots, mixed into a Track and given short fades at both ends so they never click;
- loops, mixed into a looping Track: whatever runs past the end wraps round to the start, and
  filters run round the loop twice, so the last sample leads straight into the first and the
  repeat has no seam. Continuous tones in loops are tuned to a whole number of cycles per loop.

Levels: each recipe names a loudness (the RMS of its loudest 50 ms, in dBFS) and the finished
sound is scaled to it, never letting a peak rise above -1.5 dBFS.
"""
import array
import math
import random
import sys
import wave

RATE = 22050
TOP_PARTIAL = 9500.0  # partials above this are left out: they would alias and sound harsh
PEAK_LIMIT_DB = -1.5

TAU = 2.0 * math.pi


# ----------------------------------------------------------------------------------------------
# Building blocks. Signals are plain lists of floats at RATE samples per second.


def count(seconds):
    return max(1, int(round(seconds * RATE)))


def db(decibels):
    return 10.0 ** (decibels / 20.0)


def white(seconds, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(count(seconds))]


def pink(seconds, rng):
    """Noise with equal energy per octave: softer and fuller than white noise."""
    b0 = b1 = b2 = 0.0
    out = []
    for _ in range(count(seconds)):
        w = rng.uniform(-1.0, 1.0)
        b0 = 0.99765 * b0 + w * 0.0990460
        b1 = 0.96300 * b1 + w * 0.2965164
        b2 = 0.57000 * b2 + w * 1.0526913
        out.append((b0 + b1 + b2 + w * 0.1848) * 0.25)
    return out


def grains(seconds, per_second, rng):
    """Sparse random clicks of random strength: the crackle of grit, grain and texture."""
    out = [0.0] * count(seconds)
    chance = per_second / RATE
    for i in range(len(out)):
        if rng.random() < chance:
            out[i] = rng.choice((-1.0, 1.0)) * rng.random() ** 2
    return out


def curve(seconds, fn):
    """A control signal: fn(t) sampled at every sample."""
    return [fn(i / RATE) for i in range(count(seconds))]


def shape(seconds, points):
    """An envelope through (time, level) points, eased so its corners are smooth."""
    out = []
    k = 0
    for i in range(count(seconds)):
        t = i / RATE
        while k + 1 < len(points) - 1 and t >= points[k + 1][0]:
            k += 1
        (t0, v0), (t1, v1) = points[k], points[min(k + 1, len(points) - 1)]
        u = 0.0 if t1 <= t0 else min(1.0, max(0.0, (t - t0) / (t1 - t0)))
        u = u * u * (3.0 - 2.0 * u)
        out.append(v0 + (v1 - v0) * u)
    return out


def hump(seconds, power=1.0):
    """A single swell from silence to full and back: sin(pi u) to a power."""
    n = count(seconds)
    return [math.sin(math.pi * (i + 0.5) / n) ** power for i in range(n)]


def decay(seconds, tau, attack=0.002):
    """A struck envelope: a short rise, then exponential fall with time constant tau."""
    out = []
    for i in range(count(seconds)):
        t = i / RATE
        rise = min(1.0, t / attack) if attack > 0 else 1.0
        out.append(rise * math.exp(-t / tau))
    return out


def mul(a, b):
    return [x * y for x, y in zip(a, b)]


def gain(a, g):
    return [x * g for x in a]


def mix(*signals):
    out = [0.0] * max(len(s) for s in signals)
    for s in signals:
        for i, v in enumerate(s):
            out[i] += v
    return out


def tone(seconds, freq, partials=((1, 1.0),), vibrato=(0.0, 0.0)):
    """A pitched tone. freq is Hz or a per-sample list of Hz; partials are (ratio, amplitude);
    vibrato is (rate in Hz, depth as a fraction of the pitch)."""
    n = count(seconds)
    rate_v, depth_v = vibrato
    phases = [0.0] * len(partials)
    out = [0.0] * n
    for i in range(n):
        f = freq if isinstance(freq, (int, float)) else freq[i]
        if depth_v:
            f *= 1.0 + depth_v * math.sin(TAU * rate_v * i / RATE)
        v = 0.0
        for k, (ratio, amp) in enumerate(partials):
            if f * ratio < TOP_PARTIAL:
                v += amp * math.sin(phases[k])
            phases[k] += TAU * f * ratio / RATE
        out[i] = v
    return out


def glide(seconds, f0, f1):
    """A per-sample pitch moving from f0 to f1 evenly in musical steps (exponentially)."""
    n = count(seconds)
    return [f0 * (f1 / f0) ** (i / max(1, n - 1)) for i in range(n)]


def modes(seconds, partials, attack=0.002):
    """A struck object: decaying sines, each (Hz, amplitude, time constant in seconds)."""
    n = count(seconds)
    out = [0.0] * n
    for f, amp, tau in partials:
        if f >= TOP_PARTIAL:
            continue
        w = TAU * f / RATE
        fall = math.exp(-1.0 / (tau * RATE))
        g = amp
        for i in range(n):
            out[i] += g * math.sin(w * i)
            g *= fall
    ramp = max(1, int(attack * RATE))
    for i in range(min(ramp, n)):
        out[i] *= i / ramp
    return out


def filt(x, kind, freq, q=0.707, circular=False):
    """A two-pole filter ('low', 'high' or 'band' pass). freq is Hz or a per-sample list of Hz.
    A circular pass runs round the signal twice and keeps the second lap, so a loop's filtered
    end meets its filtered start."""
    n = len(x)
    varying = not isinstance(freq, (int, float))
    b0 = b1 = b2 = a1 = a2 = 0.0

    def coefficients(f):
        f = min(max(f, 10.0), RATE * 0.45)
        w0 = TAU * f / RATE
        cw, alpha = math.cos(w0), math.sin(w0) / (2.0 * q)
        if kind == "low":
            b = ((1 - cw) / 2, 1 - cw, (1 - cw) / 2)
        elif kind == "high":
            b = ((1 + cw) / 2, -(1 + cw), (1 + cw) / 2)
        else:  # band pass with 0 dB at its centre
            b = (alpha, 0.0, -alpha)
        a0 = 1 + alpha
        return b[0] / a0, b[1] / a0, b[2] / a0, -2 * cw / a0, (1 - alpha) / a0

    if not varying:
        b0, b1, b2, a1, a2 = coefficients(freq)
    out = [0.0] * n
    x1 = x2 = y1 = y2 = 0.0
    for _ in range(2 if circular else 1):
        for i in range(n):
            if varying and i % 32 == 0:
                b0, b1, b2, a1, a2 = coefficients(freq[i])
            xi = x[i]
            y = b0 * xi + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, xi, y1, y
            out[i] = y
    return out


def band(x, lo, hi, circular=False):
    """Keeps roughly lo..hi Hz: high pass and low pass, each twice for steeper sides."""
    for _ in range(2):
        x = filt(x, "high", lo, circular=circular)
        x = filt(x, "low", hi, circular=circular)
    return x


def in_loop(seconds, hz):
    """The nearest pitch that fits a whole number of cycles into a loop of this length."""
    return max(1, round(hz * seconds)) / seconds


# ----------------------------------------------------------------------------------------------
# Instruments shared by several recipes.


def marimba(freq, seconds=0.4, tau=0.12):
    """A soft wooden bar: warm fundamental, a faint overtone near four times it."""
    return modes(seconds, ((freq, 1.0, tau), (freq * 3.93, 0.10, tau * 0.2),
                           (freq * 9.2, 0.02, tau * 0.08)), attack=0.003)


def glock(freq, seconds=0.8, tau=0.3):
    """A little bell of the glockenspiel kind: clear, with a quiet inharmonic shimmer."""
    return modes(seconds, ((freq, 1.0, tau), (freq * 2.76, 0.12, tau * 0.35),
                           (freq * 5.40, 0.03, tau * 0.15)), attack=0.002)


def bubble(freq, seconds=0.08, tau=0.025, rise=12.0):
    """A water drop or bubble: a sine whose pitch climbs as it fades ("bloop")."""
    n = count(seconds)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        f = freq * math.exp(rise * t)
        out.append(min(1.0, t / 0.0015) * math.exp(-t / tau) * math.sin(phase))
        phase += TAU * min(f, TOP_PARTIAL) / RATE
    return out


def knock(freqs, seconds=0.12, tau=0.02, rng=None, grit=0.3):
    """A tap on wood: a few short resonances and a breath of noise at the strike."""
    partials = [(f, 1.0 / (k + 1), tau / (1 + 0.7 * k)) for k, f in enumerate(freqs)]
    body = modes(seconds, partials, attack=0.0008)
    if rng is not None and grit:
        hit = mul(filt(white(0.01, rng), "low", 3000), decay(0.01, 0.002, attack=0.0005))
        body = mix(body, gain(hit, grit))
    return body


# ----------------------------------------------------------------------------------------------
# Mixing and finishing.


class Track:
    """A mono mix of a fixed length; a looping track wraps what runs past its end to its start."""

    def __init__(self, seconds, loop=False):
        self.seconds = seconds
        self.loop = loop
        self.samples = [0.0] * count(seconds)

    def add(self, signal, at=0.0, level=1.0):
        n = len(self.samples)
        start = int(round(at * RATE))
        for i, v in enumerate(signal):
            j = start + i
            if self.loop:
                j %= n
            elif j >= n:
                break
            elif j < 0:
                continue
            self.samples[j] += level * v
        return self

    def modulate(self, envelope):
        """Multiplies by an envelope (a list, or a Track of the same length)."""
        env = envelope.samples if isinstance(envelope, Track) else envelope
        self.samples = [x * e for x, e in zip(self.samples, env)]
        return self


def loudest_rms(samples, window=0.05, circular=False):
    w = count(window)
    data = samples + samples[:w] if circular else samples
    if len(data) <= w:
        return math.sqrt(sum(v * v for v in data) / len(data))
    energy = sum(v * v for v in data[:w])
    best = energy
    for i in range(w, len(data)):
        energy += data[i] * data[i] - data[i - w] * data[i - w]
        best = max(best, energy)
    return math.sqrt(max(best, 0.0) / w)


def start_loop_quietly(samples):
    """Turns a loop so it begins in its quietest 20 ms, on a rising zero crossing: the first
    time it plays it then starts without a jolt. Turning a loop leaves its seam as it was."""
    n, w = len(samples), count(0.02)
    energy = sum(v * v for v in samples[:w])
    best, best_at = energy, 0
    for i in range(1, n):
        energy += samples[(i + w - 1) % n] ** 2 - samples[i - 1] ** 2
        if energy < best:
            best, best_at = energy, i
    centre = (best_at + w // 2) % n
    for d in range(n):
        for j in ((centre + d) % n, (centre - d) % n):
            if samples[j - 1] <= 0.0 < samples[j]:
                return samples[j:] + samples[:j]
    return samples


def finish(track, loudness_db, fade_in=0.003, fade_out=0.02, top=7000.0):
    """Clears rumble below hearing on small speakers, softens the top (above `top` Hz) so
    nothing sounds sharp, shapes the ends and sets the level."""
    s = filt(track.samples, "high", 45.0, circular=track.loop)
    s = filt(s, "low", top, circular=track.loop)
    if track.loop:
        s = start_loop_quietly(s)
    else:
        n = len(s)
        fi, fo = min(n // 4, count(fade_in)), min(n // 2, count(fade_out))
        for i in range(fi):
            s[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fi)
        for i in range(fo):
            s[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fo)
    peak = max(abs(v) for v in s) or 1.0
    loud = loudest_rms(s, circular=track.loop) or 1.0
    scale = min(db(loudness_db) / loud, db(PEAK_LIMIT_DB) / peak)
    return [v * scale for v in s]


def write_wave(path, samples):
    pcm = array.array("h", (max(-32767, min(32767, int(round(v * 32767)))) for v in samples))
    if sys.byteorder == "big":
        pcm.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def norm(x):
    """Scales a signal to an RMS of 1, so recipes can mix parts by plain ratios."""
    rms = math.sqrt(sum(v * v for v in x) / len(x)) or 1.0
    return [v / rms for v in x]


def strokes(seconds, n, rng, power=1.0):
    """n back-and-forth strokes of a hand tool filling a loop. Returns (swell, direction): the
    swell rises and falls once per stroke; the direction leans +1 on forward strokes and -1 on
    backward ones, for recipes that brighten one way and darken the other. n must be even so
    the last stroke leads into the first."""
    lengths = [rng.uniform(0.75, 1.25) for _ in range(n)]
    total = sum(lengths)
    swell, lean = Track(seconds, loop=True), Track(seconds, loop=True)
    at = 0.0
    for k, part in enumerate(lengths):
        d = seconds * part / total
        swell.add(hump(d * 1.1, power), at - d * 0.05, rng.uniform(0.6, 1.0))
        lean.add(hump(d * 1.1), at - d * 0.05, 1.0 if k % 2 == 0 else -1.0)
        at += d
    return swell.samples, lean.samples


# ----------------------------------------------------------------------------------------------
# The recipes, by name. Each returns the finished samples.

RECIPES = {}


def sound(name):
    def register(fn):
        RECIPES[name] = fn
        return fn
    return register


# --- Everyday tools -------------------------------------------------------------------------


@sound("pencil")
def pencil():
    """Loop while the pencil draws: a dry papery scratch in quick back-and-forth strokes,
    a little brighter going up than coming down, with the grit of graphite."""
    rng, L = random.Random(1000), 1.6
    swell, lean = strokes(L, 8, rng, power=0.8)
    centre = [2300.0 + 450.0 * d for d in lean]
    scratch = filt(filt(white(L, rng), "band", centre, q=0.8, circular=True),
                   "low", 4500, circular=True)
    grit = filt(grains(L, 400, rng), "band", 3000, q=2.0, circular=True)
    track = Track(L, loop=True).add(norm(scratch)).add(norm(grit), level=0.4)
    track.modulate([0.1 + s for s in swell])
    return finish(track, -23)


@sound("paintbrush")
def paintbrush():
    """Loop while the brush paints: a soft, wet swish in slow strokes, warmer at the height of
    each stroke as more bristles touch."""
    rng, L = random.Random(1001), 1.8
    swell, _ = strokes(L, 4, rng, power=1.5)
    cutoff = [800.0 + 800.0 * s for s in swell]
    swish = filt(pink(L, rng), "low", cutoff, q=0.9, circular=True)
    track = Track(L, loop=True).add(norm(swish)).modulate([0.25 + s for s in swell])
    return finish(track, -20)


@sound("ruler")
def ruler():
    """A straight line ruled at once: a quick pencil zip along the edge, then the ruler's
    wooden tock as it is put down."""
    rng = random.Random(1002)
    zip_ = filt(white(0.28, rng), "band", glide(0.28, 1700, 2700), q=1.0)
    zip_ = mul(norm(zip_), shape(0.28, [(0, 0), (0.2, 1), (0.28, 0)]))
    tock = knock([640, 1650, 2900], 0.22, tau=0.03, rng=rng, grit=0.3)
    track = Track(0.5).add(zip_, level=0.25).add(tock, at=0.27)
    return finish(track, -15)


@sound("eraser")
def eraser():
    """Heard again and again while the eraser rubs: three quick rubs of rubber on paper with
    a faint rubbery squeak at the height of each."""
    rng, L = random.Random(1003), 0.5
    rubs = Track(L)
    lean = Track(L)
    for k, (at, level) in enumerate(((0.0, 0.8), (0.16, 1.0), (0.32, 0.7))):
        rubs.add(hump(0.18, 1.2), at, level)
        lean.add(hump(0.18), at, 1.0 if k % 2 == 0 else -1.0)
    rub = norm(filt(white(L, rng), "band", 950, q=1.1))
    squeak = tone(L, [640.0 + 40.0 * d for d in lean.samples], ((1, 1.0), (2, 0.3)))
    track = Track(L).add(rub).add(norm(squeak), level=0.12)
    track.modulate(rubs.samples)
    return finish(track, -19)


@sound("paint_pot")
def paint_pot():
    """The paint pot pours: a short glug of rising bubbles and a round, wet plop."""
    rng = random.Random(1004)
    pour = mul(filt(pink(0.4, rng), "low", 700), shape(0.4, [(0, 0), (0.05, 1), (0.4, 0)]))
    track = Track(0.65).add(norm(pour), level=0.08)
    for at, freq in ((0.02, 380), (0.11, 470), (0.19, 560)):
        track.add(bubble(freq, 0.1, tau=0.03, rise=9), at, 0.6)
    track.add(bubble(300, 0.18, tau=0.05, rise=7), 0.3)
    splash = mul(filt(white(0.08, rng), "band", 1500, q=0.8), decay(0.08, 0.02))
    track.add(norm(splash), 0.3, 0.05)
    return finish(track, -14)


@sound("scissors")
def scissors():
    """Heard while the scissors cut out a piece: snip, snip, each a blade sliding closed and
    meeting with a small bright tick."""
    rng = random.Random(1005)
    track = Track(0.45)
    for at, pitch in ((0.0, 1.0), (0.2, 0.94)):
        slide = filt(white(0.07, rng), "band", 2600 * pitch, q=1.5)
        slide = mul(norm(slide), shape(0.07, [(0, 0), (0.06, 1), (0.07, 0)]))
        tick = modes(0.08, [(1900 * pitch, 1.0, 0.018), (3150 * pitch, 0.5, 0.01),
                            (4700 * pitch, 0.2, 0.006)], attack=0.0008)
        track.add(slide, at, 0.12)
        track.add(tick, at + 0.065, 0.5)
        track.add(knock([620 * pitch], 0.05, tau=0.008, rng=rng, grit=0.4), at + 0.065, 0.5)
    return finish(track, -16)


@sound("colour_pick")
def colour_pick():
    """A colour is picked up (a pot, the dropper, the mixer): a round little "bloop"
    sliding up, like a drop taken into the dropper."""
    pitch = curve(0.16, lambda t: 480.0 * 2.2 ** min(1.0, t / 0.08))
    blip = mul(tone(0.16, pitch, ((1, 1.0), (2, 0.15))), decay(0.16, 0.04, attack=0.004))
    return finish(Track(0.16).add(blip), -15)


@sound("stamp")
def stamp():
    """A stamp, a text or a cut-out lands on the picture: a soft rubbery "thup"."""
    rng = random.Random(1020)
    body = mul(tone(0.25, glide(0.25, 320, 110)), decay(0.25, 0.04))
    pat = mul(filt(white(0.05, rng), "low", 1800), decay(0.05, 0.012, attack=0.001))
    track = Track(0.25).add(body).add(norm(pat), level=0.12)
    track.add(knock([880, 1900], 0.1, tau=0.012), level=0.25)
    return finish(track, -13)


@sound("spray")
def spray():
    """Loop while the spray can sprays: a steady, soft "pssss" that wavers a little as the
    finger presses the nozzle."""
    rng, L = random.Random(1023), 1.5
    hiss = band(white(L, rng), 1300, 4800, circular=True)
    body = band(pink(L, rng), 400, 1500, circular=True)
    flutter = curve(L, lambda t: 1.0 + 0.12 * math.sin(TAU * 2 * t / L)
                    + 0.06 * math.sin(TAU * 5 * t / L + 1.0))
    track = Track(L, loop=True).add(norm(hiss)).add(norm(body), level=0.25)
    track.modulate(flutter)
    return finish(track, -26)


@sound("shape_template")
def shape_template():
    """Heard while a shape is pulled out of the template: a friendly rising slide, like a
    rubber band stretching, wobbling gently."""
    stretch = tone(1.6, glide(1.6, 262, 660), ((1, 1.0), (2, 0.25), (3, 0.08)),
                   vibrato=(5.5, 0.02))
    stretch = mul(stretch, shape(1.6, [(0, 0), (0.03, 1), (1.3, 0.85), (1.6, 0)]))
    return finish(Track(1.6).add(stretch), -21)


# --- Little pops of the ball brush (also the scissors' cut) ----------------------------------


def pop(freq, seconds):
    """A 10-20 ms pop: a tiny bubble bursting. The ball brush picks one of five at random."""
    return finish(Track(seconds).add(bubble(freq, seconds, tau=0.005, rise=20)), -19,
                  fade_in=0.0005, fade_out=0.004)


@sound("pop_1")
def pop_1():
    return pop(900, 0.016)


@sound("pop_2")
def pop_2():
    return pop(1100, 0.014)


@sound("pop_3")
def pop_3():
    return pop(760, 0.018)


@sound("pop_4")
def pop_4():
    return pop(1300, 0.012)


@sound("pop_5")
def pop_5():
    return pop(1000, 0.015)


# --- Fancy brushes and the chisel ----------------------------------------------------------

PENTATONIC = (1046.5, 1174.66, 1318.51, 1567.98, 1760.0, 2093.0)  # C6 D6 E6 G6 A6 C7


@sound("star_wand")
def star_wand():
    """Loop while the star wand draws: gentle twinkling bells wandering over a five-note
    scale, over a faint glow."""
    rng, L = random.Random(1011), 4.0
    track = Track(L, loop=True)
    step, note = L / 28, 2
    for k in range(28):
        if rng.random() < 0.2:
            continue
        note = min(len(PENTATONIC) - 1, max(0, note + rng.choice((-2, -1, 1, 2))))
        level = rng.uniform(0.4, 1.0) * (0.6 if note == len(PENTATONIC) - 1 else 1.0)
        track.add(glock(PENTATONIC[note], 1.2, tau=rng.uniform(0.2, 0.4)),
                  k * step + rng.uniform(-0.03, 0.03), level)
    for hz in (523.25, 783.99):
        glow = tone(L, in_loop(L, hz))
        track.add(mul(glow, curve(L, lambda t: 0.5 + 0.5 * math.sin(TAU * 2 * t / L))), 0, 0.05)
    return finish(track, -21)


def splat(seed, body_hz, seconds, drops):
    """A blob of paint hits the paper: a soft thump, a wet splash, then a few droplets."""
    rng = random.Random(seed)
    thump = mul(tone(0.15, glide(0.15, body_hz, body_hz * 0.45)), decay(0.15, 0.04))
    splash = filt(filt(white(0.25, rng), "low", 2200), "high", 300)
    splash = mul(norm(splash), decay(0.25, 0.045, attack=0.003))
    wet = mul(norm(filt(white(0.2, rng), "band", glide(0.2, 1600, 700), q=1.2)),
              decay(0.2, 0.06))
    track = Track(seconds).add(thump, level=0.8).add(splash, level=0.18).add(wet, level=0.08)
    for _ in range(drops):
        track.add(bubble(rng.uniform(700, 1300), 0.05, tau=0.015, rise=14),
                  rng.uniform(0.06, seconds - 0.08), rng.uniform(0.2, 0.45))
    return finish(track, -14, fade_out=0.04)


@sound("splat_1")
def splat_1():
    return splat(1012, 240, 0.35, 2)


@sound("splat_2")
def splat_2():
    return splat(1013, 200, 0.4, 3)


@sound("splat_3")
def splat_3():
    return splat(1014, 280, 0.45, 4)


@sound("needle")
def needle():
    """Loop while the needle and thread sew: the needle pokes through the cloth (tuk), then
    the thread is pulled after it (zzip), three stitches round."""
    rng, L = random.Random(1024), 1.5
    track = Track(L, loop=True)
    for k in range(3):
        at = k * 0.5 + rng.uniform(-0.02, 0.02)
        track.add(knock([1350, 2900], 0.05, tau=0.006, rng=rng, grit=0.4), at, 0.7)
        track.add(modes(0.06, [(680, 1.0, 0.012)]), at, 0.35)
        pull = filt(white(0.3, rng), "band", glide(0.3, 1400, 2800), q=2.5)
        track.add(mul(norm(pull), hump(0.3, 1.5)), at + 0.1, 0.1)
    return finish(track, -19)


@sound("mirror")
def mirror():
    """Loop while the mirror brush paints: a calm, glassy chord whose twin voices drift in
    and out of step, like a reflection shimmering."""
    rng, L = random.Random(1025), 1.6
    track = Track(L, loop=True)
    for hz, level in ((659.25, 1.0), (987.77, 0.6), (1318.51, 0.25)):
        f = in_loop(L, hz)
        track.add(tone(L, f, ((1, 1.0), (2, 0.1))), 0, level)
        track.add(tone(L, f + 2 / L, ((1, 1.0), (2, 0.1))), 0, level)  # beats twice a loop
    for hz in (1760.0, 2093.0):
        track.add(glock(hz, 0.8, tau=0.2), rng.uniform(0, L), 0.15)
    return finish(track, -22.5)


@sound("chisel")
def chisel():
    """Loop while the chisel embosses: a wooden mallet tapping the chisel, four taps round,
    over a faint scrape of the blade."""
    rng, L = random.Random(1026), 1.0
    track = Track(L, loop=True)
    for k, level in enumerate((1.0, 0.7, 0.85, 0.6)):
        track.add(knock([520, 1380, 3100], 0.2, tau=0.03, rng=rng, grit=0.5),
                  k * 0.25 + rng.uniform(-0.015, 0.015), level)
    scrape = norm(filt(white(L, rng), "band", 1500, q=1.5, circular=True))
    scrape = mul(scrape, curve(L, lambda t: 0.6 + 0.4 * math.sin(TAU * 4 * t / L)))
    track.add(scrape, 0, 0.03)
    return finish(track, -17)


# --- Texture brushes and effect tools --------------------------------------------------------


@sound("texture")
def texture():
    """Loop while a texture brush paints: a crunchy roller turning over grainy paper."""
    rng, L = random.Random(1027), 1.6
    crackle = filt(filt(grains(L, 900, rng), "band", 1300, q=0.8, circular=True),
                   "low", 3500, circular=True)
    bed = filt(pink(L, rng), "low", 1000, circular=True)
    roll = curve(L, lambda t: 0.65 + 0.35 * math.sin(TAU * 4 * t / L))
    track = Track(L, loop=True).add(norm(crackle)).add(norm(bed), level=0.3).modulate(roll)
    return finish(track, -20.5)


@sound("tissue")
def tissue():
    """Loop while the tissue blurs: soft dabs of a tissue on paper with a faint crinkle."""
    rng, L = random.Random(1030), 2.8
    dabs = Track(L, loop=True)
    for k in range(8):
        dabs.add(shape(0.45, [(0, 0), (0.05, 1), (0.45, 0)]),
                 k * 0.35 + rng.uniform(-0.04, 0.04), rng.uniform(0.6, 1.0))
    soft = filt(filt(pink(L, rng), "low", 1700, circular=True), "high", 250, circular=True)
    crinkle = filt(grains(L, 60, rng), "high", 2500, circular=True)
    track = Track(L, loop=True).add(norm(soft)).add(norm(crinkle), level=0.15)
    track.modulate([0.12 + d for d in dabs.samples])
    return finish(track, -21)


@sound("sunglasses")
def sunglasses():
    """Loop while the sunglasses darken: a cool, mellow low chord that breathes slowly,
    its tone dimming and brightening once round."""
    L = 3.2
    track = Track(L, loop=True)
    for k, (hz, level) in enumerate(((196.0, 1.0), (293.66, 0.8), (440.0, 0.6),
                                     (587.33, 0.25))):
        f = in_loop(L, hz)
        breath = curve(L, lambda t, k=k: 0.75 + 0.25 * math.sin(TAU * t / L + k * 1.7))
        for detune in (0.0, 1 / L):
            voice = tone(L, f + detune, ((1, 1.0), (2, 0.3), (3, 0.1)))
            track.add(mul(voice, breath), 0, level)
    dim = curve(L, lambda t: 700.0 + 400.0 * math.cos(TAU * t / L))
    track.samples = filt(track.samples, "low", dim, q=0.8, circular=True)
    return finish(track, -22)


@sound("light_bulb")
def light_bulb():
    """Loop while the light bulb lightens: a warm, bright major chord that glows and pulses,
    with an odd sparkle."""
    rng, L = random.Random(1033), 1.8
    track = Track(L, loop=True)
    for k, (hz, level, pulses) in enumerate(((523.25, 0.8, 2), (659.25, 0.6, 3),
                                             (783.99, 0.6, 4), (1046.5, 0.35, 3))):
        glow = curve(L, lambda t, p=pulses, k=k: 0.7 + 0.3 * math.sin(TAU * p * t / L + k))
        track.add(mul(tone(L, in_loop(L, hz), ((1, 1.0), (2, 0.12))), glow), 0, level)
    for hz in (1567.98, 2093.0, 1760.0):
        track.add(glock(hz, 0.8, tau=0.25), rng.uniform(0, L), 0.25)
    return finish(track, -23)


@sound("tint")
def tint():
    """Loop while the tint crayon colours: a smooth waxy rub, lower and slower than the
    pencil, with a little chatter of wax."""
    rng, L = random.Random(1038), 1.6
    swell, lean = strokes(L, 6, rng, power=1.2)
    rub = filt(white(L, rng), "band", [1250.0 + 250.0 * d for d in lean], q=1.3,
               circular=True)
    rub = filt(rub, "low", 3000, circular=True)
    chatter = filt(grains(L, 150, rng), "band", 1700, q=3.0, circular=True)
    track = Track(L, loop=True).add(norm(rub)).add(norm(chatter), level=0.4)
    track.modulate([0.2 + s for s in swell])
    return finish(track, -22)


@sound("salt")
def salt():
    """Loop while the salt shaker adds grain: a shaker shaken to and fro, ten shakes round,
    each a shower of tiny grains."""
    rng, L = random.Random(1036), 2.4
    track = Track(L, loop=True)
    for k in range(10):
        burst = mul(grains(0.09, 2500, rng), hump(0.09, 2))
        shower = mix(filt(burst, "band", 2600, q=1.0), gain(filt(burst, "band", 1400, q=1.2), 0.5))
        track.add(shower, k * 0.24 + rng.uniform(-0.01, 0.01), 1.0 if k % 2 == 0 else 0.7)
    return finish(track, -19, top=5000)


@sound("screwdriver")
def screwdriver():
    """Loop while the screwdriver sharpens: a ratchet screwdriver at work, each turn a creaky
    twist, then the ratchet clicking back."""
    rng, L = random.Random(1037), 3.0
    track = Track(L, loop=True)
    for turn in range(3):
        at = turn * 1.0
        # The creak is stick-slip: the tip catches and lets go some 35-60 times a second,
        # and each slip rings the handle briefly.
        slip = modes(0.02, [(520, 1.0, 0.006), (1250, 0.4, 0.004)], attack=0.0005)
        swell = hump(0.5, 1.2)
        t = 0.0
        while t < 0.5:
            track.add(slip, at + t, swell[min(len(swell) - 1, int(t * RATE))]
                      * rng.uniform(0.7, 1.0) * 0.25)
            t += 1.0 / (35.0 + 25.0 * t / 0.5) * rng.uniform(0.9, 1.1)
        for c in range(10):
            click = modes(0.03, [(2300, 0.6, 0.003), (1150, 1.0, 0.005), (4100, 0.2, 0.002)],
                          attack=0.0005)
            level = rng.uniform(0.6, 0.9) * (1.0 - 0.04 * c)
            track.add(click, at + 0.55 + c * 0.04 + rng.uniform(-0.003, 0.003), level)
    return finish(track, -20)


# --- Clearing the picture for a new one ------------------------------------------------------


@sound("clear_wipe")
def clear_wipe():
    """The picture is wiped away from the top or from both sides: a rising swish with a
    glint of magic, ending on a little bell as the page comes clean."""
    rng, L = random.Random(1016), 1.0
    fade = shape(L, [(0, 0), (0.45, 1), (0.75, 0.6), (L, 0)])
    swish = mul(norm(filt(white(L, rng), "band", glide(L, 450, 2600), q=1.1)), fade)
    glint = mul(tone(L, glide(L, 330, 990), ((1, 1.0), (2, 0.2))), fade)
    track = Track(L).add(swish, level=0.3).add(glint, level=0.12)
    track.add(glock(1567.98, 0.3, tau=0.12), 0.7, 0.25)
    return finish(track, -19, fade_out=0.05)


@sound("clear_drips")
def clear_drips():
    """The picture runs down the page in drips: a sliding drop in pitch under a patter of
    drips that thins out to the last few."""
    rng, L = random.Random(1017), 2.8
    track = Track(L)
    slide = tone(0.9, glide(0.9, 700, 260), ((1, 1.0), (2, 0.15)), vibrato=(5, 0.01))
    track.add(mul(slide, shape(0.9, [(0, 0), (0.08, 1), (0.9, 0)])), 0, 0.15)
    times = [rng.uniform(0.0, 0.9) for _ in range(14)]
    at = 0.95
    while at < 2.5:  # then the last drips, further and further apart
        times.append(at)
        at += rng.uniform(0.12, 0.25) * (0.6 + 0.5 * (at - 0.9))
    for at in sorted(times):
        low = rng.random() < 0.25
        freq = rng.uniform(350, 450) if low else rng.uniform(550, 1150)
        fading = 1.0 if at < 0.9 else max(0.3, 1.0 - (at - 0.9) / 2.0)
        track.add(bubble(freq, 0.1, tau=rng.uniform(0.018, 0.03), rise=13), at,
                  rng.uniform(0.5, 1.0) * fading)
    return finish(track, -16, fade_out=0.3)


@sound("clear_shrink")
def clear_shrink():
    """The picture shrinks away to nothing: a slide whistle falling, a pop as it vanishes,
    then bells sparkling upwards over the fresh page."""
    track = Track(2.6)
    # The shrinking takes about half a second (some 16 frames of 30 ms): the pop lands at its end.
    whistle = tone(0.56, glide(0.56, 1050, 300), ((1, 1.0), (2, 0.12)), vibrato=(6, 0.012))
    track.add(mul(whistle, shape(0.56, [(0, 0), (0.04, 1), (0.45, 0.8), (0.56, 0)])), 0, 0.5)
    track.add(bubble(420, 0.12, tau=0.04, rise=16), 0.55)
    for at, hz, level in ((0.75, 1046.5, 0.5), (0.9, 1318.51, 0.45), (1.05, 1567.98, 0.4),
                          (1.25, 2093.0, 0.3)):
        track.add(glock(hz, 1.15, tau=0.35), at, level)
    return finish(track, -17, fade_out=0.3)


@sound("clear_slide")
def clear_slide():
    """The picture slides off the table: a papery slide that slows, then a soft flap as
    the sheet drops away."""
    rng, L = random.Random(1018), 1.2
    fade = shape(1.0, [(0, 0), (0.12, 1), (0.7, 0.7), (0.95, 0)])
    slide = mul(norm(filt(pink(1.0, rng), "band", glide(1.0, 1300, 600), q=0.8)), fade)
    rough = mul(norm(filt(grains(1.0, 250, rng), "band", 1800, q=1.5)), fade)
    flap = mul(norm(filt(pink(0.15, rng), "low", 700)), decay(0.15, 0.03))
    track = Track(L).add(slide, level=0.3).add(rough, level=0.1)
    track.add(flap, 0.9, 0.3).add(knock([420, 980], 0.12, tau=0.02), 0.9, 0.25)
    return finish(track, -19, fade_out=0.05)


# --- Buttons and dialogs --------------------------------------------------------------------


@sound("click")
def click():
    """A button of the scene clicks (magnifier, speaker, remote control): a crisp wooden tock."""
    rng = random.Random(1015)
    return finish(Track(0.07).add(knock([1150, 2480, 3900], 0.07, tau=0.012, rng=rng,
                                        grit=0.25)), -18, fade_out=0.01)


@sound("options_click")
def options_click():
    """A choice in a tool's options panel or a dialog: a light tap, smaller than the click."""
    rng = random.Random(1035)
    track = Track(0.1).add(marimba(1174.66, 0.1, tau=0.025))
    track.add(knock([2400], 0.03, tau=0.004, rng=rng, grit=0.2), 0, 0.3)
    return finish(track, -18, fade_out=0.015)


@sound("pick_up")
def pick_up():
    """A tool is picked up or a shelf chosen: two quick wooden notes going up, "bip-bup"."""
    track = Track(0.3).add(marimba(659.25, 0.2, tau=0.06))
    track.add(marimba(987.77, 0.235, tau=0.08), 0.065)
    return finish(track, -15, fade_out=0.03)


@sound("close")
def close():
    """A dialog closes without a choice: two wooden notes going down, "bye-bye"."""
    track = Track(0.4).add(marimba(880.0, 0.2, tau=0.06))
    track.add(marimba(587.33, 0.32, tau=0.09), 0.08)
    return finish(track, -15, fade_out=0.04)


@sound("undo")
def undo():
    """The last stroke is taken back: a swish played backwards, swelling and falling in
    pitch as if rewound, then a soft wooden note as the picture settles."""
    rng = random.Random(1028)

    def swell_then_stop(t):  # grows ever faster for 0.26 s, then closes in 30 ms
        grow = (math.exp(min(t, 0.26) / 0.07) - 1) / (math.exp(0.26 / 0.07) - 1)
        return grow if t < 0.26 else grow * (0.5 + 0.5 * math.cos(math.pi * (t - 0.26) / 0.03))

    rise = curve(0.29, swell_then_stop)
    swish = mul(norm(filt(white(0.29, rng), "band", glide(0.29, 700, 1800), q=1.0)), rise)
    rewind = mul(tone(0.29, glide(0.29, 1100, 550), ((1, 1.0), (2, 0.15))), rise)
    track = Track(0.45).add(swish, level=0.25).add(rewind, level=0.35)
    track.add(marimba(523.25, 0.18, tau=0.05), 0.27, 0.5)
    return finish(track, -15, fade_out=0.03)


@sound("chime_up")
def chime_up():
    """Spare: a friendly "ding-dong" going up, two wooden notes."""
    track = Track(0.75).add(marimba(783.99, 0.5, tau=0.14))
    track.add(marimba(1046.5, 0.6, tau=0.18), 0.12)
    return finish(track, -15, fade_out=0.05)


@sound("chime_arpeggio")
def chime_arpeggio():
    """Spare: a bright little run up a major chord, four wooden notes."""
    track = Track(0.9)
    for at, hz, level in ((0.0, 523.25, 1.0), (0.1, 659.25, 1.0), (0.2, 783.99, 1.0),
                          (0.3, 1046.5, 0.8)):
        track.add(marimba(hz, 0.6, tau=0.15), at, level)
    return finish(track, -17, fade_out=0.05)


@sound("warning")
def warning():
    """The warning beep: a gentle "uh-oh", two soft round notes falling a third."""
    round_tone = ((1, 1.0), (3, 1 / 9), (5, 1 / 25))
    first = mul(tone(0.2, 659.25, round_tone), shape(0.2, [(0, 0), (0.012, 1), (0.15, 0.7),
                                                             (0.2, 0)]))
    second = mul(tone(0.28, 523.25, round_tone), shape(0.28, [(0, 0), (0.012, 1), (0.2, 0.6),
                                                              (0.28, 0)]))
    return finish(Track(0.5).add(first).add(second, 0.2), -17, fade_out=0.03)


def main():
    if len(sys.argv) != 5 or sys.argv[4] not in RECIPES:
        sys.stderr.write("usage: synth.py <out.wav> 0 0 <%s>\n" % "|".join(sorted(RECIPES)))
        sys.exit(1)
    write_wave(sys.argv[1], RECIPES[sys.argv[4]]())


if __name__ == "__main__":
    main()
