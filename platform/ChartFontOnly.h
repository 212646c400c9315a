#pragma once

// A modern picture draws with one font, so the font database made for it holds that font
// alone: starting the toolkit then does not read the system's font configuration and list
// every font it names. Call it before the application object exists. False, leaving the
// system's fonts in place, when that font's file is not where this system keeps it.
bool LoadOnlyChartFont();
