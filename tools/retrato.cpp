// Saves a PNG of one window of the X display, or of the whole screen, so the
// end-to-end cases leave a picture of what the cashier saw.
// Usage: retrato FILE.png [WINDOW_ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: retrato FILE.png [WINDOW_ID]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication App(argc, argv);
    bool Numero = true;
    const WId Janela = argc == 3 ? QByteArray(argv[2]).toULongLong(&Numero, 0) : 0;
    if (!Numero) {
        std::fprintf(stderr, "retrato: '%s' is not a window id\n", argv[2]);
        return 2;
    }
    const QPixmap Imagem = QGuiApplication::primaryScreen()->grabWindow(Janela);
    if (Imagem.isNull() || !Imagem.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "retrato: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
