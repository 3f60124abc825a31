#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler previo = nullptr;

// The offscreen platform warns about every dialog; nothing a test needs.
void filtro(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previo)
        previo(type, ctx, msg);
}
}  // namespace

int main(int argc, char** argv)
{
    previo = qInstallMessageHandler(filtro);
    // Test discovery runs at build time, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
