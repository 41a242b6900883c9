#include "Window1.h"

#include "Pictures.h"
#include "UnitConversion.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QRadioButton>

namespace velmora::ui {

PictureCanvas::PictureCanvas(const QPicture& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPicture(0, 0, picture_);
}

namespace {

constexpr int kContentWidth = 795;
constexpr int kContentHeight = 422;

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWarningRed(0xFF, 0x00, 0x00);

// Every line, the last one included, ends with a line end, so the label
// shows a trailing empty line.
QString multiLine(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QLatin1String(line) + QLatin1Char('\n');
    return text;
}

// The layout is measured in pixels of a 72-per-inch screen, on which one
// point is one pixel. Sizing the three special fonts in pixels keeps their
// text in proportion to the controls on any screen: a 12 point button
// caption at 96 dpi would no longer fit its 280-pixel button.
QFont pointFont(const QWidget* widget, int points)
{
    QFont font = widget->font();
    font.setPixelSize(points);
    return font;
}

// Positions are given in content-area coordinates, also for a control that
// lies inside another one.
void place(QWidget* widget, QWidget* contentArea, const QRect& contentRect)
{
    QWidget* parent = widget->parentWidget();
    const QPoint origin = parent == contentArea ? QPoint() : parent->mapTo(contentArea, QPoint());
    widget->setGeometry(contentRect.translated(-origin));
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, QWidget* contentArea, const char* name, const QString& text, const QRect& rect,
                 Qt::Alignment alignment, int points = 0)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    place(label, contentArea, rect);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, kBlack);
    if (points > 0)
        label->setFont(pointFont(label, points));
    return label;
}

QLabel* addWarning(QWidget* contentArea, const char* name, const QString& text, const QRect& rect)
{
    QLabel* label = addLabel(contentArea, contentArea, name, text, rect, Qt::AlignLeft | Qt::AlignTop);
    label->setVisible(false);
    return label;
}

QLineEdit* addField(QWidget* contentArea, const char* name, const QRect& rect)
{
    auto* field = new QLineEdit(contentArea);
    field->setObjectName(QLatin1String(name));
    place(field, contentArea, rect);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, kBlack);
    field->setPalette(palette);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setFrame(true);
    return field;
}

QPushButton* addButton(QWidget* contentArea, const char* name, const QString& text, const QRect& rect)
{
    auto* button = new QPushButton(text, contentArea);
    button->setObjectName(QLatin1String(name));
    place(button, contentArea, rect);
    button->setFont(pointFont(button, 12));
    button->setAutoDefault(false);
    button->setEnabled(false);
    return button;
}

QRadioButton* addRadio(QWidget* parent, QWidget* contentArea, const char* name, const QString& text, const QRect& rect)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QLatin1String(name));
    place(radio, contentArea, rect);
    return radio;
}

PictureCanvas* addCanvas(QWidget* parent, QWidget* contentArea, const char* name, const QPicture& picture,
                         const QRect& rect)
{
    auto* canvas = new PictureCanvas(picture, parent);
    canvas->setObjectName(QLatin1String(name));
    place(canvas, contentArea, rect);
    return canvas;
}

const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment kCentre = Qt::AlignCenter;

} // namespace

Window1::Window1(QMenuBar* menuBar)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    unitConversion_ = kInchesPerInch;

    if (menuBar)
        setMenuBar(menuBar);
    setWindowTitle(QStringLiteral("Velmora"));
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("ContentArea"));
    content->setFixedSize(kContentWidth, kContentHeight);
    setCentralWidget(content);
    // The window always wraps the menu bar and the fixed content exactly;
    // the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildControls();
    setTabOrder();
}

Window1* Window1::findOrCreate(QMenuBar* menuBar)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window1*>(widget))
            return window;
    }
    auto* window = new Window1(menuBar);
    window->show();
    return window;
}

