// Each kind's classic requests beside the same distribution functions called in Boost.Math
// directly, over one fixed random set per kind. After the runs a table gives ns per request
// for both, their ratio, and the slowest single classic request of the set.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <chrono>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/evaluate_request.h"
#include "stats/exception.h"
#include "testsupport/field_values.h"

namespace zudira {
namespace {

constexpr int kRequestsPerKind = 400;
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

// Field values as the window's fields give them; the whole part is clamped before it is
// converted, so no request starts with the invalid flag raised.
constexpr auto& RealValue = testing::RealField;
constexpr auto& Whole = testing::WholeField;

struct KindSet {
  const char* name;
  std::vector<ProbabilityRequest> requests;
};

// Degrees of freedom spread over every magnitude the field takes, the largest included.
std::int32_t DegreesOfFreedom(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  if (unit(rng) < 0.05) return kLargest;
  return static_cast<std::int32_t>(std::exp(unit(rng) * std::log(1e6)));
}

// Half the requests ask for the lower tail, half for the upper one.
RangeType Tail(int i, bool discrete) {
  if (i % 2 == 0) return discrete ? rtAtMostA : rtBelowA;
  return rtAboveA;
}

std::vector<KindSet> MakeSets() {
  std::mt19937_64 rng(20261208);
  std::uniform_real_distribution<double> unit(0, 1);
  auto between = [&](double lo, double hi) { return static_cast<Real>(lo + (hi - lo) * unit(rng)); };
  auto probability = [&] { return between(0.001, 0.999); };
  std::vector<KindSet> sets;
  auto add = [&](const char* name, auto make) {
    KindSet set{name, {}};
    for (int i = 0; i < kRequestsPerKind; ++i) set.requests.push_back(make(i));
    sets.push_back(std::move(set));
  };
  add("Normal", [&](int i) {
    const Real mean = between(-10, 10), sdev = between(0.1, 10);
    return ProbabilityRequest{dkNormal, Tail(i, false), feFixA, RealValue(mean),
                              RealValue(sdev), RealValue(mean + sdev * between(-6, 6)), {}};
  });
  add("Inverse Normal", [&](int i) {
    return ProbabilityRequest{dkInverseNormal, Tail(i, false), feFixA, RealValue(between(-10, 10)),
                              RealValue(between(0.1, 10)), RealValue(probability()), {}};
  });
  add("Binomial", [&](int i) {
    const auto n = static_cast<std::int32_t>(between(1, 1547));
    return ProbabilityRequest{dkBinomial, Tail(i, true), feFixA, RealValue(between(0.01, 0.99)),
                              Whole(n), Whole(static_cast<std::int32_t>(between(0, n))), {}};
  });
  add("Poisson", [&](int i) {
    const Real mean = between(0.1, 1000);
    return ProbabilityRequest{dkPoisson, Tail(i, true), feFixA, RealValue(mean), {},
                              Whole(static_cast<std::int32_t>(between(0, 2 * mean))), {}};
  });
  add("Exponential", [&](int i) {
    const Real mean = between(0.1, 10);
    return ProbabilityRequest{dkExponential, Tail(i, false), feFixA, RealValue(mean), {},
                              RealValue(between(0, 6) * mean), {}};
  });
  add("Student T", [&](int i) {
    return ProbabilityRequest{dkStudentT, Tail(i, false), feFixA, Whole(DegreesOfFreedom(rng)),
                              {}, RealValue(between(-6, 6)), {}};
  });
  add("Inverse Student T", [&](int i) {
    return ProbabilityRequest{dkInverseStudentT, Tail(i, false), feFixA,
                              Whole(DegreesOfFreedom(rng)), {}, RealValue(probability()), {}};
  });
  add("Chi-Squared", [&](int i) {
    const std::int32_t df = DegreesOfFreedom(rng);
    const Real spread = 4 * std::sqrt(2 * static_cast<Real>(df));
    const Real x = std::max<Real>(0.01L, df + spread * between(-1, 1));
    return ProbabilityRequest{dkChiSquared, Tail(i, false), feFixA, Whole(df), {},
                              RealValue(x), {}};
  });
  add("Inverse Chi-Squared", [&](int i) {
    return ProbabilityRequest{dkInverseChiSquared, Tail(i, false), feFixA,
                              Whole(DegreesOfFreedom(rng)), {}, RealValue(probability()), {}};
  });
  add("F", [&](int i) {
    return ProbabilityRequest{dkF, Tail(i, false), feFixA, Whole(DegreesOfFreedom(rng)),
                              Whole(DegreesOfFreedom(rng)), RealValue(between(0.05, 4)), {}};
  });
  add("Inverse F", [&](int i) {
    return ProbabilityRequest{dkInverseF, Tail(i, false), feFixA, Whole(DegreesOfFreedom(rng)),
                              Whole(DegreesOfFreedom(rng)), RealValue(probability()), {}};
  });
  return sets;
}

const std::vector<KindSet>& Sets() {
  static const std::vector<KindSet> sets = MakeSets();
  return sets;
}

// The classic answer of one request; a library error counts as a finished request.
Real Classic(const ProbabilityRequest& r) {
  try {
    return EvaluateRequest(r).Value();
  } catch (const Exception&) {
    return std::numeric_limits<Real>::quiet_NaN();
  }
}

template <class Dist>
Real Tails(const Dist& dist, const ProbabilityRequest& r, Real x) {
  namespace bm = boost::math;
  return r.range == rtAboveA ? bm::cdf(bm::complement(dist, x)) : bm::cdf(dist, x);
}

template <class Dist>
Real Quantiles(const Dist& dist, const ProbabilityRequest& r) {
  namespace bm = boost::math;
  return r.range == rtAboveA ? bm::quantile(bm::complement(dist, r.a.real))
                             : bm::quantile(dist, r.a.real);
}

// The same question asked of Boost.Math, in the same precision.
Real Boost(const ProbabilityRequest& r) {
  namespace bm = boost::math;
  using L = long double;
  try {
    switch (r.kind) {
      case dkNormal:
        return Tails(bm::normal_distribution<L>(r.mean.real, r.sdev.real), r, r.a.real);
      case dkInverseNormal:
        return Quantiles(bm::normal_distribution<L>(r.mean.real, r.sdev.real), r);
      case dkBinomial:
        return Tails(bm::binomial_distribution<L>(r.sdev.whole, r.mean.real), r, r.a.whole);
      case dkPoisson:
        return Tails(bm::poisson_distribution<L>(r.mean.real), r, r.a.whole);
      case dkExponential:
        return Tails(bm::exponential_distribution<L>(1 / r.mean.real), r, r.a.real);
      case dkStudentT:
        return Tails(bm::students_t_distribution<L>(r.mean.whole), r, r.a.real);
      case dkInverseStudentT:
        return Quantiles(bm::students_t_distribution<L>(r.mean.whole), r);
      case dkChiSquared:
        return Tails(bm::chi_squared_distribution<L>(r.mean.whole), r, r.a.real);
      case dkInverseChiSquared:
        return Quantiles(bm::chi_squared_distribution<L>(r.mean.whole), r);
      case dkF:
        return Tails(bm::fisher_f_distribution<L>(r.mean.whole, r.sdev.whole), r, r.a.real);
      case dkInverseF:
        return Quantiles(bm::fisher_f_distribution<L>(r.mean.whole, r.sdev.whole), r);
      default:
        break;  // the later kinds have no classic algorithms
    }
  } catch (const std::exception&) {
  }
  return std::numeric_limits<Real>::quiet_NaN();
}

template <Real (*Evaluate)(const ProbabilityRequest&)>
void BM_Set(benchmark::State& state, const KindSet* set) {
  for (auto _ : state) {
    // Each pass starts as the program does, with clear flags: Boost.Math's own runs and the
    // benchmark library may leave some raised.
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const ProbabilityRequest& r : set->requests) benchmark::DoNotOptimize(Evaluate(r));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(set->requests.size()));
}

// The slowest classic request of the set, each timed alone as the best of a few runs.
double SlowestClassicMicroseconds(const KindSet& set) {
  double slowest = 0;
  for (const ProbabilityRequest& r : set.requests) {
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < 5; ++run) {
      std::feclearexcept(FE_ALL_EXCEPT);
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(Classic(r));
      const std::chrono::duration<double, std::micro> spent =
          std::chrono::steady_clock::now() - start;
      best = std::min(best, spent.count());
    }
    slowest = std::max(slowest, best);
  }
  return slowest;
}

