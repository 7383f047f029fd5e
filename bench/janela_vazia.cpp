// A bare Qt Widgets window: the yardstick for the station's start-up time.
// Logs one line when the window is first shown on the screen.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication Aplicacao(argc, argv);
    QWidget Janela;
    Janela.resize(286, 338);
    Janela.show();
    QTimer::singleShot(0, [] {
        qInfo("window shown");
        QApplication::quit();
    });
    return QApplication::exec();
}
