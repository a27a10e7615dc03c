// The yardstick of the start-up benchmark (scripts/misura-avvio.sh): a bare
// Qt Widgets window showing one label on the whole screen, built like the
// program.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel etichetta(QStringLiteral("Zelora"));
    etichetta.setAlignment(Qt::AlignCenter);
    // Without a window manager nobody else makes it full screen.
    etichetta.setGeometry(QGuiApplication::primaryScreen()->geometry());
    etichetta.showFullScreen();
    return app.exec();
}
