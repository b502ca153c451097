// Common main of every test executable: a Qt application object and a private
// registry file, so tests never read or write the user's settings.
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <QDir>
#ifdef KARVELO_TEST_GUI
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp app(argc, argv);
    const QString registry = QDir(kvtest::scratchDir()).filePath(QStringLiteral("registry.ini"));
    qputenv("KARVELO_REGISTRY", registry.toLocal8Bit());
    return RUN_ALL_TESTS();
}
