// Starts like the editor (or, built without EDITOR_WINDOW, like the barest
// window on the same Qt modules), says "shown" when the event loop first
// goes idle, and quits, or with --stay waits to be measured.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSerialPort>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>

#ifdef EDITOR_WINDOW
#include "mainwindow.h"
#endif

int main(int argc, char *argv[])
{
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication app(argc, argv);
#ifdef EDITOR_WINDOW
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral(":/qm/qt_zh_CN.qm")))
        app.installTranslator(&qtTranslator);
    MainWindow window;
#else
    // Keep the serial module linked in, as it is in the editor.
    QSerialPort unused;
    QMainWindow window;
    window.resize(1000, 525);
#ifdef ONE_LABEL
    // Any text at all makes Qt load the system's font configuration.
    QLabel label(QStringLiteral("串口未打开 | 发送：0B | 接收：0B"));
    window.setCentralWidget(&label);
#endif
#endif
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        if (!stay)
            app.quit();
    });
    return app.exec();
}
