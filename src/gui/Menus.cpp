#include "gui/Menus.h"

#include "gui/Dispatch.h"
#include "gui/Window.h"

#include <QMenu>
#include <QMenuBar>

MenuTitle::MenuTitle(Window* window) : QAction(window->menuBar()), entries_(new QMenu(window->menuBar()))
{
    setMenu(entries_);
    window->menuBar()->addAction(this);
}

void MenuTitle::setTitle(const QString& title)
{
    setText(title.isEmpty() ? QStringLiteral("  ") : title);
    entries_->setTitle(text());
}

QAction* MenuTitle::addSeparator() { return entries_->addSeparator(); }

MenuItem::MenuItem(MenuTitle* title) : QAction(title->entries_) { title->entries_->addAction(this); }

void MenuItem::onChoose(std::function<void()> handler)
{
    connect(this, &QAction::triggered, this, [h = std::move(handler)] { Dispatch(h); });
}
