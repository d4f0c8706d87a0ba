// The program in English: the main window and every dialog, offscreen, show
// no text that is still one of the German source texts (labels, buttons,
// menus, group titles, tooltips, accessible names and descriptions).

#include "app/translation.h"
#include "support/mainwindowfixture.h"
#include "support/tsfile.h"

#include "support/everywindow.h"

#include "platform/qtplatform.h"

#include <QComboBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// The German sources that English translates otherwise, as patterns: a
// placeholder stands for any text.
QList<QRegularExpression> germanSources()
{
    QList<QRegularExpression> patterns;
    for (const TsMessage& message :
         readTsFile(QStringLiteral(FENDRIMO_SOURCE_DIR "/translations/fendrimo_en.ts"))) {
        // A word that is the same in both languages ("OK", "Fendrimo") is no sign.
        if (message.translation == message.source || message.source.size() < 3)
            continue;
        QString pattern = QRegularExpression::escape(QString(message.source).remove(u'&'));
        pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
        patterns << QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"),
                                       QRegularExpression::DotMatchesEverythingOption);
    }
    return patterns;
}

QStringList textsOf(QObject* object)
{
    QStringList texts;
    for (const char* property :
         {"text", "title", "windowTitle", "toolTip", "accessibleName", "accessibleDescription"})
        texts << object->property(property).toString();
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto* table = qobject_cast<QTableWidget*>(object)) {
        for (int i = 0; i < table->columnCount(); ++i)
            texts << table->model()->headerData(i, Qt::Horizontal).toString();
    }
    return texts;
}

// Every text of root and its children that is still German, with where it is.
QStringList germanIn(QObject* root, const QList<QRegularExpression>& german)
{
    QStringList found;
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : std::as_const(objects)) {
        for (QString text : textsOf(object)) {
            text.remove(u'&');
            for (const QRegularExpression& pattern : german) {
                if (!text.isEmpty() && pattern.match(text).hasMatch()) {
                    found << QStringLiteral("%1 (%2): \"%3\"")
                                 .arg(object->objectName(),
                                      QString::fromLatin1(object->metaObject()->className()), text);
                    break;
                }
            }
        }
    }
    return found;
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { useInterfaceLanguage(QStringLiteral("de")); }
    void windowsSpeakEnglish_data();
    void windowsSpeakEnglish();
    void messageBoxSpeaksEnglish();

private:
    QList<QRegularExpression> m_german;
};

void TestEnglish::initTestCase()
{
    m_german = germanSources();
    QVERIFY(m_german.size() > 300);
    useInterfaceLanguage(QStringLiteral("en"));
    QCOMPARE(interfaceLanguageInUse(), QStringLiteral("en"));
}

void TestEnglish::windowsSpeakEnglish_data()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : everyWindow())
        QTest::newRow(qPrintable(window)) << window;
}

void TestEnglish::windowsSpeakEnglish()
{
    QFETCH(QString, window);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8));
    w.VergleichGespeichert1->trigger();
    w.ScrollBar(7)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QPrinter printer;
    const std::unique_ptr<QWidget> dialog = makeWindow(window, w, printer);
    QWidget* shown = dialog ? dialog.get() : &w;
    shown->show();
    QApplication::processEvents();
    // Pictures to look at, when asked for: no English text may be cut.
    const QByteArray pictures = qgetenv("FENDRIMO_ENGLISH_PICTURES");
    if (!pictures.isEmpty())
        shown->grab().save(QFile::decodeName(pictures) + u'/' + window + QStringLiteral(".png"));
    const QStringList german = germanIn(shown, m_german);
    QVERIFY2(german.isEmpty(), qPrintable(u'\n' + german.join(u'\n')));
}

// The real message box: caption and buttons in English.
void TestEnglish::messageBoxSpeaksEnglish()
{
    QtPlatform platform;
    QString caption;
    QStringList german;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            german = germanIn(box, m_german);
            box->reject();
        }
    });
    platform.message(nullptr, MessageType::Bestaetigen, QStringLiteral("?"),
                     MessageButton::Ja | MessageButton::Nein | MessageButton::Abbrechen);
    QCOMPARE(caption, QStringLiteral("Confirm"));
    QVERIFY2(german.isEmpty(), qPrintable(german.join(u'\n')));
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
