#!/usr/bin/env python3
"""Draws the About window's two 320 x 240 pictures from the demo signal, dry and enhanced:
about1.jpg, ten seconds of its waveform, and about2.jpg, its spectrum. Both leave their lower
edge dark, where the window lays a caption over them.

    make_about_pictures.py [VELORA]

VELORA is the native file processor (build/native/cli/velora by default); its `demo` command
renders the two WAV files. Plain Python computes the curves; ImageMagick's convert draws them
and writes JPEG (quality 90). Run it from anywhere: it writes next to itself.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
WIDTH, HEIGHT = 320, 240
DRY = "#5a7dc8"
ENHANCED = "#7dff5a"


def read_mono(path):
    """The WAV file's frames as floats -1..1, both channels averaged."""
    with wave.open(path, "rb") as file:
        channels, frames = file.getnchannels(), file.getnframes()
        raw = file.readframes(frames)
    values = struct.unpack(f"<{frames * channels}h", raw)
    return [sum(values[i:i + channels]) / (channels * 32768.0)
            for i in range(0, len(values), channels)]


def column_spans(samples, columns):
    """The lowest and highest sample in each of `columns` equal slices."""
    size = len(samples) // columns
    return [(min(samples[c * size:(c + 1) * size]), max(samples[c * size:(c + 1) * size]))
            for c in range(columns)]


def spectrum(samples, frequencies, rate=44100, length=4096, windows=12):
    """Level in dB around each frequency (a sixth of an octave wide), averaged over `windows`
    Hann-windowed slices; each band's power is measured at five frequencies (Goertzel)."""
    hann = [0.5 - 0.5 * math.cos(2 * math.pi * n / (length - 1)) for n in range(length)]
    step = (len(samples) - length) // windows
    slices = [[samples[w * step + n] * hann[n] for n in range(length)] for w in range(windows)]
    levels = []
    for centre in frequencies:
        power = 0.0
        for k in range(-2, 3):
            coefficient = 2 * math.cos(2 * math.pi * centre * 2 ** (k / 24) / rate)
            for windowed in slices:
                s1 = s2 = 0.0
                for value in windowed:
                    s1, s2 = value + coefficient * s1 - s2, s1
                power += s1 * s1 + s2 * s2 - coefficient * s1 * s2
        levels.append(10 * math.log10(power / (5 * windows * length * length) + 1e-12))
    return levels


def background():
    """A dark blue gradient with a faint grid, darkest at the bottom where the caption lies."""
    commands = ["-size", f"{WIDTH}x{HEIGHT}", "gradient:#14213d-#02040a",
                "-fill", "none", "-stroke", "#ffffff18", "-strokewidth", "1"]
    for x in range(0, WIDTH, 32):
        commands += ["-draw", f"line {x + 0.5},0 {x + 0.5},{HEIGHT - 34}"]
    for y in range(24, HEIGHT - 34, 24):
        commands += ["-draw", f"line 0,{y + 0.5} {WIDTH},{y + 0.5}"]
    return commands


def text(x, y, words, color, size=11):
    return ["-stroke", "none", "-fill", color, "-font", FONT, "-pointsize", str(size),
            "-annotate", f"+{x}+{y}", words]


def write_jpeg(commands, name):
    subprocess.run(["convert", *commands, "-quality", "90", "-sampling-factor", "4:2:0",
                    os.path.join(HERE, name)], check=True)


def waveform_picture(dry, enhanced):
    """Two bands of min-max spans: the dry signal above, the enhanced one below."""
    commands = background()
    for samples, color, middle, label in ((dry, DRY, 62, "dry"), (enhanced, ENHANCED, 150,
                                                                   "enhanced")):
        spans = column_spans(samples, WIDTH)
        peak = max(max(abs(low), abs(high)) for low, high in column_spans(enhanced, WIDTH))
        scale = 40 / peak
        upper = [f"{x},{middle - high * scale:.1f}" for x, (low, high) in enumerate(spans)]
        lower = [f"{x},{middle - low * scale:.1f}" for x, (low, high) in reversed(list(enumerate(spans)))]
        commands += ["-fill", color + "90", "-stroke", color, "-strokewidth", "1",
                     "-draw", "polygon " + " ".join(upper + lower)]
        commands += text(6, middle - 30, label, color)
    commands += text(6, 200, "10 s of the demo groove", "#c8d2e6", 10)
    write_jpeg(commands, "about1.jpg")


def spectrum_picture(dry, enhanced):
    """The two spectra over a logarithmic frequency axis, 30 Hz to 16 kHz."""
    count = 96
    frequencies = [30 * (16000 / 30) ** (i / (count - 1)) for i in range(count)]
    top, bottom, floor = 14, 190, -100.0
    dry_levels = spectrum(dry, frequencies)
    enhanced_levels = spectrum(enhanced, frequencies)
    ceiling = max(dry_levels + enhanced_levels) + 3

    def y_of(level):
        level = max(floor, min(ceiling, level))
        return top + (ceiling - level) / (ceiling - floor) * (bottom - top)

    def x_of(i):
        return 4 + i * (WIDTH - 8) / (count - 1)

    commands = background()
    for levels, color in ((dry_levels, DRY), (enhanced_levels, ENHANCED)):
        curve = [f"{x_of(i):.1f},{y_of(level):.1f}" for i, level in enumerate(levels)]
        area = curve + [f"{x_of(count - 1):.1f},{bottom}", f"{x_of(0):.1f},{bottom}"]
        commands += ["-fill", color + "50", "-stroke", "none", "-draw", "polygon " + " ".join(area),
                     "-fill", "none", "-stroke", color, "-strokewidth", "2",
                     "-draw", "polyline " + " ".join(curve)]
    for frequency, label, shift in ((100, "100 Hz", 3), (1000, "1 kHz", 3), (10000, "10 kHz", -36)):
        x = x_of(math.log(frequency / 30) / math.log(16000 / 30) * (count - 1))
        commands += ["-stroke", "#ffffff40", "-draw", f"line {x:.1f},{top} {x:.1f},{bottom}"]
        commands += text(int(x) + shift, bottom + 11, label, "#c8d2e6", 9)
    commands += text(WIDTH - 96, 28, "dry", DRY) + text(WIDTH - 68, 28, "enhanced", ENHANCED)
    write_jpeg(commands, "about2.jpg")


def main():
    velora = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "native",
                                                               "cli", "velora")
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([velora, "demo", folder], check=True, stdout=subprocess.DEVNULL)
        dry = read_mono(os.path.join(folder, "demo-dry.wav"))
        enhanced = read_mono(os.path.join(folder, "demo-enhanced.wav"))
    waveform_picture(dry, enhanced)
    spectrum_picture(dry, enhanced)


if __name__ == "__main__":
    main()
