// SPDX-License-Identifier: GPL-3.0-or-later
// Starts like the editor; with FORM_ONLY, like the editor showing its form
// and doing nothing else; built with neither, like the barest window on the
// same Qt modules. Says "shown" when the event loop first goes idle, and
// quits, or with --stay waits to be measured.
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
#ifdef FORM_ONLY
#include "ui_mainwindow.h"
#endif

int main(int argc, char *argv[])
{
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication app(argc, argv);
#if defined(EDITOR_WINDOW) || defined(FORM_ONLY)
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral(":/qm/qt_zh_CN.qm")))
        app.installTranslator(&qtTranslator);
#endif
#ifdef EDITOR_WINDOW
    MainWindow window;
#elif defined(FORM_ONLY)
    // The limit for this window: the same uic-built form, fonts and
    // resources, with no port list, status line or binding behind it.
    QMainWindow window;
    Ui::MainWindow form;
    form.setupUi(&window);
    window.resize(1000, 525);
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
