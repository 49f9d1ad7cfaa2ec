#include "MainWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ClickLabel.h"
#include "Identity.h"
#include "PictureBox.h"
#include "RulesText.h"
#include "WindowLayout.h"

namespace tavrelin::ui {

namespace {

QColor ToQColor(Colour colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

// Gives a widget a background colour of its own, the same whether it is enabled or not.
void SetBackground(QWidget* widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

QString ObjectName(const char* control, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

}  // namespace

MainWindow::MainWindow(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      random_(random),
      game_(random)
{
    CreateControls();
    Form_Load();
}

void MainWindow::CreateControls()
{
    setWindowTitle(QString::fromUtf8(MAKER_WEB_ADDRESS) +
                   QStringLiteral(" Информатика-логическа игра, случайни, таблица"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/tavrelin-32.png")));
    setFixedSize(ToPixels(CLIENT_AREA).size());
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    SetBackground(this, QPalette::Window, LAVENDER);
    // "Times New Roman" resolves to a metric-compatible face where the font itself is missing.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    setFont(font);

    Label1 = new QLabel(QStringLiteral("Tavrelin"), this);
    Label1->setObjectName(QStringLiteral("Label1_0"));
    Label1->setGeometry(ToPixels(LABEL1));
    Label1->setAlignment(Qt::AlignCenter);
    SetBackground(Label1, QPalette::Window, ORANGE);

    Label3[0] = CreateCell();
    Label3[0]->setGeometry(ToPixels(LABEL3_TEMPLATE));
    Label3[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Picture1 = new PictureBox(QStringLiteral(":/assets/warships.jpg"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ToPixels(PICTURE1));

    Frame1 = new QGroupBox(QStringLiteral("Резултат: min 25"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(ToPixels(FRAME1));
    const QStringList captions{QStringLiteral("Остават:"), QStringLiteral("Опита:")};
    const QRgb counterColours[2]{GREEN, SIGNAL_RED};
    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(captions[i], Frame1);
        Label2[i]->setObjectName(ObjectName("Label2", i));
        Label2[i]->setGeometry(ToPixels(LABEL2[i]));
        Label2[i]->setAlignment(Qt::AlignCenter);
        SetBackground(Label2[i], QPalette::Window, ORANGE);

        Text2[i] = new QLineEdit(Frame1);
        Text2[i]->setObjectName(ObjectName("Text2", i));
        Text2[i]->setGeometry(ToPixels(TEXT2[i]));
        Text2[i]->setAlignment(Qt::AlignCenter);
        SetBackground(Text2[i], QPalette::Base, counterColours[i]);
        // Each counter covers the last pixel column of its caption.
        Text2[i]->raise();
    }
    // The frame stays disabled, so the counters only show; they keep their normal text colours.
    QPalette framePalette = Frame1->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        framePalette.setColor(QPalette::Disabled, role, framePalette.color(QPalette::Active, role));
    }
    Frame1->setPalette(framePalette);
    Frame1->setEnabled(false);

    Command1 = new QPushButton(QStringLiteral("Чисти"), this);
    Command1->setObjectName(ObjectName("Command1", 1));
    Command1->setGeometry(ToPixels(COMMAND1));
    Command1->setPalette(QApplication::palette(Command1));
    SetBackground(Command1, QPalette::Button, SIGNAL_RED);
    // The toolkit's own button face tints its colour; the face of "Чисти" is plain red, with a dark
    // frame while it has the keyboard focus.
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                           "QPushButton:focus { border: 2px solid #000000; }"
                                           "QPushButton:pressed { border: 2px inset %1; }")
                                .arg(QColor(SIGNAL_RED).name()));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(1); });

    Label4 = new ClickLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(ToPixels(LABEL4));
    SetBackground(Label4, QPalette::Window, LAVENDER);
    connect(Label4, &ClickLabel::clicked, this, [this] { Label4_Click(); });

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(ObjectName("Text1", 0));
    Text1->setGeometry(ToPixels(TEXT1));
    // The rules box keeps the system's colours rather than the window's lavender.
    Text1->setPalette(QApplication::palette(Text1));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true);
    // The box shows line breaks as LF; the rules end each line with CR LF.
    Text1->setPlainText(QString::fromUtf8(RULES_TEXT).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The rules box covers the first pixel column of the hidden switch.
    Text1->raise();

    setTabOrder(Text1, Picture1);
    setTabOrder(Picture1, Command1);
    Text1->setFocus();
}

ClickLabel* MainWindow::CreateCell()
{
    auto* cell = new ClickLabel(this);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    SetBackground(cell, QPalette::Window, qRgb(WHITE.Red, WHITE.Green, WHITE.Blue));
    return cell;
}

void MainWindow::Form_Load()
{
    random_.SeedFromClock();

    ClickLabel* const Template = Label3[0];
    Template->setAlignment(Qt::AlignCenter);
    Template->setObjectName(ObjectName("Label3", 0));
    for (int n = 1; n < CELL_COUNT; ++n) {
        ClickLabel* cell = CreateCell();
        cell->hide();
        cell->setObjectName(ObjectName("Label3", n));
        cell->resize(Template->size());
        cell->setAlignment(Qt::AlignCenter);
        const int horizontalOffset = CellCol(n) * Template->width();
        const int verticalOffset = CellRow(n) * Template->height();
        cell->move(Template->x() + horizontalOffset, Template->y() + verticalOffset);
        cell->show();
        Label3[n] = cell;
    }
    for (int n = 0; n < CELL_COUNT; ++n) {
        connect(Label3[n], &ClickLabel::clicked, this, [this, n] { Label3_Click(n); });
    }

    game_.NewGame();
    ShowGame();
}

void MainWindow::Label3_Click(int Index)
{
    game_.Label3_Click(Index);
    ShowGame();
}

void MainWindow::Label4_Click()
{
    game_.Label4_Click();
    ShowGame();
}

void MainWindow::Command1_Click(int Index)
{
    game_.Command1_Click(Index);
    ShowGame();
}

void MainWindow::ShowGame()
{
    for (int n = 0; n < CELL_COUNT; ++n) {
        const CellFace& face = game_.Label3[n];
        if (face == shown_[n]) {
            continue;
        }
        QPalette palette = Label3[n]->palette();
        palette.setColor(QPalette::All, QPalette::Window, ToQColor(face.BackColor));
        Label3[n]->setPalette(palette);
        Label3[n]->setText(QString::fromUtf8(face.Caption.data(), static_cast<qsizetype>(face.Caption.size())));
        shown_[n] = face;
    }
    for (int i = 0; i < 2; ++i) {
        const QString text = QString::fromStdString(game_.Text2[i]);
        if (Text2[i]->text() != text) {
            Text2[i]->setText(text);
        }
    }
}

}  // namespace tavrelin::ui
