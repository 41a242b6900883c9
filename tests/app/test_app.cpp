#include "App.h"
#include "FileTypes.h"
#include "Menu.h"
#include "QtTestMain.h"
#include "StartUp.h"
#include "Window1.h"

#include <QAction>
#include <QClipboard>
#include <QFileOpenEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

using velmora::app::App;
using velmora::app::FileTypes;
using velmora::app::Menu;
using velmora::ui::Window1;

namespace {

App* app()
{
    return static_cast<App*>(QCoreApplication::instance());
}

QList<Window1*> mainWindows()
{
    QList<Window1*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window1*>(widget))
            windows << window;
    }
    return windows;
}

// Throws from its event handler, as a faulty control would.
class Faulty : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("pad table overflow");
        return QObject::event(event);
    }
};

} // namespace

class AppTest : public QObject {
    Q_OBJECT

    Window1* window = nullptr;

    QAction* item(const char* name) const
    {
        auto* action = Menu::instance()->findChild<QAction*>(QLatin1String(name));
        if (!action)
            qFatal("no menu item %s", name);
        return action;
    }

    QLineEdit* field(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        window = velmora::app::startUp(*app());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanupTestCase()
    {
        // The window owns the shared menu bar; both go before the application.
        delete window;
        window = nullptr;
    }

    void startUpOpensExactlyOneWindowWithTheSharedMenu()
    {
        QCOMPARE(velmora::app::startUp(*app()), window);
        QCOMPARE(mainWindows().size(), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(Menu::instance(), Menu::instance());
        QCOMPARE(app()->menu(), Menu::instance());
        QCOMPARE(window->menuBar(), Menu::instance());
        QCOMPARE(Menu::instance()->findChildren<QMenu*>().size(), 2);
    }

    void menuTable_data()
    {
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("autoEnable");
        QTest::addColumn<bool>("separator");
        QTest::newRow("UntitledMenu2") << "" << "File" << QKeySequence() << false << false;
        QTest::newRow("FileQuit") << "UntitledMenu2" << "Quit" << QKeySequence("Ctrl+Q") << true << false;
        QTest::newRow("UntitledMenu0") << "" << "Edit" << QKeySequence() << false << false;
        QTest::newRow("EditUndo") << "UntitledMenu0" << "Undo" << QKeySequence("Ctrl+Z") << false << false;
        QTest::newRow("UntitledMenu1") << "UntitledMenu0" << "" << QKeySequence() << false << true;
        QTest::newRow("EditCut") << "UntitledMenu0" << "Cut" << QKeySequence("Ctrl+X") << false << false;
        QTest::newRow("EditCopy") << "UntitledMenu0" << "Copy" << QKeySequence("Ctrl+C") << false << false;
        QTest::newRow("EditPaste") << "UntitledMenu0" << "Paste" << QKeySequence("Ctrl+V") << false << false;
        QTest::newRow("EditClear") << "UntitledMenu0" << "Clear" << QKeySequence() << false << false;
    }

    // Each item in its place, in table order, with its caption, shortcut and
    // auto-enable flag.
    void menuTable()
    {
        QFETCH(QString, parentName);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, autoEnable);
        QFETCH(bool, separator);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        Menu* menu = Menu::instance();

        QAction* action = nullptr;
        QList<QAction*> siblings;
        if (parentName.isEmpty()) {
            auto* title = menu->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly);
            QVERIFY(title);
            action = title->menuAction();
            siblings = menu->actions();
        } else {
            auto* parent = menu->findChild<QMenu*>(parentName, Qt::FindDirectChildrenOnly);
            QVERIFY(parent);
            action = parent->findChild<QAction*>(name);
            siblings = parent->actions();
        }
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(action->property(Menu::kAutoEnable).toBool(), autoEnable);
        QCOMPARE(action->isSeparator(), separator);

        QStringList order;
        for (QAction* sibling : siblings)
            order << sibling->objectName();
        const QStringList expected = parentName.isEmpty() ? QStringList{"UntitledMenu2", "UntitledMenu0"}
                                     : parentName == QLatin1String("UntitledMenu2")
                                         ? QStringList{"FileQuit"}
                                         : QStringList{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
                                                       "EditPaste", "EditClear"};
        QCOMPARE(order, expected);
    }