void Window1::buildControls()
{
    QWidget* c = contentArea();

    auto* unitsGB = new QGroupBox(QStringLiteral("Units"), c);
    unitsGB->setObjectName(QStringLiteral("UnitsGB"));
    place(unitsGB, c, {277, 8, 234, 43});

    slider_.save = addButton(c, "saveSlBtn", QStringLiteral("Save Quarlin Component To New File..."), {110, 353, 280, 20});
    connect(slider_.save, &QPushButton::clicked, this, &Window1::saveSlBtn_Action);

    slider_.fields.length = addField(c, "LengthEF", {311, 253, 80, 22});
    connect(slider_.fields.length, &QLineEdit::textChanged, this, &Window1::LengthEF_TextChange);
    QLabel* lengthLabel = addLabel(c, c, "StaticText1", QStringLiteral("Overall length of slider (L)"), {121, 254, 186, 20}, kRight);

    slider_.fields.width = addField(c, "WidthEF", {311, 275, 80, 22});
    connect(slider_.fields.width, &QLineEdit::textChanged, this, &Window1::WidthEF_TextChange);
    QLabel* widthLabel = addLabel(c, c, "StaticText2", QStringLiteral("Width of slider (W)"), {175, 276, 132, 20}, kRight);

    slider_.fields.count = addField(c, "NumOfCycEF", {338, 297, 53, 22});
    connect(slider_.fields.count, &QLineEdit::textChanged, this, &Window1::NumOfCycEF_TextChange);
    QLabel* countLabel = addLabel(c, c, "StaticText3", QStringLiteral("Number of cycles (N)"), {185, 298, 153, 20}, kRight);

    slider_.fields.gap = addField(c, "GapEF", {311, 319, 80, 22});
    connect(slider_.fields.gap, &QLineEdit::textChanged, this, &Window1::GapEF_TextChange);
    QLabel* gapLabel = addLabel(c, c, "StaticText4", QStringLiteral("Gap between pads (g)"), {164, 320, 143, 20}, kRight);

    PictureCanvas* canvas1 = addCanvas(c, c, "Canvas1", Slider2a(), {61, 57, 330, 154});
    addLabel(c, c, "StaticText5", QStringLiteral("Gap"), {105, 53, 37, 20}, kCentre);
    addLabel(canvas1, c, "StaticText6", QStringLiteral("Length"), {212, 189, 66, 20}, kCentre);
    addLabel(c, c, "StaticText7", QStringLiteral("Width"), {43, 124, 66, 20}, kRight);

    button_.fields.length = addField(c, "PLengthEF", {695, 253, 80, 22});
    connect(button_.fields.length, &QLineEdit::textChanged, this, &Window1::PLengthEF_TextChange);
    QLabel* pLengthLabel = addLabel(c, c, "StaticText8", QStringLiteral("Width of button (L)"), {534, 254, 157, 20}, kRight);

    button_.fields.width = addField(c, "PWidthEF", {695, 275, 80, 22});
    connect(button_.fields.width, &QLineEdit::textChanged, this, &Window1::PWidthEF_TextChange);
    QLabel* pWidthLabel = addLabel(c, c, "StaticText9", QStringLiteral("Height of button (W)"), {534, 276, 157, 20}, kRight);

    button_.fields.count = addField(c, "NumOfFinEF", {738, 297, 37, 22});
    connect(button_.fields.count, &QLineEdit::textChanged, this, &Window1::NumOfFinEF_TextChange);
    QLabel* pCountLabel =
        addLabel(c, c, "StaticText10", QStringLiteral("Number of fingers/Contact (N)"), {534, 298, 202, 20}, kRight);

    button_.fields.gap = addField(c, "PGapEF", {695, 319, 80, 22});
    connect(button_.fields.gap, &QLineEdit::textChanged, this, &Window1::PGapEF_TextChange);
    QLabel* pGapLabel = addLabel(c, c, "StaticText11", QStringLiteral("Gap between fingers (g)"), {512, 320, 179, 20}, kRight);

    button_.save = addButton(c, "SaveBoPB", QStringLiteral("Save Quarlin Component To New File..."), {495, 353, 280, 20});
    connect(button_.save, &QPushButton::clicked, this, &Window1::SaveBoPB_Action);

    slider_.append = addButton(c, "AppendSlPB", QStringLiteral("Append Quarlin Component To File..."), {110, 385, 280, 20});
    // Marked as the window's default push button; it has no key of its own
    // outside a dialog.
    slider_.append->setDefault(true);
    connect(slider_.append, &QPushButton::clicked, this, &Window1::AppendSlPB_Action);

    button_.append = addButton(c, "AppendBoPB", QStringLiteral("Append Quarlin Component To File..."), {495, 385, 280, 20});
    connect(button_.append, &QPushButton::clicked, this, &Window1::AppendBoPB_Action);

    slider_.fields.name = addField(c, "NameSlEF", {228, 231, 163, 22});
    connect(slider_.fields.name, &QLineEdit::textChanged, this, &Window1::NameSlEF_TextChange);
    QLabel* nameLabel = addLabel(c, c, "StaticText12", QStringLiteral("Name Of Part Type"), {94, 232, 131, 20}, kRight);

    button_.fields.name = addField(c, "NameBoEF", {612, 231, 163, 22});
    connect(button_.fields.name, &QLineEdit::textChanged, this, &Window1::NameBoEF_TextChange);
    QLabel* pNameLabel = addLabel(c, c, "StaticText13", QStringLiteral("Name Of Part Type"), {479, 232, 129, 20}, kRight);

    slider_.narrowWarning = addWarning(
        c, "WarningST",
        multiLine({"WARNING:", "Possible errors:", "1) Length too short", "2) Too many cycles", "3) Gap is too big"}),
        {17, 264, 125, 83});

    inchesRB_ = addRadio(unitsGB, c, "InchesRB", QStringLiteral("Inches"), {304, 26, 100, 20});
    inchesRB_->setChecked(true);
    connect(inchesRB_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            InchesRB_Action();
    });

    mmRB_ = addRadio(unitsGB, c, "mmRB", QStringLiteral("Millimeters"), {406, 26, 100, 20});
    mmRB_->setChecked(false);
    connect(mmRB_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            mmRB_Action();
    });

    slider_.badCharacter = addLabel(c, c, "SliderBadCharST", QStringLiteral("Bad character in name"), {2, 214, 186, 20}, kCentre);
    slider_.badCharacter->setVisible(false);
    button_.badCharacter = addLabel(c, c, "ButtonBadCharST", QStringLiteral("Bad character in name"), {422, 214, 186, 20}, kCentre);
    button_.badCharacter->setVisible(false);

    button_.narrowWarning = addWarning(
        c, "PWarningST",
        multiLine({"WARNING:", "Possible errors:", "1) Too many fingers", "2) Length too short", "3) Gap is too big"}),
        {413, 253, 136, 83});

    addLabel(canvas1, c, "StaticText14", QStringLiteral("1 Cycle"), {121, 167, 52, 20}, kCentre, 10);

    button_.gapWarning = addWarning(c, "PWarningGapST", multiLine({"WARNING:", "Gap is too small"}), {413, 253, 144, 36});
    slider_.gapWarning = addWarning(c, "WarningGapST", multiLine({"WARNING:", "Gap is too small"}), {17, 265, 144, 36});

    addLabel(c, c, "StaticText15", QStringLiteral("Slider"), {75, 8, 98, 43}, kCentre, 24);
    addLabel(c, c, "StaticText16", QStringLiteral("Button"), {620, 8, 98, 43}, kCentre, 24);

    auto* rectangle1 = new QFrame(c);
    rectangle1->setObjectName(QStringLiteral("Rectangle1"));
    place(rectangle1, c, {594, 57, 152, 154});
    rectangle1->setFrameShape(QFrame::NoFrame);
    rectangle1->setLineWidth(0);
    QPalette white = rectangle1->palette();
    white.setColor(QPalette::Window, Qt::white);
    rectangle1->setPalette(white);
    rectangle1->setAutoFillBackground(true);

    addCanvas(rectangle1, c, "Canvas2", ButtonCvs(), {601, 82, 109, 119});
    addLabel(rectangle1, c, "StaticText17", QStringLiteral("Gap"), {620, 70, 30, 20}, kCentre);
    addLabel(rectangle1, c, "StaticText18", QStringLiteral("Width"), {612, 191, 45, 20}, kCentre);
    addLabel(rectangle1, c, "StaticText19", QStringLiteral("Height"), {669, 124, 49, 20}, kCentre);

    // Each label names its field, for the mnemonic and for screen readers.
    lengthLabel->setBuddy(slider_.fields.length);
    widthLabel->setBuddy(slider_.fields.width);
    countLabel->setBuddy(slider_.fields.count);
    gapLabel->setBuddy(slider_.fields.gap);
    nameLabel->setBuddy(slider_.fields.name);
    pLengthLabel->setBuddy(button_.fields.length);
    pWidthLabel->setBuddy(button_.fields.width);
    pCountLabel->setBuddy(button_.fields.count);
    pGapLabel->setBuddy(button_.fields.gap);
    pNameLabel->setBuddy(button_.fields.name);
}

