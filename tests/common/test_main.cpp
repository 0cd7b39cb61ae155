// Every test executable runs its tests inside a QApplication on the offscreen platform.
#include <QApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

// The offscreen platform warns about window features it lacks; that is noise here.
static void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
