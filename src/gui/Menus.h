#pragma once
// The window's menus: titles on its menu bar, entries under them, and lines between
// entries. Access keys are marked with "&".
#include <QAction>

#include <functional>

class QMenu;
class Window;

// A title on the window's menu bar. A blank title is still a real, narrow title that opens
// its entries.
class MenuTitle : public QAction {
public:
    explicit MenuTitle(Window* window);
    void setTitle(const QString& title);
    QAction* addSeparator();  // a line after the entries so far

private:
    friend class MenuItem;
    QMenu* entries_;
};

// An entry under a title, in the order they are made.
class MenuItem : public QAction {
public:
    explicit MenuItem(MenuTitle* title);
    void onChoose(std::function<void()> handler);
};
