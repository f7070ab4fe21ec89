// The load dialog: what it shows, what it reads, and what it hands to LOAD.
#include "dlgload.h"
#include "modalscript.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSpacerItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {
const QByteArray kParamFile = "S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y"
                              "G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z";

template<typename T = QWidget>
T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

QString shownText(const QObject *o)
{
    if (auto *label = qobject_cast<const QLabel *>(o))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(o))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(o))
        return group->title();
    if (auto *browser = qobject_cast<const QTextBrowser *>(o))
        return browser->toPlainText();
    if (auto *edit = qobject_cast<const QLineEdit *>(o))
        return edit->text();
    return QString();
}

// The layout holding `o` (a widget or a layout) and its place in it.
std::pair<QString, int> placeOf(const QWidget &root, const QObject *o)
{
    for (const QLayout *layout : root.findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (item->widget() == o || item->layout() == o)
                return {layout->objectName(), i};
        }
    }
    return {};
}
}  // namespace

class tst_DlgLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void widgetTree_data();
    void widgetTree();
    void dialogProperties();
    void browse_data();
    void browse();
    void unreadableFile_data();
    void unreadableFile();
    void cancelledBrowseKeepsFirstFile();
    void bitKeepsTextAndStaysUnchecked();

private:
    QString writeFile(const QString &name, const QByteArray &content);
    void browseTo(DlgLoad &dlg, const QString &path, FileDialogSeen *seen = nullptr);

    QTemporaryDir m_dir;
};

void tst_DlgLoad::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The file dialog starts in "./": here, so the test can see it does.
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

QString tst_DlgLoad::writeFile(const QString &name, const QByteArray &content)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

void tst_DlgLoad::browseTo(DlgLoad &dlg, const QString &path, FileDialogSeen *seen)
{
    ModalScript script;
    script.then("QFileDialog", chooseFile(path, seen));
    child<QToolButton>(dlg, "toolButton")->click();
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
}

void tst_DlgLoad::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("file row") << "horizontalLayout_3"
                              << "QHBoxLayout"
                              << "verticalLayout" << 0 << "";
    QTest::newRow("name label") << "label"
                                << "QLabel"
                                << "horizontalLayout_3" << 0 << "filename：";
    QTest::newRow("path") << "lineEdit"
                          << "QLineEdit"
                          << "horizontalLayout_3" << 1 << "";
    QTest::newRow("browse") << "toolButton"
                            << "QToolButton"
                            << "horizontalLayout_3" << 2 << "browse";
    QTest::newRow("BIT") << "checkBox"
                         << "QCheckBox"
                         << "horizontalLayout_3" << 3 << "BIT";
    QTest::newRow("button row") << "horizontalLayout"
                                << "QHBoxLayout"
                                << "verticalLayout" << 1 << "";
    QTest::newRow("OK") << "pushButtonOK"
                        << "QPushButton"
                        << "horizontalLayout" << 1 << "OK";
    QTest::newRow("CANCEL") << "pushButton"
                            << "QPushButton"
                            << "horizontalLayout" << 2 << "CANCEL";
    QTest::newRow("file info") << "groupBox"
                               << "QGroupBox"
                               << "verticalLayout" << 2 << "file info";
    QTest::newRow("length row") << "horizontalLayout_4"
                                << "QHBoxLayout"
                                << "verticalLayout_2" << 0 << "";
    QTest::newRow("length") << "labelFileLength"
                            << "QLabel"
                            << "horizontalLayout_4" << 0 << "file length：0";
    QTest::newRow("preview row") << "horizontalLayout_5"
                                 << "QHBoxLayout"
                                 << "verticalLayout_2" << 1 << "";
    QTest::newRow("preview label") << "label_3"
                                   << "QLabel"
                                   << "horizontalLayout_5" << 0 << "Preview before 16 bytes of data：";
    QTest::newRow("preview") << "textBrowser"
                             << "QTextBrowser"
                             << "verticalLayout_2" << 2 << "";
}

void tst_DlgLoad::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, layout);
    QFETCH(int, index);
    QFETCH(QString, text);

    DlgLoad dlg;
    const QObject *o = dlg.findChild<QObject *>(name);
    QVERIFY(o);
    QCOMPARE(QString::fromLatin1(o->metaObject()->className()), className);
    QCOMPARE(placeOf(dlg, o), std::make_pair(layout, index));
    QCOMPARE(shownText(o), text);
}

