#include "Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include <stdexcept>

namespace velmora::app {

Menu* Menu::instance()
{
    static QPointer<Menu> shared;
    if (!shared)
        shared = new Menu();
    return shared;
}

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));

    addMenuTitle("UntitledMenu2", QStringLiteral("File"));
    QAction* quit = addItem(childMenu("UntitledMenu2"), "FileQuit", QStringLiteral("Quit"),
                            QKeySequence(QStringLiteral("Ctrl+Q")), true);
    quit->setMenuRole(QAction::QuitRole);
    // Quit asks nothing and saves nothing; the event loop ends with status 0.
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);

    addMenuTitle("UntitledMenu0", QStringLiteral("Edit"));
    QAction* undoItem = addItem(childMenu("UntitledMenu0"), "EditUndo", QStringLiteral("Undo"),
                                QKeySequence(QStringLiteral("Ctrl+Z")), false);
    QAction* separator = childMenu("UntitledMenu0")->addSeparator();
    separator->setObjectName(QStringLiteral("UntitledMenu1"));
    separator->setProperty(kAutoEnable, false);
    QAction* cutItem = addItem(childMenu("UntitledMenu0"), "EditCut", QStringLiteral("Cut"),
                               QKeySequence(QStringLiteral("Ctrl+X")), false);
    QAction* copyItem = addItem(childMenu("UntitledMenu0"), "EditCopy", QStringLiteral("Copy"),
                                QKeySequence(QStringLiteral("Ctrl+C")), false);
    QAction* pasteItem = addItem(childMenu("UntitledMenu0"), "EditPaste", QStringLiteral("Paste"),
                                 QKeySequence(QStringLiteral("Ctrl+V")), false);
    QAction* clearItem = addItem(childMenu("UntitledMenu0"), "EditClear", QStringLiteral("Clear"), QKeySequence(), false);

    connect(undoItem, &QAction::triggered, this, &Menu::undo);
    connect(cutItem, &QAction::triggered, this, &Menu::cut);
    connect(copyItem, &QAction::triggered, this, &Menu::copy);
    connect(pasteItem, &QAction::triggered, this, &Menu::paste);
    connect(clearItem, &QAction::triggered, this, &Menu::clear);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Menu::updateEditItems);
    // Enabled states are settled again just before the menu opens.
    connect(childMenu("UntitledMenu0"), &QMenu::aboutToShow, this, &Menu::updateEditItems);

    followFocus(QApplication::focusWidget());
}

// The focus moves while the window's fields are destroyed around the menu
// bar: stop following it before this object goes.
Menu::~Menu()
{
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    for (const QMetaObject::Connection& connection : targetConnections_)
        disconnect(connection);
}

QMenu* Menu::addMenuTitle(const char* name, const QString& caption)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->menuAction()->setProperty(kAutoEnable, false);
    menu->setTitle(caption);
    menu->menuAction()->setShortcut(QKeySequence());
    addMenu(menu);
    return menu;
}

QAction* Menu::addItem(QMenu* parent, const char* name, const QString& caption, const QKeySequence& shortcut,
                       bool autoEnable)
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    action->setProperty(kAutoEnable, autoEnable);
    action->setText(caption);
    action->setShortcut(shortcut);
    // Edit items start disabled: nothing is focused yet.
    action->setEnabled(autoEnable);
    parent->addAction(action);
    return action;
}

// Items find their menu by name, as the menu table is laid out.
QMenu* Menu::childMenu(const char* name) const
{
    QMenu* menu = findChild<QMenu*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (!menu)
        throw std::logic_error(std::string("menu bar has no menu named ") + name);
    return menu;
}

// The Edit commands follow the entry field that has the keyboard focus. A
// menu taking focus while it is open leaves the target as it was.
void Menu::followFocus(QWidget* now)
{
    if (now && (qobject_cast<QMenu*>(now) || qobject_cast<QMenuBar*>(now)))
        return;
    if (!now && target_)
        return; // the window lost activation; its focused field stays the target
    auto* field = qobject_cast<QLineEdit*>(now);
    if (field != target_) {
        for (const QMetaObject::Connection& connection : targetConnections_)
            disconnect(connection);
        targetConnections_.clear();
        target_ = field;
        if (field) {
            targetConnections_ << connect(field, &QLineEdit::selectionChanged, this, &Menu::updateEditItems)
                               << connect(field, &QLineEdit::textChanged, this, &Menu::updateEditItems);
        }
    }
    updateEditItems();
}

void Menu::updateEditItems()
{
    QLineEdit* field = target_;
    const bool editable = field && !field->isReadOnly();
    const bool selection = field && field->hasSelectedText();
    // A password field never gives its text away.
    const bool readable = selection && field->echoMode() == QLineEdit::Normal;
    const bool clipboardText = !QGuiApplication::clipboard()->text().isEmpty();

    QMenu* edit = childMenu("UntitledMenu0");
    edit->findChild<QAction*>(QStringLiteral("EditUndo"))->setEnabled(editable && field->isUndoAvailable());
    edit->findChild<QAction*>(QStringLiteral("EditCut"))->setEnabled(editable && readable);
    edit->findChild<QAction*>(QStringLiteral("EditCopy"))->setEnabled(readable);
    edit->findChild<QAction*>(QStringLiteral("EditPaste"))->setEnabled(editable && clipboardText);
    edit->findChild<QAction*>(QStringLiteral("EditClear"))->setEnabled(editable && selection);
}

void Menu::undo()
{
    if (target_)
        target_->undo();
    updateEditItems();
}

void Menu::cut()
{
    if (target_)
        target_->cut();
    updateEditItems();
}

void Menu::copy()
{
    if (target_)
        target_->copy();
    updateEditItems();
}

void Menu::paste()
{
    if (target_)
        target_->paste();
    updateEditItems();
}

void Menu::clear()
{
    if (target_)
        target_->del();
    updateEditItems();
}

} // namespace velmora::app
