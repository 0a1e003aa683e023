#!/usr/bin/env python3
"""Writes data/midi/Varnelo.mid: a short tune of our own for the music panel.

A standard MIDI file of format 0 with one track: a piano melody over a
simple bass, about twenty seconds at 100 beats per minute.
"""
import pathlib
import struct

TICKS = 480  # per quarter note


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track():
    events = []  # (tick, bytes)
    tempo = 60_000_000 // 100
    events.append((0, b"\xff\x51\x03" + tempo.to_bytes(3, "big")))
    events.append((0, b"\xc0\x00"))  # channel 1: piano
    events.append((0, b"\xc1\x20"))  # channel 2: acoustic bass
    # The melody in C major, (note, quarters).
    melody = [(72, 1), (74, 1), (76, 1), (79, 1), (77, 2), (76, 2),
              (74, 1), (76, 1), (77, 1), (81, 1), (79, 4),
              (76, 1), (77, 1), (79, 1), (84, 1), (83, 2), (81, 2),
              (79, 1), (77, 1), (76, 1), (74, 1), (72, 4)]
    tick = 0
    for note, quarters in melody:
        length = quarters * TICKS
        events.append((tick, bytes([0x90, note, 84])))
        events.append((tick + length - 20, bytes([0x80, note, 0])))
        tick += length
    bass = [48, 53, 55, 48, 53, 55, 43, 48]
    for i, note in enumerate(bass):
        start = i * 4 * TICKS
        events.append((start, bytes([0x91, note, 70])))
        events.append((start + 4 * TICKS - 20, bytes([0x81, note, 0])))
    events.sort(key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80))
    data = bytearray()
    last = 0
    for at, payload in events:
        data += varlen(at - last) + payload
        last = at
    data += varlen(TICKS) + b"\xff\x2f\x00"
    return bytes(data)


def main():
    body = track()
    midi = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS)
    midi += b"MTrk" + struct.pack(">I", len(body)) + body
    target = pathlib.Path(__file__).resolve().parent.parent / "data" / "midi" / "Varnelo.mid"
    target.write_bytes(midi)
    print(target, len(midi), "byte")


if __name__ == "__main__":
    main()
