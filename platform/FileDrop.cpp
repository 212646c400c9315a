#include "FileDrop.h"

#include <QMimeData>

#include <optional>

namespace {

std::optional<Qt::DropAction> harmlessAction(const QDropEvent& event) {
    if (event.proposedAction() == Qt::CopyAction || event.proposedAction() == Qt::LinkAction)
        return event.proposedAction();
    for (Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction})
        if (event.possibleActions() & action)
            return action;
    return std::nullopt;
}

} // namespace

std::string DroppedPath(const QUrl& url) {
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

bool AcceptAsCopyOrLink(QDropEvent& event) {
    const auto action = harmlessAction(event);
    const QList<QUrl> urls = event.mimeData()->urls();
    if (!action || urls.isEmpty() || !urls.front().isLocalFile()) {
        event.ignore();
        return false;
    }
    event.setDropAction(*action);
    event.accept();
    return true;
}
