"""Re-fits the histograms written by analysis_fit_dumper with iminuit and compares."""
import json
import math
import sys

import numpy as np
from iminuit import Minuit


def gauss_line(x, p):
    g = np.zeros_like(x) if p[2] == 0 else np.exp(-0.5 * ((x - p[1]) / p[2]) ** 2)
    return p[0] * g + p[3] * x + p[4]


def expo(x, p):
    return np.exp(p[0] + p[1] * x)


MODELS = {"gauss_line": gauss_line, "expo": expo}


def check(case):
    name = case["name"]
    x, y, err = (np.array(case[k], dtype=float) for k in ("x", "y", "err"))
    lo, hi = case["range"]
    use = (x >= lo) & (x <= hi) & (err > 0)
    x, y, err = x[use], y[use], err[use]
    model = MODELS[case["model"]]
    problems = []
    if int(use.sum()) != case["points"]:
        problems.append(f"{use.sum()} bins in range, we used {case['points']}")

    if case["model"] == "expo":
        pos = y > 0
        slope, const = np.polyfit(x[pos], np.log(y[pos]), 1)
        if not (math.isclose(slope, case["start"][1], rel_tol=1e-9, abs_tol=1e-12)
                and math.isclose(const, case["start"][0], rel_tol=1e-9, abs_tol=1e-12)):
            problems.append(f"initial estimate {case['start']} vs numpy {[const, slope]}")
        if name == "lifetime" and not (y < 0).any():
            problems.append("no negative bin in the subtracted histogram")

    def chi2(*p):
        return float(np.sum(((model(x, p) - y) / err) ** 2))

    m = Minuit(chi2, *case["start"], name=[f"p{i}" for i in range(len(case["start"]))])
    m.errordef = Minuit.LEAST_SQUARES
    for i, lim in enumerate(case["limits"]):
        if lim is not None:
            m.limits[i] = tuple(lim)
    m.strategy = 2
    m.tol = 1e-6
    m.migrad(ncall=100000)
    m.hesse()
    if not m.valid:
        problems.append("iminuit found no valid minimum")

    ours_p, ours_e = case["parameters"], case["errors"]
    for i, (a, b) in enumerate(zip(ours_p, m.values)):
        tol = max(1e-3 * abs(b), 0.01 * m.errors[i])
        if abs(a - b) > tol:
            problems.append(f"p{i}: ours {a!r}, iminuit {b!r} (error {m.errors[i]!r})")
    for i, (a, b) in enumerate(zip(ours_e, m.errors)):
        if abs(a - b) > 0.02 * b:
            problems.append(f"error of p{i}: ours {a!r}, iminuit {b!r}")
    # Both must reach the same minimum; ours may lie below iminuit's by its tolerance.
    if case["chi2"] > m.fval + 1e-6 * max(1.0, m.fval) or m.fval - case["chi2"] > 1e-4:
        problems.append(f"chi2: ours {case['chi2']!r}, iminuit {m.fval!r}")
    status = "ok" if not problems else "FAILED"
    print(f"{name}: {status}; chi2 {m.fval:.4f} for {use.sum()} bins; "
          f"ours {np.round(ours_p, 6).tolist()} +- {np.round(ours_e, 6).tolist()}; "
          f"iminuit {np.round(list(m.values), 6).tolist()} +- {np.round(list(m.errors), 6).tolist()}")
    for p in problems:
        print("   ", p)
    return not problems


def main():
    with open(sys.argv[1]) as f:
        cases = json.load(f)
    expected = {"mass_first", "mass_second", "lifetime", "lifetime_part"}
    names = {c["name"] for c in cases}
    if names != expected:
        print("missing cases:", expected - names)
        return 1
    results = [check(c) for c in cases]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
