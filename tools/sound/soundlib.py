"""Building blocks for the sound generator: whole-array numpy signals at 22050 Hz."""
import wave

import numpy as np

SR = 22050


def times(seconds):
    return np.arange(int(round(seconds * SR))) / SR


def at(x, seconds, length):
    """x placed at a time in a silent signal of the given length (cut at the end)."""
    out = np.zeros(int(round(length * SR)))
    i = int(round(seconds * SR))
    n = min(len(x), len(out) - i)
    out[i:i + n] = x[:n]
    return out


def noise(rng, seconds):
    return rng.standard_normal(int(round(seconds * SR)))


def shape(x, gain):
    """Filters x by a zero-phase gain curve gain(frequencies in Hz), through one FFT."""
    n = 1 << int(np.ceil(np.log2(len(x) * 2)))  # padded so the tail does not wrap onto the head
    bins = np.fft.rfft(x, n)
    f = np.fft.rfftfreq(n, 1 / SR)
    return np.fft.irfft(bins * gain(f), n)[:len(x)]


def band(x, lo=None, hi=None, order=2):
    """Butterworth-like magnitude band: high-pass above lo, low-pass below hi."""
    def gain(f):
        g = np.ones_like(f)
        if lo:
            g /= np.sqrt(1 + (lo / np.maximum(f, 1e-3)) ** (2 * order))
        if hi:
            g /= np.sqrt(1 + (f / hi) ** (2 * order))
        return g
    return shape(x, gain)


def resonate(x, freq, width):
    """A resonance (peak of the given width in Hz) applied to x."""
    return shape(x, lambda f: 1 / (1 + ((f - freq) / (width / 2)) ** 2))


def sweep(freq):
    """A sine whose frequency follows the array freq (Hz per sample)."""
    return np.sin(2 * np.pi * np.cumsum(freq) / SR)


def harmonics(freq, amps):
    """Additive tone on the pitch array freq; partials that would alias are left out."""
    phase = 2 * np.pi * np.cumsum(freq) / SR
    out = np.zeros_like(phase)
    for k, a in enumerate(amps, 1):
        out += a * np.sin(k * phase) * (k * freq < SR * 0.45)
    return out


def decay(t, tau, attack=0.002):
    """Quick linear attack, then exponential decay with time constant tau."""
    return np.minimum(t / attack, 1) * np.exp(-np.maximum(t - attack, 0) / tau)


def glide(t, start, end):
    """An exponential slide from start to end Hz over the length of t."""
    return start * (end / start) ** (t / t[-1])


def grains(rng, seconds, rate, tau, spread=1.0):
    """Random decaying pulses (rate per second): gravel, crackle, Geiger clicks."""
    n = int(round(seconds * SR))
    pulses = np.zeros(n)
    count = rng.poisson(rate * seconds)
    pulses[rng.integers(0, n, count)] = rng.uniform(1 - spread, 1, count)
    kernel = np.exp(-np.arange(int(tau * 6 * SR) + 1) / (tau * SR))
    return np.convolve(pulses, kernel)[:n]


def fade(x, fade_in=0.003, fade_out=0.008):
    """Raised-cosine ends so a sound starts and stops without a click."""
    x = x.copy()
    for length, sl in ((fade_in, slice(None)), (fade_out, slice(None, None, -1))):
        n = int(length * SR)
        if n:
            ramp = 0.5 - 0.5 * np.cos(np.pi * np.arange(n) / n)
            x[sl][:n] *= ramp
    return x


def loop(x, seconds, overlap):
    """A seamless loop: x, longer than the loop by overlap, has its tail faded into its head."""
    n, m = int(round(seconds * SR)), int(round(overlap * SR))
    out = x[:n].copy()
    w = np.sin(0.5 * np.pi * np.arange(m) / m) ** 2
    # Equal power: the two ends are unrelated noise, not copies of one wave.
    out[:m] = x[:m] * np.sqrt(w) + x[n:n + m] * np.sqrt(1 - w)
    return out


def normalise(x, peak_db):
    return x * (10 ** (peak_db / 20) / np.max(np.abs(x)))


def write_wav(path, x):
    data = np.round(np.clip(x, -1, 1) * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data.tobytes())