void tst_DlgLoad::dialogProperties()
{
    DlgLoad dlg;
    QCOMPARE(dlg.objectName(), QStringLiteral("DlgLoad"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("加载文件"));
    QCOMPARE(dlg.size(), QSize(388, 240));
    QCOMPARE(dlg.minimumSize(), QSize(320, 240));
    QCOMPARE(dlg.maximumSize(), QSize(400, 300));
    QCOMPARE(dlg.layout()->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(child(dlg, "groupBox")->layout()->objectName(), QStringLiteral("verticalLayout_2"));

    auto *bit = child<QCheckBox>(dlg, "checkBox");
    QVERIFY(bit->isEnabled());
    QVERIFY(!bit->isCheckable());
    const QString tip = QStringLiteral("用于打开二进制文件");
    QCOMPARE(bit->toolTip(), tip);
    QCOMPARE(bit->statusTip(), tip);
    QCOMPARE(bit->whatsThis(), tip);
    QCOMPARE(child(dlg, "textBrowser")->contextMenuPolicy(), Qt::NoContextMenu);

    QStringList spacers;
    for (const QLayout *layout : dlg.findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem()) {
                spacers << layout->objectName() + u'/' + QString::number(i);
                QCOMPARE(spacer->sizeHint(), QSize(40, 20));
                QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
                QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
            }
        }
    }
    spacers.sort();
    QCOMPARE(spacers,
             (QStringList{"horizontalLayout/0", "horizontalLayout/3", "horizontalLayout_4/1", "horizontalLayout_5/1"}));

    // A language change puts the form's texts back.
    child<QToolButton>(dlg, "toolButton")->setText(QStringLiteral("garbled"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dlg, &change);
    QCOMPARE(child<QToolButton>(dlg, "toolButton")->text(), QStringLiteral("browse"));
}

void tst_DlgLoad::browse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("context");

    const QString file = QString::fromLatin1(kParamFile);
    QTest::newRow("parameter file") << kParamFile << "文件长度：162B" << file.left(16) << file;
    QTest::newRow("hex dump") << QByteArray("53 30 30") << "文件长度：8B"
                              << "S00"
                              << "S00";
    QTest::newRow("hex token above FF") << QByteArray("1FF 30") << "文件长度：6B"
                                        << "1FF 30"
                                        << "1FF 30";
    QTest::newRow("empty file") << QByteArray() << "文件长度：0B"
                                << ""
                                << "";
}

void tst_DlgLoad::browse()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, length);
    QFETCH(QString, preview);
    QFETCH(QString, context);

    const QString path = writeFile(QStringLiteral("chosen.txt"), content);
    QVERIFY(!path.isEmpty());
    DlgLoad dlg;
    FileDialogSeen seen;
    browseTo(dlg, path, &seen);

    QCOMPARE(seen.title, QStringLiteral("打开文件"));
    QCOMPARE(seen.directory, QDir::currentPath());
    QCOMPARE(seen.filters, (QStringList{"所有文件 (*.*)", "文本文件 (*.txt *.dat)"}));
    QCOMPARE(child<QLineEdit>(dlg, "lineEdit")->text(), path);
    QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), length);
    QCOMPARE(child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), preview);
    QCOMPARE(dlg.getContext(), context);
}

void tst_DlgLoad::unreadableFile_data()
{
    // The file dialog itself refuses folders and missing files, so the file
    // goes astray between being chosen and being read.
    QTest::addColumn<bool>("becomesFolder");
    QTest::newRow("a folder by then") << true;
    QTest::newRow("gone by then") << false;
}

void tst_DlgLoad::unreadableFile()
{
    QFETCH(bool, becomesFolder);
    const QString good = writeFile(QStringLiteral("good.txt"), kParamFile);
    const QString astray = writeFile(QStringLiteral("astray.txt"), kParamFile);
    QVERIFY(!good.isEmpty() && !astray.isEmpty());

    DlgLoad dlg;
    browseTo(dlg, good);
    MessageSeen box;
    ModalScript script;
    script.then("QFileDialog", [&](QWidget *w) {
        chooseFile(astray)(w);
        QFile::remove(astray);
        if (becomesFolder)
            QDir().mkdir(astray);
    });
    script.then("QMessageBox", press(QMessageBox::Ok, &box));
    child<QToolButton>(dlg, "toolButton")->click();
    QDir().rmdir(astray);

    QVERIFY(script.done());
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("不能读取指定的文件"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &dlg);
    QCOMPARE(child<QLineEdit>(dlg, "lineEdit")->text(), QString());
    QCOMPARE(dlg.getContext(), QString());
    // What the last good file showed stays on show.
    QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), QStringLiteral("文件长度：162B"));
    QCOMPARE(child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), QString::fromLatin1(kParamFile.left(16)));
}

void tst_DlgLoad::cancelledBrowseKeepsFirstFile()
{
    const QString path = writeFile(QStringLiteral("first.txt"), "53 30 30");
    QVERIFY(!path.isEmpty());
    DlgLoad dlg;
    browseTo(dlg, path);
    browseTo(dlg, QString());
    QCOMPARE(child<QLineEdit>(dlg, "lineEdit")->text(), path);
    QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), QStringLiteral("文件长度：8B"));
    QCOMPARE(child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), QStringLiteral("S00"));
    QCOMPARE(dlg.getContext(), QStringLiteral("S00"));
}

void tst_DlgLoad::bitKeepsTextAndStaysUnchecked()
{
    DlgLoad dlg;
    auto *bit = child<QCheckBox>(dlg, "checkBox");
    bit->click();
    QVERIFY(!bit->isChecked());
    QCOMPARE(dlg.getContext(), QString());

    // The dump was converted on reading; converting again must not touch it.
    const QString path = writeFile(QStringLiteral("dump.txt"), "53 30 30");
    QVERIFY(!path.isEmpty());
    browseTo(dlg, path);
    bit->click();
    QVERIFY(!bit->isChecked());
    QCOMPARE(dlg.getContext(), QStringLiteral("S00"));
    QCOMPARE(child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), QStringLiteral("S00"));
}

QTEST_MAIN(tst_DlgLoad)
#include "tst_dlgload.moc"
