#include "ButtonGenerator.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "QtTestMain.h"
#include "SliderGenerator.h"
#include "TempFolder.h"
#include "UnitConversion.h"
#include "Window1.h"
#include "WorkedExamples.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace velmora;
using namespace velmora::test;
using velmora::ui::FileDialog;
using velmora::ui::MessageBox;
using velmora::ui::Window1;
namespace fs = std::filesystem;

namespace {

const EntryTexts kSliderEntries{"4", "1", "0.02", "0.5", "SL1"};
const EntryTexts kButtonEntries{"4", "0.5", "0.02", "0.5", "BT1"};

const char* const kCouldNotCreate = "The text file could not be created.";
const char* const kCouldNotWrite = "The text file could not be written.";

} // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Window1> window;

    template <typename Widget>
    Widget* find(const char* name)
    {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }

    void fill(bool slider, const EntryTexts& t)
    {
        const char* const sliderNames[] = {"NumOfCycEF", "LengthEF", "GapEF", "WidthEF", "NameSlEF"};
        const char* const buttonNames[] = {"NumOfFinEF", "PLengthEF", "PGapEF", "PWidthEF", "NameBoEF"};
        const std::string* texts[] = {&t.count, &t.length, &t.gap, &t.width, &t.name};
        for (int i = 0; i < 5; ++i)
            find<QLineEdit>(slider ? sliderNames[i] : buttonNames[i])->setText(QString::fromStdString(*texts[i]));
    }

    QPushButton* commandButton(bool slider, bool save)
    {
        return find<QPushButton>(slider ? (save ? "saveSlBtn" : "AppendSlPB") : (save ? "SaveBoPB" : "AppendBoPB"));
    }

    QString nameText(bool slider) { return find<QLineEdit>(slider ? "NameSlEF" : "NameBoEF")->text(); }

    // Presses the command's button with the dialog answering `answer`.
    void run(bool slider, bool save, std::optional<QString> answer)
    {
        FileDialog::setNextAnswer(std::move(answer));
        QPushButton* button = commandButton(slider, save);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!FileDialog::hasPendingAnswers());
    }

