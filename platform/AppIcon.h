#pragma once

#include <QIcon>

// The application icon (IDR_MAINFRAME) at every size it is drawn in.
QIcon MainFrameIcon();
