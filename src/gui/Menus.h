#pragma once
// The window's menus: titles on its menu bar, entries under them, and lines between
// entries. Access keys are marked with "&".
#include <QAction>

class QMenu;
class Window;

// A title on the window's menu bar. A blank title is still a real, narrow title that opens
// its entries.
class MenuTitle : public QAction {
public:
    MenuTitle(Window* window, const QString& name);
    void setTitle(const QString& title);
    QAction* addSeparator();  // a line after the entries so far

private:
    friend class MenuItem;
    QMenu* entries_;
};

// An entry under a title, in the order they are made.
class MenuItem : public QAction {
    Q_OBJECT

public:
    MenuItem(MenuTitle* title, const QString& name);

signals:
    void chosen();  // run as the game's handler (Dispatch)
};
