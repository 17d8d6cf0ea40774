// The options dialog on its own: what it shows of a record and what OK hands back.
#include <gtest/gtest.h>

#include <QAccessible>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cstdlib>
#include <tuple>

#include "Unit2.h"

namespace {

CInit record(double tz_hours) {
    CInit s{};
    default_settings(s);
    s.tz_hours = tz_hours;
    derive_angles(s);
    return s;
}

// The ten memo lines the window hands over.
const QStringList kMemo = {"Orbalis", " Age=12.3, k=0.45", "", "Within 24h...", " MoonRise:--h--m",
                           " MoonSet: 9h5m", " SunSet: 17h1m", " TwilightEnd:18h30m",
                           " TwilightBegin:5h2m", " SunRise:6h40m"};

// A shown dialog with the keyboard focus where it opens.
struct ShownDialog {
    explicit ShownDialog(const CInit& s) : d(s, kMemo) {
        d.show();
        d.activateWindow();
        QApplication::setActiveWindow(&d);
        d.ComboBox1.setFocus();
        QApplication::processEvents();
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* w = QApplication::focusWidget();
        QTest::keyClick(w != nullptr ? w : &d, static_cast<Qt::Key>(k), m);
        QApplication::processEvents();
    }
    void type(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QApplication::processEvents();
    }
    TForm2 d;
};

}  // namespace

TEST(Dialog, CaptionControlsAndZones) {
    TForm2 d(record(9.0), kMemo);
    EXPECT_EQ(d.windowTitle(), "Orbalis Options & More Infomations.");
    EXPECT_EQ(d.Label1.text(), "Orbalis   Version 1.0");
    EXPECT_TRUE(d.Label1.font().bold());
    EXPECT_EQ(d.Label3.text(), "Timezone");
    EXPECT_EQ(d.GroupBox9.title(), "Position");
    // From the record's greatest offset to its least.
    const QStringList zones = {"+14", "+13", "+12", "+11", "+10", "+9.5", "+09", "+08", "+07", "+06", "+5.5", "+05",
                               "+4.5", "+04", "+3.5", "+03", "+02", "+01", " 00", "-01", "-02", "-03",
                               "-3.5", "-04", "-05", "-06", "-07", "-08", "-09", "-10", "-11", "-12"};
    ASSERT_EQ(d.ComboBox1.count(), zones.size());
    for (int i = 0; i < zones.size(); ++i) EXPECT_EQ(d.ComboBox1.itemText(i), zones[i]);
    EXPECT_EQ(d.ComboBox1.itemText(0).toDouble(), kMaxTimeZone);
    EXPECT_EQ(d.ComboBox1.itemText(d.ComboBox1.count() - 1).toDouble(), kMinTimeZone);
    // A stored zone that is an item makes that item current; another is shown as typed.
    EXPECT_EQ(d.ComboBox1.currentIndex(), 6);
    EXPECT_EQ(d.ComboBox1.currentText(), "+09");
    EXPECT_EQ(TForm2(record(5.75), kMemo).ComboBox1.currentText(), "+5.75");
    EXPECT_EQ(d.Lat->maxLength(), 2);
    EXPECT_EQ(d.Lon->maxLength(), 3);
    EXPECT_EQ(d.UpDown1.maximum(), 90);
    EXPECT_EQ(d.UpDown3.maximum(), 180);
    EXPECT_EQ(d.UpDown2.maximum(), 59);
    EXPECT_TRUE(d.North.isChecked());
    EXPECT_TRUE(d.East.isChecked());
    EXPECT_EQ(d.UpDown1.value(), 35);
    EXPECT_EQ(d.UpDown3.value(), 135);
    EXPECT_EQ(d.PS_Height.text(), "0");
    // The icon is the packaged picture (its built-in pixels are made from it by a script).
    const QImage icon = d.Image1.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage packaged =
        QImage(ORBALIS_PACKAGING_DIR "/orbalis-32.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(icon.size(), packaged.size());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb a = icon.pixel(x, y), b = packaged.pixel(x, y);
            for (const int shift : {0, 8, 16, 24})  // each channel: 16 bits a sample made 8
                ASSERT_LE(std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)), 1) << x << "," << y;
        }
    EXPECT_GE(d.width(), 328);
    EXPECT_GE(d.height(), 201);
    EXPECT_EQ(d.Memo1.toPlainText().split('\n'), kMemo);
    EXPECT_TRUE(d.Memo1.isReadOnly());
    // A screen reader finds no control without a name, the zone's text box and the icon
    // included.
    std::vector<QAccessibleInterface*> todo = {QAccessible::queryAccessibleInterface(&d)};
    int controls = 0;
    while (!todo.empty()) {
        QAccessibleInterface* a = todo.back();
        todo.pop_back();
        if (a == nullptr) continue;
        for (int k = 0; k < a->childCount(); ++k) todo.push_back(a->child(k));
        static const QAccessible::Role kControls[] = {QAccessible::EditableText, QAccessible::ComboBox,
                                                      QAccessible::SpinBox,      QAccessible::PushButton,
                                                      QAccessible::RadioButton,  QAccessible::CheckBox,
                                                      QAccessible::Graphic};
        if (std::find(std::begin(kControls), std::end(kControls), a->role()) == std::end(kControls)) continue;
        ++controls;
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << a->role() << " " << (a->object() ? a->object()->objectName().toStdString() : "?");
    }
    EXPECT_GE(controls, 14);
    EXPECT_EQ(TForm2::zone_text(5.5), "+5.5");
    EXPECT_EQ(TForm2::zone_text(0), "0");
    EXPECT_EQ(TForm2::zone_text(-5), "-5");
}

