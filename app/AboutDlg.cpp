#include "AboutDlg.h"

#include "platform/AppIcon.h"
#include "platform/DialogBuilder.h"

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(MainFrameIcon());
    BuildDialog(*this, kAboutBox);
    setFixedSize(size());
}
