#include "FailureReport.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstring>

QString DescribeFileFailure(const FileFailure& failure) {
    if (!failure.reason.empty())
        return QStringLiteral("Cannot show \"%1\": %2.")
            .arg(QString::fromLocal8Bit(failure.fileName.c_str()),
                 QString::fromStdString(failure.reason));
    QString what;
    switch (failure.cause) {
    case kCauseBadSeek:
        what = QStringLiteral("its length could not be measured");
        break;
    case kCauseGeneric:
        what = QStringLiteral("a line could not be read");
        break;
    case kCauseDiskFull:
        what = QStringLiteral("it could not be closed");
        break;
    default:
        what = QStringLiteral("the file layer failed with cause %1").arg(failure.cause);
        break;
    }
    return QStringLiteral("An error occurred while reading \"%1\": %2 (%3).")
        .arg(QString::fromLocal8Bit(failure.fileName.c_str()), what,
             QString::fromLocal8Bit(std::strerror(failure.osError)));
}

void FailureReport::show(QWidget* parent, const FileFailure& failure) {
    if (box_ == nullptr) {
        box_ = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), QString(),
                               QMessageBox::Ok, parent);
        box_->setAttribute(Qt::WA_DeleteOnClose);
        // Not modal: a modal box would run a loop of its own inside the tick.
        box_->setWindowModality(Qt::NonModal);
    }
    box_->setText(DescribeFileFailure(failure));
    box_->show();
}
