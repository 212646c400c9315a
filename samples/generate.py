#!/usr/bin/env python3
"""Writes the example measurement files: frequency, Z' and Z'' in ohms, from high to low
frequency as instruments record them: one sweep each, a cell that ages from file to file,
and one file of several sweeps."""
import cmath
import math
from pathlib import Path

HERE = Path(__file__).parent


def sweep(high_hz, low_hz, per_decade):
    decades = math.log10(high_hz / low_hz)
    count = round(decades * per_decade) + 1
    return [high_hz * 10 ** (-i / per_decade) for i in range(count)]


def parallel(a, b):
    return 1 / (1 / a + 1 / b)


def randles(f):
    # Solution resistance, charge transfer in parallel with the double layer, and a
    # semi-infinite diffusion (Warburg) tail.
    w = 2 * math.pi * f
    warburg = 30.0 * (1 - 1j) / math.sqrt(w)
    return 20.0 + parallel(100.0 + warburg, 1 / (1j * w * 20e-6))


def inductive(f):
    # Cable inductance at high frequency and an inductive loop at low frequency: both lie
    # below the axis.
    w = 2 * math.pi * f
    return (0.8 + 1j * w * 2e-6 + parallel(3.0, 1 / (1j * w * 1e-3))
            + parallel(1.5, 1j * w * 40.0))


def cell(f):
    # A battery cell in milliohms: ohmic resistance, SEI and charge-transfer arcs.
    w = 2 * math.pi * f
    return (0.015 + parallel(0.008, 1 / (1j * w * 0.05)) + parallel(0.025, 1 / (1j * w * 2.0))
            + 0.004 * (1 - 1j) / math.sqrt(w))


def ageing(day):
    # The Randles cell as its charge transfer slows, day by day.
    def model(f):
        w = 2 * math.pi * f
        warburg = 30.0 * (1 - 1j) / math.sqrt(w)
        return 20.0 + 0.1 * day + parallel(100.0 + 6.0 * day + warburg, 1 / (1j * w * 20e-6))
    return model


def write(name, model, freqs, header=None, sweeps=1):
    lines = [header] if header else []
    for s in range(sweeps):
        for f in freqs:
            z = (model(s) if sweeps > 1 else model)(f)
            lines.append(f"{f:.6e}\t{z.real:.6e}\t{z.imag:.6e}")
    (HERE / name).write_text("\n".join(lines) + "\n")


write("randles-diffusion.txt", randles, sweep(1e5, 1e-2, 10))
write("inductive-loop.txt", inductive, sweep(1e5, 1e-2, 10))
write("cell-milliohm.txt", cell, sweep(1e4, 1e-2, 12), header="Freq/Hz\tZre/Ohm\tZim/Ohm")
for day in (1, 8, 15):
    write(f"ageing-day{day}.txt", ageing(day), sweep(1e5, 1e-2, 10))
# The instrument sweeps again every week: the frequency turns back to 100 kHz each time.
write("weekly-sweeps.txt", lambda s: ageing(7 * s), sweep(1e5, 1e-2, 10), sweeps=4)
