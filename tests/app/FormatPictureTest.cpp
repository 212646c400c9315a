#include "TempDir.h"
#include "app/Snapshot.h"
#include "tests/measurement/FormatFixtures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The picture of every format equals, pixel for pixel, the picture of a plain three-column
// file holding the same measurements (f, Z', Z''), in either diagram. The classic picture
// shows values alone; the modern one also colours the sweeps that formats mark.
TEST(FormatPicture, EveryFormatDrawsThePictureOfItsPlainFile) {
    TempDir dir;
    const struct { bool plus, bode; } looks[] = {{false, false}, {true, false}, {false, true}};
    for (const auto [plus, bode] : looks) {
        const std::string plainPng = dir.file("plain.png");
        ASSERT_FALSE(WriteSnapshot(dir.write("plain.txt", fixtures::Plain()), plainPng, plus,
                                   QSize(534, 392), false, bode, {true}));
        const QImage plain(QString::fromStdString(plainPng));
        ASSERT_FALSE(plain.isNull());
        for (const auto& file : fixtures::EveryFormat()) {
            SCOPED_TRACE(std::string(file.name) + (plus ? " with +" : "") + (bode ? " Bode" : ""));
            const std::string png = dir.file(std::string(file.name) + ".png");
            ASSERT_FALSE(WriteSnapshot(dir.write(file.name, file.content), png, plus,
                                       QSize(534, 392), false, bode, {true}));
            EXPECT_EQ(QImage(QString::fromStdString(png)), plain);
        }
    }
}

} // namespace
