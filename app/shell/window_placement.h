// The window placement now lives with the widgets, below the report windows that use it too.
#pragma once

#include "widgets/window_placement.h"