private slots:
    void init()
    {
        MessageBox::setTestMode(true);
        MessageBox::clearShown();
        FileDialog::clearAnswers();
        window = std::make_unique<Window1>(new QMenuBar);
    }

    void cleanup() { window.reset(); }

    void command_data()
    {
        QTest::addColumn<bool>("slider");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QByteArray>("before"); // "-" for no file
        QTest::addColumn<QByteArray>("after");  // "-" for no file
        QTest::addColumn<QString>("message");

        const QByteArray sl1 = kSliderSL1;
        const QByteArray bt1 = kButtonBT1;
        QTest::newRow("save slider to a new file") << true << true << QByteArray("-") << sl1 << QString();
        QTest::newRow("save button over an existing file") << false << true << QByteArray("old\nold\nold\n") << bt1 << QString();
        QTest::newRow("append slider after a part type") << true << false << bt1 << bt1 + sl1 << QString();
        QTest::newRow("append button to a file without a final line feed")
            << false << false << QByteArray("Type OLD {\n}") << QByteArray("Type OLD {\n}\n") + bt1 << QString();
        QTest::newRow("append slider to an empty file") << true << false << QByteArray("") << sl1 << QString();
    }

    void command()
    {
        QFETCH(bool, slider);
        QFETCH(bool, save);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, message);

        TempFolder folder;
        const std::string path = folder.file(slider ? "Slider" : "Button");
        if (before != "-")
            writeFile(path, before.toStdString());
        fill(slider, slider ? kSliderEntries : kButtonEntries);
        const QString name = nameText(slider);

        run(slider, save, QString::fromStdString(path));

        QCOMPARE(FileDialog::lastSuggestedName(), slider ? QStringLiteral("Slider") : QStringLiteral("Button"));
        QCOMPARE(FileDialog::lastWasSaveDialog(), save);
        QCOMPARE(QByteArray::fromStdString(readFile(path)), after);
        QCOMPARE(MessageBox::shownTexts(), QStringList());
        QCOMPARE(nameText(slider), name + "_Saved");
        QCOMPARE(folder.names().size(), std::size_t{1});
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("slider");
        QTest::addColumn<bool>("save");
        QTest::newRow("save slider") << true << true;
        QTest::newRow("append slider") << true << false;
        QTest::newRow("save button") << false << true;
        QTest::newRow("append button") << false << false;
    }

    void cancelChangesNothing()
    {
        QFETCH(bool, slider);
        QFETCH(bool, save);
        fill(slider, slider ? kSliderEntries : kButtonEntries);
        run(slider, save, std::nullopt);
        QCOMPARE(nameText(slider), slider ? QStringLiteral("SL1") : QStringLiteral("BT1"));
        QCOMPARE(MessageBox::shownTexts(), QStringList());
    }

    void twoSavesInARowMarkTheNameTwice()
    {
        TempFolder folder;
        const std::string first = folder.file("first");
        const std::string second = folder.file("second");
        fill(true, kSliderEntries);
        run(true, true, QString::fromStdString(first));
        run(true, true, QString::fromStdString(second));
        QCOMPARE(nameText(true), QStringLiteral("SL1_Saved_Saved"));
        QVERIFY(readFile(first).rfind("Type SL1 {\n", 0) == 0);
        QVERIFY(readFile(second).rfind("Type SL1_Saved {\n", 0) == 0);
        // The mark is an edit like any other: the buttons stay enabled.
        QVERIFY(commandButton(true, true)->isEnabled());
    }

    void unitInForceWhenTheCommandRunsIsUsed()
    {
        TempFolder folder;
        const std::string path = folder.file("Button");
        fill(false, {"4", "12.7", "0.5", "12.7", "BT2"});
        find<QRadioButton>("mmRB")->click();
        run(false, true, QString::fromStdString(path));
        const std::string text = readFile(path);
        QCOMPARE(QByteArray::fromStdString(text),
                 QByteArray::fromStdString(ButtonComponentText({4, 12.7 * kInchesPerMillimetre,
                                                                0.5 * kInchesPerMillimetre, 12.7 * kInchesPerMillimetre,
                                                                "BT2"})));
        QVERIFY(text.find("Pad B { Rectangle 499 19 }\n") != std::string::npos);
    }

    void unopenableTarget_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("target");
        QTest::newRow("save into a missing folder") << true << "missing/Slider";
        QTest::newRow("save over a folder") << true << "folder";
        QTest::newRow("append into a missing folder") << false << "missing/Slider";
        QTest::newRow("append to a folder") << false << "folder";
    }

    void unopenableTarget()
    {
        QFETCH(bool, save);
        QFETCH(QString, target);
        TempFolder folder;
        fs::create_directory(folder.path() / "folder");
        const QString path = QString::fromStdString(folder.file(target.toStdString()));
        fill(true, kSliderEntries);
        run(true, save, path);
        QCOMPARE(MessageBox::shownTexts(), QStringList{kCouldNotCreate});
        // The system's reason follows the path, in the user's language.
        const QString details = MessageBox::shownInformativeTexts().constFirst();
        QVERIFY2(details.startsWith(path + ": ") && details.size() > path.size() + 4, qPrintable(details));
        QCOMPARE(nameText(true), QStringLiteral("SL1"));
        QCOMPARE(folder.names(), std::vector<std::string>{"folder"});
    }

    void writeFailingPartWayLeavesTheFile_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("save") << true;
        QTest::newRow("append") << false;
    }

    void writeFailingPartWayLeavesTheFile()
    {
        QFETCH(bool, save);
        TempFolder folder;
        const std::string path = folder.file("lib.txt");
        const std::string old = kButtonBT1;
        writeFile(path, old);
        fill(true, {"300", "10", "0.001", "0.5", "BIG"});
        {
            FileSizeLimit limit(old.size() + 100);
            run(true, save, QString::fromStdString(path));
        }
        QCOMPARE(MessageBox::shownTexts(), QStringList{kCouldNotWrite});
        QVERIFY(MessageBox::shownInformativeTexts().constFirst().startsWith(QString::fromStdString(path) + ": "));
        QCOMPARE(QByteArray::fromStdString(readFile(path)), QByteArray::fromStdString(old));
        QCOMPARE(nameText(true), QStringLiteral("BIG"));
        QCOMPARE(folder.names(), std::vector<std::string>{"lib.txt"});
    }

    void fullDeviceIsReported()
    {
        if (!fs::exists("/dev/full"))
            QSKIP("no /dev/full");
        fill(false, kButtonEntries);
        run(false, false, QStringLiteral("/dev/full"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{kCouldNotWrite});
        QCOMPARE(nameText(false), QStringLiteral("BT1"));
    }

    void saveKeepsPermissionsAndFollowsALink()
    {
        TempFolder folder;
        const std::string target = folder.file("lib.txt");
        writeFile(target, "old\n");
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        fs::create_symlink(target, folder.file("link.txt"));
        fill(true, kSliderEntries);
        run(true, true, QString::fromStdString(folder.file("link.txt")));
        QVERIFY(fs::is_symlink(folder.file("link.txt")));
        QCOMPARE(QByteArray::fromStdString(readFile(target)), QByteArray(kSliderSL1));
        QCOMPARE(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    }

    void refusedPartTypeTouchesNoFile_data()
    {
        QTest::addColumn<bool>("slider");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too many cycles, save") << true << true << "100001" << "The number of cycles must be at most 100000.";
        QTest::newRow("too many fingers, append") << false << false << "100001" << "The number of fingers must be at most 100000.";
        QTest::newRow("fingers reading 0, save") << false << true << "0.5" << "is not a finite number";
    }

    void refusedPartTypeTouchesNoFile()
    {
        QFETCH(bool, slider);
        QFETCH(bool, save);
        QFETCH(QString, count);
        QFETCH(QString, reason);
        TempFolder folder;
        const std::string path = folder.file("lib.txt");
        writeFile(path, "Type OLD {\n}");
        EntryTexts entries = slider ? kSliderEntries : kButtonEntries;
        entries.count = count.toStdString();
        fill(slider, entries);
        run(slider, save, QString::fromStdString(path));
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QVERIFY2(MessageBox::shownTexts().constFirst().contains(reason), qPrintable(MessageBox::shownTexts().constFirst()));
        QCOMPARE(readFile(path), std::string("Type OLD {\n}"));
        QCOMPARE(nameText(slider), QString::fromStdString(entries.name));
    }
};

VELMORA_QTEST_MAIN(OutputCommandsTest)
#include "test_output_commands.moc"
