#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
QtMessageHandler qtsOwn = nullptr;

// What Qt's offscreen platform says for every window it cannot raise or size, and the
// runtime folder a test run has none of, is known and fails nothing.
void Quiet(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith("This plugin does not support") && !text.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
        qtsOwn(type, context, text);
}
}  // namespace

int main(int argc, char** argv)
{
    // headless, with or without the test runner's environment
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtsOwn = qInstallMessageHandler(Quiet);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
