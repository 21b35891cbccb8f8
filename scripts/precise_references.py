#!/usr/bin/env python3
"""Prints the reference rows of core/tests/precise_reference_test.cpp: each answer worked out
with mpmath at 40 digits and written with 30. Run: python3 scripts/precise_references.py"""
from mpmath import mp, mpf, ncdf, betainc, gammainc, inf, exp

mp.dps = 40
R = lambda a, b, x0, x1: betainc(a, b, x0, x1, regularized=True)

def nQ(m, s, x): return ncdf(-(mpf(x) - m) / s)
def nF(m, s, x): return ncdf((mpf(x) - m) / s)
def tQ(v, x):
    x = mpf(x); half = R(mpf(v) / 2, mpf(1) / 2, 0, v / (v + x * x)) / 2
    return half if x >= 0 else 1 - half
def tF(v, x): return tQ(v, -mpf(x))
def cQ(v, x): return gammainc(mpf(v) / 2, mpf(x) / 2, inf, regularized=True)
def cF(v, x): return gammainc(mpf(v) / 2, 0, mpf(x) / 2, regularized=True)
def fQ(a, b, x): x = mpf(x); return R(mpf(b) / 2, mpf(a) / 2, 0, b / (b + a * x))
def fF(a, b, x): x = mpf(x); return R(mpf(a) / 2, mpf(b) / 2, 0, a * x / (b + a * x))
def bsum(n, p, j, step):
    # Sums the pmf from j outward in steps of +1 or -1 until the terms no longer count.
    p = mpf(p); term = mp.binomial(n, j) * p**j * (1 - p)**(n - j); total = 0
    while 0 <= j <= n and term > total * mpf(10) ** -45:
        total += term
        term *= ((n - j) * p / ((j + 1) * (1 - p))) if step > 0 else (j * (1 - p) / ((n - j + 1) * p))
        j += step
    return total
def bL(n, p, k): return bsum(n, p, k - 1, -1)  # P(X < k)
def bG(n, p, k): return bsum(n, p, k + 1, +1)  # P(X > k)
def pG(lam, k): return gammainc(k + 1, 0, lam, regularized=True)  # P(X > k)
def pL(lam, k): return gammainc(k, lam, inf, regularized=True)    # P(X < k)
def pGsum(lam, k):
    # P(X > k) summed term by term, for a mean too large for gammainc's series.
    lam = mpf(lam); j = k + 1; total = 0
    term = mp.exp(-lam + j * mp.log(lam) - mp.loggamma(j + 1))
    while term > total * mpf(10) ** -45:
        total += term; j += 1; term *= lam / j
    return total

def solve(f, t, lo, hi):
    # Bisection on a decreasing or increasing f for f(x) = t, in the log of x when lo > 0.
    t = mpf(t); lo = mpf(lo); hi = mpf(hi); inc = f(hi) > f(lo)
    for _ in range(400):
        mid = (lo * hi) ** 0.5 if lo > 0 else (lo + hi) / 2
        if (f(mid) < t) == inc: lo = mid
        else: hi = mid
    return (lo + hi) / 2

def narrow(F, a, b):
    with mp.workdps(400): return F(mpf(b)) - F(mpf(a))
def narrow_root(F, g, p, lo_scale):
    # The b > g with F(b) - F(g) = p, by bisection at 400 digits.
    with mp.workdps(400):
        g = mpf(g); p = mpf(p); base = F(g); lo = g; hi = g + 1
        while F(hi) - base < p: hi = g + 2 * (hi - g)
        while hi - lo > (hi - g) * mpf(10) ** -35:
            mid = (lo + hi) / 2
            if F(mid) - base < p: lo = mid
            else: hi = mid
        return (lo + hi) / 2

