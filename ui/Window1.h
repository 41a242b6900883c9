#pragma once

#include "InputChecks.h"
#include "OutputCommand.h"

#include <QMainWindow>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPicture;
class QPushButton;
class QRadioButton;

namespace velmora::ui {

// A control that shows a picture as its background and nothing else.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    PictureCanvas(const QPicture& picture, QWidget* parent);
    const QPicture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPicture& picture_;
};

// The program's one window: the slider on the left, the button on the
// right, the unit of every length at the top and the four output commands at
// the bottom. Controls are found by their object names.
class Window1 : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(double UnitConversion READ unitConversion)

public:
    // Builds the window with `menuBar` as its menu bar (the window takes it
    // over as a child) and all its controls; the window is not shown yet.
    explicit Window1(QMenuBar* menuBar);

    // The window that exists, or a new one built and shown.
    static Window1* findOrCreate(QMenuBar* menuBar);

    // Inches in one entered length unit: 1.0 or 0.03937.
    double unitConversion() const { return unitConversion_; }

    // The area below the menu bar that holds every control.
    QWidget* contentArea() const { return centralWidget(); }

public slots:
    void SliderCheck();
    void ButtonCheck();

    void saveSlBtn_Action();
    void AppendSlPB_Action();
    void SaveBoPB_Action();
    void AppendBoPB_Action();

    void LengthEF_TextChange();
    void WidthEF_TextChange();
    void NumOfCycEF_TextChange();
    void GapEF_TextChange();
    void NameSlEF_TextChange();
    void PLengthEF_TextChange();
    void PWidthEF_TextChange();
    void NumOfFinEF_TextChange();
    void PGapEF_TextChange();
    void NameBoEF_TextChange();

    void InchesRB_Action();
    void mmRB_Action();

private:
    struct SideControls {
        SideFields fields;
        QPushButton* save = nullptr;
        QPushButton* append = nullptr;
        QLabel* narrowWarning = nullptr;
        QLabel* badCharacter = nullptr;
        QLabel* gapWarning = nullptr;
    };

    void buildControls();
    void setTabOrder();
    void setUnit(double unitConversion);
    void runOutput(OutputMode mode, PartKind kind);
    static EntryTexts readEntries(const SideFields& fields);
    static void applyOutcome(const CheckOutcome& outcome, const SideControls& side);

    double unitConversion_ = 1.0;
    SideControls slider_;
    SideControls button_;
    QRadioButton* inchesRB_ = nullptr;
    QRadioButton* mmRB_ = nullptr;
};

} // namespace velmora::ui