TEST(Dialog, OkHandsBackTheEditedRecord) {
    CInit s = record(9.0);
    s.left = 321;
    s.top = 123;
    TForm2 d(s, kMemo);
    d.ComboBox1.setEditText("+9.5");
    d.South.setChecked(true);
    d.UpDown1.setValue(35);
    d.UpDown2.setValue(30);
    d.West.setChecked(true);
    d.UpDown3.setValue(45);
    d.PS_Height.setText("1234");
    CInit e = d.edited();
    EXPECT_EQ(e.tz_hours, 9.5);
    EXPECT_DOUBLE_EQ(e.latitude, -35.5);
    EXPECT_DOUBLE_EQ(e.longitude, -45.0);
    EXPECT_EQ(e.height, 1234.0);
    EXPECT_EQ(e.left, 321);
    EXPECT_EQ(e.top, 123);
    d.ComboBox1.setCurrentIndex(10);  // "+5.5" chosen from the list
    EXPECT_EQ(d.edited().tz_hours, 5.5);
    for (const auto& [typed, zone] : {std::pair{"+14", 14.0}, {"-12", -12.0}, {"+12.75", 12.75}}) {
        d.ComboBox1.setEditText(typed);
        EXPECT_EQ(d.edited().tz_hours, zone) << typed;
    }
    // The spin boxes end where the file's ranges end.
    EXPECT_EQ(std::pair(d.UpDown1.maximum(), d.UpDown2.maximum()), std::pair(90, 59));
    EXPECT_EQ(std::pair(d.UpDown3.maximum(), d.UpDown4.maximum()), std::pair(180, 59));
    // An unreadable or out-of-range zone keeps the old one; the rest still changes.
    for (const char* bad : {"9h", "+15", "-12.5"}) {
        d.ComboBox1.setEditText(bad);
        d.UpDown1.setValue(90);
        d.UpDown2.setValue(59);
        d.UpDown3.setValue(180);
        d.UpDown4.setValue(30);
        d.PS_Height.setText("abc");
        e = d.edited();
        EXPECT_EQ(e.tz_hours, 9.0) << bad;
        EXPECT_EQ(e.lat_min, 0);
        EXPECT_EQ(e.lon_min, 0);
        EXPECT_DOUBLE_EQ(e.latitude, -90.0);
        EXPECT_DOUBLE_EQ(e.longitude, -180.0);
        EXPECT_EQ(e.height, 0.0);
    }
}

// Used from the keyboard the dialog keeps what the user did not touch and stores exactly
// what was typed.
TEST(Dialog, KeyboardUseKeepsUntouchedValues) {
    for (const double tz : {9.5, -5.0, 9.0}) {
        ShownDialog sd(record(tz));
        sd.key(Qt::Key_Return);
        EXPECT_EQ(sd.d.result(), QDialog::Accepted) << tz;
        EXPECT_EQ(sd.d.edited().tz_hours, tz);
    }
    for (const char* typed : {"+9", "+1", "-1", "+5", "-3", "+5.75"}) {
        const double want = *parse_decimal(typed);
        for (int way = 0; way < 3; ++way) {
            ShownDialog sd(record(0.0));
            sd.d.ComboBox1.lineEdit()->selectAll();
            sd.type(QString::fromLatin1(typed));
            if (way == 1) sd.key(Qt::Key_Tab);
            if (way == 2)
                QTest::mouseClick(&sd.d.BitBtn1, Qt::LeftButton);
            else
                sd.key(Qt::Key_Return);
            EXPECT_EQ(sd.d.result(), QDialog::Accepted) << typed << " " << way;
            EXPECT_EQ(sd.d.edited().tz_hours, want) << typed << " " << way;
        }
    }
    // A stored height longer than the typing limit survives OK; typing is still limited.
    CInit tall = record(9.0);
    tall.height = 12345.5;
    ShownDialog sd(tall);
    EXPECT_EQ(sd.d.PS_Height.text(), "12345.5");
    sd.key(Qt::Key_Return);
    EXPECT_EQ(sd.d.edited().height, 12345.5);
    ShownDialog typing(record(9.0));
    typing.d.PS_Height.setFocus();
    typing.d.PS_Height.selectAll();
    typing.type("12345678");
    EXPECT_EQ(typing.d.PS_Height.text(), "123456");
    // Escape cancels.
    ShownDialog esc(record(9.0));
    esc.key(Qt::Key_Escape);
    EXPECT_EQ(esc.d.result(), QDialog::Rejected);
}

