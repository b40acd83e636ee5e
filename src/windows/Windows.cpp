#include "windows/Windows.h"

WindowSlot<TitleWindow> titleWindow;
WindowSlot<MainWindow> mainWindow;
WindowSlot<VersionWindow> versionWindow;
WindowSlot<PanelsCard> panelsCard;
WindowSlot<PanelsWindow> panelsWindow;
WindowSlot<QuizCard> quizCard;
WindowSlot<QuizWindow> quizWindow;
WindowSlot<StopwatchWindow> stopwatchWindow;
