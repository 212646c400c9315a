#include "AboutDlg.h"

#include "DialogBuilder.h"
#include "platform/AppIcon.h"

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(MainFrameIcon());
    BuildDialog(*this, kAboutBox);
    setFixedSize(size());
}
