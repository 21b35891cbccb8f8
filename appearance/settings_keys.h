// Every key path of the program's settings store, in one place. The store itself is opened by
// OpenUserSettings (appearance_settings.h).
#pragma once

#include <QString>

namespace zudira {

// The key of the program's settings, below which "Defaults" holds the eight appearance values.
inline const QString kZudiraSettingsKey = QStringLiteral("Software/Rozuviza/RuvOderu/Zudira");

// Where the toolbar layout lives.
inline constexpr char kToolBarLayoutKey[] = "Software/Rozuviza/RuvOderu/Zudira/ToolBars/Main";

// Where the choice of the precise algorithms lives ("1" on, "0" off). With no stored choice
// the precise algorithms are on.
inline constexpr char kPreciseResultsKey[] =
    "Software/Rozuviza/RuvOderu/Zudira/Options/PreciseResults";

// Where the plot window keeps its size and position.
inline const QString kPlotWindowKey =
    QStringLiteral("Software/Rozuviza/RuvOderu/Zudira/PlotWindow");

// The calculator window's own properties.
inline const QString kCalcSettingsKey = QStringLiteral("Software/Rozuviza/DuzCalc/Properties");

}  // namespace zudira
