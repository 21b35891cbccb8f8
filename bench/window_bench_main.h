// The main of the benchmarks that measure windows: the offscreen platform unless another is
// chosen, the program's own application object named as the program's, and settings in a private
// folder so that a run never touches the user's own.
#pragma once

#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/shell/zudira_application.h"

inline int RunWindowBenchmarks(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  zudira::ZudiraApplication app(argc, argv);
  zudira::ZudiraApplication::setApplicationName("Zudira");
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
