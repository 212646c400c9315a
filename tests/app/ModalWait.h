#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Waits as QTRY_VERIFY does, but inside whatever event loop runs meanwhile (a modal box's
// too): checks `ready` every few milliseconds and runs `then` once it holds, or after ten
// seconds, so a broken test fails instead of hanging.
template <typename Ready, typename Then> void WhenReady(Ready ready, Then then) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout,
                     [poll, ready, then, deadline = QDeadlineTimer(10000)]() mutable {
                         if (!ready() && !deadline.hasExpired())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         then();
                     });
    poll->start(10);
}

// Runs `action`, which may open a modal box, closes that box as soon as it is up, and tells
// its title ("" when none opened). `look` sees the box first.
template <typename Action, typename Look> QString ModalOpenedBy(Action action, Look look) {
    QString seen;
    bool looked = false;
    // A zero timer fires in the first loop that runs: the box's, or the wait below.
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->windowTitle();
            look(modal);
            modal->close();
        }
        looked = true;
    });
    action();
    EXPECT_TRUE(QTest::qWaitFor([&looked] { return looked; }));
    return seen;
}

template <typename Action> QString ModalOpenedBy(Action action) {
    return ModalOpenedBy(action, [](QWidget*) {});
}
