// The clock on two monitors of different pixel density (offscreen): the face follows the
// density of the monitor it is on, and a face whose middle is on no monitor comes back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "Unit1.h"
#include "Unit2.h"

namespace {

QScreen* screen_named(const char* name) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(name)) return s;
    return nullptr;
}

void save_position(int left, int top) {
    CInit s{};
    default_settings(s);
    s.left = left;
    s.top = top;
    ASSERT_TRUE(save_settings(s, kSettingsFile));
}

}  // namespace

TEST(Screens, FaceFollowsThePixelRatioOfItsMonitor) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    save_position(100, 100);
    TForm1 form(kSettingsFile);
    form.show();
    QApplication::processEvents();
    ASSERT_EQ(form.devicePixelRatioF(), 1.0);
    EXPECT_EQ(form.face_bitmap.width(), 120);
    form.windowHandle()->setScreen(screen_named("two"));
    form.move(1100, 100);
    QApplication::processEvents();
    ASSERT_EQ(form.devicePixelRatioF(), 2.0);
    // Drawn anew at 240 device pixels, not a 120-pixel picture blown up: the grey ring of
    // radius 58 and width 2 is 4 device pixels wide at the top, with blue just inside it.
    const QImage face = form.face_bitmap.toImage();
    ASSERT_EQ(face.width(), 240);
    EXPECT_EQ(face.devicePixelRatio(), 2.0);
    // Along the diagonal from the top left corner: the ring's edge at 2x, which a 1x picture
    // blown up (grey in pairs of pixels, 36 to 39) does not show.
    EXPECT_EQ(face.pixelColor(35, 35), QColor(Qt::black));
    for (int k = 36; k <= 38; ++k) EXPECT_EQ(face.pixelColor(k, k), face::kGrey) << k;
    EXPECT_EQ(face.pixelColor(39, 39), face::kBlue);
    EXPECT_EQ(face.pixelColor(2, 2), QColor(Qt::black));
    const QRegion shape = form.windowHandle()->mask();
    for (const QPoint p : {QPoint(60, 1), QPoint(119, 60), QPoint(60, 119), QPoint(1, 60)}) EXPECT_TRUE(shape.contains(p));
    EXPECT_FALSE(shape.contains(QPoint(2, 2)));
}

// Between the two monitors (a gap from 800 to 1000) the face goes to the nearer one.
TEST(Screens, FaceInTheGapGoesToTheNearestMonitor) {
    save_position(850, 100);  // the middle at (910, 160): 490 px from two's centre, 510 from one's
    {
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.pos(), QPoint(1000, 0));
    }
    save_position(1700, 500);  // the middle on two
    {
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.pos(), QPoint(1700, 500));
    }
    // A position of a larger screen (saved at another scale) whose middle only touches this
    // one's edge: half the face would be off it, so it comes back whole.
    save_position(1740, 500);  // the middle from 1780 to 1820, the screen ends at 1800
    TForm1 form(kSettingsFile);
    EXPECT_EQ(form.pos(), QPoint(1000, 0));
}

// The dialog opens in the middle of the monitor that holds the clock.
TEST(Screens, DialogOpensOnTheClocksMonitor) {
    save_position(1200, 100);
    TForm1 form(kSettingsFile);
    form.show();
    QApplication::processEvents();
    QRect opened;
    QTimer::singleShot(0, &form, [&opened] {
        auto* d = qobject_cast<TForm2*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        opened = d->frameGeometry();
        d->reject();
    });
    form.K2Click();
    EXPECT_TRUE(screen_named("two")->geometry().contains(opened.center())) << opened.x() << "," << opened.y();
}
