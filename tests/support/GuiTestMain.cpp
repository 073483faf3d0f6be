#include "ui/FixedLayout.h"

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

namespace {

// The headless platform cannot restack windows and says so at every raise; nothing else is muted.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    // Before the application reads its fonts: the windows are tested with the faces of a bare
    // machine, whatever this one has installed.
    if (!qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
        qputenv("FONTCONFIG_FILE", QByteArrayLiteral(ZIB_TEST_DATA_DIR "/support/dejavu-only-fonts.conf"));
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    // As the program does at start-up.
    FixedLayout::useBundledFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
