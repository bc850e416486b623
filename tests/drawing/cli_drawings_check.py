#!/usr/bin/env python3
"""gearpair-cli --drawings end to end: the six files of the default design in a directory that
did not exist, read back as a user's tools read them: ezdxf (no audit error, millimetres, the
layers, the parameter-table texts, the user's title-block texts as typed, the bore circles at
the sheet's scale), pdfinfo (one page of an ISO A format), pdffonts and pdftotext (the font
embedded, the texts copyable) and an XML parser (the SVG, sized in mm); no Qt platform or display
needed, and a second run writes the same bytes. The DXF as a CAD user measures it: the views at
real size, dimensions that measure the part with their text positions on their texts and the
sheet's scale as DIMSCALE, hatches on closed loops, the title block as a block with visible
attributes, no audit error and no audit fix. A stopped design and a pair that cannot be made
write nothing; a file error exits 1 and keeps the files written before it.
Usage: cli_drawings_check.py PATH-TO-GEARPAIR-CLI"""
import json
import math
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

import ezdxf

CLI = sys.argv[1]
LAYERS = {"CONTOUR", "THIN", "AXIS", "HATCH", "DIMENSION", "TEXT", "FRAME"}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def unescaped(text):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def shown(entity):
    """A TEXT's or an attribute's text as CAD shows it: its codes (^J, %%d) read, then \\U+."""
    return unescaped(entity.plain_text())


def msp_text_style(doc):
    """The style of the model space's texts: one for all."""
    styles = {t.dxf.style for t in doc.modelspace().query("TEXT")}
    check(len(styles) == 1, f"text styles {styles}")
    return styles.pop()


def centred_middle(text):
    """The middle of a TEXT centred on its alignment point (group 72 1): half its height above
    the baseline, turned by its rotation; None for a text aligned otherwise."""
    if text.dxf.get("halign", 0) != 1:
        return None
    up = {0: 0.5, 1: 0.5, 2: 0, 3: -0.5}[text.dxf.get("valign", 0)] * text.dxf.height
    angle = math.radians(text.dxf.get("rotation", 0))
    at = text.dxf.align_point
    return at[0] - up * math.sin(angle), at[1] + up * math.cos(angle)


