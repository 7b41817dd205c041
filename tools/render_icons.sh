#!/usr/bin/env bash
# Renders the icon's PNG sizes for the hicolor theme and the window icon from
# the one SVG drawing (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=share/icons/org.quorvane.Quorvane.svg
for size in 16 22 24 32 48 64 128 256; do
    out=share/icons/hicolor/${size}x${size}/apps
    mkdir -p "$out"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$out/org.quorvane.Quorvane.png"
done
