#pragma once
// The game's windows, each once: created on first use, created afresh after it closes.
#include "gui/Window.h"
#include "windows/CardWindows.h"
#include "windows/MainWindow.h"
#include "windows/PanelsWindow.h"
#include "windows/QuizWindow.h"
#include "windows/StopwatchWindow.h"
#include "windows/TitleWindow.h"
#include "windows/VersionWindow.h"

extern WindowSlot<TitleWindow> titleWindow;
extern WindowSlot<MainWindow> mainWindow;
extern WindowSlot<VersionWindow> versionWindow;
extern WindowSlot<PanelsCard> panelsCard;  // before the nine panels
extern WindowSlot<PanelsWindow> panelsWindow;
extern WindowSlot<QuizCard> quizCard;      // before the quiz
extern WindowSlot<QuizWindow> quizWindow;
extern WindowSlot<StopwatchWindow> stopwatchWindow;
