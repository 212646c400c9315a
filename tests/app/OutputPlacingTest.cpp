#include "ProgramRun.h"
#include "SmallMeasurement.h"
#include "TempDir.h"
#include "platform/PictureOutput.h"

#include <QImage>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> withoutTemporary(std::vector<std::string> contents) {
    std::erase_if(contents,
                  [](const std::string& entry) { return entry.find(".kv-") != entry.npos; });
    return contents;
}

// Whatever takes the output's name between the checks and the placing is judged as if it had
// been there all along, and nothing but the temporary file is lost.
TEST(OutputPlacing, DecidesWhenThePictureIsPutInPlace) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const std::string out = d.file("out.png");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(0xff336699);
    const std::string theirs = d.write("theirs.txt", "someone's text");
    struct Case {
        const char* name;
        std::function<void()> swap;
        std::string reason; // empty: written
    };
    const Case cases[] = {
        {"a link to the measurement", [&] { fs::remove(out), fs::create_symlink(m, out); },
         "not a regular file"},
        {"the measurement itself", [&] { fs::remove(out), fs::create_hard_link(m, out); },
         "it is the measurement file"},
        {"a text file", [&] { fs::copy_file(theirs, out, fs::copy_options::overwrite_existing); },
         "it exists and is not a PNG picture Korvane wrote"},
        {"a dangling link", [&] { fs::remove(out), fs::create_symlink(d.file("gone.png"), out); },
         "not a regular file"},
        {"nothing", [&] { fs::remove(out); }, ""},
    };
    for (const Case& tc : cases) {
        fs::remove(out);
        ASSERT_EQ(WritePicture(picture, out, std::nullopt), std::nullopt);
        ASSERT_EQ(WhyNotPictureOutput(out, IdentityOfPath(m)), std::nullopt);
        std::vector<std::string> swapped;
        const auto why = WritePicture(picture, out, IdentityOfPath(m), {}, [&] {
            tc.swap();
            swapped = withoutTemporary(folderContents(d));
        });
        EXPECT_EQ(why.value_or("").toStdString(), tc.reason) << tc.name;
        const auto after = folderContents(d);
        EXPECT_EQ(withoutTemporary(after), after) << tc.name << ": no temporary file left";
        if (tc.reason.empty())
            EXPECT_EQ(QImage(QString::fromStdString(out)), picture);
        else
            EXPECT_EQ(after, swapped) << tc.name << ": all as the swap left it";
    }
}

// On a full disk the old output stays whole, no temporary file is left, and one line gives
// the system's reason. The disk is a small tmpfs in a mount namespace of the test's own.
TEST(OutputPlacing, AFullDiskKeepsTheOldFileAndSaysWhy) {
    TempDir d;
    std::string rows;
    for (int i = 0; i < 3000; ++i)
        rows += std::to_string(1e5 / (1 + i)) + " " + std::to_string(10 + i % 97) + " " +
                std::to_string(-(i % 89)) + "\n";
    const std::string m = d.write("m.txt", rows);
    const std::string small = d.write("small.txt", kMeasurement);
    const std::string disk = d.file("disk");
    fs::create_directory(disk);
    struct Case {
        std::string name;
        std::vector<std::string> args; // the output's name goes after the first
    };
    const Case cases[] = {
        {"fig.png", {"--snapshot", "--size", "4000x3000"}},
        {"fig.pdf", {"--snapshot"}},
        {"points.csv", {"--export"}},
    };
    for (const Case& tc : cases) {
        // The old file small, the new one larger than the disk.
        const auto command = [&tc](const std::string& out, const std::string& file, bool large) {
            std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY " KORVANE_EXECUTABLE " " +
                               tc.args[0] + " '" + out + "'";
            for (size_t i = 1; large && i < tc.args.size(); ++i)
                line += " " + tc.args[i];
            return line + " '" + file + "'";
        };
        const std::string old = d.file("old-" + tc.name), full = disk + "/" + tc.name;
        ASSERT_EQ(std::system(command(old, small, false).c_str()), 0) << tc.name;
        d.write("try.sh", "mount -t tmpfs -o size=64k tmpfs '" + disk + "' || exit 77\n" + "cp '" +
                              old + "' '" + full + "'\n" + command(full, m, true) + " 2>'" +
                              d.file("err") + "'\necho $? >'" + d.file("rc") + "'\ncmp -s '" + old +
                              "' '" + full + "' && ls -A '" + disk + "' >'" + d.file("left") +
                              "'\n");
        const int ran = std::system(("unshare -rm sh '" + d.file("try.sh") + "'").c_str());
        if (!WIFEXITED(ran) || WEXITSTATUS(ran) == 77)
            GTEST_SKIP() << "no tmpfs can be mounted here";
        EXPECT_EQ(readWhole(d.file("rc")), "1\n") << tc.name;
        EXPECT_EQ(readWhole(d.file("err")),
                  "korvane: cannot write " + full + ": No space left on device\n");
        EXPECT_EQ(readWhole(d.file("left")), tc.name + "\n") << "the old file alone, whole";
    }
}

} // namespace
