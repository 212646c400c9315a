#pragma once

#include "AppRegistry.h"

class QWidget;

// The application object: its working life is one run of the main dialog.
class CPlotApp : public RegisteredApp {
  public:
    bool InitInstance() override;
    QWidget* m_pMainWnd = nullptr;
};
