#include "AboutDlg.h"

#include "AppIcon.h"
#include "DialogBuilder.h"

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(MainFrameIcon());
    BuildDialog(*this, kAboutBox);
    setFixedSize(size());
}
