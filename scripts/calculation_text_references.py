#!/usr/bin/env python3
"""Prints the rows of core/tests/calculation_text_test.cpp. Each row's R expression and
spreadsheet formula are evaluated here with scipy.stats (python3-scipy), by reading them as
calls of Python functions of the same meaning, and both values must agree; the value becomes
the row's reference for the program's own answer.
Run: /usr/bin/python3 scripts/calculation_text_references.py"""
import math
import re
from scipy import stats

def tail(d, x, lower):
    return d.cdf(x) if lower else d.sf(x)
def quant(d, t, lower):
    return d.ppf(t) if lower else d.isf(t)

# R, with its argument names.
def pnorm(x, mean, sd, lower_tail=True): return tail(stats.norm(mean, sd), x, lower_tail)
def qnorm(t, mean, sd, lower_tail=True): return quant(stats.norm(mean, sd), t, lower_tail)
def pexp(x, rate, lower_tail=True): return tail(stats.expon(scale=1 / rate), x, lower_tail)
def pt(x, df, lower_tail=True): return tail(stats.t(df), x, lower_tail)
def qt(t, df, lower_tail=True): return quant(stats.t(df), t, lower_tail)
def pchisq(x, df, lower_tail=True): return tail(stats.chi2(df), x, lower_tail)
def qchisq(t, df, lower_tail=True): return quant(stats.chi2(df), t, lower_tail)
def pf(x, df1, df2, lower_tail=True): return tail(stats.f(df1, df2), x, lower_tail)
def qf(t, df1, df2, lower_tail=True): return quant(stats.f(df1, df2), t, lower_tail)
def pbinom(k, size, prob, lower_tail=True): return tail(stats.binom(size, prob), k, lower_tail)
def dbinom(k, size, prob): return stats.binom(size, prob).pmf(k)
def ppois(k, lam, lower_tail=True): return tail(stats.poisson(lam), k, lower_tail)
def dpois(k, lam): return stats.poisson(lam).pmf(k)

# LibreOffice Calc.
S = {
    'NORM.DIST': lambda x, m, s, c: stats.norm(m, s).cdf(x),
    'NORM.INV': lambda t, m, s: stats.norm(m, s).ppf(t),
    'EXPON.DIST': lambda x, l, c: stats.expon(scale=1 / l).cdf(x),
    'T.DIST': lambda x, v, c: stats.t(v).cdf(x),
    'T.DIST.RT': lambda x, v: stats.t(v).sf(x),
    'T.INV': lambda t, v: stats.t(v).ppf(t),
    'CHISQ.DIST': lambda x, v, c: stats.chi2(v).cdf(x),
    'CHISQ.DIST.RT': lambda x, v: stats.chi2(v).sf(x),
    'CHISQ.INV': lambda t, v: stats.chi2(v).ppf(t),
    'CHISQ.INV.RT': lambda t, v: stats.chi2(v).isf(t),
    'F.DIST': lambda x, a, b, c: stats.f(a, b).cdf(x),
    'F.DIST.RT': lambda x, a, b: stats.f(a, b).sf(x),
    'F.INV': lambda t, a, b: stats.f(a, b).ppf(t),
    'F.INV.RT': lambda t, a, b: stats.f(a, b).isf(t),
    'T.INV.2T': lambda p, v: stats.t(v).isf(p / 2),
    'GAMMA.DIST': lambda x, a, b, c: stats.gamma(a, scale=b).cdf(x),
    'BETA.DIST': lambda x, a, b, c: stats.beta(a, b).cdf(x),
    'EXP': math.exp,
    'BINOM.DIST': lambda k, n, p, c: stats.binom(n, p).cdf(k) if c else stats.binom(n, p).pmf(k),
    'POISSON.DIST': lambda k, l, c: stats.poisson(l).cdf(k) if c else stats.poisson(l).pmf(k),
}

def eval_r(text):
    text = text.replace('lower.tail = FALSE', 'lower_tail=False').replace('lambda =', 'lam =')
    return float(eval(text))

def eval_sheet(text, sep):
    text = text.lstrip('=')
    if sep != '.':
        text = re.sub(r'(\d)' + re.escape(sep) + r'(\d)', r'\1.\2', text)
    text = text.replace(';', ',')
    for name in sorted(S, key=len, reverse=True):
        text = re.sub(r'(?<![\w.])' + re.escape(name) + r'\(', 'S["%s"](' % name, text)
    return float(eval(text, {'S': S}))

