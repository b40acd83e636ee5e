#include "gui/Menus.h"

#include "gui/Dispatch.h"
#include "gui/Window.h"

#include <QMenu>
#include <QMenuBar>

MenuTitle::MenuTitle(Window* window, const QString& name) : QAction(window->menuBar()), entries_(new QMenu(window->menuBar()))
{
    setObjectName(name);
    setMenu(entries_);
    window->menuBar()->addAction(this);
}

void MenuTitle::setTitle(const QString& title)
{
    setText(title.isEmpty() ? QStringLiteral("  ") : title);
    entries_->setTitle(text());
}

QAction* MenuTitle::addSeparator() { return entries_->addSeparator(); }

MenuItem::MenuItem(MenuTitle* title, const QString& name) : QAction(title->entries_)
{
    setObjectName(name);
    title->entries_->addAction(this);
    connect(this, &QAction::triggered, this, [this] { Dispatch([this] { emit chosen(); }); });
}
