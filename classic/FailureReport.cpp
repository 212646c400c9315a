#include "FailureReport.h"

#include "platform/WhyNotRead.h"

#include <QCoreApplication>
#include <QMessageBox>

QString DescribeReadFailure(const std::string& path, const ReadResult& read) {
    const QString file = QString::fromLocal8Bit(path.c_str());
    if (!read.refusal.empty())
        return QStringLiteral("Cannot show \"%1\": %2.")
            .arg(file, QString::fromStdString(read.refusal));
    // The step's own path: the file that failed.
    return QStringLiteral("An error occurred while reading \"%1\": %2.")
        .arg(read.error ? QString::fromLocal8Bit(read.error->path.c_str()) : file,
             WhyNotRead(read.error));
}

void FailureReport::show(QWidget* parent, const std::string& path, const ReadResult& read) {
    if (box_ == nullptr) {
        box_ = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), QString(),
                               QMessageBox::Ok, parent);
        box_->setAttribute(Qt::WA_DeleteOnClose);
        // Not modal: a modal box would run a loop of its own inside the tick.
        box_->setWindowModality(Qt::NonModal);
    }
    box_->setText(DescribeReadFailure(path, read));
    box_->show();
}
