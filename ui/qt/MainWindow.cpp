#include "MainWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>

#include "Announcer.h"
#include "CellGrid.h"
#include "ClickLabel.h"
#include "Counter.h"
#include "DecodedImages.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "QtSupport.h"
#include "RulesText.h"
#include "ScreenReader.h"
#include "ScreenReaderStatus.h"
#include "SteadyStyle.h"
#include "WindowDesign.h"
#include "WindowFrame.h"

namespace tavrelin::ui {

QFont MainWindow::DesignFont()
{
    QFont font(QString::fromUtf8(design::FONT_FACE));
    font.setPointSize(design::FONT_POINTS);
    font.setWeight(QFont::Weight(design::FONT_WEIGHT));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setOverline(false);
    font.setStretch(QFont::Unstretched);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    font.setKerning(true);
    font.setFixedPitch(false);
    // "Times New Roman" resolves to a metric-compatible face where the font itself is missing.
    font.setStyleHint(QFont::Serif);
    return font;
}

MainWindow::MainWindow(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      behaviour_(random, *this)
{
    CreateControls();
    behaviour_.Form_Load();
    CentreOnScreen();
}

// The order of creation is only the order of reading: the order of Tab is set apart from it, and
// each control that covers a part of another, a counter its caption and the rules box the switch,
// is raised over it.
void MainWindow::CreateControls()
{
    setWindowTitle(QString::fromStdString(design::WindowCaption()));
    setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(assets::ICON, QImage::Format_ARGB32))));
    setFixedSize(ToQRect(design::CLIENT_AREA).size());
    SetBackground(this, QPalette::Window, design::LAVENDER);
    setFont(DesignFont());

    Label1 = new QLabel(QString::fromUtf8(design::LABEL1_CAPTION), this);
    Label1->setObjectName(QString::fromStdString(design::ControlName("Label1", 0)));
    Label1->setGeometry(ToQRect(design::LABEL1));
    Label1->setAlignment(ToQtAlignment(design::LABEL1_ALIGNMENT));
    SetBackground(Label1, QPalette::Window, design::ORANGE);

    Label3 = new CellGrid(behaviour_, ToQtAlignment(design::LABEL3_ALIGNMENT), this);
    Label3->setObjectName(QStringLiteral("Label3"));

    Picture1 = new PictureBox(ToQImage(assets::WARSHIPS, QImage::Format_RGB32), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QString::fromUtf8(design::PICTURE1_NAME));
    Picture1->setGeometry(ToQRect(design::PICTURE1));

    Frame1 = new QGroupBox(QString::fromUtf8(design::FRAME1_CAPTION), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(ToQRect(design::FRAME1));
    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(QString::fromUtf8(design::LABEL2_CAPTIONS[i]), Frame1);
        Label2[i]->setObjectName(QString::fromStdString(design::ControlName("Label2", i)));
        Label2[i]->setGeometry(ToQRect(design::LABEL2[i]));
        Label2[i]->setAlignment(ToQtAlignment(design::LABEL2_ALIGNMENT[i]));
        SetBackground(Label2[i], QPalette::Window, design::ORANGE);

        Text2[i] = new Counter(Frame1);
        Text2[i]->setObjectName(QString::fromStdString(design::ControlName("Text2", i)));
        Text2[i]->setGeometry(ToQRect(design::TEXT2[i]));
        SetBackground(Text2[i], QPalette::Base, design::TEXT2_COLOURS[i]);
        // Each counter covers the last pixel column of its caption, and is known by it to a screen reader.
        Text2[i]->raise();
        Label2[i]->setBuddy(Text2[i]);
    }
    // The frame stays disabled, so the counters only show; it and everything in it keep their
    // normal colours and text, whatever the desktop's style does with disabled controls.
    QPalette framePalette = Frame1->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        framePalette.setColor(QPalette::Disabled, colorRole, framePalette.color(QPalette::Active, colorRole));
    }
    Frame1->setPalette(framePalette);
    auto* steadyStyle = new SteadyStyle(QStyleFactory::create(style()->name()));
    steadyStyle->setParent(Frame1);
    for (QWidget* widget :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Label2[0]), static_cast<QWidget*>(Label2[1]),
          static_cast<QWidget*>(Text2[0]), static_cast<QWidget*>(Text2[1])}) {
        widget->setStyle(steadyStyle);
    }
    Frame1->setEnabled(false);

    Command1 = new PushButton(QString::fromUtf8(design::COMMAND1_CAPTION), this);
    Command1->setObjectName(QString::fromStdString(design::ControlName("Command1", design::COMMAND1_INDEX)));
    Command1->setGeometry(ToQRect(design::COMMAND1));
    Command1->setPalette(QApplication::palette(Command1));
    SetBackground(Command1, QPalette::Button, design::SIGNAL_RED);
    // The toolkit's own button face tints its colour; the face of "Чисти" is plain red, with a dark
    // frame while it has the keyboard focus.
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                           "QPushButton:focus { border: 2px solid #000000; }"
                                           "QPushButton:pressed { border: 2px inset %1; }")
                                .arg(ToQColor(design::SIGNAL_RED).name()));
    connect(Command1, &QPushButton::clicked, this, [this] { behaviour_.Command1_Click(design::COMMAND1_INDEX); });

    Label4 = new ClickLabel(behaviour_, design::Label::Switch(), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(ToQRect(design::LABEL4));
    SetBackground(Label4, QPalette::Window, design::LAVENDER);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QString::fromStdString(design::ControlName("Text1", 0)));
    Text1->setAccessibleName(QString::fromUtf8(design::TEXT1_NAME));
    Text1->setGeometry(ToQRect(design::TEXT1));
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
    Text1->setPlainText(QString::fromUtf8(design::RULES_TEXT).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The rules box covers the first pixel column of the hidden switch.
    Text1->raise();

    SetTabOrder();
    FocusStopWidget(design::TAB_ORDER.front())->setFocus();

    Spoken = new Announcer(this);
    auto* screenReader = new ScreenReaderStatus(this);
    connect(screenReader, &ScreenReaderStatus::changed, this,
            [this](bool running) { behaviour_.SetGridTakesFocus(running); });
    screenReader->Watch();
}

