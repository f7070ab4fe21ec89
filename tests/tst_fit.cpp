// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the user is shown fits the widget it is drawn in: nothing cut
// off, in either language, at any scale factor the environment sets.
#include "dlgchanges.h"
#include "dlgload.h"
#include "language.h"
#include "paramdocument.h"
#include "transmitterreview.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QUndoStack>
#include <QXmlStreamReader>

namespace {

// How wide `text` is drawn in `w`: rich text as its document lays it out.
int textWidth(const QWidget *w, const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return w->fontMetrics().horizontalAdvance(text);
    QTextDocument doc;
    doc.setDefaultFont(w->font());
    doc.setDocumentMargin(0);
    doc.setHtml(text);
    return qCeil(doc.idealWidth());
}

// The room a widget gives its text, and the width the text needs; 0 and 0
// for widgets that show no text of their own.
std::pair<int, int> roomAndNeed(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        // A wrapped text may take as many lines as the label has height for;
        // then only its widest word must fit.
        if (!label->wordWrap() || label->heightForWidth(label->width()) > label->height())
            return {room, textWidth(label, label->text())};
        int widest = 0;
        for (const QString &word : label->text().split(u' '))
            widest = std::max(widest, textWidth(label, word));
        return {room, widest};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return {button->width(), button->sizeHint().width()};
    if (auto *box = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        const QRect field
            = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        int widest = 0;
        // A path typed into the port box scrolls there, as in any text field.
        for (const QString &item : itemsOf(box))
            if (!box->isEditable() || !item.startsWith(u'/'))
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(item));
        // The item is drawn, or edited, a couple of pixels in from each side.
        return {field.width() - 4, widest};
    }
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) {
        QStringList ends;  // the form's spin boxes have neither prefix nor suffix
        if (auto *s = qobject_cast<QSpinBox *>(spin))
            ends << s->locale().toString(s->minimum()) << s->locale().toString(s->maximum());
        if (auto *d = qobject_cast<QDoubleSpinBox *>(spin))
            ends << d->locale().toString(d->minimum(), 'f', d->decimals())
                 << d->locale().toString(d->maximum(), 'f', d->decimals());
        const QLineEdit *edit = spin->findChild<QLineEdit *>();
        int widest = 0;
        for (const QString &text : ends)
            widest = std::max(widest, edit->fontMetrics().horizontalAdvance(text));
        // QLineEdit keeps 2 pixels clear on each side, and 1 for the cursor.
        return {edit->contentsRect().width() - 5, widest};
    }
    return {0, 0};
}

// Every label's, button's and group's text, and the tab and window titles.
QStringList textsOf(const QWidget &window)
{
    QStringList shown{window.windowTitle()};
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w))
            shown << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            shown << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            shown << group->title();
        else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            shown << tabs->tabText(0) << tabs->tabText(1);
    }
    return shown;
}

// What each combo box shows, and the port list whole.
QStringList valuesOf(const QWidget &window)
{
    QStringList values = itemsOf(child<QComboBox>(window, "comboBoxComm"));
    for (QComboBox *box : window.findChildren<QComboBox *>())
        values << box->objectName() + u'=' + box->currentText();
    return values;
}

// The widgets on either tab of `w`, and on the dialogs over it, whose text
// does not fit, as "name: needs N, has M"; and the backups folder, deeper
// than the dialog is wide, if its tooltip does not show it whole.
QStringList misfits(MainWindow &w)
{
    // The review of changes as CHANGES opens it, built in the language of the moment.
    w.findChild<TransmitterReview *>()->refresh();
    auto *document = w.findChild<ParamDocument *>();
    DlgChanges changes(
        *document, w.findChild<QUndoStack *>(), [](const QString &, const QString &, const QString &) { return false; },
        &w);
    changes.show();
    QStringList found;
    const QString folder = QDir::toNativeSeparators(document->backups().folder());
    if (child<QLabel>(changes, "backupsLabel")->toolTip() != folder)
        found << QStringLiteral("backupsLabel: the tooltip is not %1").arg(folder);
    auto *tabs = child<QTabWidget>(w, "tabWidget_2");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget *widget : w.findChildren<QWidget *>()) {
            const auto [room, need] = roomAndNeed(widget);
            if (widget->isVisible() && need > room)
                found << QStringLiteral("%1: needs %2, has %3").arg(widget->objectName()).arg(need).arg(room);
        }
    }
    tabs->setCurrentIndex(0);
    found.removeDuplicates();
    for (const QString &misfit : std::as_const(found))
        qWarning("%s", qPrintable(misfit));
    return found;
}

}  // namespace