TEST(Dialog, TabFollowsTheLayout) {
    ShownDialog sd(record(9.0));
    const QList<QWidget*> expected = {&sd.d.PlaceSearch, &sd.d.North,   &sd.d.UpDown1,   &sd.d.UpDown2, &sd.d.East,
                                      &sd.d.UpDown3, &sd.d.UpDown4,   &sd.d.PS_Height, &sd.d.LocateButton, &sd.d.BitBtn1,
                                      &sd.d.BitBtn2, &sd.d.ComboBox1};
    for (QWidget* w : expected) {
        sd.key(Qt::Key_Tab);
        // A spin box or the combo gives the focus to its edit part.
        QWidget* f = QApplication::focusWidget();
        EXPECT_TRUE(f == w || w->isAncestorOf(f)) << w->objectName().toStdString() << " got "
                                                  << (f ? f->objectName().toStdString() : std::string("none"));
    }
}

// Typed as a user of a German desktop types: the decimal comma is a number too; text that
// is a number in neither form keeps the old rules; a spin value beyond the range is taken
// to its end, not cut to its first digit or stripped of its sign.
TEST(Dialog, TypedNumbersUnderAGermanLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        const char* zone;
        const char* height;
        double want_zone, want_height;
    } rows[] = {{"5,5", "12,5", 5.5, 12.5}, {"-3.5", "12.5", -3.5, 12.5}, {"5,5,5", "1,2,3", 9.0, 0.0},
                {"x", "abc", 9.0, 0.0}};
    for (const auto& r : rows) {
        ShownDialog sd(record(9.0));
        sd.d.ComboBox1.lineEdit()->selectAll();
        sd.type(QString::fromLatin1(r.zone));
        sd.d.PS_Height.setFocus();
        sd.d.PS_Height.selectAll();
        sd.type(QString::fromLatin1(r.height));
        sd.key(Qt::Key_Return);
        EXPECT_EQ(sd.d.edited().tz_hours, r.want_zone) << r.zone;
        EXPECT_EQ(sd.d.edited().height, r.want_height) << r.height;
    }
    const struct {
        EditSpin TForm2::*spin;
        const char* typed;
        int want;
    } spins[] = {{&TForm2::UpDown1, "99", 90}, {&TForm2::UpDown1, "-5", 0}, {&TForm2::UpDown2, "75", 59},
                 {&TForm2::UpDown3, "999", 180}, {&TForm2::UpDown3, "-7", 0}, {&TForm2::UpDown1, "42", 42}};
    for (const auto& r : spins) {
        for (const bool tab_away : {false, true}) {
            ShownDialog sd(record(9.0));
            EditSpin& spin = sd.d.*r.spin;
            spin.setFocus();
            spin.edit()->selectAll();
            sd.type(QString::fromLatin1(r.typed));
            if (tab_away) sd.key(Qt::Key_Tab);
            EXPECT_EQ(spin.typed_value(), r.want) << r.typed;
            sd.key(Qt::Key_Return);
            const CInit e = sd.d.edited();
            EXPECT_EQ(r.spin == &TForm2::UpDown1 ? e.lat_deg : r.spin == &TForm2::UpDown2 ? e.lat_min : e.lon_deg,
                      r.want)
                << r.typed << " tab " << tab_away;
        }
    }
    QLocale::setDefault(QLocale::c());
}

