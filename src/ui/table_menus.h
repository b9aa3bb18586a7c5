#pragma once

#include <QKeySequence>
#include <QObject>

#include "scene/pace.h"
#include "ui/table_choices.h"

class QAction;
class QMenu;
class QMenuBar;

namespace corvane {

class TableWindow;

// The table window's menu bar: its menus and items with their keys, each
// calling the window's slot of the same name, and which items answer now.
class TableMenus : public QObject {
    Q_OBJECT
public:
    explicit TableMenus(TableWindow& window);

    // The Options menu ticks what the window has chosen.
    void showChoices(const TableChoices& c);
    // The learning items answer only when what they do can be done now.
    void refresh();

private:
    void buildPlayMenu(QMenuBar* bar);
    void buildNamesMenu(QMenuBar* bar);
    void buildOptionsMenu(QMenuBar* bar);
    // The window's choices with one changed by `change`.
    template <class Change>
    void choose(Change change);
    QAction* item(QMenu* menu, const char* name, const char* caption, void (TableWindow::*slot)(),
                  const QKeySequence& keys = {});

    TableWindow& m_window;
};

}  // namespace corvane
