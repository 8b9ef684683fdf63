#!/usr/bin/env python3
"""Writes the two embedded catalogues: resources/parameters.json and resources/model.json.

Usage: gen_catalogues.py [REPO_DIR]   (default: the folder above this script)
The parameter tables and the model rows below are the product data; edit them here and
re-run, never edit the JSON by hand.
"""
import json
import os
import sys

IRR = "irradiance"

# (id, key, format or None when the catalogue gives none, label, flags)
# flags: "hidden", "calc", "irr", "v2hide" (hidden only in the array for "Y" models)
BASE = [
    (1, "X", 0.01, "三刺激值X", ""),
    (2, "Y", 0.01, "三刺激值Y", ""),
    (3, "Z", 0.01, "三刺激值Z", ""),
    (4, "x", 0.0001, "色坐标x", ""),
    (5, "y", 0.0001, "色坐标y", ""),
    (6, "uk", 0.0001, "色坐标u(1960)", "v2hide"),
    (7, "vk", 0.0001, "色坐标v(1960)", "v2hide"),
    (8, "u_", 0.0001, "色坐标u'(1976)", "v2hide"),
    (9, "v_", 0.0001, "色坐标v'(1976)", "v2hide"),
    (10, "CCT", 1, "相关色温", ""),
    (11, "absDeltaUV", 0.0001, "色偏差绝对值", ""),
    (12, "r_ratio", 0.01, "红色比", "v2hide"),
    (13, "g_ratio", 0.01, "绿色比", "v2hide"),
    (14, "b_ratio", 0.01, "蓝色比", "v2hide"),
    (15, "DUV", 0.0001, "色偏差Duv", ""),
    (16, "Ra", 0.1, "一般显色指数Ra", ""),
] + [(16 + i, "R%d" % i, 0.1, "特殊显色指数R%d" % i, "v2hide") for i in range(1, 16)] + [
    (32, "Lp", 0, "峰值波长", ""),
    (33, "HW", 0, "半峰宽", ""),
    (34, "Ld", 0, "主波长", ""),
    (35, "purity", 0.1, "色纯度", ""),
    (36, "S/P", 0.001, "明暗视觉比", ""),
    (37, "SDCM", 0.01, "色容差", "hidden"),
    (1001, "SDCM/k", 0.01, "色容差/标准色温", "calc"),
    (38, "k", 0.01, "标准色温", "hidden"),
    (39, "lux", 0.1, "照度", ""),
    (40, "Ee", 0.0001, "辐照度", "irr"),
    (41, "fc", 0.01, "英尺烛光", "v2hide"),
    (42, "CQS", 0.01, "颜色质量指数", "v2hide"),
    (43, "GAI_EES", 0.01, "色域指数(等能光源)", "v2hide"),
    (44, "GAI_BB_8", 0.01, "色域指数(黑体,8色)", "v2hide"),
    (45, "GAI_BB_15", 0.01, "色域指数(黑体,15色)", "v2hide"),
    (46, "EML", 0.01, "等效黑视素照度", "v2hide"),
    (47, "M_EDI", 0.01, "黑视素日光等效照度", "v2hide"),
    (1002, "S_BD", None, "分析波段", "calc"),
    (1003, "S_Ee", 0.0001, "波段辐照度", "calc irr"),
    (1004, "S_PLP", 0, "波段峰值波长", "calc"),
    (1005, "S_HW", 0, "波段半峰宽", "calc"),
]
NIT = (48, "Nit", 0.1, "亮度", "hidden")

PPFD = [
    (301, "PAR", 0.0001, "光合有效辐射", "irr"),
    (302, "Eca", 0.0001, "叶绿素a辐照度", "irr"),
    (303, "Ecb", 0.0001, "叶绿素b辐照度", "irr"),
    (304, "Eb", 0.0001, "蓝光波段辐照度", "irr"),
    (305, "Ey", 0.0001, "黄绿光波段辐照度", "irr"),
    (306, "Er", 0.0001, "红光波段辐照度", "irr"),
    (307, "Erb_Ratio", 0.01, "红蓝比", ""),
    (308, "PPFD", 0.0001, "光合光子通量密度", ""),
    (309, "PPFDb", 0.0001, "蓝光光子通量密度", ""),
    (310, "PPFDg", 0.0001, "绿光光子通量密度", ""),
    (311, "PPFDr", 0.0001, "红光光子通量密度", ""),
    (312, "PPFDfr", 0.0001, "远红光光子通量密度", ""),
    (313, "PPFDr_ratio", 0.01, "红光光子占比", ""),
    (314, "PPFDg_ratio", 0.01, "绿光光子占比", ""),
    (315, "PPFDb_ratio", 0.01, "蓝光光子占比", ""),
    (316, "YPFD", 0.0001, "产量光子通量密度", ""),
]
BLUE = [(101, "Eb", 0.0001, "蓝光危害加权辐照度", "irr")]
IR = [(201 + i, "irEe%d" % (i + 1), 0.0001, "红外辐照度%d" % (i + 1), "irr") for i in range(3)]
PEAK = ([(401 + i, "peakVal%d" % (i + 1), 0.0001, "峰值%d" % (i + 1), "hidden") for i in range(6)]
        + [(407 + i, "locs%d" % (i + 1), 0.0001, "峰位置%d" % (i + 1), "hidden") for i in range(6)]
        + [(413 + i, "wList%d" % (i + 1), 0.0001, "峰宽%d" % (i + 1), "hidden") for i in range(6)])


def record(row, visible):
    pid, key, fmt, label, flags = row
    out = {"id": pid, "key": key}
    if fmt is not None:
        out["format"] = fmt
    out["label"] = label
    out["visible"] = visible
    out["isCalculated"] = "calc" in flags
    if "irr" in flags:
        out["unit"] = IRR
    return out


