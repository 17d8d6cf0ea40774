#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Unit1.h"
#include "Unit2.h"

namespace {

std::vector<char> file_bytes() {
    std::ifstream f(kSettingsFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace

TEST(Dialog, CaptionControlsAndZones) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form;
    TForm2 d(form);
    EXPECT_EQ(d.windowTitle(), "Orbalis Options & More Infomations.");
    EXPECT_EQ(d.Label1.text(), "Orbalis   Version 1.0");
    EXPECT_TRUE(d.Label1.font().bold());
    EXPECT_EQ(d.Label3.text(), "Timezone");
    EXPECT_EQ(d.GroupBox9.title(), "Position");
    const QStringList zones = {"+12", "+11", "+10", "+9.5", "+09", "+08", "+07", "+06", "+5.5", "+05",
                               "+4.5", "+04", "+3.5", "+03", "+02", "+01", " 00", "-01", "-02", "-03",
                               "-3.5", "-04", "-05", "-06", "-07", "-08", "-09", "-10", "-11", "-12"};
    ASSERT_EQ(d.ComboBox1.count(), 30);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(d.ComboBox1.itemText(i), zones[i]);
    EXPECT_EQ(d.ComboBox1.currentText(), "+9");
    EXPECT_EQ(d.Lat->maxLength(), 2);
    EXPECT_EQ(d.Lon->maxLength(), 3);
    EXPECT_EQ(d.PS_Height.maxLength(), 6);
    EXPECT_EQ(d.UpDown1.maximum(), 90);
    EXPECT_EQ(d.UpDown3.maximum(), 180);
    EXPECT_EQ(d.UpDown2.maximum(), 59);
    EXPECT_TRUE(d.North.isChecked());
    EXPECT_TRUE(d.East.isChecked());
    EXPECT_EQ(d.UpDown1.value(), 35);
    EXPECT_EQ(d.UpDown3.value(), 135);
    EXPECT_EQ(d.PS_Height.text(), "0");
    EXPECT_FALSE(d.Image1.pixmap().isNull());
    EXPECT_GE(d.width(), 328);
    EXPECT_GE(d.height(), 201);
    EXPECT_EQ(TForm2::zone_text(5.5), "+5.5");
    EXPECT_EQ(TForm2::zone_text(0), "0");
    EXPECT_EQ(TForm2::zone_text(-5), "-5");
    EXPECT_EQ(TForm2::zone_text(5.75), "+5.75");
}

TEST(Dialog, MemoLines) {
    TForm1 form;
    form.age_text = "Age=12.3";
    form.illum_text = "k=0.45";
    form.moonrise_text = "--h--m";
    form.moonset_text = "9h5m";
    form.sunset_text = "17h1m";
    form.twilight_end_text = "18h30m";
    form.twilight_begin_text = "5h2m";
    form.sunrise_text = "6h40m";
    TForm2 d(form);
    const QStringList lines = d.Memo1.toPlainText().split('\n');
    const QStringList expected = {"Orbalis", " Age=12.3, k=0.45", "", "Within 24h...", " MoonRise:--h--m",
                                  " MoonSet: 9h5m", " SunSet: 17h1m", " TwilightEnd:18h30m",
                                  " TwilightBegin:5h2m", " SunRise:6h40m"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(d.Memo1.isReadOnly());
}

TEST(Dialog, OkStoresAndRecomputes) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form;
    const std::string sunrise_before = form.sunrise_text;
    {
        TForm2 d(form);
        d.ComboBox1.setEditText("+9.5");
        d.South.setChecked(true);
        d.UpDown1.setValue(35);
        d.UpDown2.setValue(30);
        d.West.setChecked(true);
        d.UpDown3.setValue(45);
        d.PS_Height.setText("1234");
        d.apply();
    }
    EXPECT_EQ(form.settings->tz_hours, 9.5);
    EXPECT_DOUBLE_EQ(form.settings->latitude, -35.5);
    EXPECT_DOUBLE_EQ(form.settings->longitude, -45.0);
    EXPECT_EQ(form.settings->height, 1234.0);
    EXPECT_DOUBLE_EQ(form.ctx->latitude, -35.5);
    EXPECT_NE(form.sunrise_text, sunrise_before);
    // Written at once, not only at exit.
    CInit on_disk{};
    load_settings(on_disk);
    EXPECT_EQ(on_disk.tz_hours, 9.5);
    EXPECT_EQ(on_disk.south, 1);
    {
        TForm2 d(form);
        EXPECT_EQ(d.ComboBox1.currentText(), "+9.5");
        EXPECT_TRUE(d.South.isChecked());
        EXPECT_TRUE(d.West.isChecked());
        // Unreadable zone keeps the old one; the rest still changes.
        d.ComboBox1.setEditText("9h");
        d.North.setChecked(true);
        d.East.setChecked(true);
        d.UpDown1.setValue(90);
        d.UpDown2.setValue(59);
        d.UpDown3.setValue(180);
        d.UpDown4.setValue(30);
        d.PS_Height.setText("abc");
        d.apply();
    }
    EXPECT_EQ(form.settings->tz_hours, 9.5);
    EXPECT_EQ(form.settings->lat_min, 0);
    EXPECT_EQ(form.settings->lon_min, 0);
    EXPECT_DOUBLE_EQ(form.settings->latitude, 90.0);
    EXPECT_DOUBLE_EQ(form.settings->longitude, 180.0);
    EXPECT_EQ(form.settings->height, 0.0);
    {
        TForm2 d(form);
        d.ComboBox1.setEditText("+15");
        d.apply();
    }
    EXPECT_EQ(form.settings->tz_hours, 9.5);
}

TEST(Dialog, CancelChangesNothing) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form;
    save_settings(*form.settings);
    const auto bytes = file_bytes();
    const CInit before = *form.settings;
    const double lat = form.ctx->latitude, sunrise = form.ctx->sunrise;
    const QImage face = form.face_bitmap.toImage();
    {
        TForm2 d(form);
        d.ComboBox1.setEditText("-3.5");
        d.UpDown1.setValue(10);
        d.reject();
    }
    EXPECT_EQ(std::memcmp(&before, form.settings.get(), sizeof before), 0);
    EXPECT_EQ(file_bytes(), bytes);
    EXPECT_EQ(form.ctx->latitude, lat);
    EXPECT_EQ(form.ctx->sunrise, sunrise);
    EXPECT_EQ(form.face_bitmap.toImage(), face);
}
