#!/usr/bin/env bash
# Renders the PNG artwork from its SVG sources. The PNGs are committed, so building the program
# does not need this; run it after changing an SVG (needs rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"

render() { rsvg-convert --width "$2" --height "$2" "$1" --output "$3"; }

render icon.svg 256 icon.png
for size in 16 32; do
    mkdir -p "icons/hicolor/${size}x${size}/apps"
    render icon-small.svg "$size" "icons/hicolor/${size}x${size}/apps/vantrel-orvandel.png"
done
for size in 48 64 128 256; do
    mkdir -p "icons/hicolor/${size}x${size}/apps"
    render icon.svg "$size" "icons/hicolor/${size}x${size}/apps/vantrel-orvandel.png"
done

render web_button.svg 48 web_button.png
for name in open save_as print clear reset logic about; do
    render "menu_${name}.svg" 16 "menu_${name}.png"
done
rsvg-convert splash.svg --output splash.png
