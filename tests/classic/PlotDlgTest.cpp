#include "classic/PlotDlg.h"
#include "classic/AboutDlg.h"
#include "classic/DialogBuilder.h"
#include "classic/IconPlacement.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"
#include "res/Resource.h"
#include "tests/app/BytesRead.h"
#include "tests/app/ModalWait.h"
#include "tests/app/TempDir.h"
#include "tests/app/Tick.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

namespace {

// A shown main dialog, set up as at start-up, with no file chosen.
struct ShownDialog {
    ShownDialog() {
        dialog->OnInitDialog();
        dialog->show();
    }
    QWidget* item(int id) const { return GetDlgItem(*dialog, id); }
    const RenderResult& drawn() const { return *dialog->plotView().drawn(); }
    std::unique_ptr<CPlotDlg> dialog = std::make_unique<CPlotDlg>();
};

TEST(PlotDlg, ControlsStandWhereTheTemplatePutsThemInTabOrder) {
    ShownDialog d;
    EXPECT_EQ(d.dialog->size(), QSize(581, 442));
    EXPECT_EQ(d.dialog->windowTitle(), "Korvane");
    struct Control {
        int id;
        QRect pixels;
        const char* text;
    };
    const Control controls[] = {
        {IDOK, {18, 11, 33, 23}, "OK"},     {IDCANCEL, {59, 11, 27, 23}, "Cancel"},
        {IDC_PLOT, {24, 39, 534, 392}, ""}, {IDC_OPEN, {485, 11, 31, 23}, "Open"},
        {IDC_PATH, {101, 11, 364, 23}, ""}, {IDC_PLUS, {531, 18, 30, 16}, "+"},
    };
    for (const auto& c : controls) {
        QWidget* widget = d.item(c.id);
        ASSERT_NE(widget, nullptr) << c.id;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.id;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
        }
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(push);
            option.rect = push->rect();
            const QRect room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            EXPECT_LE(push->fontMetrics().horizontalAdvance(c.text), room.width())
                << c.text << " shows whole";
        }
    }
    EXPECT_TRUE(qobject_cast<QPushButton*>(d.item(IDOK))->isDefault());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(d.item(IDC_PLUS))->isChecked());
    EXPECT_TRUE(qobject_cast<QLineEdit*>(d.item(IDC_PATH))->text().isEmpty());
    EXPECT_FALSE(d.dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(d.dialog->windowFlags() & Qt::WindowMinimizeButtonHint);

    // Tab goes through the tab stops in template order and wraps around.
    const int order[] = {IDOK, IDCANCEL, IDC_OPEN, IDC_PATH, IDC_PLUS, IDOK};
    d.dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.dialog.get()));
    d.item(IDOK)->setFocus();
    for (size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.item(order[i])) << order[i];
    }

    // Resizing moves and resizes nothing.
    d.dialog->resize(800, 600);
    EXPECT_EQ(d.item(IDC_PLOT)->geometry(), QRect(24, 39, 534, 392));
}

TEST(PlotDlg, EnterEndsWithOkAndEscWithCancel) {
    struct Case {
        int focus;
        int key;
        int result;
    };
    const Case cases[] = {{IDC_PATH, Qt::Key_Return, QDialog::Accepted},
                          {IDC_PLUS, Qt::Key_Enter, QDialog::Accepted},
                          {IDC_PATH, Qt::Key_Escape, QDialog::Rejected},
                          {IDOK, Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& tc : cases) {
        ShownDialog d;
        d.dialog->activateWindow();
        d.item(tc.focus)->setFocus();
        d.dialog->setResult(-1);
        QTest::keyClick(d.item(tc.focus), static_cast<Qt::Key>(tc.key));
        EXPECT_EQ(d.dialog->result(), tc.result) << tc.focus << " " << tc.key;
        EXPECT_FALSE(d.dialog->isVisible());
    }
}

TEST(PlotDlg, AboutOpensForEveryCommandItsMaskMatches) {
    ShownDialog d;
    const QList<QAction*> actions = d.dialog->systemMenu()->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text(), "&About Korvane...");

    struct Case {
        unsigned id;
        bool opensAbout;
    };
    const Case cases[] = {{0x0010, true},  {0x0015, true},  {0x001F, true},
                          {0x0020, false}, {0x0000, false}, {SC_MINIMIZE + 0x0010, false}};
    for (const auto& tc : cases) {
        const QString seen = ModalOpenedBy([&] { d.dialog->OnSysCommand(tc.id, 0); });
        EXPECT_EQ(seen, tc.opensAbout ? "About Korvane" : "") << tc.id;
    }
    // The menu entry goes the same way.
    EXPECT_EQ(ModalOpenedBy([&] { actions.back()->trigger(); }), "About Korvane");
    d.dialog->OnSysCommand(SC_CLOSE, 0);
    EXPECT_EQ(d.dialog->result(), QDialog::Rejected);
}

