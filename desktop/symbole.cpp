// Renders the program icon saldino.svg into the PNG sizes of the icon theme:
// ZIEL/<N>x<N>/apps/saldino.png for every size N given.
// Usage: saldino-symbole SALDINO.SVG ZIEL N...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("Aufruf: saldino-symbole SALDINO.SVG ZIEL GROESSE...\n", stderr);
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "saldino-symbole: %s ist kein gültiges SVG\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int groesse = QByteArray(argv[i]).toInt();
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        svg.render(&maler);
        maler.end();
        const QString ordner =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(groesse);
        if (!QDir().mkpath(ordner) || !bild.save(ordner + QStringLiteral("/saldino.png"))) {
            std::fprintf(stderr, "saldino-symbole: %s kann nicht geschrieben werden\n",
                         qPrintable(ordner));
            return 1;
        }
    }
    return 0;
}