def check_dxf(path, expected_texts, radii, measured, spans, expected_fields):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors, f"{path}: audit errors {[e.message for e in auditor.errors]}")
    check(not auditor.fixes, f"{path}: audit fixes {[f.message for f in auditor.fixes]}")
    check(doc.dxfversion >= "AC1015", f"{path}: version {doc.dxfversion}")
    check(doc.header.get("$INSUNITS") == 4, f"{path}: $INSUNITS {doc.header.get('$INSUNITS')}")
    check(doc.header.get("$MEASUREMENT") == 1, f"{path}: $MEASUREMENT")
    layers = {layer.dxf.name for layer in doc.layers}
    check(LAYERS <= layers, f"{path}: layers {layers}")
    check(doc.layers.get("CONTOUR").dxf.lineweight == 50, f"{path}: contour weight")
    check(doc.layers.get("AXIS").dxf.linetype == "DASHDOT", f"{path}: axis line type")
    colours = {doc.layers.get(name).dxf.color for name in ("CONTOUR", "THIN", "AXIS", "HATCH")}
    check(len(colours) == 4, f"{path}: layer colours {colours}")
    style = doc.styles.get(msp_text_style(doc))
    check(style.dxf.font.endswith(".ttf"), f"{path}: style font")
    msp = doc.modelspace()
    inserts = list(msp.query("INSERT"))
    check(len(inserts) == 1 and inserts[0].dxf.name == "TITLE_BLOCK", f"{path}: title block")
    fields = {a.dxf.tag: shown(a) for i in inserts for a in i.attribs}
    texts = {shown(t) for t in msp.query("TEXT")}
    for text in expected_texts:
        check(text in texts | set(fields.values()), f"{path}: no text {text!r}")
    # The title block's user texts as typed, seen as its visible attributes; no plain text
    # repeats an attribute where it stands.
    for tag, text in expected_fields.items():
        check(fields.get(tag) == text, f"{path}: {tag} {fields.get(tag)!r}")
    attributes = [a for i in inserts for a in i.attribs]
    check(all(not a.is_invisible for a in attributes), f"{path}: invisible attributes")
    for a in attributes:
        check(not any(t.dxf.text == a.dxf.text and t.dxf.insert.isclose(a.dxf.insert)
                      for t in msp.query("TEXT")), f"{path}: {a.dxf.tag} repeated as a TEXT")
    # Model mm per paper mm: the dimension style's DIMSCALE, so that a dimension a CAD program
    # regenerates keeps its 3,5 mm on paper.
    scale_text = fields.get("SCALE", "")
    left, right = (float(part.replace(",", ".")) for part in scale_text.split(":"))
    check(abs(doc.header.get("$DIMSCALE") - right / left) < 1e-9, f"{path}: $DIMSCALE")
    check(abs(doc.dimstyles.get("ESKD").dxf.dimscale - right / left) < 1e-9,
          f"{path}: DIMSCALE {doc.dimstyles.get('ESKD').dxf.dimscale}")
    # The views at the part's real size, whatever the sheet's scale.
    found = [c.dxf.radius for c in msp.query("CIRCLE")] + [a.dxf.radius for a in msp.query("ARC")]
    for name, diameter in radii.items():
        check(any(abs(r - diameter / 2) < 0.001 for r in found), f"{path}: no circle of {name}")
    # Diameters drawn in the section: two contour lines their size apart.
    ys = sorted({round(y, 4) for e in msp.query("LINE") for y in (e.dxf.start.y, e.dxf.end.y)} |
                {round(p[1], 4) for e in msp.query("LWPOLYLINE") for p in e.get_points()})
    for name, size in spans.items():
        check(any(abs(b - a - size) < 0.001 for a in ys for b in ys), f"{path}: no span {name}")
    dimensions = [d.get_measurement() for d in msp.query("DIMENSION") if d.dimtype in (0, 1, 3)]
    for name, size in measured.items():
        check(any(abs(m - size) < 0.001 for m in dimensions), f"{path}: no dimension of {name}")
    # Every dimension's text position (group 11) at the middle of the text its block draws
    # (within 0,05 of its height), where a CAD program that redraws the dimension centres it.
    for dim in msp.query("DIMENSION"):
        texts = list(doc.blocks.get(dim.dxf.geometry).query("TEXT"))
        middle = centred_middle(texts[0]) if len(texts) == 1 else None
        check(middle is not None and
              math.dist(middle, (dim.dxf.text_midpoint.x, dim.dxf.text_midpoint.y)) <= 0.05 * texts[0].dxf.height,
              f"{path}: dimension {dim.dxf.text!r} text position {dim.dxf.text_midpoint}")
    hatches = list(msp.query("HATCH"))
    check(hatches and all(h.paths and all(p.is_closed for p in h.paths) for h in hatches),
          f"{path}: hatches")


