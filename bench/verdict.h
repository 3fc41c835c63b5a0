#pragma once
// What every benchmark reports with: the median of its rounds, and the line it ends a figure
// with, which bench/run-all.sh gathers into one table:
//   verdict|WHAT|FIGURE|BASELINE|RATIO|TARGET|pass
// RATIO is the figure over its baseline as the benchmark states it (times or throughputs);
// TARGET says which way it must lie ("<= 1.20", ">= 0.90"), or "-" where none is set.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vantrel::bench {

// The middle one of the rounds' figures (the upper of the two middle ones for an even count).
inline double Median(std::vector<double> figures) {
  std::sort(figures.begin(), figures.end());
  return figures[figures.size() / 2];
}

enum class Bound { AtMost, AtLeast, None };

// Prints the verdict line; true when the ratio is within its target (or none is set).
inline bool PrintVerdict(const std::string& what, const std::string& figure, const std::string& baseline, double ratio,
                         Bound bound = Bound::None, double target = 0) {
  const bool pass = bound == Bound::None || (bound == Bound::AtMost ? ratio <= target : ratio >= target);
  char targetText[32] = "-";
  if (bound != Bound::None) std::snprintf(targetText, sizeof targetText, "%s %.2f", bound == Bound::AtMost ? "<=" : ">=", target);
  std::printf("verdict|%s|%s|%s|%.2f|%s|%s\n", what.c_str(), figure.c_str(), baseline.c_str(), ratio, targetText,
              bound == Bound::None ? "-" : pass ? "pass" : "FAIL");
  return pass;
}

// A figure with its unit, as the table shows it.
inline std::string Figure(double value, const char* unit) {
  char text[48];
  const char* format = value >= 100 ? "%.0f %s" : value >= 10 ? "%.1f %s" : "%.3f %s";
  std::snprintf(text, sizeof text, format, value, unit);
  return text;
}

}  // namespace vantrel::bench