def base_array(with_nit, for_y):
    rows = [NIT if (with_nit and r[0] == 11) else r for r in BASE]
    return [record(r, "hidden" not in r[4] and not (for_y and "v2hide" in r[4])) for r in rows]


def parameters():
    return {
        "spectroscopic": base_array(False, False),
        "SPEC_V2": base_array(True, False),
        "SPEC_V2_Y": base_array(True, True),
        "BL_Y": [record(r, True) for r in BLUE],
        "PPFD_Y": [record(r, r[0] in (301, 308)) for r in PPFD],
        "BL": [record(r, True) for r in BLUE],
        "IR": [record(r, True) for r in IR],
        "PPFD": [record(r, True) for r in PPFD],
        "PEAK": [record(r, False) for r in PEAK],
    }


FEATURE_KEYS = ["spectrum", "photometry", "absorbance", "transmittance", "raman", "reflectance", "image"]


def model(code, modules, features):
    return {"model": code, "modules": modules,
            "function": {k: k in features for k in FEATURE_KEYS}}


SP = {"spectrum", "photometry"}
RATIOS = {"absorbance", "transmittance", "reflectance"}

# Spectrometers with photometry on SPEC_V2: (code, extra modules, with ratio pages)
V2_MODELS = [
    ("PQV-21", ["BL"], True),
    ("PQV-22", ["BL", "TM30"], True),
    ("PQV-23", ["BL", "IR"], True),
    ("PQV-24", ["BL", "IR", "PPFD"], True),
    ("PQV-25", ["BL", "IR", "PPFD", "TM30"], True),
    ("PQV-26", ["BL", "IR", "PPFD", "TM30", "CIE2015"], True),
    ("PQV-27", ["BL", "IR", "PPFD", "TM30", "CIE2015", "FLICKER"], True),
    ("PQV-28", ["BL", "TM30", "FLICKER"], True),
    ("PQV-29", ["PPFD"], True),
    ("PQV-30", ["PPFD", "TM30"], False),
    ("PQV-31", ["TM30", "CIE2015"], False),
    ("PQV-32", ["FLICKER"], False),
    ("BQV-41", ["BL"], True),
    ("BQV-42", ["BL", "IR"], True),
    ("BQV-43", ["BL", "TM30", "CIE2015"], True),
    ("BQV-44", ["BL", "IR", "TM30", "FLICKER"], True),
    ("BQV-45", ["IR"], True),
    ("BQV-46", ["IR", "PPFD"], True),
    ("BQV-47", ["PPFD", "FLICKER"], False),
    ("BQV-48", ["TM30"], False),
    ("BQV-49", ["BL", "PPFD", "TM30", "CIE2015", "FLICKER"], False),
    ("BQV-50", ["BL"], False),  # spectrum only: shows no photometry
    ("HQV-61", ["BL", "IR", "PPFD"], True),
    ("HQV-62", ["BL", "IR", "PPFD", "FLICKER"], True),
    ("HQV-63", ["IR", "TM30"], True),
    ("HQV-64", ["IR", "CIE2015"], False),
    ("HQV-65", ["PPFD", "CIE2015"], False),
    ("HQV-66", ["BL", "CIE2015", "FLICKER"], False),
    ("HQV-67", ["BL", "IR", "TM30", "CIE2015"], False),
    ("HQV-68", ["IR", "PPFD", "TM30", "FLICKER"], False),
]
NO_PHOTOMETRY = {"BQV-50"}


def models():
    rows = []
    for code in ["YQV-01", "YQV-02", "YQV-03", "YQV-04"]:
        rows.append(model(code, ["SPEC_V2_Y", "BL_Y", "PPFD_Y"], SP))
    for code in ["TQV-11", "TQV-12", "TQV-13", "TQV-14", "TQV-15", "TQV-16"]:
        rows.append(model(code, [], {"spectrum"} | RATIOS))
    rows.append(model("WQV-71", ["SPEC_V2"], {"raman"}))
    for code in ["PQV-01", "PQV-02"]:
        rows.append(model(code, ["spectroscopic", "TM30"], SP))
    for code, extra, ratios in V2_MODELS:
        features = {"spectrum"} if code in NO_PHOTOMETRY else set(SP)
        if ratios:
            features |= RATIOS
        rows.append(model(code, ["SPEC_V2"] + extra, features))
    rows.append(model("DEFAULT", [], set()))
    return rows


def check(params, rows):
    counts = {"spectroscopic": 52, "SPEC_V2": 52, "SPEC_V2_Y": 52, "BL_Y": 1, "PPFD_Y": 16,
              "BL": 1, "IR": 3, "PPFD": 16, "PEAK": 18}
    assert {k: len(v) for k, v in params.items()} == counts
    assert len(rows) == 44 and rows[-1]["model"] == "DEFAULT"
    codes = [r["model"] for r in rows]
    for a in codes:
        for b in codes:
            assert a == b or not b.startswith(a), (a, b)
    assert len(set(codes)) == len(codes)
    v2 = [r for r in rows if r["modules"][:1] == ["SPEC_V2"] and r["model"][0] in "PBH"]
    assert len(v2) == 30
    assert sum(1 for r in v2 if r["function"]["absorbance"]) == 18


def write(path, value):
    with open(path, "w", encoding="utf-8") as f:
        json.dump(value, f, ensure_ascii=False, indent=4)
        f.write("\n")


def main():
    repo = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    params, rows = parameters(), models()
    check(params, rows)
    write(os.path.join(repo, "resources", "parameters.json"), params)
    write(os.path.join(repo, "resources", "model.json"), rows)


if __name__ == "__main__":
    main()