# kind, range, first, second, a, b, fixed end, decimal separator, R, spreadsheet
ROWS = [
    ('dkNormal', 'rtBelowA', 0, 1, 1.96, 0, 'feFixA', '.', 'pnorm(1.96, mean = 0, sd = 1)', '=NORM.DIST(1.96;0;1;1)'),
    ('dkNormal', 'rtBelowA', 0, 1, 1.96, 0, 'feFixA', ',', 'pnorm(1.96, mean = 0, sd = 1)', '=NORM.DIST(1,96;0;1;1)'),
    ('dkNormal', 'rtAboveA', 100, 15, 130, 0, 'feFixA', '.', 'pnorm(130, mean = 100, sd = 15, lower.tail = FALSE)', '=NORM.DIST(70;100;15;1)'),
    ('dkNormal', 'rtInsideOC', 100, 15, 85, 115, 'feFixA', '.', 'pnorm(115, mean = 100, sd = 15) - pnorm(85, mean = 100, sd = 15)', '=NORM.DIST(115;100;15;1)-(NORM.DIST(85;100;15;1))'),
    ('dkNormal', 'rtInsideCC', 10, 2.5, 30, 35, 'feFixA', '.', 'pnorm(30, mean = 10, sd = 2.5, lower.tail = FALSE) - pnorm(35, mean = 10, sd = 2.5, lower.tail = FALSE)', '=NORM.DIST(-10;10;2.5;1)-(NORM.DIST(-15;10;2.5;1))'),
    ('dkNormal', 'rtOutsideOO', 0, 1, -1.5, 2, 'feFixA', '.', 'pnorm(-1.5, mean = 0, sd = 1) + pnorm(2, mean = 0, sd = 1, lower.tail = FALSE)', '=NORM.DIST(-1.5;0;1;1)+NORM.DIST(-2;0;1;1)'),
    ('dkNormal', 'rtEqualA', 0, 1, 1, 0, 'feFixA', '.', '0', '=0'),
    ('dkNormal', 'rtInsideOO', 0, 1, 2, 1, 'feFixA', '.', 'pnorm(2, mean = 0, sd = 1, lower.tail = FALSE) - pnorm(2, mean = 0, sd = 1, lower.tail = FALSE)', '=NORM.DIST(-2;0;1;1)-(NORM.DIST(-2;0;1;1))'),
    ('dkExponential', 'rtAtMostA', 2, 0, 3, 0, 'feFixA', '.', 'pexp(3, rate = 1/2)', '=GAMMA.DIST(3;1;2;1)'),
    ('dkExponential', 'rtBelowA', 2, 0, 1e-09, 0, 'feFixA', '.', 'pexp(1e-09, rate = 1/2)', '=GAMMA.DIST(1e-09;1;2;1)'),
    ('dkExponential', 'rtOutsideCC', 2, 0, 1, 4, 'feFixA', '.', 'pexp(1, rate = 1/2) + pexp(4, rate = 1/2, lower.tail = FALSE)', '=GAMMA.DIST(1;1;2;1)+EXP(-4/2)'),
    ('dkStudentT', 'rtAtLeastA', 10, 0, 2.228, 0, 'feFixA', '.', 'pt(2.228, df = 10, lower.tail = FALSE)', '=T.DIST.RT(2.228;10)'),
    ('dkStudentT', 'rtInsideCC', 5, 0, -1, 2, 'feFixA', '.', 'pt(2, df = 5) - pt(-1, df = 5)', '=T.DIST(2;5;1)-(T.DIST(-1;5;1))'),
    ('dkChiSquared', 'rtAboveA', 3, 0, 7.8, 0, 'feFixA', '.', 'pchisq(7.8, df = 3, lower.tail = FALSE)', '=CHISQ.DIST.RT(7.8;3)'),
    ('dkChiSquared', 'rtAtMostA', 3, 0, 0, 0, 'feFixA', '.', 'pchisq(0, df = 3)', '=0'),
    ('dkChiSquared', 'rtInsideOO', 4, 0, 1, 9, 'feFixA', '.', 'pchisq(9, df = 4) - pchisq(1, df = 4)', '=CHISQ.DIST(9;4;1)-(CHISQ.DIST(1;4;1))'),
    ('dkF', 'rtBelowA', 5, 10, 3, 0, 'feFixA', '.', 'pf(3, df1 = 5, df2 = 10)', '=F.DIST(3;5;10;1)'),
    ('dkF', 'rtOutsideCO', 2, 8, 0.5, 4, 'feFixA', '.', 'pf(0.5, df1 = 2, df2 = 8) + pf(4, df1 = 2, df2 = 8, lower.tail = FALSE)', '=F.DIST(0.5;2;8;1)+F.DIST.RT(4;2;8)'),
    ('dkBinomial', 'rtBelowA', 0.3, 10, 3, 0, 'feFixA', '.', 'pbinom(2, size = 10, prob = 0.3)', '=BINOM.DIST(2;10;0.3;1)'),
    ('dkBinomial', 'rtEqualA', 0.3, 10, 3, 0, 'feFixA', '.', 'dbinom(3, size = 10, prob = 0.3)', '=BINOM.DIST(3;10;0.3;0)'),
    ('dkBinomial', 'rtAtLeastA', 0.5, 20, 0, 0, 'feFixA', '.', 'pbinom(-1, size = 20, prob = 0.5, lower.tail = FALSE)', '=1'),
    ('dkBinomial', 'rtAboveA', 0.3, 20, 18, 0, 'feFixA', '.', 'pbinom(18, size = 20, prob = 0.3, lower.tail = FALSE)', '=BETA.DIST(0.3;19;2;1)'),
    ('dkBinomial', 'rtInsideCO', 0.3, 20, 3, 7, 'feFixA', '.', 'pbinom(6, size = 20, prob = 0.3) - pbinom(2, size = 20, prob = 0.3)', '=BINOM.DIST(6;20;0.3;1)-(BINOM.DIST(2;20;0.3;1))'),
    ('dkBinomial', 'rtInsideCC', 0.3, 20, 16, 19, 'feFixA', ',', 'pbinom(15, size = 20, prob = 0.3, lower.tail = FALSE) - pbinom(19, size = 20, prob = 0.3, lower.tail = FALSE)', '=BETA.DIST(0,3;16;5;1)-(BETA.DIST(0,3;20;1;1))'),
    ('dkBinomial', 'rtOutsideOC', 0.3, 20, 3, 7, 'feFixA', '.', 'pbinom(2, size = 20, prob = 0.3) + pbinom(6, size = 20, prob = 0.3, lower.tail = FALSE)', '=BINOM.DIST(2;20;0.3;1)+BETA.DIST(0.3;7;14;1)'),
    ('dkBinomial', 'rtInsideOO', 0.3, 10, 5, 5, 'feFixA', '.', '0', '=0'),
    ('dkPoisson', 'rtAboveA', 1000, 0, 1030, 0, 'feFixA', '.', 'ppois(1030, lambda = 1000, lower.tail = FALSE)', '=GAMMA.DIST(1000;1031;1;1)'),
    ('dkPoisson', 'rtInsideCC', 2.5, 0, 1, 4, 'feFixA', ',', 'ppois(4, lambda = 2.5) - ppois(0, lambda = 2.5)', '=POISSON.DIST(4;2,5;1)-(POISSON.DIST(0;2,5;1))'),
    ('dkPoisson', 'rtOutsideCC', 2.5, 0, 1, 4, 'feFixA', '.', 'ppois(1, lambda = 2.5) + ppois(3, lambda = 2.5, lower.tail = FALSE)', '=POISSON.DIST(1;2.5;1)+GAMMA.DIST(2.5;4;1;1)'),
    ('dkPoisson', 'rtAtMostA', 2.5, 0, 2, 0, 'feFixA', '.', 'ppois(2, lambda = 2.5)', '=POISSON.DIST(2;2.5;1)'),
    ('dkPoisson', 'rtEqualA', 0, 0, 0, 0, 'feFixA', '.', 'dpois(0, lambda = 0)', '=1'),
    ('dkPoisson', 'rtAtLeastA', 0, 0, 1, 0, 'feFixA', '.', 'ppois(0, lambda = 0, lower.tail = FALSE)', '=0'),
    ('dkInverseNormal', 'rtBelowA', 10, 2, 0.9, 0, 'feFixA', '.', 'qnorm(0.9, mean = 10, sd = 2)', '=NORM.INV(0.9;10;2)'),
    ('dkInverseNormal', 'rtAboveA', 0, 1, 0.025, 0, 'feFixA', '.', 'qnorm(0.025, mean = 0, sd = 1, lower.tail = FALSE)', '=-NORM.INV(0.025;0;1)'),
    ('dkInverseNormal', 'rtAboveA', 10, 2, 1e-12, 0, 'feFixA', ',', 'qnorm(1e-12, mean = 10, sd = 2, lower.tail = FALSE)', '=20-NORM.INV(1e-12;10;2)'),
    ('dkInverseNormal', 'rtInsideOO', 0, 1, 0.3, -0.5, 'feFixA', '.', 'qnorm(pnorm(-0.5, mean = 0, sd = 1) + 0.3, mean = 0, sd = 1)', '=NORM.INV(NORM.DIST(-0.5;0;1;1)+0.3;0;1)'),
    ('dkInverseNormal', 'rtInsideOO', 0, 1, 0.3, 0.5, 'feFixA', '.', 'qnorm(pnorm(0.5, mean = 0, sd = 1, lower.tail = FALSE) - 0.3, mean = 0, sd = 1, lower.tail = FALSE)', '=-NORM.INV(NORM.DIST(-0.5;0;1;1)-0.3;0;1)'),
    ('dkInverseStudentT', 'rtOutsideOO', 5, 0, 0.2, 1, 'feFixB', '.', 'qt(0.2 - pt(1, df = 5, lower.tail = FALSE), df = 5)', '=-T.INV.2T(2*(0.2-T.DIST.RT(1;5));5)'),
    ('dkInverseStudentT', 'rtAboveA', 5, 0, 0.05, 0, 'feFixA', '.', 'qt(0.05, df = 5, lower.tail = FALSE)', '=T.INV.2T(2*0.05;5)'),
    ('dkInverseStudentT', 'rtBelowA', 5, 0, 0.9, 0, 'feFixA', '.', 'qt(0.9, df = 5)', '=T.INV.2T(2*(1-0.9);5)'),
    ('dkInverseChiSquared', 'rtAtMostA', 4, 0, 0.95, 0, 'feFixA', '.', 'qchisq(0.95, df = 4)', '=CHISQ.INV(0.95;4)'),
    ('dkInverseChiSquared', 'rtOutsideCC', 4, 0, 0.2, 1, 'feFixA', '.', 'qchisq(0.2 - pchisq(1, df = 4), df = 4, lower.tail = FALSE)', '=CHISQ.INV.RT(0.2-CHISQ.DIST(1;4;1);4)'),
    ('dkInverseF', 'rtInsideOO', 5, 10, 0.5, 2, 'feFixB', '.', 'qf(pf(2, df1 = 5, df2 = 10, lower.tail = FALSE) + 0.5, df1 = 5, df2 = 10, lower.tail = FALSE)', '=F.INV.RT(F.DIST.RT(2;5;10)+0.5;5;10)'),
    ('dkInverseF', 'rtAboveA', 5, 10, 0.05, 0, 'feFixA', '.', 'qf(0.05, df1 = 5, df2 = 10, lower.tail = FALSE)', '=F.INV.RT(0.05;5;10)'),
    ('dkInverseF', 'rtBelowA', 5, 10, 0.01, 0, 'feFixA', '.', 'qf(0.01, df1 = 5, df2 = 10)', '=1/F.INV.RT(0.01;10;5)'),
    ('dkInverseF', 'rtEqualA', 5, 10, 0.05, 0, 'feFixA', '.', '0', '=0'),
]

for kind, rng, first, second, a, b, fix, sep, r, sheet in ROWS:
    value = eval_r(r)
    sheet_value = eval_sheet(sheet, sep)
    assert abs(value - sheet_value) <= 1e-12 * max(1, abs(value)), (r, value, sheet_value)
    print('    {%s, %s, %r, %r, %r, %r, %s, \'%s\', "%s", "%s", %.17gL},' %
          (kind, rng, first, second, a, b, fix, sep, r, sheet, value))
