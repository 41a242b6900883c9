// One keystroke's live check, through the real window: a field's text
// changes and SliderCheck reads the five fields and updates the controls.
#include "Window1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

velmora::ui::Window1* theWindow = nullptr;

velmora::ui::Window1& window()
{
    return *theWindow;
}

QLineEdit* field(const char* name)
{
    return window().findChild<QLineEdit*>(QLatin1String(name));
}

void fillSlider()
{
    field("NameSlEF")->setText(QStringLiteral("VOL_SLIDER"));
    field("LengthEF")->setText(QStringLiteral("1.5"));
    field("WidthEF")->setText(QStringLiteral("0.3"));
    field("NumOfCycEF")->setText(QStringLiteral("12"));
    field("GapEF")->setText(QStringLiteral("0.02"));
}

// The text changes as by a program; the check runs from textChanged.
void BM_SetTextRunsSliderCheck(benchmark::State& state)
{
    fillSlider();
    QLineEdit* length = field("LengthEF");
    const QString texts[2] = {QStringLiteral("1.5"), QStringLiteral("0.75")};
    int i = 0;
    for (auto _ : state) {
        length->setText(texts[i ^= 1]);
    }
}
BENCHMARK(BM_SetTextRunsSliderCheck);

// A typed character and its Backspace, each delivered as a key event.
void BM_KeyPressRunsSliderCheck(benchmark::State& state)
{
    fillSlider();
    QLineEdit* gap = field("GapEF");
    gap->setCursorPosition(gap->text().size());
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    int i = 0;
    for (auto _ : state) {
        QCoreApplication::sendEvent(gap, (i ^= 1) ? &digit : &backspace);
    }
}
BENCHMARK(BM_KeyPressRunsSliderCheck);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    velmora::ui::Window1 instance(nullptr);
    theWindow = &instance;
    instance.show();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