// Tab follows the visual order: the unit choice at the top, then the slider
// column from its name down to its buttons, then the button column.
void Window1::setTabOrder()
{
    const QList<QWidget*> order = {
        inchesRB_,           mmRB_,
        slider_.fields.name, slider_.fields.length, slider_.fields.width, slider_.fields.count, slider_.fields.gap,
        slider_.save,        slider_.append,
        button_.fields.name, button_.fields.length, button_.fields.width, button_.fields.count, button_.fields.gap,
        button_.save,        button_.append,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

EntryTexts Window1::readEntries(const SideFields& fields)
{
    return {fields.count->text().toStdString(), fields.length->text().toStdString(), fields.gap->text().toStdString(),
            fields.width->text().toStdString(), fields.name->text().toStdString()};
}

// Applies one check's outcome in the order of its steps. A warning turns red
// when shown and stays red when hidden, so it is red whenever visible.
void Window1::applyOutcome(const CheckOutcome& outcome, const SideControls& side)
{
    side.save->setEnabled(outcome.outputsEnabled);
    side.append->setEnabled(outcome.outputsEnabled);

    const auto warn = [](QLabel* warning, bool shown) {
        warning->setVisible(shown);
        if (shown)
            setTextColour(warning, kWarningRed);
    };
    warn(side.narrowWarning, outcome.narrowWarning);
    warn(side.badCharacter, outcome.badCharacter);
    warn(side.gapWarning, outcome.gapTooSmall);
}

void Window1::SliderCheck()
{
    applyOutcome(sliderCheck(readEntries(slider_.fields), unitConversion_), slider_);
}

void Window1::ButtonCheck()
{
    applyOutcome(buttonCheck(readEntries(button_.fields), unitConversion_), button_);
}

void Window1::runOutput(OutputMode mode, PartKind kind)
{
    const SideFields& fields = kind == PartKind::Slider ? slider_.fields : button_.fields;
    runOutputCommand(mode, kind, fields, unitConversion_);
}

void Window1::saveSlBtn_Action() { runOutput(OutputMode::Save, PartKind::Slider); }
void Window1::AppendSlPB_Action() { runOutput(OutputMode::Append, PartKind::Slider); }
void Window1::SaveBoPB_Action() { runOutput(OutputMode::Save, PartKind::Button); }
void Window1::AppendBoPB_Action() { runOutput(OutputMode::Append, PartKind::Button); }

void Window1::LengthEF_TextChange() { SliderCheck(); }
void Window1::WidthEF_TextChange() { SliderCheck(); }
void Window1::NumOfCycEF_TextChange() { SliderCheck(); }
void Window1::GapEF_TextChange() { SliderCheck(); }
void Window1::NameSlEF_TextChange() { SliderCheck(); }
void Window1::PLengthEF_TextChange() { ButtonCheck(); }
void Window1::PWidthEF_TextChange() { ButtonCheck(); }
void Window1::NumOfFinEF_TextChange() { ButtonCheck(); }
void Window1::PGapEF_TextChange() { ButtonCheck(); }
void Window1::NameBoEF_TextChange() { ButtonCheck(); }

// A unit change reruns both checks at once: otherwise the warnings of the old
// unit stay on screen until the next keystroke. The enabling rule reads the
// bare numbers, so only warnings can change here.
void Window1::setUnit(double unitConversion)
{
    unitConversion_ = unitConversion;
    SliderCheck();
    ButtonCheck();
}

void Window1::InchesRB_Action() { setUnit(kInchesPerInch); }
void Window1::mmRB_Action() { setUnit(kInchesPerMillimetre); }

} // namespace velmora::ui