// Keeps ns per request of every run, for the table printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.iterations == 0) continue;
      ns_per_request[run.benchmark_name()] =
          run.GetAdjustedRealTime() * 1e9 /
          benchmark::GetTimeUnitMultiplier(run.time_unit) / kRequestsPerKind;
    }
  }
  std::map<std::string, double> ns_per_request;
};

}  // namespace
}  // namespace zudira

int main(int argc, char** argv) {
  using namespace zudira;
  for (const KindSet& set : Sets()) {
    benchmark::RegisterBenchmark((std::string("classic/") + set.name).c_str(), BM_Set<Classic>,
                                 &set);
    benchmark::RegisterBenchmark((std::string("boost/") + set.name).c_str(), BM_Set<Boost>, &set);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n%-20s %12s %12s %8s %14s\n", "Kind", "classic ns", "Boost ns", "ratio",
              "slowest us");
  for (const KindSet& set : Sets()) {
    const auto classic = reporter.ns_per_request.find(std::string("classic/") + set.name);
    const auto boost = reporter.ns_per_request.find(std::string("boost/") + set.name);
    if (classic == reporter.ns_per_request.end() || boost == reporter.ns_per_request.end()) {
      continue;
    }
    std::printf("%-20s %12.0f %12.0f %7.1fx %14.1f\n", set.name, classic->second, boost->second,
                classic->second / boost->second, SlowestClassicMicroseconds(set));
  }
  benchmark::Shutdown();
  return 0;
}
