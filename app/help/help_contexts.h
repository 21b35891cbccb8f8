// The help contexts the program's windows carry: each is the number of a topic of the help
// document, so the document and the code meet only here.
#pragma once

#include "core/request.h"

namespace zudira {

// The main window.
inline constexpr int kHelpMainWindow = 5000;
inline constexpr int kHelpDistribution = 5010;
inline constexpr int kHelpRangeType = 5020;
inline constexpr int kHelpDecimals = 5030;
inline constexpr int kHelpParameters = 5040;
inline constexpr int kHelpCalculate = 5050;
inline constexpr int kHelpFixEnd = 5060;
inline constexpr int kHelpThirdParameter = 5045;
// The kinds after the first eleven: a topic each at this number plus the kind's, under a
// topic of their own; the first eleven are described together in the list's topic.
inline constexpr int kHelpMoreKinds = 5100;
constexpr int KindHelpContext(DistributionKind kind) {
  return kind < kFirstKindsCount ? kHelpDistribution : kHelpMoreKinds + kind;
}
// A parameter field of a later kind opens its kind's topic, which says what the values mean.
constexpr int ParameterHelpContext(DistributionKind kind) {
  return kind < kFirstKindsCount ? kHelpParameters : KindHelpContext(kind);
}
inline constexpr int kHelpToolbar = 5200;
inline constexpr int kHelpStatusBar = 5300;
inline constexpr int kHelpPreciseResults = 5310;
// The plot window and Copy Calculation.
inline constexpr int kHelpPlot = 5400;
inline constexpr int kHelpPlotButtons = 5410;
inline constexpr int kHelpCopyCalculation = 5420;
// The Preferences window.
inline constexpr int kHelpPreferences = 6000;
inline constexpr int kHelpToolTips = 6010;
inline constexpr int kHelpFlatControls = 6020;
inline constexpr int kHelpColours = 6030;
inline constexpr int kHelpEnhancedDefaults = 6040;
inline constexpr int kHelpConservativeDefaults = 6050;
// The other windows of the program.
inline constexpr int kHelpLists = 4300;
inline constexpr int kHelpCalculator = 3400;
inline constexpr int kHelpTextViewer = 5500;
inline constexpr int kHelpAboutBox = 5510;
// Topics the Help menu opens.
inline constexpr int kHelpTutorial = 7000;
inline constexpr int kHelpResources = 2000;
inline constexpr int kHelpContact = 2001;
// The report windows.
inline constexpr int kHelpReportSetup = 1500;
inline constexpr int kHelpReportPreview = 1501;
inline constexpr int kHelpSavePdf = 1502;

// The Statistical Tables window and one topic per table, in the window's order of tables.
inline constexpr int kHelpStatTables = 5600;
inline constexpr int kHelpTableTopics[] = {5610, 5620, 5630, 5640, 5650, 5660, 5670};

// Every context above, for the check that the shipped document has a topic for each.
inline constexpr int kProgramHelpContexts[] = {kHelpMainWindow,
                                               kHelpDistribution,
                                               kHelpRangeType,
                                               kHelpDecimals,
                                               kHelpParameters,
                                               kHelpCalculate,
                                               kHelpFixEnd,
                                               kHelpToolbar,
                                               kHelpStatusBar,
                                               kHelpPreferences,
                                               kHelpToolTips,
                                               kHelpFlatControls,
                                               kHelpColours,
                                               kHelpEnhancedDefaults,
                                               kHelpConservativeDefaults,
                                               kHelpTutorial,
                                               kHelpResources,
                                               kHelpContact,
                                               kHelpReportSetup,
                                               kHelpReportPreview,
                                               kHelpSavePdf,
                                               kHelpPreciseResults,
                                               kHelpPlot,
                                               kHelpPlotButtons,
                                               kHelpCopyCalculation,
                                               kHelpLists,
                                               kHelpCalculator,
                                               kHelpTextViewer,
                                               kHelpAboutBox,
                                               kHelpThirdParameter,
                                               kHelpMoreKinds};

}  // namespace zudira