// With the zone list open, Escape and Return close the list alone.
TEST(Dialog, KeysInTheOpenZoneList) {
    ShownDialog sd(record(9.0));
    for (const int k : {Qt::Key_Escape, Qt::Key_Return}) {
        sd.d.ComboBox1.showPopup();
        QApplication::processEvents();
        ASSERT_TRUE(sd.d.ComboBox1.view()->isVisible());
        if (k == Qt::Key_Return) QTest::keyClick(sd.d.ComboBox1.view(), Qt::Key_Down);
        QTest::keyClick(sd.d.ComboBox1.view(), static_cast<Qt::Key>(k));
        QApplication::processEvents();
        EXPECT_FALSE(sd.d.ComboBox1.view()->isVisible()) << k;
        EXPECT_TRUE(sd.d.isVisible()) << k;
        EXPECT_EQ(sd.d.result(), 0) << k;
    }
    EXPECT_EQ(sd.d.ComboBox1.currentText(), "+08");  // the item below +09, picked by Return
    sd.key(Qt::Key_Return);
    EXPECT_EQ(sd.d.result(), QDialog::Accepted);
    EXPECT_EQ(sd.d.edited().tz_hours, 8.0);
}

// A place found by name fills the position, the height and the zone, and nothing else;
// a hand edit of a coordinate forgets it; an unknown name lists nothing and changes nothing.
TEST(Dialog, PlaceByName) {
    CInit s = record(9.0);
    s.left = 77;
    ShownDialog sd(s);
    sd.d.PlaceSearch.setFocus();
    sd.type("Xqzzyville");
    EXPECT_TRUE(sd.d.listed_places().empty());
    sd.d.PlaceSearch.selectAll();
    sd.type("zurich");
    ASSERT_FALSE(sd.d.listed_places().empty());
    EXPECT_EQ(sd.d.PlaceList.completionModel()->index(0, 0).data().toString(),
              QString::fromUtf8("Zürich, Switzerland — 47°22′ N 8°33′ E, UTC+1"));
    ASSERT_NE(sd.d.PlaceList.popup(), nullptr);
    ASSERT_TRUE(sd.d.PlaceList.popup()->isVisible());
    QTest::keyClick(sd.d.PlaceList.popup(), Qt::Key_Down);
    QTest::keyClick(sd.d.PlaceList.popup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(sd.d.isVisible());  // choosing is not OK
    ASSERT_TRUE(sd.d.chosen_place().has_value());
    EXPECT_EQ(sd.d.chosen_place()->zone, "Europe/Zurich");
    EXPECT_EQ(sd.d.chosen_place()->name, "Zürich, Switzerland");
    EXPECT_EQ(sd.d.PlaceSearch.text(), QString::fromUtf8("Zürich, Switzerland"));
    CInit e = sd.d.edited();
    const auto fields = [](const CInit& r) {
        return std::tuple(r.south, r.lat_deg, r.lat_min, r.west, r.lon_deg, r.lon_min, double{r.height}, double{r.tz_hours},
                          r.left, r.top);
    };
    EXPECT_EQ(fields(e), std::tuple(0, 47, 22, 0, 8, 33, 429.0, 1.0, 77, 0));
    // A place in the south-west fills the flags too, and the memo shows its events at once.
    sd.d.set_memo_source([](const CInit& r, const std::optional<PlaceChoice>& place) {
        return QStringList{QString::number(r.latitude), QString::fromStdString(place ? place->zone : "")};
    });
    sd.d.choose_place(places::find_places("Buenos Aires", 1).at(0));
    e = sd.d.edited();
    EXPECT_EQ(std::tuple(e.south, e.west, e.lat_deg, e.lon_deg, double{e.tz_hours}), std::tuple(1, 1, 34, 58, -3.0));
    EXPECT_EQ(sd.d.Memo1.toPlainText(), QString::number(e.latitude) + "\nAmerica/Argentina/Buenos_Aires");
    // A place's zone is its standard offset at the dialog's moment, summer or winter; Dublin's
    // is the winter's, which tzdata calls its daylight-saving time.
    for (const std::time_t now : {1815825600, 1800014400}) {  // 2027-07-15 and 2027-01-15, 12:00 UTC
        TForm2 at(record(9.0), kMemo, nullptr, std::nullopt, now);
        for (const auto& [name, zone] : {std::pair{"Berlin", 1.0}, {"Dublin", 0.0}, {"New York", -5.0}, {"Sydney", 10.0}}) {
            at.choose_place(places::find_places(name, 1).at(0));
            EXPECT_EQ(at.edited().tz_hours, zone) << name << " " << now;
        }
    }
    sd.d.UpDown2.setValue(40);  // by hand
    EXPECT_FALSE(sd.d.chosen_place().has_value());
    EXPECT_TRUE(sd.d.PlaceSearch.text().isEmpty());
    sd.key(Qt::Key_Return);
    EXPECT_EQ(sd.d.result(), QDialog::Accepted);
    EXPECT_EQ(sd.d.edited().lat_min, 40);
}