void MainWindow::CentreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QMargins frame = ComingFrameMargins(*this);
    const QRect work = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    const design::Rect place =
        design::CentredWindow({work.x(), work.y(), work.width(), work.height()}, outer.width(), outer.height());
    setGeometry(QRect(QPoint(place.Left + frame.left(), place.Top + frame.top()), size()));
}

void MainWindow::SetTabOrder()
{
    // The toolkit leaves a widget that takes no focus out of the order, so the grid joins it only
    // once it takes the focus.
    for (std::size_t i = 0; i + 1 < design::TAB_ORDER_WITH_GRID.size(); ++i) {
        setTabOrder(FocusStopWidget(design::TAB_ORDER_WITH_GRID[i]),
                    FocusStopWidget(design::TAB_ORDER_WITH_GRID[i + 1]));
    }
}

QWidget* MainWindow::FocusStopWidget(design::FocusStop stop) const
{
    switch (stop) {
    case design::FocusStop::Text1: return Text1;
    case design::FocusStop::Picture1: return Picture1;
    case design::FocusStop::Command1: return Command1;
    case design::FocusStop::Label3: return Label3;
    }
    return nullptr;
}

bool MainWindow::LayOutGrid()
{
    Label3->LayOut();
    return true;
}

void MainWindow::ShowCell(int Index)
{
    Label3->ShowCell(Index);
}

void MainWindow::ShowCounter(int i, const std::string& text)
{
    Text2[i]->setText(QString::fromStdString(text));
}

void MainWindow::ShowCurrentCell(int previous, int current)
{
    Label3->ShowCurrentCell(previous, current);
}

void MainWindow::Announce(const std::string& phrase)
{
    Spoken->Announce(QString::fromStdString(phrase));
}

void MainWindow::LetGridTakeFocus(bool takes)
{
    const bool hadFocus = Label3->hasFocus();
    Label3->LetTakeFocus(takes);
    if (takes) {
        SetTabOrder();
    } else if (hadFocus) {
        FocusStopWidget(design::TAB_ORDER.front())->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace tavrelin::ui
