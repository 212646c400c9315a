#pragma once

#include "classic/PlotDlg.h"
#include "res/Resource.h"

// One whole tick of the dialog: the read it starts and the taking of its result.
inline void Tick(CPlotDlg& dialog, unsigned id = RELOAD_TIMER_ID) {
    dialog.OnTimer(id);
    dialog.finishReading();
}
