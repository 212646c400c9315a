#include "PlotApp.h"

#include "PlotDlg.h"

bool CPlotApp::InitInstance() {
    // Enabling ActiveX containment and 3-D controls has no counterpart here: Qt hosts no
    // ActiveX controls and draws its controls itself.
    CPlotDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
