#!/usr/bin/env bash
# Loads velmora-gen's footprints into the layout program's own Python module,
# where it is installed, and checks every pad's place, size and layer.
# Skips (status 77) on machines without it.
#   kicad_load_test.sh VELMORA_GEN
set -euo pipefail
gen=$1
python=/usr/bin/python3
if ! "$python" -c 'import pcbnew' 2>/dev/null; then
    echo "SKIP: the pcbnew Python module is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
library=$work/touch.pretty
mkdir "$library"
"$gen" slider --count 5 --length 50 --gap 0.5 --width 10 --mm --name SM --format kicad --output "$library/SM.kicad_mod"
"$gen" button --count 4 --length 0.5 --gap 0.02 --width 0.5 --name BT1 --format kicad --output "$library/BT1.kicad_mod"
"$gen" slider --count 5 --length 50 --gap 0.5 --width 10 --mm --name SM > "$work/SM.txt"
"$gen" button --count 4 --length 0.5 --gap 0.02 --width 0.5 --name BT1 > "$work/BT1.txt"

"$python" - "$library" "$work" <<'PY'
import sys
import pcbnew

library, work = sys.argv[1], sys.argv[2]
NM_PER_THOU = 25400

def quarlin(path):
    """Pads {letter: (w, h)} and pins [(number, letter, x, y)] in thousandths."""
    pads, pins = {}, []
    for line in open(path):
        t = line.split()
        if t and t[0] == "Pad":
            pads[t[1]] = (int(t[4]), int(t[5]))
        elif t and t[0] == "Pin":
            pins.append((t[1], t[3], int(t[6]), int(t[7])))
    return pads, pins

failures = 0
for name in ("SM", "BT1"):
    footprint = pcbnew.FootprintLoad(library, name)
    assert footprint is not None, f"{name} did not load"
    pads, pins = quarlin(f"{work}/{name}.txt")
    loaded = list(footprint.Pads())
    assert len(loaded) == len(pins), f"{name}: {len(loaded)} pads, {len(pins)} pins"
    for pad, (number, letter, x, y) in zip(loaded, pins):
        w, h = pads[letter]
        want = (number, x * NM_PER_THOU, -y * NM_PER_THOU, w * NM_PER_THOU, h * NM_PER_THOU)
        got = (pad.GetNumber(), pad.GetPosition().x, pad.GetPosition().y, pad.GetSize().x, pad.GetSize().y)
        layers = [pcbnew.LayerName(layer) for layer in pad.GetLayerSet().Seq()]
        if got != want or layers != ["F.Cu"]:
            print(f"{name}: pad {got} on {layers}, expected {want} on F.Cu")
            failures += 1
    print(f"{name}: {len(loaded)} pads loaded where the numbers say")
sys.exit(1 if failures else 0)
PY
