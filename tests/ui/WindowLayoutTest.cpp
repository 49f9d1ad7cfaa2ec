// The window as the player first sees it: every control's place, text, colour and state.

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "WidgetTestSupport.h"

namespace tavrelin::testing {

class WindowLayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShownWindow> shown;

    QColor Background(const QString& name, QPalette::ColorRole role = QPalette::Window) const
    {
        return shown->Control(name)->palette().color(role);
    }

private slots:
    void init()
    {
        shown = std::make_unique<ShownWindow>();
        QVERIFY(shown->exposed);
    }
    void cleanup() { shown.reset(); }

    void windowHasAFixedClientAreaAndOnlyACloseBox()
    {
        QWidget& window = *shown->window;
        QCOMPARE(window.size(), QSize(508, 461));
        QCOMPARE(window.minimumSize(), QSize(508, 461));
        QCOMPARE(window.maximumSize(), QSize(508, 461));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("https://tavrelin.example/ Информатика-логическа игра, случайни, таблица"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 255));
        QCOMPARE(window.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(window.font().pointSize(), 12);
        QVERIFY(!window.font().bold() && !window.font().italic() && !window.font().underline());
    }

    void controlsStandWhereTheyAreDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Label1(0)") << "Label1_0"
                                   << "" << QRect(96, 0, 305, 25);
        QTest::newRow("Label3, the grid") << "Label3"
                                          << "" << QRect(8, 32, 280, 280);
        QTest::newRow("Picture1") << "Picture1"
                                  << "" << QRect(296, 32, 201, 122);
        QTest::newRow("Frame1") << "Frame1"
                                << "" << QRect(328, 168, 145, 89);
        QTest::newRow("Label2(0)") << "Label2_0"
                                   << "Frame1" << QRect(8, 24, 73, 27);
        QTest::newRow("Text2(0)") << "Text2_0"
                                  << "Frame1" << QRect(80, 24, 57, 27);
        QTest::newRow("Label2(1)") << "Label2_1"
                                   << "Frame1" << QRect(8, 56, 73, 27);
        QTest::newRow("Text2(1)") << "Text2_1"
                                  << "Frame1" << QRect(80, 56, 57, 27);
        QTest::newRow("Command1(1)") << "Command1_1"
                                     << "" << QRect(368, 272, 81, 25);
        QTest::newRow("Text1(0)") << "Text1_0"
                                  << "" << QRect(8, 320, 489, 137);
        QTest::newRow("Label4") << "Label4"
                                << "" << QRect(496, 320, 9, 9);
    }

    void controlsStandWhereTheyAreDesigned()
    {
        QFETCH(QString, control);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        QWidget* widget = shown->Control(control);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), pixels);
        QWidget* parent = container.isEmpty() ? shown->window.get() : shown->Control(container);
        QCOMPARE(widget->parentWidget(), parent);
        QVERIFY(widget->isVisible());
        QVERIFY(shown->window->rect().contains(widget->geometry()));
    }

    void captionsAndTextsAreTheGamesOwn()
    {
        QCOMPARE(shown->Control<QLabel>("Label1_0")->text(), QStringLiteral("Tavrelin"));
        QCOMPARE(shown->Control<QGroupBox>("Frame1")->title(), QStringLiteral("Резултат: min 25"));
        QCOMPARE(shown->Control<QLabel>("Label2_0")->text(), QStringLiteral("Остават:"));
        QCOMPARE(shown->Control<QLabel>("Label2_1")->text(), QStringLiteral("Опита:"));
        QCOMPARE(shown->Control<QPushButton>("Command1_1")->text(), QStringLiteral("Чисти"));
        QCOMPARE(shown->Control<QLabel>("Label4")->text(), QString());
        QCOMPARE(shown->Control<QLineEdit>("Text2_0")->text(), QStringLiteral("25"));
        QCOMPARE(shown->Control<QLineEdit>("Text2_1")->text(), QStringLiteral("0"));
        // A label's caption stands at its top, centred across it.
        for (const char* name : {"Label1_0", "Label2_0", "Label2_1"}) {
            QCOMPARE(shown->Control<QLabel>(name)->alignment(), Qt::AlignTop | Qt::AlignHCenter);
        }
        for (const char* name : {"Text2_0", "Text2_1"}) {
            QCOMPARE(shown->Control<QLineEdit>(name)->alignment(), Qt::AlignCenter);
        }
    }

    void rulesTextHasItsTenLinesByteForByte()
    {
        // The ten lines as the player reads them, each ending in CR LF; line 8 has two blanks after
        // each "броя".
        const QStringList lines{
            QStringLiteral("Целта на играта морски бой е да се открият корабите на противника. Играе се от "
                           "двама играчи. Всеки отделен кораб се представя като непрекъсната редица от клетки."),
            QStringLiteral("Всеки от играчите се стреми да открие корабите на противника, като задава въпрос и "
                           "след това отговаря на въпрос на противника си. Всеки въпрос съдържа координати на "
                           "клетка от правоъгълна мрежа."),
            QStringLiteral("Възможните отговори са три: попадение, близост и няма."),
            QStringLiteral("Да се реализира проект, представящ вътрешнопредметни връзки в Информатика."),
            QStringLiteral("Тема на проекта: Tavrelin."),
            QStringLiteral("Най-малката дистанция между два кораба е една клетка."),
            QStringLiteral("В примерния проект се ползват следните конфигурации от кораби:"),
            QStringLiteral("1 брой с дължина 4; 3 броя  с дължина 3, 4 броя  с дължина 2 и 4 броя  с дължина 1."),
            QStringLiteral("Потребителят посочва клетка от таблицата, като възможните отговори са:"),
            QStringLiteral("червено оцветяване при попадение; жълто оцветяване за близост и синьо оцветяване "
                           "за липсващ кораб."),
        };
        QByteArray expected;
        for (const QString& line : lines) {
            expected += line.toUtf8() + "\r\n";
        }
        QCOMPARE(expected.count("броя  с"), 3);

        // The box shows each CR LF as one line break; as text it gives them back as CR LF.
        const QString shownText = shown->Control<QPlainTextEdit>("Text1_0")->toPlainText();
        QVERIFY(!shownText.contains(QLatin1Char('\r')));
        const QByteArray bytes = QString(shownText).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toUtf8();
        QCOMPARE(bytes, expected);
    }

    void controlsHaveTheirColours_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("title") << "Label1_0" << int(QPalette::Window) << QColor(255, 192, 128);
        QTest::newRow("remaining caption") << "Label2_0" << int(QPalette::Window) << QColor(255, 192, 128);
        QTest::newRow("attempts caption") << "Label2_1" << int(QPalette::Window) << QColor(255, 192, 128);
        QTest::newRow("remaining counter") << "Text2_0" << int(QPalette::Base) << QColor(0, 255, 0);
        QTest::newRow("attempts counter") << "Text2_1" << int(QPalette::Base) << QColor(255, 0, 0);
        QTest::newRow("clear button") << "Command1_1" << int(QPalette::Button) << QColor(255, 0, 0);
        QTest::newRow("score frame") << "Frame1" << int(QPalette::Window) << QColor(192, 192, 255);
        QTest::newRow("hidden switch") << "Label4" << int(QPalette::Window) << QColor(192, 192, 255);
    }

    void controlsHaveTheirColours()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QCOMPARE(Background(control, QPalette::ColorRole(role)), colour);
    }

    void countersOnlyShowAndKeepTheirColours()
    {
        auto* frame = shown->Control<QGroupBox>("Frame1");
        QVERIFY(!frame->isEnabled());
        for (const char* name : {"Text2_0", "Text2_1"}) {
            auto* counter = shown->Control<QLineEdit>(name);
            QVERIFY(!counter->isEnabled());
            QCOMPARE(counter->palette().color(QPalette::Disabled, QPalette::Base),
                     counter->palette().color(QPalette::Active, QPalette::Base));
            QCOMPARE(counter->palette().color(QPalette::Disabled, QPalette::Text),
                     counter->palette().color(QPalette::Active, QPalette::Text));
            QTest::mouseClick(counter, Qt::LeftButton);
            QTest::keyClicks(counter, "99");
            QVERIFY(!counter->hasFocus());
        }
        QCOMPARE(shown->Control<QLineEdit>("Text2_0")->text(), QStringLiteral("25"));
        QCOMPARE(shown->Control<QLineEdit>("Text2_1")->text(), QStringLiteral("0"));
    }

    void rulesBoxScrollsAndCopiesButCannotBeChanged()
    {
        auto* rules = shown->Control<QPlainTextEdit>("Text1_0");
        QVERIFY(rules->isReadOnly());
        QCOMPARE(rules->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(rules->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(rules->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(rules->verticalScrollBar()->maximum() > 0);
        QVERIFY(rules->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
        const QString before = rules->toPlainText();
        rules->setFocus();
        QTest::keyClicks(rules, "abc");
        QTest::keyClick(rules, Qt::Key_Backspace);
        QTest::keyClick(rules, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(rules->toPlainText(), before);
        QCOMPARE(rules->textCursor().selectedText().size(), before.size());
    }

    void focusStartsInTheRulesAndTabCyclesThroughThreeControls()
    {
        QWidget& window = *shown->window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), shown->Control("Text1_0"));
        for (const char* next : {"Picture1", "Command1_1", "Text1_0", "Picture1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void theClearButtonShowsWhenItHasTheFocus()
    {
        auto* button = shown->Control<QPushButton>("Command1_1");
        const QImage plain = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        QVERIFY(plain != focused);
        // The face itself stays red.
        QCOMPARE(focused.pixelColor(10, 12), QColor(255, 0, 0));
    }

    void thePictureBoxShowsWhenItHasTheFocus()
    {
        auto* picture = shown->Control(QStringLiteral("Picture1"));
        const QImage plain = picture->grab().toImage();
        auto* rules = shown->Control(QStringLiteral("Text1_0"));
        rules->setFocus();
        QTest::keyClick(rules, Qt::Key_Tab);
        QVERIFY(picture->hasFocus());
        const QImage focused = picture->grab().toImage();
        QVERIFY(plain != focused);
        // The mark stays inside the box: its sunken border is drawn as before.
        for (const QPoint edge : {QPoint(0, 60), QPoint(1, 60), QPoint(100, 0), QPoint(200, 60)}) {
            QCOMPARE(focused.pixelColor(edge), plain.pixelColor(edge));
        }
    }

    void countersAndRulesLieOnTopOfWhatTheyOverlap()
    {
        QWidget& window = *shown->window;
        // The first pixel column of each counter is the last of its caption.
        QCOMPARE(window.childAt(328 + 80, 168 + 30)->objectName(), QStringLiteral("Text2_0"));
        QCOMPARE(window.childAt(328 + 80, 168 + 62)->objectName(), QStringLiteral("Text2_1"));
        QCOMPARE(window.childAt(328 + 79, 168 + 30)->objectName(), QStringLiteral("Label2_0"));
        // The rules box covers the switch's first pixel column, not the other eight.
        QVERIFY(shown->Control("Text1_0")->isAncestorOf(window.childAt(496, 324)));
        QCOMPARE(window.childAt(497, 324)->objectName(), QStringLiteral("Label4"));
        QCOMPARE(window.childAt(504, 328)->objectName(), QStringLiteral("Label4"));
    }

    void renderedWindowShowsItsColours()
    {
        const QImage image = shown->window->grab().toImage();
        QCOMPARE(image.size(), QSize(508, 461));
        QCOMPARE(image.pixelColor(292, 200), QColor(192, 192, 255));  // between the grid and the frame
        QCOMPARE(image.pixelColor(500, 400), QColor(192, 192, 255));  // the right margin
        QCOMPARE(image.pixelColor(500, 324), QColor(192, 192, 255));  // the hidden switch
        QCOMPARE(image.pixelColor(18, 42), QColor(255, 255, 255));    // the template cell
        QCOMPARE(image.pixelColor(280, 280), QColor(255, 255, 255));  // the bottom-right cell
        QCOMPARE(image.pixelColor(120, 12), QColor(255, 192, 128));   // the title
        QCOMPARE(image.pixelColor(328 + 100, 168 + 30), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(328 + 100, 168 + 62), QColor(255, 0, 0));
        const QColor button = image.pixelColor(368 + 10, 272 + 12);
        QVERIFY2(button.red() >= 230 && button.green() <= 40 && button.blue() <= 40, qPrintable(button.name()));

        // The picture starts inside its 2-pixel border, at its own size, and is cut off at the
        // inner right edge: picture column 196 is the last one shown.
        const QImage picture(QStringLiteral(TAVRELIN_ASSETS_DIR "/warships.jpg"));
        QCOMPARE(picture.size(), QSize(269, 118));
        for (const int y : {0, 40, 117}) {
            QCOMPARE(image.pixelColor(298, 34 + y), picture.pixelColor(0, y));
            QCOMPARE(image.pixelColor(298 + 196, 34 + y), picture.pixelColor(196, y));
        }
        int sameAsNextColumn = 0;
        for (int y = 0; y < 118; ++y) {
            sameAsNextColumn += image.pixelColor(298 + 197, 34 + y) == picture.pixelColor(197, y) ? 1 : 0;
        }
        QVERIFY(sameAsNextColumn < 20);
    }
};

}  // namespace tavrelin::testing

TAVRELIN_WIDGET_TEST_MAIN(tavrelin::testing::WindowLayoutTest)
#include "WindowLayoutTest.moc"
