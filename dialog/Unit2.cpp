#include "Unit2.h"

#include <QGuiApplication>
#include <QScreen>

#include "Unit1.h"
#include "settings.h"
#include "texts.h"

namespace {

const char* const kZones[] = {"+12", "+11", "+10", "+9.5", "+09", "+08", "+07", "+06", "+5.5", "+05",
                              "+4.5", "+04", "+3.5", "+03", "+02", "+01", " 00", "-01", "-02", "-03",
                              "-3.5", "-04", "-05", "-06", "-07", "-08", "-09", "-10", "-11", "-12"};

void setup_spin(EditSpin& spin, const char* name, const char* edit_name, int max, int max_length) {
    spin.setObjectName(QString::fromLatin1(name));
    spin.edit()->setObjectName(QString::fromLatin1(edit_name));
    spin.setRange(0, max);
    spin.setWrapping(false);
    spin.edit()->setMaxLength(max_length);
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TForm2::TForm2(TForm1& owner)
    : QDialog(&owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      GroupBox9(QStringLiteral("Position")),
      North(QStringLiteral("N")),
      South(QStringLiteral("S")),
      East(QStringLiteral("E")),
      West(QStringLiteral("W")),
      form(owner) {
    build();
    load();
}

void TForm2::build() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Orbalis Options & More Infomations."));
    setModal(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    Label1.setObjectName(QStringLiteral("Label1"));
    QFont bold = f;
    bold.setBold(true);
    Label1.setFont(bold);
    Image1.setObjectName(QStringLiteral("Image1"));
    Image1.setFixedSize(32, 32);
    Image1.setPixmap(QPixmap(QStringLiteral(":/orbalis-32.png")));
    Label3.setObjectName(QStringLiteral("Label3"));
    Label3.setText(QStringLiteral("Timezone"));
    ComboBox1.setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1.setEditable(true);
    ComboBox1.setInsertPolicy(QComboBox::NoInsert);
    for (const char* z : kZones) ComboBox1.addItem(QString::fromLatin1(z));

    GroupBox9.setObjectName(QStringLiteral("GroupBox9"));
    North.setObjectName(QStringLiteral("North"));
    South.setObjectName(QStringLiteral("South"));
    East.setObjectName(QStringLiteral("East"));
    West.setObjectName(QStringLiteral("West"));
    lat_group.addButton(&North);
    lat_group.addButton(&South);
    lon_group.addButton(&East);
    lon_group.addButton(&West);
    setup_spin(UpDown1, "UpDown1", "Lat", 90, 2);
    setup_spin(UpDown2, "UpDown2", "Latmin", 59, 2);
    setup_spin(UpDown3, "UpDown3", "Lon", 180, 3);
    setup_spin(UpDown4, "UpDown4", "Lonmin", 59, 2);
    Lat = UpDown1.edit();
    Latmin = UpDown2.edit();
    Lon = UpDown3.edit();
    Lonmin = UpDown4.edit();
    HeightLabel.setText(QStringLiteral("Height ="));
    MetreLabel.setText(QStringLiteral("(m)"));
    PS_Height.setObjectName(QStringLiteral("PS_Height"));
    PS_Height.setMaxLength(6);

    Memo1.setObjectName(QStringLiteral("Memo1"));
    Memo1.setReadOnly(true);
    Memo1.setFrameShape(QFrame::NoFrame);
    Memo1.setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1.setMinimumWidth(160);
    BitBtn1.setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1.setText(QStringLiteral("OK"));
    BitBtn1.setDefault(true);
    BitBtn2.setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2.setText(QStringLiteral("Cancel"));
    connect(&BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(&BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    position_grid.addWidget(&North, 0, 0);
    position_grid.addWidget(&South, 0, 1);
    position_grid.addWidget(&UpDown1, 0, 2);
    position_grid.addWidget(&UpDown2, 0, 3);
    position_grid.addWidget(&East, 1, 0);
    position_grid.addWidget(&West, 1, 1);
    position_grid.addWidget(&UpDown3, 1, 2);
    position_grid.addWidget(&UpDown4, 1, 3);
    height_row.addWidget(&HeightLabel);
    height_row.addWidget(&PS_Height);
    height_row.addWidget(&MetreLabel);
    position_grid.addLayout(&height_row, 2, 0, 1, 4);
    GroupBox9.setLayout(&position_grid);

    title_row.addWidget(&Image1);
    title_row.addWidget(&Label1, 1);
    zone_row.addWidget(&Label3);
    zone_row.addWidget(&ComboBox1, 1);
    buttons_row.addStretch(1);
    buttons_row.addWidget(&BitBtn1);
    buttons_row.addWidget(&BitBtn2);
    left_column.addLayout(&title_row);
    left_column.addLayout(&zone_row);
    left_column.addWidget(&GroupBox9);
    left_column.addStretch(1);
    left_column.addLayout(&buttons_row);
    top_layout.addLayout(&left_column);
    top_layout.addWidget(&Memo1, 1);
    setLayout(&top_layout);
    // Keyboard order: the zone, the four position fields, the height, OK.
    setTabOrder(&ComboBox1, &UpDown1);
    setTabOrder(&UpDown1, &UpDown2);
    setTabOrder(&UpDown2, &UpDown3);
    setTabOrder(&UpDown3, &UpDown4);
    setTabOrder(&UpDown4, &PS_Height);
    setTabOrder(&PS_Height, &BitBtn1);
    ComboBox1.setFocus();
    setMinimumSize(328, 201);
    adjustSize();
}

QString TForm2::zone_text(double tz_hours) {
    const QString n = qs(shortest_decimal(tz_hours));
    return tz_hours > 0 ? QLatin1Char('+') + n : n;
}

void TForm2::load() {
    Label1.setText(QStringLiteral("Orbalis") + QStringLiteral("   ") + QStringLiteral("Version 1.0"));
    const QStringList lines = {
        QStringLiteral("Orbalis"),
        QLatin1Char(' ') + qs(form.age_text) + QStringLiteral(", ") + qs(form.illum_text),
        QString(),
        QStringLiteral("Within 24h..."),
        QStringLiteral(" MoonRise:") + qs(form.moonrise_text),
        QStringLiteral(" MoonSet: ") + qs(form.moonset_text),
        QStringLiteral(" SunSet: ") + qs(form.sunset_text),
        QStringLiteral(" TwilightEnd:") + qs(form.twilight_end_text),
        QStringLiteral(" TwilightBegin:") + qs(form.twilight_begin_text),
        QStringLiteral(" SunRise:") + qs(form.sunrise_text),
    };
    Memo1.setPlainText(lines.join(QLatin1Char('\n')));

    const CInit& s = *form.settings;
    ComboBox1.setEditText(zone_text(s.tz_hours));
    (s.south ? South : North).setChecked(true);
    (s.west ? West : East).setChecked(true);
    UpDown1.setValue(s.lat_deg);
    UpDown2.setValue(s.lat_min);
    UpDown3.setValue(s.lon_deg);
    UpDown4.setValue(s.lon_min);
    PS_Height.setText(qs(shortest_decimal(s.height)));
}

void TForm2::run() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    if (exec() == QDialog::Accepted) apply();
}

void TForm2::apply() {
    CInit& s = *form.settings;
    const auto tz = parse_decimal(ComboBox1.currentText().toStdString());
    if (tz && *tz >= kMinTimeZone && *tz <= kMaxTimeZone) s.tz_hours = *tz;

    s.lat_deg = static_cast<std::int16_t>(UpDown1.value());
    s.lat_min = static_cast<std::int16_t>(UpDown2.value());
    s.lon_deg = static_cast<std::int16_t>(UpDown3.value());
    s.lon_min = static_cast<std::int16_t>(UpDown4.value());
    if (s.lat_deg >= 90) s.lat_min = 0;   // no place lies beyond the pole
    if (s.lon_deg >= 180) s.lon_min = 0;
    s.south = North.isChecked() ? 0 : 1;
    s.west = East.isChecked() ? 0 : 1;
    derive_angles(s);

    const auto height = parse_decimal(PS_Height.text().toStdString());
    s.height = (height && *height >= kMinHeight && *height <= kMaxHeight) ? *height : 0.0;

    save_settings(s);
    form.apply_settings_to_engine();
}
