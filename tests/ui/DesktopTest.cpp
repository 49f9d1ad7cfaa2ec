// The window looks the same whatever the desktop around it: another widget style, another default
// font, options on the command line.

#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include "Application.h"
#include "WidgetTestSupport.h"

namespace tavrelin::testing {

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theScoreFrameLooksEnabledInEveryStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("Fusion") << "Fusion";
        QTest::newRow("Windows") << "Windows";
    }

    void theScoreFrameLooksEnabledInEveryStyle()
    {
        QFETCH(QString, style);
        QStyle* const before = QApplication::style();
        const QString beforeName = before->name();
        QApplication::setStyle(QStyleFactory::create(style));
        {
            ShownWindow shown;
            QVERIFY(shown.exposed);
            auto* frame = shown.Control<QGroupBox>(QStringLiteral("Frame1"));
            QVERIFY(!frame->isEnabled());
            const QImage disabled = frame->grab().toImage();
            frame->setEnabled(true);
            const QImage enabled = frame->grab().toImage();
            frame->setEnabled(false);
            // The captions, the counters and the frame line are drawn as if the frame were enabled.
            QCOMPARE(DifferentPixels(disabled, enabled).Count, 0);

            // The faces keep their designed colours: a white cell, the red button, the counters.
            const QImage window = shown.window->grab().toImage();
            QCOMPARE(window.pixelColor(18, 42), QColor(255, 255, 255));
            QCOMPARE(window.pixelColor(368 + 10, 272 + 12), QColor(255, 0, 0));
            QCOMPARE(window.pixelColor(328 + 100, 168 + 30), QColor(0, 255, 0));
            QCOMPARE(window.pixelColor(328 + 100, 168 + 62), QColor(255, 0, 0));
        }
        QApplication::setStyle(QStyleFactory::create(beforeName));
    }

    void theDesktopsDefaultFontChangesNothing()
    {
        const QFont before = QApplication::font();
        QFont odd(QStringLiteral("DejaVu Sans"), 20, QFont::Bold, true);
        odd.setUnderline(true);
        odd.setStrikeOut(true);
        odd.setCapitalization(QFont::AllUppercase);
        odd.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        QApplication::setFont(odd);
        {
            ShownWindow shown;
            QList<QWidget*> widgets = shown.window->findChildren<QWidget*>();
            widgets.append(shown.window.get());
            for (const QWidget* widget : widgets) {
                const QFont font = widget->font();
                const QByteArray name = widget->objectName().toUtf8();
                QVERIFY2(font.family() == QStringLiteral("Times New Roman"), name);
                QVERIFY2(font.pointSize() == 12, name);
                QVERIFY2(font.weight() == 400, name);
                QVERIFY2(!font.italic() && !font.underline() && !font.strikeOut(), name);
                QVERIFY2(font.capitalization() == QFont::MixedCase, name);
                QVERIFY2(font.letterSpacing() == 0 || font.letterSpacingType() == QFont::PercentageSpacing, name);
            }
        }
        QApplication::setFont(before);
    }

    void optionsOnTheCommandLineChangeNothing()
    {
        const QString plain = Grab({}, false);
        const QString withOptions = Grab({"-style", "windows", "-reverse"}, false);
        QVERIFY(!plain.isEmpty() && !withOptions.isEmpty());
        const int changed = DifferentPixels(QImage(plain), QImage(withOptions)).Count;
        qInfo("pixels changed by -style windows -reverse: %d", changed);
        QCOMPARE(changed, 0);

        // The same options handed straight to the toolkit do change the window, so the comparison
        // above can see them.
        const QString toolkitsOwn = Grab({"-style", "windows", "-reverse"}, true);
        const int changedByToolkit = DifferentPixels(QImage(plain), QImage(toolkitsOwn)).Count;
        qInfo("pixels the toolkit changes for them on its own: %d", changedByToolkit);
        QVERIFY(changedByToolkit > 1000);
    }

private:
    QTemporaryDir pictures;

    // Starts this program again with the arguments; it shows the window and saves a picture of it.
    QString Grab(const QStringList& arguments, bool toolkitsOwnApplication)
    {
        QString file = pictures.filePath(
            QStringLiteral("%1-%2.png").arg(arguments.size()).arg(toolkitsOwnApplication ? "toolkit" : "game"));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TAVRELIN_GRAB_TO"), file);
        environment.insert(QStringLiteral("TAVRELIN_GRAB_WITH"), toolkitsOwnApplication ? "toolkit" : "game");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            qWarning("%s", child.readAllStandardError().constData());
            return {};
        }
        return file;
    }
};

// In the child: the window as it first shows, saved to the file named in TAVRELIN_GRAB_TO.
template <typename App>
int GrabWindow(int argc, char* argv[], const QString& file)
{
    App application(argc, argv);
    // A steady text cursor, so that two pictures never differ by its blinking.
    QApplication::setCursorFlashTime(0);
    CountingRandom random;
    ui::MainWindow window(random);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    return window.grab().save(file) ? 0 : 1;
}

}  // namespace tavrelin::testing

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QString grabTo = qEnvironmentVariable("TAVRELIN_GRAB_TO");
    if (!grabTo.isEmpty()) {
        if (qEnvironmentVariable("TAVRELIN_GRAB_WITH") == QLatin1String("toolkit")) {
            return tavrelin::testing::GrabWindow<QApplication>(argc, argv, grabTo);
        }
        return tavrelin::testing::GrabWindow<tavrelin::ui::Application>(argc, argv, grabTo);
    }
    QApplication application(argc, argv);
    tavrelin::testing::DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
