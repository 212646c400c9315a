#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>

// Linked into the real program: once the application exists, closes the main dialog as a
// user would, as soon as its first reload tick has run, so a whole start, run and end can be
// checked.
namespace {
class CloseAfterFirstTick : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Timer && dialog != nullptr && dialog->isVisible()) {
            // After the tick itself has been handled.
            QTimer::singleShot(0, dialog, [dialog] {
                std::puts("closing the main dialog");
                dialog->reject();
            });
            qApp->removeEventFilter(this);
        }
        return false;
    }
};

void closeMainDialogAfterFirstTick() {
    qApp->installEventFilter(new CloseAfterFirstTick(qApp));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeMainDialogAfterFirstTick)
