#include "FileDialog.h"
#include "Pictures.h"
#include "QtTestMain.h"
#include "Window1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <bit>
#include <cstdint>
#include <memory>

using velmora::ui::FileDialog;
using velmora::ui::PictureCanvas;
using velmora::ui::Window1;

namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);

// One row of the window's control table, in content-area coordinates.
struct ControlRow {
    const char* name;
    const char* kind;
    QString text;
    QRect rect;
    const char* inside; // "" for the content area itself
    bool hidden;
    bool enabled;
    int points;  // 0: the standard size
    int alignment; // 0: not a text control
    const char* buddy; // the field a label names, or ""
};

QString lines(std::initializer_list<const char*> parts)
{
    QString text;
    for (const char* part : parts)
        text += QLatin1String(part) + QLatin1Char('\n');
    return text;
}

const int R = Qt::AlignRight | Qt::AlignVCenter;
const int C = Qt::AlignCenter;
const int TL = Qt::AlignLeft | Qt::AlignTop;
const int F = Qt::AlignLeft | Qt::AlignVCenter;

QList<ControlRow> tableRows()
{
    const QString save = QStringLiteral("Save Quarlin Component To New File...");
    const QString append = QStringLiteral("Append Quarlin Component To File...");
    return {
        {"UnitsGB", "QGroupBox", "Units", {277, 8, 234, 43}, "", false, true, 0, 0, ""},
        {"saveSlBtn", "QPushButton", save, {110, 353, 280, 20}, "", false, false, 12, 0, ""},
        {"LengthEF", "QLineEdit", "", {311, 253, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText1", "QLabel", "Overall length of slider (L)", {121, 254, 186, 20}, "", false, true, 0, R, "LengthEF"},
        {"WidthEF", "QLineEdit", "", {311, 275, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText2", "QLabel", "Width of slider (W)", {175, 276, 132, 20}, "", false, true, 0, R, "WidthEF"},
        {"NumOfCycEF", "QLineEdit", "", {338, 297, 53, 22}, "", false, true, 0, F, ""},
        {"StaticText3", "QLabel", "Number of cycles (N)", {185, 298, 153, 20}, "", false, true, 0, R, "NumOfCycEF"},
        {"GapEF", "QLineEdit", "", {311, 319, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText4", "QLabel", "Gap between pads (g)", {164, 320, 143, 20}, "", false, true, 0, R, "GapEF"},
        {"Canvas1", "velmora::ui::PictureCanvas", "", {61, 57, 330, 154}, "", false, true, 0, 0, ""},
        {"StaticText5", "QLabel", "Gap", {105, 53, 37, 20}, "", false, true, 0, C, ""},
        {"StaticText6", "QLabel", "Length", {212, 189, 66, 20}, "Canvas1", false, true, 0, C, ""},
        {"StaticText7", "QLabel", "Width", {43, 124, 66, 20}, "", false, true, 0, R, ""},
        {"PLengthEF", "QLineEdit", "", {695, 253, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText8", "QLabel", "Width of button (L)", {534, 254, 157, 20}, "", false, true, 0, R, "PLengthEF"},
        {"PWidthEF", "QLineEdit", "", {695, 275, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText9", "QLabel", "Height of button (W)", {534, 276, 157, 20}, "", false, true, 0, R, "PWidthEF"},
        {"NumOfFinEF", "QLineEdit", "", {738, 297, 37, 22}, "", false, true, 0, F, ""},
        {"StaticText10", "QLabel", "Number of fingers/Contact (N)", {534, 298, 202, 20}, "", false, true, 0, R, "NumOfFinEF"},
        {"PGapEF", "QLineEdit", "", {695, 319, 80, 22}, "", false, true, 0, F, ""},
        {"StaticText11", "QLabel", "Gap between fingers (g)", {512, 320, 179, 20}, "", false, true, 0, R, "PGapEF"},
        {"SaveBoPB", "QPushButton", save, {495, 353, 280, 20}, "", false, false, 12, 0, ""},
        {"AppendSlPB", "QPushButton", append, {110, 385, 280, 20}, "", false, false, 12, 0, ""},
        {"AppendBoPB", "QPushButton", append, {495, 385, 280, 20}, "", false, false, 12, 0, ""},
        {"NameSlEF", "QLineEdit", "", {228, 231, 163, 22}, "", false, true, 0, F, ""},
        {"StaticText12", "QLabel", "Name Of Part Type", {94, 232, 131, 20}, "", false, true, 0, R, "NameSlEF"},
        {"NameBoEF", "QLineEdit", "", {612, 231, 163, 22}, "", false, true, 0, F, ""},
        {"StaticText13", "QLabel", "Name Of Part Type", {479, 232, 129, 20}, "", false, true, 0, R, "NameBoEF"},
        {"WarningST", "QLabel",
         lines({"WARNING:", "Possible errors:", "1) Length too short", "2) Too many cycles", "3) Gap is too big"}),
         {17, 264, 125, 83}, "", true, true, 0, TL, ""},
        {"InchesRB", "QRadioButton", "Inches", {304, 26, 100, 20}, "UnitsGB", false, true, 0, 0, ""},
        {"mmRB", "QRadioButton", "Millimeters", {406, 26, 100, 20}, "UnitsGB", false, true, 0, 0, ""},
        {"SliderBadCharST", "QLabel", "Bad character in name", {2, 214, 186, 20}, "", true, true, 0, C, ""},
        {"ButtonBadCharST", "QLabel", "Bad character in name", {422, 214, 186, 20}, "", true, true, 0, C, ""},
        {"PWarningST", "QLabel",
         lines({"WARNING:", "Possible errors:", "1) Too many fingers", "2) Length too short", "3) Gap is too big"}),
         {413, 253, 136, 83}, "", true, true, 0, TL, ""},
        {"StaticText14", "QLabel", "1 Cycle", {121, 167, 52, 20}, "Canvas1", false, true, 10, C, ""},
        {"PWarningGapST", "QLabel", lines({"WARNING:", "Gap is too small"}), {413, 253, 144, 36}, "", true, true, 0, TL, ""},
        {"WarningGapST", "QLabel", lines({"WARNING:", "Gap is too small"}), {17, 265, 144, 36}, "", true, true, 0, TL, ""},
        {"StaticText15", "QLabel", "Slider", {75, 8, 98, 43}, "", false, true, 24, C, ""},
        {"StaticText16", "QLabel", "Button", {620, 8, 98, 43}, "", false, true, 24, C, ""},
        {"Rectangle1", "QFrame", "", {594, 57, 152, 154}, "", false, true, 0, 0, ""},
        {"Canvas2", "velmora::ui::PictureCanvas", "", {601, 82, 109, 119}, "Rectangle1", false, true, 0, 0, ""},
        {"StaticText17", "QLabel", "Gap", {620, 70, 30, 20}, "Rectangle1", false, true, 0, C, ""},
        {"StaticText18", "QLabel", "Width", {612, 191, 45, 20}, "Rectangle1", false, true, 0, C, ""},
        {"StaticText19", "QLabel", "Height", {669, 124, 49, 20}, "Rectangle1", false, true, 0, C, ""},
    };
}

QString shownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    return {};
}

const QStringList kSliderFields = {"NumOfCycEF", "LengthEF", "GapEF", "WidthEF", "NameSlEF"};
const QStringList kButtonFields = {"NumOfFinEF", "PLengthEF", "PGapEF", "PWidthEF", "NameBoEF"};
const QStringList kSliderOutputs = {"saveSlBtn", "AppendSlPB", "WarningST", "SliderBadCharST", "WarningGapST"};
const QStringList kButtonOutputs = {"SaveBoPB", "AppendBoPB", "PWarningST", "ButtonBadCharST", "PWarningGapST"};

} // namespace

class Window1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Window1> window;

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }

    // The enabled state of a side's two push buttons and the visibility of
    // its three warnings, each red when shown.
    struct SideState {
        bool enabled;
        bool narrow;
        bool badCharacter;
        bool gapTooSmall;
    };

    SideState sideState(const QStringList& outputs) const
    {
        const bool save = control(outputs[0])->isEnabled();
        const bool append = control(outputs[1])->isEnabled();
        if (save != append)
            qFatal("%s and %s disagree", qPrintable(outputs[0]), qPrintable(outputs[1]));
        for (int i = 2; i < 5; ++i) {
            QLabel* warning = control<QLabel>(outputs[i]);
            if (!warning->isHidden() && warning->palette().color(QPalette::WindowText) != kRed)
                qFatal("%s is shown but not red", qPrintable(outputs[i]));
        }
        return {save, !control(outputs[2])->isHidden(), !control(outputs[3])->isHidden(),
                !control(outputs[4])->isHidden()};
    }

    void fill(const QStringList& fields, const QStringList& texts)
    {
        for (int i = 0; i < fields.size(); ++i)
            field(fields[i])->setText(texts[i]);
    }

    void clickRadio(const char* name)
    {
        auto* radio = control<QRadioButton>(QLatin1String(name));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }

private slots:
    void init()
    {
        window = std::make_unique<Window1>(nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        FileDialog::clearAnswers();
    }

    void controlTable_data()
    {
        QTest::addColumn<int>("row");
        const QList<ControlRow> rows = tableRows();
        for (int i = 0; i < rows.size(); ++i)
            QTest::addRow("%d %s", i + 1, rows[i].name) << i;
    }

    void controlTable()
    {
        QFETCH(int, row);
        const ControlRow expected = tableRows().at(row);
        QWidget* content = window->contentArea();
        QWidget* widget = control(QLatin1String(expected.name));

        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), QLatin1String(expected.kind));
        QCOMPARE(shownText(widget), expected.text);
        QCOMPARE(QRect(widget->mapTo(content, QPoint()), widget->size()), expected.rect);
        QWidget* parent = *expected.inside ? control(QLatin1String(expected.inside)) : content;
        QCOMPARE(widget->parentWidget(), parent);
        QCOMPARE(widget->isHidden(), expected.hidden);
        QCOMPARE(widget->isEnabled(), expected.enabled);
        // A special size is in pixels: one point of the layout is one pixel.
        if (expected.points)
            QCOMPARE(widget->font().pixelSize(), expected.points);
        else
            QCOMPARE(widget->font().pointSizeF(), QApplication::font(widget).pointSizeF());
        QVERIFY(!widget->font().bold() && !widget->font().italic() && !widget->font().underline());

        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(int(label->alignment()), expected.alignment);
            QCOMPARE(label->palette().color(QPalette::WindowText), kBlack);
            QCOMPARE(label->buddy(), *expected.buddy ? control(QLatin1String(expected.buddy)) : nullptr);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(int(edit->alignment()), expected.alignment);
            QVERIFY(edit->hasFrame());
            QVERIFY(!edit->isReadOnly());
            QCOMPARE(edit->echoMode(), QLineEdit::Normal);
            QVERIFY(edit->inputMask().isEmpty());
            QCOMPARE(edit->maxLength(), 32767); // Qt's own bound, far beyond any entry
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(edit->palette().color(QPalette::Text), kBlack);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->isDefault(), QLatin1String(expected.name) == QLatin1String("AppendSlPB"));
    }

    // Later controls are drawn over earlier ones: the labels must lie above
    // the diagrams they name.
    void controlsAreCreatedInTableOrder()
    {
        const QList<ControlRow> rows = tableRows();
        int named = 0;
        for (QWidget* widget : window->contentArea()->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
                ++named;
        }
        QCOMPARE(named, rows.size());
        for (int i = 1; i < rows.size(); ++i) {
            for (int j = 0; j < i; ++j) {
                QWidget* earlier = control(QLatin1String(rows[j].name));
                QWidget* later = control(QLatin1String(rows[i].name));
                if (earlier->parent() != later->parent())
                    continue;
                const QObjectList siblings = later->parent()->children();
                QVERIFY2(siblings.indexOf(earlier) < siblings.indexOf(later), rows[i].name);
            }
        }
    }

    void windowSettings()
    {
        auto* menuBar = new QMenuBar;
        menuBar->addMenu(QStringLiteral("File"));
        Window1 withMenu(menuBar);
        withMenu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&withMenu));

        QCOMPARE(withMenu.menuBar(), menuBar);
        QCOMPARE(withMenu.windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(withMenu.contentArea()->size(), QSize(795, 422));
        QCOMPARE(withMenu.contentArea()->pos(), QPoint(0, menuBar->height()));
        QCOMPARE(withMenu.size(), QSize(795, 422 + menuBar->height()));
        QCOMPARE(withMenu.minimumSize(), withMenu.maximumSize());
        const Qt::WindowFlags flags = withMenu.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));

        // A resize request changes nothing.
        withMenu.resize(1000, 700);
        QCOMPARE(withMenu.contentArea()->size(), QSize(795, 422));
        QCOMPARE(withMenu.size(), QSize(795, 422 + menuBar->height()));
    }

    void initialState()
    {
        QCOMPARE(window->property("UnitConversion").toDouble(), 1.0);
        QVERIFY(control<QRadioButton>("InchesRB")->isChecked());
        QVERIFY(!control<QRadioButton>("mmRB")->isChecked());
        QCOMPARE(control("Canvas1")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(control("Canvas2")->focusPolicy(), Qt::NoFocus);
        auto* rectangle = control<QFrame>("Rectangle1");
        QVERIFY(rectangle->autoFillBackground());
        QCOMPARE(rectangle->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(rectangle->frameWidth(), 0);
    }

    void tabFollowsTheVisualOrder()
    {
        // Fill both sides so that every push button takes part.
        fill(kSliderFields, {"4", "1", "0.02", "0.2", "SL1"});
        fill(kButtonFields, {"4", "0.5", "0.02", "0.5", "BT1"});
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        control<QRadioButton>("InchesRB")->setFocus();
        const QStringList order = {"NameSlEF",  "LengthEF",  "WidthEF",    "NumOfCycEF", "GapEF",
                                   "saveSlBtn", "AppendSlPB", "NameBoEF",   "PLengthEF",  "PWidthEF",
                                   "NumOfFinEF", "PGapEF",    "SaveBoPB",   "AppendBoPB", "InchesRB"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    // Typing in a field runs its own side's check and leaves the other side
    // exactly as it was.
    void typingRunsOnlyItsSidesCheck_data()
    {
        QTest::addColumn<QString>("typedField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sliderSide");
        const QStringList sliderTexts = {"4", "1", "0.02", "0.2", "SL1"};
        const QStringList buttonTexts = {"4", "0.5", "0.02", "0.5", "BT1"};
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(qPrintable(kSliderFields[i])) << kSliderFields[i] << sliderTexts[i] << true;
            QTest::newRow(qPrintable(kButtonFields[i])) << kButtonFields[i] << buttonTexts[i] << false;
        }
    }

    void typingRunsOnlyItsSidesCheck()
    {
        QFETCH(QString, typedField);
        QFETCH(QString, typed);
        QFETCH(bool, sliderSide);
        const QStringList& fields = sliderSide ? kSliderFields : kButtonFields;
        const QStringList& outputs = sliderSide ? kSliderOutputs : kButtonOutputs;
        const QStringList& otherOutputs = sliderSide ? kButtonOutputs : kSliderOutputs;

        const QStringList texts = sliderSide ? QStringList{"4", "1", "0.02", "0.2", "SL1"}
                                             : QStringList{"4", "0.5", "0.02", "0.5", "BT1"};
        for (int i = 0; i < 5; ++i)
            field(fields[i])->setText(fields[i] == typedField ? QString() : texts[i]);
        QVERIFY(!control(outputs[0])->isEnabled());

        // The other side shows what no check of its empty fields would.
        for (int i = 0; i < 5; ++i)
            i < 2 ? control(otherOutputs[i])->setEnabled(true) : control(otherOutputs[i])->setVisible(true);

        QTest::keyClicks(field(typedField), typed);
        QCOMPARE(field(typedField)->text(), typed);
        QVERIFY(control(outputs[0])->isEnabled());
        QVERIFY(control(outputs[1])->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY2(i < 2 ? control(otherOutputs[i])->isEnabled() : !control(otherOutputs[i])->isHidden(),
                     qPrintable(otherOutputs[i]));
    }

    void checks_data()
    {
        QTest::addColumn<bool>("sliderSide");
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<QStringList>("texts"); // N, L, g, W, name
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("narrow");
        QTest::addColumn<bool>("badCharacter");
        QTest::addColumn<bool>("gapTooSmall");

        const auto slider = [](const char* row, QStringList texts, bool e, bool n, bool b, bool g, bool mm = false) {
            QTest::newRow(row) << true << mm << texts << e << n << b << g;
        };
        const auto button = [](const char* row, QStringList texts, bool e, bool n, bool b, bool g, bool mm = false) {
            QTest::newRow(row) << false << mm << texts << e << n << b << g;
        };
        slider("slider: pad wider than gap", {"4", "1", "0.02", "0.2", "SL1"}, true, false, false, false);
        slider("slider: negative pad", {"4", "1", "0.06", "0.2", "SL1"}, true, true, false, false);
        slider("slider: L 0.78, pad equals gap", {"4", "0.78", "0.02", "0.2", "SL1"}, true, false, false, false);
        slider("slider: L 0.77, rounds up to the gap", {"4", "0.77", "0.02", "0.2", "SL1"}, true, false, false, false);
        slider("slider: L 0.76, pad below gap", {"4", "0.76", "0.02", "0.2", "SL1"}, true, true, false, false);
        slider("slider: N 5", {"5", "1", "0.02", "0.2", "SL1"}, true, true, false, false);
        slider("slider: N 10", {"10", "1", "0.02", "0.2", "SL1"}, true, true, false, false);
        slider("slider: N empty", {"", "1", "0.02", "0.2", "SL1"}, false, false, false, false);
        slider("slider: N -1", {"-1", "1", "0.02", "0.2", "SL1"}, true, true, false, false);
        slider("slider: N 0.5 enables, counts as 0", {"0.5", "1", "0.02", "0.2", "SL1"}, true, false, false, false);
        slider("slider: L -1, N 1, gap 0", {"1", "-1", "0", "0.2", "SL1"}, false, true, false, true);
        slider("slider: huge N", {"2147483647", "1", "0.02", "0.2", "SL1"}, true, true, false, false);
        button("button: N 4", {"4", "0.5", "0.02", "0.5", "BT1"}, true, false, false, false);
        button("button: N 6", {"6", "0.5", "0.02", "0.5", "BT1"}, true, false, false, false);
        button("button: N 7", {"7", "0.5", "0.02", "0.5", "BT1"}, true, true, false, false);
        button("button: N 8, 12.5 goes up", {"8", "0.5", "0.02", "0.5", "BT1"}, true, true, false, false);
        button("button: N 0", {"0", "0.5", "0.02", "0.5", "BT1"}, false, false, false, false);
        button("button: N -1", {"-1", "0.5", "0.02", "0.5", "BT1"}, true, true, false, false);
        button("button: huge N", {"2147483647", "0.5", "0.02", "0.5", "BT1"}, true, true, false, false);
        slider("gap 0.001", {"4", "1", "0.001", "0.2", "SL1"}, true, false, false, false);
        slider("gap 0.0009", {"4", "1", "0.0009", "0.2", "SL1"}, true, false, false, true);
        slider("gap 0", {"4", "1", "0", "0.2", "SL1"}, false, false, false, true);
        slider("gap -0.01", {"4", "1", "-0.01", "0.2", "SL1"}, true, false, false, true);
        button("gap abc", {"4", "0.5", "abc", "0.5", "BT1"}, false, false, false, true);
        button("gap empty", {"4", "0.5", "", "0.5", "BT1"}, false, false, false, false);
        slider("mm: gap 0.0254", {"4", "25", "0.0254", "5", "SL1"}, true, false, false, true, true);
        slider("mm: gap 0.0255", {"4", "25", "0.0255", "5", "SL1"}, true, false, false, false, true);
        button("mm: gap 0.02", {"4", "12", "0.02", "12", "BT1"}, true, false, false, true, true);
        button("mm: decimal comma reads up to the comma", {"4", "12", "0,5", "12", "BT1"}, false, false, false, true, true);
        slider("name with a space", {"4", "1", "0.02", "0.2", "SL 1"}, true, false, true, false);
        button("name with a comma", {"4", "0.5", "0.02", "0.5", "A,B"}, true, false, true, false);
        slider("name with a left brace", {"4", "1", "0.02", "0.2", "X{"}, true, false, true, false);
        button("name a lone right brace", {"4", "0.5", "0.02", "0.5", "}"}, true, false, true, false);
        slider("name with an apostrophe", {"4", "1", "0.02", "0.2", "it's"}, true, false, true, false);
        slider("name with a tab", {"4", "1", "0.02", "0.2", "SL\t1"}, true, false, false, false);
        button("name with a double quote", {"4", "0.5", "0.02", "0.5", "B\"1"}, true, false, false, false);
        slider("name beyond ASCII", {"4", "1", "0.02", "0.2", QStringLiteral("Schieber\u00e4")}, true, false, false, false);
        slider("name of spaces only", {"4", "1", "0.02", "0.2", "   "}, true, false, true, false);
        button("name empty", {"4", "0.5", "0.02", "0.5", ""}, false, false, false, false);
    }

    // Each row runs through the real fields and controls; appending "_Saved"
    // to a name, as a finished output command does, changes no outcome.
    void checks()
    {
        QFETCH(bool, sliderSide);
        QFETCH(bool, millimetres);
        QFETCH(QStringList, texts);
        QFETCH(bool, enabled);
        QFETCH(bool, narrow);
        QFETCH(bool, badCharacter);
        QFETCH(bool, gapTooSmall);
        const QStringList& fields = sliderSide ? kSliderFields : kButtonFields;
        const QStringList& outputs = sliderSide ? kSliderOutputs : kButtonOutputs;

        if (millimetres)
            clickRadio("mmRB");
        fill(fields, texts);
        SideState state = sideState(outputs);
        QCOMPARE(state.enabled, enabled);
        QCOMPARE(state.narrow, narrow);
        QCOMPARE(state.badCharacter, badCharacter);
        QCOMPARE(state.gapTooSmall, gapTooSmall);

        const SideState other = sideState(sliderSide ? kButtonOutputs : kSliderOutputs);
        QVERIFY(!other.enabled && !other.narrow && !other.badCharacter && !other.gapTooSmall);

        if (texts[4].isEmpty())
            return;
        QLineEdit* name = field(fields[4]);
        name->setText(name->text() + QStringLiteral("_Saved"));
        state = sideState(outputs);
        QCOMPARE(state.enabled, enabled);
        QCOMPARE(state.narrow, narrow);
        QCOMPARE(state.badCharacter, badCharacter);
        QCOMPARE(state.gapTooSmall, gapTooSmall);
    }

    void aWarningStaysRedWhenHidden()
    {
        QLabel* warning = control<QLabel>("WarningGapST");
        field("GapEF")->setText("0.0001");
        QVERIFY(!warning->isHidden());
        field("GapEF")->setText("0.01");
        QVERIFY(warning->isHidden());
        QCOMPARE(warning->palette().color(QPalette::WindowText), kRed);
        QCOMPARE(control<QLabel>("WarningST")->palette().color(QPalette::WindowText), kBlack);
    }

    void unitSwitching_data()
    {
        QTest::addColumn<bool>("sliderSide");
        QTest::newRow("slider") << true;
        QTest::newRow("button") << false;
    }

    // A unit change sets the factor and reruns both checks at once, so no
    // stale warning of the old unit stays on screen.
    void unitSwitching()
    {
        QFETCH(bool, sliderSide);
        const QStringList& fields = sliderSide ? kSliderFields : kButtonFields;
        const QStringList& outputs = sliderSide ? kSliderOutputs : kButtonOutputs;
        const QStringList texts = sliderSide ? QStringList{"4", "1", "0.02", "0.2", "SL1"}
                                             : QStringList{"4", "0.5", "0.02", "0.5", "BT1"};
        fill(fields, texts);
        QVERIFY(!sideState(outputs).gapTooSmall);

        clickRadio("mmRB");
        QVERIFY(control<QRadioButton>("mmRB")->isChecked());
        QVERIFY(!control<QRadioButton>("InchesRB")->isChecked());
        const double factor = window->property("UnitConversion").toDouble();
        QCOMPARE(std::bit_cast<std::uint64_t>(factor), std::uint64_t{0x3FA4284DFCE3150E});
        SideState state = sideState(outputs);
        QVERIFY(state.gapTooSmall);
        QVERIFY(state.enabled);
        QVERIFY(!state.narrow && !state.badCharacter);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(field(fields[i])->text(), texts[i]);
        const SideState other = sideState(sliderSide ? kButtonOutputs : kSliderOutputs);
        QVERIFY(!other.enabled && !other.narrow && !other.badCharacter && !other.gapTooSmall);

        clickRadio("InchesRB");
        QCOMPARE(window->property("UnitConversion").toDouble(), 1.0);
        QVERIFY(control<QRadioButton>("InchesRB")->isChecked());
        state = sideState(outputs);
        QVERIFY(!state.gapTooSmall);
        QVERIFY(state.enabled);

        // Pressing the selected unit again changes nothing.
        clickRadio("InchesRB");
        QCOMPARE(window->property("UnitConversion").toDouble(), 1.0);
    }

    void outputButtonsRunTheirCommands_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<bool>("saveDialog");
        QTest::addColumn<QString>("suggestedName");
        QTest::newRow("saveSlBtn") << "saveSlBtn" << true << "Slider";
        QTest::newRow("AppendSlPB") << "AppendSlPB" << false << "Slider";
        QTest::newRow("SaveBoPB") << "SaveBoPB" << true << "Button";
        QTest::newRow("AppendBoPB") << "AppendBoPB" << false << "Button";
    }

    void outputButtonsRunTheirCommands()
    {
        QFETCH(QString, buttonName);
        QFETCH(bool, saveDialog);
        QFETCH(QString, suggestedName);
        fill(kSliderFields, {"4", "1", "0.02", "0.2", "SL1"});
        fill(kButtonFields, {"4", "0.5", "0.02", "0.5", "BT1"});
        FileDialog::setNextAnswer(std::nullopt); // the user cancels
        QTest::mouseClick(control(buttonName), Qt::LeftButton);
        QVERIFY(!FileDialog::hasPendingAnswers());
        QCOMPARE(FileDialog::lastWasSaveDialog(), saveDialog);
        QCOMPARE(FileDialog::lastSuggestedName(), suggestedName);
        QCOMPARE(field("NameSlEF")->text(), QStringLiteral("SL1"));
        QCOMPARE(field("NameBoEF")->text(), QStringLiteral("BT1"));
    }

    void picturesAreLoadedOnce()
    {
        const QPicture& slider = velmora::ui::Slider2a();
        const QPicture& button = velmora::ui::ButtonCvs();
        QCOMPARE(&velmora::ui::Slider2a(), &slider);
        QCOMPARE(&velmora::ui::ButtonCvs(), &button);
        QCOMPARE(&control<PictureCanvas>("Canvas1")->picture(), &slider);
        QCOMPARE(&control<PictureCanvas>("Canvas2")->picture(), &button);
        QCOMPARE(slider.boundingRect(), QRect(0, 0, 330, 154));
        QCOMPARE(button.boundingRect(), QRect(0, 0, 109, 119));
    }

    // The diagrams are vector drawings: at twice the pixel density they
    // still have hard edges rather than scaled-up pixels.
    void picturesDrawSomethingAtAnyDensity_data()
    {
        QTest::addColumn<bool>("sliderPicture");
        QTest::newRow("Slider2a") << true;
        QTest::newRow("ButtonCvs") << false;
    }

    void picturesDrawSomethingAtAnyDensity()
    {
        QFETCH(bool, sliderPicture);
        const QPicture& picture = sliderPicture ? velmora::ui::Slider2a() : velmora::ui::ButtonCvs();
        QImage image(picture.boundingRect().size() * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2.0);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.drawPicture(0, 0, picture);
        painter.end();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        QVERIFY2(opaque > image.width() * image.height() / 10, "the diagram is nearly empty");
    }

    void findOrCreateReturnsTheExistingWindow()
    {
        QCOMPARE(Window1::findOrCreate(nullptr), window.get());
        int windows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windows += qobject_cast<Window1*>(widget) != nullptr;
        QCOMPARE(windows, 1);
    }
};

VELMORA_QTEST_MAIN(Window1Test)
#include "test_window1.moc"