TEST(PlotDlg, AboutBoxShowsIconVersionAndOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Korvane");
    EXPECT_EQ(about.size(), QSize(353, 89));
    auto* ok = qobject_cast<QPushButton*>(GetDlgItem(about, IDOK));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    QStringList texts;
    for (auto* label : about.findChildren<QLabel*>())
        texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("<icon>"));
    EXPECT_TRUE(texts.contains("Korvane Version 1.0"));
    EXPECT_TRUE(texts.contains("<icon>"));
}

TEST(PlotDlg, TicksDrawTheChosenFileAndReadPlusEachTime) {
    ShownDialog d;
    PlotArea* plot = d.dialog->plotArea();
    Tick(*d.dialog);
    EXPECT_FALSE(plot->hasPicture()) << "no file chosen: \"Static\" stays";

    TempDir dir;
    d.dialog->AcceptChosenFile(dir.write("m.txt", "1 10 -1\n2 20 -2\n3 30 -3\n"));
    Tick(*d.dialog);
    ASSERT_TRUE(plot->hasPicture());
    const QImage shown = plot->grab().toImage();
    EXPECT_EQ(shown.pixel(70, 200), qRgb(255, 0, 0)) << "the frame's left edge";
    EXPECT_EQ(shown.pixel(460, 200), qRgb(255, 0, 0)) << "the frame's right edge";
    EXPECT_EQ(d.drawn().y.min, 1.0);

    qobject_cast<QCheckBox*>(d.item(IDC_PLUS))->setChecked(true);
    EXPECT_EQ(d.drawn().y.min, 1.0) << "takes effect at the next tick";
    Tick(*d.dialog, 7); // any timer message reloads
    EXPECT_EQ(d.drawn().y.min, 0.0);
}

TEST(PlotDlg, AReadUnderWayNeitherShowsAFileNoLongerChosenNorHoldsUpClosing) {
    TempDir dir;
    auto d = std::make_unique<ShownDialog>();
    d->dialog->AcceptChosenFile(dir.write("old.txt", "1 10 -1\n2 20 -2\n"));
    d->dialog->OnTimer(RELOAD_TIMER_ID);
    d->dialog->AcceptChosenFile(dir.write("new.txt", "x\n"));
    d->dialog->finishReading();
    EXPECT_FALSE(d->dialog->plotArea()->hasPicture());

    const std::string huge = dir.writeHuge("huge.txt");
    d->dialog->AcceptChosenFile(huge);
    const std::uint64_t before = BytesReadSoFar();
    d->dialog->OnTimer(RELOAD_TIMER_ID);
    d.reset();
    EXPECT_LT(BytesReadSoFar() - before, 4ULL << 30);
}

TEST(PlotDlg, TicksHoldBackAHalfWrittenLastRowWhileTheFileGrows) {
    ShownDialog d;
    TempDir dir;
    d.dialog->AcceptChosenFile(dir.write("m.txt", "1 10 -1\n2 20 -2\n3 3"));
    Tick(*d.dialog);
    EXPECT_EQ(d.drawn().dots.size(), 3u) << "the first tick of a path counts the last line";
    dir.write("m.txt", "1 10 -1\n2 20 -2\n3 30 -3\n4 4");
    Tick(*d.dialog);
    EXPECT_EQ(d.drawn().dots.size(), 3u) << "the file grew: \"4 4\" waits";
    Tick(*d.dialog);
    EXPECT_EQ(d.drawn().dots.size(), 4u) << "its size held for a tick: it counts";
}