    void editItemsAreEnabledOnlyWhenTheyCanAct_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QList<bool>>("enabled"); // undo, cut, copy, paste, clear
        using B = QList<bool>;
        QTest::newRow("field, nothing to act on") << "LengthEF" << 0 << 0 << "" << "" << B{0, 0, 0, 0, 0};
        QTest::newRow("selection") << "LengthEF" << 0 << 2 << "" << "" << B{0, 1, 1, 0, 1};
        QTest::newRow("clipboard text") << "GapEF" << 0 << 0 << "" << "7" << B{0, 0, 0, 1, 0};
        QTest::newRow("after typing") << "NameBoEF" << 0 << 0 << "5" << "" << B{1, 0, 0, 0, 0};
        QTest::newRow("no field focused") << "InchesRB" << 0 << 0 << "" << "7" << B{0, 0, 0, 0, 0};
    }

    void editItemsAreEnabledOnlyWhenTheyCanAct()
    {
        QFETCH(QString, focused);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QFETCH(QString, typed);
        QFETCH(QString, clipboard);
        QFETCH(QList<bool>, enabled);

        QGuiApplication::clipboard()->setText(clipboard);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* target = window->findChild<QWidget*>(focused);
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->setText(QStringLiteral("0.25"));
            edit->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), target);
            if (selectionLength)
                edit->setSelection(selectionStart, selectionLength);
            QTest::keyClicks(edit, typed);
        } else {
            target->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), target);
        }
        const char* names[] = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(item(names[i])->isEnabled() == enabled[i], names[i]);
        QVERIFY(item("FileQuit")->isEnabled());
    }

    void editItemsActOnTheFocusedField_data()
    {
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QString>("expectedClipboard");
        QTest::newRow("EditCut") << "EditCut" << 0 << 2 << "25" << "0.";
        QTest::newRow("EditCopy") << "EditCopy" << 2 << 2 << "0.25" << "25";
        QTest::newRow("EditPaste") << "EditPaste" << 4 << 0 << "0.259" << "9";
        QTest::newRow("EditClear") << "EditClear" << 0 << 2 << "25" << "9";
        QTest::newRow("EditUndo") << "EditUndo" << 4 << 0 << "0.25" << "9";
    }

    void editItemsActOnTheFocusedField()
    {
        QFETCH(QString, itemName);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QFETCH(QString, expectedText);
        QFETCH(QString, expectedClipboard);

        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QLineEdit* gap = field("PGapEF");
        gap->setText(QStringLiteral("0.25"));
        gap->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), gap);
        if (itemName == QLatin1String("EditUndo"))
            QTest::keyClicks(gap, QStringLiteral("7")); // something to undo
        gap->setSelection(selectionStart, selectionLength);
        if (!selectionLength)
            gap->setCursorPosition(selectionStart);

        QAction* action = item(qPrintable(itemName));
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(gap->text(), expectedText);
        QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
    }

    void fileTypeRecord()
    {
        const QList<velmora::app::FileType>& registered = FileTypes::registered();
        QCOMPARE(registered.size(), 1);
        const velmora::app::FileType& type = FileTypes::pTextPlain;
        QCOMPARE(type.name, QStringLiteral("text/plain"));
        QCOMPARE(type.extensions,
                 QStringLiteral(".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt;.TRAW;.TRA"));
        QCOMPARE(type.extensions.size(), 92);
        const QStringList extensions = type.extensions.split(QLatin1Char(';'));
        QCOMPARE(extensions.size(), 19);
        QCOMPARE(extensions.last(), QStringLiteral(".TRA"));
        QCOMPARE(type.typeCode, QStringLiteral("TEXT"));
        QCOMPARE(type.creatorCode, QStringLiteral("????"));
        QCOMPARE(registered.first().extensions, type.extensions);
    }

    // A document handed to the program is neither opened nor read: a byte
    // waiting in a pipe is still there afterwards, and nothing on screen
    // changes.
    void documentOpenIsIgnored()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QByteArray pipePath = QFile::encodeName(folder.filePath(QStringLiteral("parts.txt")));
        QCOMPARE(mkfifo(pipePath.constData(), 0600), 0);
        const int pipe = ::open(pipePath.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(pipe >= 0);
        QCOMPARE(::write(pipe, "x", 1), ssize_t{1});

        field("NameSlEF")->setText(QStringLiteral("SL1"));
        const QWidgetList before = QApplication::topLevelWidgets();
        QFileOpenEvent event(QString::fromLocal8Bit(pipePath));
        QVERIFY(QCoreApplication::sendEvent(app(), &event));
        QCoreApplication::processEvents();

        char byte = 0;
        QCOMPARE(::read(pipe, &byte, 1), ssize_t{1});
        QCOMPARE(byte, 'x');
        ::close(pipe);
        QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
        QCOMPARE(mainWindows().size(), 1);
        QCOMPARE(field("NameSlEF")->text(), QStringLiteral("SL1"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // An exception escaping an event handler is shown with its text and
    // ends the run with a failing status.
    void anEscapedExceptionEndsTheRunWithAFailingStatus()
    {
        QStringList shown;
        App::setErrorPresenter([&shown](const QString& text) { shown << text; });
        Faulty faulty;
        QTimer::singleShot(0, &faulty, [&faulty] { QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User)); });
        const int status = QCoreApplication::exec();
        App::setErrorPresenter({});
        QCOMPARE(status, velmora::app::kEscapedExceptionStatus);
        QCOMPARE(shown, QStringList{QStringLiteral("pad table overflow")});
        QCOMPARE(mainWindows().size(), 1);
    }

    // Quit ends the run at once with status 0, whatever has been typed.
    void quitEndsTheRunWithStatusZero()
    {
        field("NameSlEF")->setText(QStringLiteral("unsaved"));
        field("LengthEF")->setText(QStringLiteral("1"));
        QTimer::singleShot(0, item("FileQuit"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

VELMORA_QTEST_MAIN_WITH_APP(AppTest, velmora::app::App)
#include "test_app.moc"