def page_size(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    check("Pages:           1\n" in info, f"{path}: not one page")
    return re.search(r"Page size:.*\((\w+)\)", info).group(1)


def check_pdf(path, texts):
    """The font embedded, and the texts as a reader copies them."""
    fonts = subprocess.run(["pdffonts", path], capture_output=True, text=True, check=True).stdout
    rows = [row.split() for row in fonts.splitlines()[2:]]
    check(len(rows) == 1 and rows[0][0].endswith("+DejaVuSans") and rows[0][-5:-2] == ["yes"] * 3,
          f"{path}: fonts {fonts!r}")
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
    for expected in texts:
        check(expected in text, f"{path}: pdftotext has no {expected!r}")


def check_svg(path, width, height):
    root = ElementTree.parse(path).getroot()
    check(root.get("width") == f"{width}mm" and root.get("height") == f"{height}mm",
          f"{path}: size {root.get('width')} x {root.get('height')}")


with tempfile.TemporaryDirectory() as temp:
    out = os.path.join(temp, "new", "drawings")
    # No display and a platform that does not exist: the command line draws without Qt.
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    environment["QT_QPA_PLATFORM"] = "nonsense"
    typed = {"DEVELOPER": "A^JB", "CHECKER": "50%%d", "ORGANISATION": "a\\U+0041"}
    run = subprocess.run([CLI, "--json", "--drawings", out, "--developer", typed["DEVELOPER"],
                          "--checker", typed["CHECKER"], "--organisation",
                          typed["ORGANISATION"]], capture_output=True, text=True,
                         env=environment)
    check(run.returncode == 0, f"exit {run.returncode}: {run.stderr}")
    result = json.loads(run.stdout)
    names = ["wheel.dxf", "wheel.pdf", "wheel.svg", "pinion.dxf", "pinion.pdf", "pinion.svg"]
    check(result["drawings"] == [os.path.join(out, n) for n in names], f"{result['drawings']}")
    check(result["warnings"] == [], f"warnings {result['warnings']}")
    sizes = {k: float(v) for k, v in re.findall(r"\((\w+) ([-\d.]+)\)", result["handoff"])}

    check_dxf(os.path.join(out, "wheel.dxf"),
              ["3", "95", "34", "14°38′51″", "Правое", "294,574", "200", "Колесо зубчатое",
               "ГП.01.001"],
              # The bore as drawn: the accepted size.
              {"dvkol": result["drawing_sizes"]["dvkol"]},
              {"da2": sizes["da2"], "bkol": sizes["bkol"]},
              {"da2": sizes["da2"], "df2": sizes["df2"]}, typed)
    check_dxf(os.path.join(out, "pinion.dxf"),
              ["3", "34", "95", "14°38′51″", "Левое", "105,426", "Шестерня", "ГП.01.002"],
              {"dvw": result["drawing_sizes"]["dvw"]},
              {"da1": sizes["da1"], "bw": sizes["bw"]},
              {"da1": sizes["da1"], "df1": sizes["df1"]}, typed)
    check(page_size(os.path.join(out, "wheel.pdf")) == "A2", "wheel.pdf is not A2")
    check(page_size(os.path.join(out, "pinion.pdf")) == "A3", "pinion.pdf is not A3")
    check_pdf(os.path.join(out, "wheel.pdf"), ["Колесо зубчатое", "ГП.01.001", "14°38′51″", "Ø",
                                               "±", "Ra 3,2"])
    check_svg(os.path.join(out, "wheel.svg"), 594, 420)
    # The same design, the same bytes.
    again = os.path.join(temp, "again")
    subprocess.run([CLI, "--drawings", again, "--developer", typed["DEVELOPER"], "--checker",
                    typed["CHECKER"], "--organisation", typed["ORGANISATION"]],
                   capture_output=True, check=True)
    for name in names:
        with open(os.path.join(out, name), "rb") as a, open(os.path.join(again, name), "rb") as b:
            check(a.read() == b.read(), f"{name} differs between two runs")
    check_svg(os.path.join(out, "pinion.svg"), 420, 297)

    # A stopped design draws nothing, not even the directory.
    stopped = os.path.join(temp, "stopped")
    run = subprocess.run([CLI, "--json", "--arrangement", "1", "--width", "0,63",
                          "--drawings", stopped], capture_output=True, text=True)
    check(run.returncode == 1 and json.loads(run.stdout)["drawings"] is None, "stopped: drew")
    check(not os.path.exists(stopped), "stopped: the directory was made")

    # A pair that cannot be made gets no sheet: exit 3, an empty list, the message says why.
    unbuildable = os.path.join(temp, "unbuildable")
    run = subprocess.run([CLI, "--json", "--ratio", "5,6", "--hardness", "652", "--power", "60",
                          "--speed", "1", "--width", "0,63", "--drawings", unbuildable],
                         capture_output=True, text=True)
    result = json.loads(run.stdout)
    check(run.returncode == 3 and result["drawings"] == [] and
          result["message"].startswith("Передача неосуществима"), "unbuildable: drew")
    check(not os.path.exists(unbuildable), "unbuildable: the directory was made")

    # pinion.pdf cannot replace a directory: exit 1, the message names it, earlier files stay.
    blocked = os.path.join(temp, "blocked")
    os.makedirs(os.path.join(blocked, "pinion.pdf"))
    run = subprocess.run([CLI, "--drawings", blocked], capture_output=True, text=True)
    check(run.returncode == 1, f"blocked: exit {run.returncode}")
    check("pinion.pdf" in run.stderr, f"blocked: message {run.stderr!r}")
    check(sorted(os.listdir(blocked)) == ["pinion.dxf", "pinion.pdf", "wheel.dxf", "wheel.pdf",
                                          "wheel.svg"], f"blocked: {os.listdir(blocked)}")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
