// The toolkit's own start, with nothing of Korvane: what bench/processes.sh holds the
// program's start-up against. Built twice: with KORVANE_GUI_START it starts the GUI
// application off screen and writes one line of text as a PNG, as a snapshot must at least.
#ifdef KORVANE_GUI_START
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#else
#include <QCoreApplication>
#endif

#include <cstdio>

int main(int argc, char** argv) {
#ifdef KORVANE_GUI_START
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        painter.drawText(20, 20, QStringLiteral("Z' / Ω"));
    }
    return argc > 1 && image.save(QString::fromLocal8Bit(argv[1]), "png") ? 0 : 1;
#else
    QCoreApplication application(argc, argv);
    std::puts("started");
    return 0;
#endif
}