class tst_Fit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }

    void everyTextFitsInBothLanguages()
    {
        setLanguage(Language::Chinese);
        MainWindow w;
        DlgLoad dlg(&w);  // a child of the window, walked with it
        w.show();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // What the transmitter holds, for the review to list what differs from it.
        openVirtualTx(w);
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(child<QLabel>(w, "secLabel")->text(), TransmitterReview::tr("same as the transmitter"));
        button(w, "pushButtonOpen")->click();  // closed, the review keeps what was read
        // Every combo box away from its start item, to its last.
        for (QComboBox *box : w.findChildren<QComboBox *>())
            box->setCurrentIndex(box->count() - 1);
#ifdef J3K_HAVE_PTY
        // Open on a port whose path is wider than the status line. Not under
        // the deep home: Qt names the port's lock file after the whole path.
        PtyPair line;
        QTemporaryDir dev;
        const QString port = dev.filePath(QStringLiteral("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0-").repeated(3));
        QVERIFY(QFile::link(line.slavePath(), port));
        choosePort(w, port);
        button(w, "pushButtonOpen")->click();
#else
        // Windows names its ports COM1, COM2…: none is longer than VIRTUAL-TX.
        openVirtualTx(w);
#endif
        const QStringList values = valuesOf(w);
        QCOMPARE(misfits(w), QStringList());

        // At run time: only the texts change, Qt's own buttons' too.
        setLanguage(Language::English);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(valuesOf(w), values);
        QCOMPARE(misfits(w), QStringList());
        // No Chinese character, full-width colon or bracket is left.
        static const QRegularExpression chineseOrWide(QStringLiteral("[\\x{2E80}-\\x{FFEF}]"));
        QCOMPARE(textsOf(w).filter(chineseOrWide), QStringList());

        // However long the panel's note, the port's state and counts stay whole.
        child<QLabel>(w, "secLabel")
            ->setText(TransmitterReview::tr("not all read") + QStringLiteral("; x").repeated(200));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const auto [room, need] = roomAndNeed(child<QLabel>(w, "fstLabel"));
        QVERIFY2(need <= room, qPrintable(QStringLiteral("fstLabel: needs %1, has %2").arg(need).arg(room)));
    }

    // Every text of the editor, in either language, in the font it carries:
    // a character that font lacked would come from whatever font the system
    // has, with another look and another width.
    void everyTextHasItsGlyphs()
    {
        MainWindow w;
        QCOMPARE(QFontInfo(w.font()).family(), QStringLiteral("WenQuanYi Micro Hei J3K"));
        const QRawFont font = QRawFont::fromFont(w.font());
        QString missing;
        for (const char *name : {"/j3k_en.ts", "/j3k_zh_CN.ts"}) {
            QFile ts(QStringLiteral(J3K_TRANSLATIONS) + QLatin1String(name));
            QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(ts.fileName()));
            QXmlStreamReader xml(&ts);
            while (!xml.atEnd()) {
                xml.readNext();
                for (const QChar c : xml.text()) {
                    if (c.isPrint() && !c.isSpace() && !font.supportsCharacter(c) && !missing.contains(c))
                        missing += c;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        QCOMPARE(missing, QString());
    }
};

QTEST_MAIN(tst_Fit)
#include "tst_fit.moc"
