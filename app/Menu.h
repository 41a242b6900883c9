#pragma once

#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

class QAction;

namespace velmora::app {

// The program's one menu bar: "File" with "Quit", and "Edit" with the
// standard editing commands of the focused entry field. The application and
// the main window share the one instance.
class Menu : public QMenuBar {
    Q_OBJECT
public:
    // The shared menu bar, built on the first call. The main window that
    // shows it becomes its owner; should that window be destroyed, the next
    // call builds a new one.
    static Menu* instance();
    ~Menu() override;

    // The name of the dynamic property that carries an item's auto-enable
    // flag: set items are always enabled, the others only when they can act.
    static constexpr const char* kAutoEnable = "autoEnable";

    // The entry field the Edit commands act on, or null.
    QLineEdit* editTarget() const { return target_; }

private:
    Menu();

    QAction* addItem(QMenu* parent, const char* name, const QString& caption, const QKeySequence& shortcut,
                     bool autoEnable);
    QMenu* addMenuTitle(const char* name, const QString& caption);
    QMenu* childMenu(const char* name) const;

    void followFocus(QWidget* now);
    void updateEditItems();
    void undo();
    void cut();
    void copy();
    void paste();
    void clear();

    QPointer<QLineEdit> target_;
    QList<QMetaObject::Connection> targetConnections_;
};

} // namespace velmora::app
