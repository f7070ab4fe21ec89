#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the data folder (backups live under it); j3kctl uses the same
    // name, so both find the same backups.
    QCoreApplication::setApplicationName(QStringLiteral("j3k-editor"));

    // Qt's own texts (dialog buttons, the file dialog) in Chinese, to match
    // the editor's messages. A missing translation just leaves them English.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral(":/qm/qt_zh_CN.qm")))
        app.installTranslator(&qtTranslator);

    MainWindow window;
    window.show();
    return app.exec();
}
