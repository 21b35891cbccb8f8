#!/usr/bin/env python3
"""Writes the reference tables of statistical_tables_test.cpp with mpmath at 40 digits.

Quantiles are found by bisection on the regularized incomplete beta and gamma functions; the
infinite degrees of freedom take the limits of the distributions. Each value is rounded half up
at 4 decimals; a value closer than 1e-9 to a rounding tie is reported, since 4 decimals could
not pin it.
"""
from mpmath import mp, mpf, betainc, gammainc, ncdf, binomial, exp, factorial, inf

mp.dps = 40
INF = -1


def bisect(tail, hi, decreasing=True):
    lo = mpf(0)
    hi = mpf(hi)
    for _ in range(200):
        mid = (lo + hi) / 2
        if (tail(mid) > 0) == decreasing:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def t_upper(df, a):
    a = mpf(a)
    if df == INF:
        return bisect(lambda t: (1 - ncdf(t)) - a, 100)
    return bisect(lambda t: betainc(mpf(df) / 2, mpf(1) / 2, 0, df / (df + t * t), regularized=True) / 2 - a, 10**5)


def chi_upper(df, a):
    return bisect(lambda x: gammainc(mpf(df) / 2, x / 2, inf, regularized=True) - mpf(a), 2000)


def chi_lower(df, a):
    return bisect(lambda x: gammainc(mpf(df) / 2, 0, x / 2, regularized=True) - mpf(a), 2000, decreasing=False)


def f_upper(d1, d2, a):
    if d1 == INF and d2 == INF:
        return mpf(1)
    if d1 == INF:
        return d2 / chi_lower(d2, a)
    if d2 == INF:
        return chi_upper(d1, a) / d1
    return bisect(lambda f: betainc(mpf(d2) / 2, mpf(d1) / 2, 0, d2 / (d2 + d1 * f), regularized=True) - mpf(a), 10**6)


def fixed4(x):
    scaled = x * 10**4
    q = int(mp.floor(scaled + mpf('0.5')))
    if abs(scaled - mp.floor(scaled) - mpf('0.5')) < mpf('1e-5'):
        print("// near a tie:", mp.nstr(x, 20))
    return f"{q // 10**4}.{q % 10**4:04d}"


def rows(name, values):
    print(f"const char* const {name}[] = {{")
    for v in values:
        print(f'    "{" ".join(v)}",')
    print("};")


T_DFS = list(range(1, 31)) + [40, 50, 60, 80, 100, 120, 1000, INF]
T_AS = ["0.25", "0.20", "0.15", "0.10", "0.05", "0.025", "0.01", "0.005", "0.0025", "0.001", "0.0005"]
rows("kTRows", [[fixed4(t_upper(df, a)) for a in T_AS] for df in T_DFS])

CHI_DFS = list(range(1, 31)) + [40, 50, 60, 70, 80, 90, 100]
CHI_AS = ["0.995", "0.99", "0.975", "0.95", "0.90", "0.10", "0.05", "0.025", "0.01", "0.005"]
rows("kChiRows", [[fixed4(chi_upper(df, a)) for a in CHI_AS] for df in CHI_DFS])

F_DF1 = list(range(1, 11)) + [12, 15, 20, 24, 30, 40, 60, 120, INF]
F_DF2 = list(range(1, 31)) + [40, 60, 120, INF]
for name, a in [("kF10Rows", "0.10"), ("kF05Rows", "0.05"), ("kF025Rows", "0.025"), ("kF01Rows", "0.01")]:
    rows(name, [[fixed4(f_upper(d1, d2, a)) for d1 in F_DF1] for d2 in F_DF2])

NORMAL = []
for r in range(34, -1, -1):
    NORMAL.append([fixed4(ncdf(-mpf(10 * r + c) / 100)) for c in range(10)])
for r in range(0, 35):
    NORMAL.append([fixed4(ncdf(mpf(10 * r + c) / 100)) for c in range(10)])
rows("kPhiRows", NORMAL)


def binom_pmf(n, p, k):
    p = mpf(p)
    return binomial(n, k) * p**k * (1 - p)**(n - k)


def binom_cdf(n, p, k):
    return sum(binom_pmf(n, p, j) for j in range(k + 1))


def pois_pmf(l, k):
    l = mpf(l)
    return exp(-l) * l**k / factorial(k)


def pois_cdf(l, k):
    return sum(pois_pmf(l, j) for j in range(k + 1))


print("// n, p, k, P(X = k), P(X <= k)")
for n, p, k in [(20, "0.35", 7), (20, "0.05", 0), (20, "0.95", 20), (1547, "0.05", 77), (1547, "0.5", 773),
                (1547, "0.95", 1470), (1547, "0.5", 700), (1547, "0.05", 120), (1547, "0.95", 1547)]:
    print(f'    {{{n}, "{p}", {k}, {mp.nstr(binom_pmf(n, p, k), 25)}L, {mp.nstr(binom_cdf(n, p, k), 25)}L}},')
print("// lambda, k, P(X = k), P(X <= k)")
for l, k in [("0.5", 0), ("0.5", 3), ("1", 1), ("4", 6), ("10", 10), ("10", 25), ("7", 0)]:
    print(f'    {{"{l}", {k}, {mp.nstr(pois_pmf(l, k), 25)}L, {mp.nstr(pois_cdf(l, k), 25)}L}},')
# The last row of the default Poisson table at 4 decimals: the first k where every P(X > k) < 0.00005.
last = max(next(k for k in range(200) if 1 - pois_cdf(l, k) < mpf('0.00005'))
           for l in ["0.5"] + [str(i) for i in range(1, 11)])
print("// default Poisson table, 4 decimals: last k =", last)
last2 = max(next(k for k in range(200) if 1 - pois_cdf(l, k) < mpf('0.005'))
            for l in ["0.5"] + [str(i) for i in range(1, 11)])
print("// default Poisson table, 2 decimals: last k =", last2)
