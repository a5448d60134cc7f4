#include "main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontInfo>

#include "fonts.h"
#include "support/qt_application.h"

namespace tavrel {
namespace {

using testing::QtApplication;

TEST(MainWindow, OpensWithItsTitleAndClosesCleanly) {
    QtApplication();
    auto* window = new MainWindow({"/tmp", DataRootMode::kOverride});
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Tavrel 3.5");
    EXPECT_TRUE(window->close());
    QApplication::processEvents();
}

TEST(Fonts, SongFaceResolvesToAnInstalledCjkSerif) {
    QtApplication();
    const QFontInfo info(QFont(QString::fromUtf8("宋体"), 12));
    EXPECT_EQ(info.family().toStdString(), kSongFace);
    EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), kSongFace);
}

}  // namespace
}  // namespace tavrel
