#pragma once
// Tests that look at the Qt host's screens scaled once and twice. The screen's scale is fixed when
// the application starts, so a test runs itself again in a child program with the scale set.

#include <string>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

#include <gtest/gtest.h>

namespace qttest {

// Runs the named test again in a program whose screen is scaled twice; true when it ran there
// (false: this program's screen is the scaled one, and the caller runs the test itself).
inline bool RanAgainScaledTwice(const std::string& testName) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->devicePixelRatio() == 2.0) return false;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromStdString("--gtest_filter=" + testName)});
    EXPECT_TRUE(child.waitForFinished(240000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("1 test")) << output.toStdString();
    return true;
}

inline std::string ScaleName() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->devicePixelRatio() == 2.0 ? "2x" : "1x";
}

}  // namespace qttest
