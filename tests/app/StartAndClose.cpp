#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>

// Linked into the real program: once the application exists, closes the main window (or the
// classic dialog) as a user would, as soon as its first reload tick has run, so a whole start,
// run and end can be checked.
namespace {
class CloseAfterFirstTick : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        const bool main = qobject_cast<QDialog*>(watched) || qobject_cast<QMainWindow*>(watched);
        if (event->type() == QEvent::Timer && main && window->isVisible()) {
            // After the tick itself has been handled.
            QTimer::singleShot(0, window, [window] {
                std::puts("closing the main window");
                window->close();
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
