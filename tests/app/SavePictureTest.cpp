#include "TempDir.h"
#include "app/MainWindow.h"
#include "app/PictureNames.h"
#include "app/SavePictureDialog.h"
#include "platform/PlotArea.h"

#include <QComboBox>
#include <QImage>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

TEST(PictureNames, BesideTheDataNamedAfterItAndTheDiagramAndNeverTaken) {
    EXPECT_EQ(SuggestedPicturePath("/data/run7.DTA", "nyquist", "pdf"), "/data/run7-nyquist.pdf");
    EXPECT_EQ(SuggestedPicturePath("/data/cell.2.txt", "bode", "png"), "/data/cell.2-bode.png");
    const QStringList taken = {"/d/a.png", "/d/a-2.png"};
    const auto isTaken = [&taken](const QString& p) { return taken.contains(p); };
    EXPECT_EQ(FreeName("/d/a.png", isTaken), "/d/a-3.png");
    EXPECT_EQ(FreeName("/d/b.png", isTaken), "/d/b.png");
}

TEST(SavePictureDialog, OffersAnotherNameAtOnceForAFileKorvaneDidNotWrite) {
    TempDir dir;
    const QString foreign = QString::fromStdString(dir.write("run7-nyquist.png", "not ours"));
    SavePictureDialog dialog(nullptr, PictureChoice{}, foreign);
    EXPECT_EQ(dialog.path(), QString::fromStdString(dir.file("run7-nyquist-2.png")));
    EXPECT_TRUE(dialog.note().startsWith("run7-nyquist.png is kept: "))
        << dialog.note().toStdString();

    // Centimetres describe the same picture as its pixels at its dpi.
    dialog.findChild<QComboBox*>()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.choice().inCm);
    EXPECT_EQ(dialog.choice().widthPx, 534);
    EXPECT_EQ(dialog.choice().heightPx, 392);
}

TEST(MainWindow, SavePictureWritesTheChosenSizeAndRemembersIt) {
    TempDir dir;
    const std::string data = dir.write("run7.txt", "1000 10 -1\n100 12 -3\n10 15 -2\n");
    const QString settings = QString::fromStdString(dir.file("k.conf"));
    PictureChoice chosen;
    chosen.widthPx = 800;
    chosen.heightPx = 600;
    chosen.dpi = 300;
    chosen.ending = "png";
    QString suggested;
    {
        MainWindow window(std::make_unique<QSettings>(settings, QSettings::IniFormat));
        window.resize(700, 500);
        window.show();
        window.openFile(data);
        window.finishReading();
        window.setPictureAsker([&](const PictureChoice&, const QString& offered) {
            suggested = offered;
            return std::optional(std::pair(chosen, QString::fromStdString(dir.file("fig.png"))));
        });
        window.command("savePicture")->trigger();
    }
    EXPECT_EQ(suggested, QString::fromStdString(dir.file("run7-nyquist.pdf")));
    const QImage saved(QString::fromStdString(dir.file("fig.png")));
    EXPECT_EQ(saved.size(), QSize(800, 600));
    EXPECT_EQ(saved.dotsPerMeterX(), 11811) << "300 dpi recorded";
    MainWindow again(std::make_unique<QSettings>(settings, QSettings::IniFormat));
    EXPECT_EQ(again.settings().picture, chosen);
}

} // namespace
