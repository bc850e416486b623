#!/usr/bin/env python3
"""gearpair-cli --models end to end: the files of the default design in a directory that did
not exist, read back as a user's tools read them: ezdxf (no audit error and no audit fix,
millimetres, one closed polyline on each of the two layers, LWPOLYLINE in R2000 and POLYLINE in
R12), the binary STL (every edge between two triangles running it both ways) and the STEP
file's schema. Usage: cli_models_check.py PATH-TO-GEARPAIR-CLI"""
import collections
import json
import os
import struct
import subprocess
import sys
import tempfile

import ezdxf

CLI = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def check_dxf(path, version, polyline):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors and not auditor.has_fixes,
          f"{path}: audit {[e.message for e in auditor.errors + auditor.fixes]}")
    check(doc.dxfversion == version, f"{path}: version {doc.dxfversion}")
    check(doc.header.get("$INSUNITS") == 4, f"{path}: $INSUNITS")
    entities = list(doc.modelspace())
    check([(e.dxftype(), e.dxf.layer) for e in entities] ==
          [(polyline, "TEETH"), (polyline, "BORE")], f"{path}: entities {entities}")
    for e in entities:
        check(e.closed if polyline == "LWPOLYLINE" else e.is_closed, f"{path}: {e} open")


def check_stl(path):
    data = open(path, "rb").read()
    count = struct.unpack("<I", data[80:84])[0]
    check(len(data) == 84 + 50 * count, f"{path}: size")
    edges = collections.Counter()
    for i in range(count):
        v = struct.unpack("<9f", data[96 + 50 * i:132 + 50 * i])
        corners = [v[0:3], v[3:6], v[6:9]]
        for k in range(3):
            edges[(corners[k], corners[(k + 1) % 3])] += 1
    bad = [e for e, n in edges.items() if n != 1 or edges.get((e[1], e[0])) != 1]
    check(not bad, f"{path}: {len(bad)} edges not shared by two triangles both ways")


with tempfile.TemporaryDirectory() as scratch:
    for r12 in (False, True):
        target = os.path.join(scratch, "r12" if r12 else "r2000", "models")
        run = subprocess.run([CLI, "--json", "--models", target] + (["--dxf-r12"] if r12 else []),
                             capture_output=True, text=True)
        check(run.returncode == 0, f"exit {run.returncode}: {run.stderr}")
        listed = json.loads(run.stdout)["models"]
        names = ["wheel-profile.dxf", "pinion-profile.dxf", "wheel.stl", "pinion.stl"]
        if os.path.exists(os.path.join(target, "wheel.step")):
            names += ["wheel.step", "pinion.step"]
        check(listed == [os.path.join(target, name) for name in names], f"listed {listed}")
        for name in ("wheel", "pinion"):
            check_dxf(os.path.join(target, name + "-profile.dxf"), "AC1009" if r12 else "AC1015",
                      "POLYLINE" if r12 else "LWPOLYLINE")
            if not r12:
                check_stl(os.path.join(target, name + ".stl"))
            step = os.path.join(target, name + ".step")
            if os.path.exists(step):
                head = open(step, encoding="ascii").read(4096)
                check(head.startswith("ISO-10303-21;") and "AUTOMOTIVE_DESIGN" in head,
                      f"{step}: not AP214")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