// After a good read, reads that fail part-way with other points: the picture, its drawing
// and zoom stay with the good read.
TEST(PlotDlg, AFileThatKeepsFailingShowsOneReport) {
    ShownDialog d;
    TempDir dir;
    const ReadResult good = ReadWholeFile(dir.write("a.txt", "1 10 -1\n2 30 -3\n"), nullptr);
    int ticks = 0;
    d.dialog->setReloadFunction([&](const std::string&) {
        ReadResult failed = ReadWholeFile(dir.write("b.txt", "1 1e3 -9e2\n"), nullptr);
        failed.error = IoError{IoStep::Close, EIO, "/data/run 7.txt"};
        return ticks++ == 0 ? good : failed;
    });
    PlotArea& area = *d.dialog->plotArea();
    area.setSavePathChooser([&] { return QString::fromStdString(dir.file("p.svg")); });
    const auto svg = [&] {
        area.savePicture();
        QFile file(QString::fromStdString(dir.file("p.svg")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    Tick(*d.dialog);
    const QImage shown = area.picture();
    const QByteArray drawing = svg();
    ASSERT_TRUE(drawing.contains("<circle"));
    const RenderResult before = d.drawn();
    for (int i = 0; i < 3; ++i)
        Tick(*d.dialog);
    EXPECT_EQ(ticks, 4) << "the report does not stop the ticks";
    EXPECT_EQ(area.picture(), shown);
    EXPECT_EQ(svg(), drawing);
    d.dialog->plotView().zoomAt(QPoint(265, 185), 1);
    EXPECT_GT(d.dialog->plotView().choices().view->x.min, before.x.min)
        << "zoomed from what is shown";
    EXPECT_LT(d.dialog->plotView().choices().view->x.max, before.x.max);
    int boxes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        boxes += qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible();
    EXPECT_EQ(boxes, 1);
    const QMessageBox* box = d.dialog->failureReport().box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("/data/run 7.txt"));
    EXPECT_TRUE(box->text().contains("it could not be closed"));
    EXPECT_TRUE(box->text().contains(QString::fromLocal8Bit(std::strerror(EIO))));
}

// What is no measurement draws no point, and the window says why.
TEST(PlotDlg, AFileThatIsNoMeasurementShowsItsReasonAndNoPoint) {
    struct Case {
        std::string name, content;
        QString reason;
    };
    const Case cases[] = {
        {"run7.mpr", std::string("1 2 3\n\0\0\x01", 9),
         "not a measurement file (binary data of unknown layout)"},
        {"run7.txt", "\x89PNG\r\n\x1A\n", "not a measurement file (image: PNG)"},
        {"run7.csv", std::string("\x1F\x8B\x08\0", 4),
         "not a measurement file (compressed data: gzip)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownDialog d;
        TempDir dir;
        d.dialog->AcceptChosenFile(dir.write(c.name, c.content));
        Tick(*d.dialog);
        EXPECT_FALSE(d.dialog->plotArea()->hasPicture());
        const QMessageBox* box = d.dialog->failureReport().box();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().contains(c.reason)) << box->text().toStdString();
    }
}

TEST(PlotDlg, TicksGoOnWhileTheAboutBoxIsOpen) {
    ShownDialog d;
    int ticks = 0;
    d.dialog->setReloadFunction([&ticks](const std::string&) {
        ++ticks;
        return ReadResult();
    });
    WhenReady([&ticks] { return ticks >= 1; },
              [] {
                  if (QWidget* modal = QApplication::activeModalWidget())
                      modal->close();
              });
    d.dialog->OnSysCommand(IDM_ABOUTBOX, 0);
    EXPECT_GE(ticks, 1);
}

TEST(IconPlacement, CentresWithTruncatingDivisions) {
    struct Case {
        int client, expected;
    };
    for (const Case& tc : {Case{36, 2}, Case{31, 0}, Case{30, 0}, Case{29, -1}}) {
        const IconOrigin origin = CenteredIconOrigin(tc.client, tc.client, 32, 32);
        EXPECT_EQ(origin.x, tc.expected) << tc.client;
        EXPECT_EQ(origin.y, tc.expected) << tc.client;
    }
}

} // namespace