# kind, range, first, second, a, b, fixed end, value
rows = [
    ("dkNormal", "rtBelowA", "0", "1", "-1.96", "0", "feFixA", nF(0, 1, "-1.96")),
    ("dkNormal", "rtAboveA", "0", "1", "37", "0", "feFixA", nQ(0, 1, 37)),
    ("dkNormal", "rtInsideOO", "0", "1", "6", "7", "feFixA", nQ(0, 1, 6) - nQ(0, 1, 7)),
    ("dkNormal", "rtOutsideOO", "0", "1", "-9", "8", "feFixA", nF(0, 1, -9) + nQ(0, 1, 8)),
    ("dkExponential", "rtAboveA", "1", "0", "690", "0", "feFixA", exp(-690)),
    ("dkStudentT", "rtAboveA", "1", "0", "1e150", "0", "feFixA", tQ(1, mpf(10) ** 150)),
    ("dkStudentT", "rtBelowA", "10", "0", "-5", "0", "feFixA", tF(10, -5)),
    ("dkStudentT", "rtAboveA", "1000000000", "0", "1", "0", "feFixA", tQ(10**9, 1)),
    ("dkChiSquared", "rtBelowA", "800", "0", "800", "0", "feFixA", cF(800, 800)),
    ("dkChiSquared", "rtAboveA", "10", "0", "1300", "0", "feFixA", cQ(10, 1300)),
    ("dkChiSquared", "rtAboveA", "1000000000", "0", "1000100000", "0", "feFixA",
     cQ(10**9, 1000100000)),
    ("dkChiSquared", "rtInsideOO", "3", "0", "40", "50", "feFixA", cQ(3, 40) - cQ(3, 50)),
    ("dkF", "rtAboveA", "5", "10", "3", "0", "feFixA", fQ(5, 10, 3)),
    ("dkF", "rtAboveA", "2", "2", "1e150", "0", "feFixA", fQ(2, 2, mpf(10) ** 150)),
    ("dkF", "rtAboveA", "1", "1000000", "10", "0", "feFixA", fQ(1, 10**6, 10)),
    ("dkF", "rtAboveA", "1", "1", "2.3e-20", "0", "feFixA", fQ(1, 1, mpf("2.3e-20"))),
    ("dkBinomial", "rtBelowA", "0.5", "1000000", "499000", "0", "feFixA", bL(10**6, "0.5", 499000)),
    ("dkBinomial", "rtAboveA", "0.5", "1000000", "501000", "0", "feFixA", bG(10**6, "0.5", 501000)),
    ("dkBinomial", "rtAboveA", "0.25", "1000", "700", "0", "feFixA", bG(1000, "0.25", 700)),
    ("dkPoisson", "rtAboveA", "1000000", "0", "1005000", "0", "feFixA", pG(10**6, 1005000)),
    ("dkPoisson", "rtBelowA", "2000", "0", "1000", "0", "feFixA", pL(2000, 1000)),
    ("dkPoisson", "rtInsideOC", "3", "0", "20", "25", "feFixA", pG(3, 20) - pG(3, 25)),
    ("dkBinomial", "rtInsideCC", "0.25", "1000", "400", "420", "feFixA", bG(1000, "0.25", 399) - bG(1000, "0.25", 420)),
    ("dkInverseNormal", "rtAboveA", "0", "1", "1e-300", "0", "feFixA",
     solve(lambda x: nQ(0, 1, x), mpf(10) ** -300, 30, 40)),
    ("dkInverseStudentT", "rtBelowA", "1", "0", "0.975", "0", "feFixA",
     solve(lambda x: tF(1, x), mpf("0.975"), 1, 100)),
    ("dkInverseStudentT", "rtAboveA", "1", "0", "6.3e-9", "0", "feFixA",
     solve(lambda x: tQ(1, x), mpf("6.3e-9"), 1e6, 1e9)),
    ("dkInverseChiSquared", "rtBelowA", "683", "0", "2.6e-9", "0", "feFixA",
     solve(lambda x: cF(683, x), mpf("2.6e-9"), 100, 683)),
    ("dkInverseChiSquared", "rtAboveA", "4", "0", "1e-300", "0", "feFixA",
     solve(lambda x: cQ(4, x), mpf(10) ** -300, 100, 10000)),
    ("dkInverseF", "rtAboveA", "5", "10", "1e-100", "0", "feFixA",
     solve(lambda x: fQ(5, 10, x), mpf(10) ** -100, 1, 1e30)),
    ("dkInverseF", "rtInsideOO", "5", "10", "0.25", "3", "feFixB",
     solve(lambda x: fQ(5, 10, x), fQ(5, 10, 3) + mpf("0.25"), 1e-3, 3)),
    ("dkPoisson", "rtAboveA", "1844550329", "0", "1845447429", "0", "feFixA",
     pGsum(1844550329, 1845447429)),
    # Bands far narrower than the rounding of their ends' probabilities (worked at 400 digits).
    ("dkNormal", "rtInsideOO", "28", "67", "0", "1e-200", "feFixA", narrow(lambda x: nF(28, 67, x), 0, mpf(10) ** -200)),
    ("dkStudentT", "rtInsideOO", "5", "0", "0", "1e-150", "feFixA", narrow(lambda x: tF(5, x), 0, mpf(10) ** -150)),
    ("dkInverseNormal", "rtInsideOO", "28", "67", "1e-200", "0", "feFixA",
     narrow_root(lambda x: nF(28, 67, x), 0, mpf(10) ** -200, 1)),
    ("dkInverseStudentT", "rtInsideOO", "1000000000", "0", "4e-63", "0", "feFixA",
     narrow_root(lambda x: tF(10**9, x), 0, mpf("4e-63"), 1)),
    # Far targets, down to where the bound or the target nears the ends of the extended range.
    ("dkStudentT", "rtBelowA", "1", "0", "-1e4000", "0", "feFixA", tF(1, -mpf(10) ** 4000)),
    ("dkInverseStudentT", "rtBelowA", "1", "0", "1e-4000", "0", "feFixA",
     -1 / mp.tan(mp.pi * mpf(10) ** -4000)),
    ("dkInverseStudentT", "rtAboveA", "3", "0", "1e-4930", "0", "feFixA",
     solve(lambda x: tQ(3, x), mpf(10) ** -4930, mpf(10) ** 1640, mpf(10) ** 1650)),
    ("dkInverseChiSquared", "rtBelowA", "2", "0", "1e-4930", "0", "feFixA",
     -2 * mp.log1p(-mpf(10) ** -4930)),
    ("dkInverseChiSquared", "rtBelowA", "1000000", "0", "1e-4930", "0", "feFixA",
     solve(lambda x: cF(10**6, x), mpf(10) ** -4930, 1e4, 1e6)),
    ("dkInverseF", "rtBelowA", "46", "2147483647", "1e-4930", "0", "feFixA",
     solve(lambda x: fF(46, 2147483647, x), mpf(10) ** -4930, mpf(10) ** -230, mpf(10) ** -200)),
    ("dkInverseF", "rtBelowA", "46", "1000", "1e-4930", "0", "feFixA",
     solve(lambda x: fF(46, 1000, x), mpf(10) ** -4930, mpf(10) ** -230, mpf(10) ** -200)),
    ("dkInverseNormal", "rtInsideOO", "7.5", "1.18973149535723176502e4932", "1.7e-31", "381",
     "feFixB", 7.5 + mpf("1.18973149535723176502e4932") * mp.sqrt(2) * mp.erfinv(
         mp.erf((381 - mpf(7.5)) / mpf("1.18973149535723176502e4932") / mp.sqrt(2)) - 2 * mpf("1.7e-31"))),
]
for kind, rng, first, second, a, b, fix, value in rows:
    print(f'    {{{kind}, {rng}, {first}L, {second}L, {a}L, {b}L, {fix}, {mp.nstr(value, 30)}L}},')
