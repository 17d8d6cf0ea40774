#include "Unit2.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QValidator>
#include <algorithm>
#include <ctime>
#include <utility>

#include "computer_zone.h"
#include "place_zone.h"
#include "window_icon.h"
#include "zone_rules.h"

namespace {

// From the record's greatest offset down to its least (kMaxTimeZone, kMinTimeZone).
const char* const kZones[] = {"+14", "+13", "+12", "+11", "+10", "+9.5", "+09", "+08", "+07", "+06", "+5.5", "+05",
                              "+4.5", "+04", "+3.5", "+03", "+02", "+01", " 00", "-01", "-02", "-03",
                              "-3.5", "-04", "-05", "-06", "-07", "-08", "-09", "-10", "-11", "-12"};
constexpr int kHeightMaxLength = 6;
constexpr int kPlaceFieldWidth = 150;  // px: a city and its country, beside a longer button in some languages

// Limits what the user types to a number of characters; unlike a maximum length it
// leaves a longer stored text as it is shown.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(int max_length, QObject* parent) : QValidator(parent), max(max_length) {}
    State validate(QString& text, int&) const override { return text.size() <= max ? Acceptable : Invalid; }

private:
    int max;
};

void setup_spin(EditSpin& spin, const char* name, const char* edit_name, int max, int max_length) {
    spin.setObjectName(QString::fromLatin1(name));
    spin.edit()->setObjectName(QString::fromLatin1(edit_name));
    spin.setRange(0, max);
    spin.setWrapping(false);
    spin.setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin.edit()->setMaxLength(max_length);
}

// A whole number with an optional sign, as typed into a spin box.
std::optional<int> whole_number(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool is_return(const QKeyEvent& e) { return e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter; }

}  // namespace

QValidator::State EditSpin::validate(QString& text, int&) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+")) return QValidator::Intermediate;
    const std::optional<int> v = whole_number(t);
    if (!v) return QValidator::Invalid;
    return *v >= minimum() && *v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void EditSpin::fixup(QString& text) const {
    if (const std::optional<int> v = whole_number(text)) text = QString::number(std::clamp(*v, minimum(), maximum()));
}

int EditSpin::valueFromText(const QString& text) const {
    const std::optional<int> v = whole_number(text);
    return v ? std::clamp(*v, minimum(), maximum()) : value();
}

int EditSpin::typed_value() const {
    const std::optional<int> v = whole_number(cleanText());
    return v ? std::clamp(*v, minimum(), maximum()) : value();
}

TForm2::TForm2(const CInit& settings, const QStringList& memo_lines, QWidget* parent,
               std::optional<PlaceChoice> place, std::time_t now)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      GroupBox9(tr("Position")),
      North(tr("N", "north")),
      South(tr("S", "south")),
      East(tr("E", "east")),
      West(tr("W", "west")),
      shown(settings),
      now(now),
      chosen(std::move(place)) {
    build();
    load(memo_lines);
    forget_place_on_hand_edits();
}

void TForm2::build() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Orbalis Options & More Infomations."));
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
    Image1.setPixmap(window_icon());
    Label3.setObjectName(QStringLiteral("Label3"));
    Label3.setText(tr("Timezone"));
    build_zone_combo();
    build_place_search();

    GroupBox9.setObjectName(QStringLiteral("GroupBox9"));
    North.setObjectName(QStringLiteral("North"));
    South.setObjectName(QStringLiteral("South"));
    East.setObjectName(QStringLiteral("East"));
    West.setObjectName(QStringLiteral("West"));
    lat_group.addButton(&North);
    lat_group.addButton(&South);
    lon_group.addButton(&East);
    lon_group.addButton(&West);
    setup_spin(UpDown1, "UpDown1", "Lat", kMaxLatDeg, 2);
    setup_spin(UpDown2, "UpDown2", "Latmin", kMaxArcMinutes, 2);
    setup_spin(UpDown3, "UpDown3", "Lon", kMaxLonDeg, 3);
    setup_spin(UpDown4, "UpDown4", "Lonmin", kMaxArcMinutes, 2);
    Lat = UpDown1.edit();
    Latmin = UpDown2.edit();
    Lon = UpDown3.edit();
    Lonmin = UpDown4.edit();
    //: The place's height above sea level.
    HeightLabel.setText(tr("Height ="));
    //: Metres, after the height.
    MetreLabel.setText(tr("(m)"));
    PS_Height.setObjectName(QStringLiteral("PS_Height"));
    PS_Height.setValidator(new TypedLengthValidator(kHeightMaxLength, &PS_Height));

    Memo1.setObjectName(QStringLiteral("Memo1"));
    Memo1.setReadOnly(true);
    Memo1.setFocusPolicy(Qt::ClickFocus);  // read, and copied from, but not a Tab stop
    Memo1.setFrameShape(QFrame::NoFrame);
    Memo1.setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1.setMinimumWidth(160);
    BitBtn1.setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1.setText(tr("OK"));
    BitBtn1.setDefault(true);
    BitBtn2.setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2.setText(tr("Cancel"));
    connect(&BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(&BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    name_for_screen_readers();
    lay_out();
    set_keyboard_order();
    // Return in any field is OK and Escape is Cancel, whatever the field would make of them.
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QPushButton*>(w) == nullptr) w->installEventFilter(this);
    ComboBox1.setFocus();
    setMinimumSize(328, 201);
    adjustSize();
}

// Typing two letters or more lists the matching places under the field.
void TForm2::build_place_search() {
    constexpr int kListed = 12;
    PlaceLabel.setText(tr("Place"));
    LocateButton.setObjectName(QStringLiteral("LocateButton"));
    LocateButton.setText(tr("Use my location"));
    LocateButton.setAccessibleName(tr("Use my location"));
    LocateButton.setAutoDefault(false);  // Return stays OK
    LocateNote.setObjectName(QStringLiteral("LocateNote"));
    LocateNote.setWordWrap(true);
    LocateNote.hide();
    connect(&LocateButton, &QPushButton::clicked, this, [this] {
        LocateNote.setText(tr("Asking the location service\u2026"));
        LocateNote.show();
        locator.ask();
    });
    connect(&locator, &Locator::found, this, &TForm2::use_location);
    connect(&locator, &Locator::failed, this, [this](const QString& why) {
        LocateNote.setText(why);
        LocateNote.show();
    });
    PlaceSearch.setObjectName(QStringLiteral("PlaceSearch"));
    PlaceSearch.setPlaceholderText(tr("City name"));
    PlaceSearch.setMinimumWidth(kPlaceFieldWidth);
    PlaceList.setModel(&place_labels);
    PlaceList.setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    PlaceList.setMaxVisibleItems(kListed);
    PlaceList.setWidget(&PlaceSearch);
    connect(&PlaceSearch, &QLineEdit::textEdited, this, &TForm2::list_places);
    connect(&PlaceList, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& i) {
        if (i.row() >= 0 && static_cast<std::size_t>(i.row()) < listed.size()) choose_place(listed[static_cast<std::size_t>(i.row())]);
    });
}

void TForm2::list_places(const QString& typed) {
    constexpr std::size_t kListed = 12;
    listed = places::find_places(typed.toStdString(), kListed);
    QStringList labels;
    for (const places::Place& p : listed) labels << qs(places::place_label(p, utc_offset_name(standard_offset_of(p))));
    place_labels.setStringList(labels);
    if (labels.isEmpty()) {
        PlaceList.popup()->hide();
        return;
    }
    // As wide as the longest label, so the coordinates and the zone show in full.
    constexpr int kFrameAllowance = 40;  // px: the list's frame and scroll bar
    const int width = std::max(PlaceSearch.width(), PlaceList.popup()->sizeHintForColumn(0) + kFrameAllowance);
    PlaceList.complete(QRect(0, 0, width, PlaceSearch.height()));
}

// A place's standard offset at the dialog's moment, from its zone's rules; read once per zone while the
// dialog is open, as each keystroke lists up to a dozen places.
double TForm2::standard_offset_of(const places::Place& p) {
    const std::string zone(p.zone);
    if (const auto known = zone_offsets.find(zone); known != zone_offsets.end()) return known->second;
    const std::optional<ZoneRules> rules = load_zone_rules(zone);
    const double offset = rules ? standard_offset_hours(*rules, now) : shown.tz_hours;
    zone_offsets.emplace(zone, offset);
    return offset;
}

// The position's fields, to the minute; the caller holds `filling`.
void TForm2::fill_position(double latitude, double longitude) {
    (latitude < 0 ? South : North).setChecked(true);
    (longitude < 0 ? West : East).setChecked(true);
    const places::DegreesMinutes lat = places::to_degrees_minutes(latitude), lon = places::to_degrees_minutes(longitude);
    UpDown1.setValue(lat.degrees);
    UpDown2.setValue(lat.degrees >= kMaxLatDeg ? 0 : lat.minutes);
    UpDown3.setValue(lon.degrees);
    UpDown4.setValue(lon.degrees >= kMaxLonDeg ? 0 : lon.minutes);
}

// The place a position is now said to be, in the search field, and its events in the memo.
void TForm2::name_place(std::optional<PlaceChoice> place) {
    chosen = std::move(place);
    PlaceSearch.setText(chosen ? qs(chosen->name) : QString());
    if (memo_of) Memo1.setPlainText(memo_of(edited(), chosen).join(QLatin1Char('\n')));
}

void TForm2::use_location(double latitude, double longitude) {
    const std::optional<places::Place> near = places::nearest_place(latitude, longitude);
    const std::string zone = computer_zone_name();
    const std::optional<ZoneRules> rules = load_zone_rules(zone);
    filling = true;
    fill_position(latitude, longitude);
    set_zone_text(rules ? standard_offset_hours(*rules, now) : computer_offset_seconds(now) / 3600.0);
    filling = false;
    LocateNote.clear();
    LocateNote.hide();
    name_place(near && rules ? std::optional<PlaceChoice>(PlaceChoice{places::place_name(*near), zone}) : std::nullopt);
}

void TForm2::choose_place(const places::Place& p) {
    const double standard = standard_offset_of(p);
    filling = true;
    fill_position(p.latitude, p.longitude);
    if (p.height_m) PS_Height.setText(qs(shortest_decimal(*p.height_m)));
    set_zone_text(standard);
    filling = false;
    name_place(PlaceChoice{places::place_name(p), std::string(p.zone)});
}

// A coordinate or the zone changed by hand is no longer the chosen place's.
void TForm2::forget_place_on_hand_edits() {
    const auto forget = [this] {
        if (filling || !chosen) return;
        chosen.reset();
        PlaceSearch.clear();
    };
    for (QRadioButton* b : {&North, &South, &East, &West}) connect(b, &QRadioButton::toggled, this, forget);
    for (EditSpin* spin : {&UpDown1, &UpDown2, &UpDown3, &UpDown4})
        connect(spin, &QSpinBox::valueChanged, this, forget);
    connect(&ComboBox1, &QComboBox::editTextChanged, this, forget);
}

// The zone is typed or chosen from the list; a typed number is never completed into an item.
void TForm2::build_zone_combo() {
    ComboBox1.setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1.setEditable(true);
    ComboBox1.setInsertPolicy(QComboBox::NoInsert);
    ComboBox1.setCompleter(nullptr);
    for (const char* z : kZones) ComboBox1.addItem(QString::fromLatin1(z));
}

void TForm2::lay_out() {
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
    place_row.addWidget(&PlaceLabel);
    place_row.addWidget(&PlaceSearch, 1);
    place_row.addWidget(&LocateButton);
    left_column.addLayout(&title_row);
    left_column.addLayout(&zone_row);
    left_column.addLayout(&place_row);
    left_column.addWidget(&LocateNote);
    left_column.addWidget(&GroupBox9);
    left_column.addStretch(1);
    left_column.addLayout(&buttons_row);
    top_layout.addLayout(&left_column);
    top_layout.addWidget(&Memo1, 1);
    setLayout(&top_layout);
}

// Keyboard order as the fields stand: the zone, then each row of the position left to
// right (a radio pair is one stop), the height, "Use my location" (an addition, kept after
// the design's fields), OK and Cancel.
void TForm2::set_keyboard_order() {
    QWidget* const order[] = {&ComboBox1, &PlaceSearch, &North,     &South,        &UpDown1, &UpDown2, &East,
                              &West,      &UpDown3,     &UpDown4,   &PS_Height,    &LocateButton, &BitBtn1, &BitBtn2};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// What a screen reader says for each control; the labels beside them are not tied to them.
void TForm2::name_for_screen_readers() {
    const std::pair<QWidget*, const char*> names[] = {
        {&ComboBox1, QT_TR_NOOP("Time zone, hours east of Greenwich")},
        {&PlaceSearch, QT_TR_NOOP("Place")},
        {&North, QT_TR_NOOP("North")},
        {&South, QT_TR_NOOP("South")},
        {&East, QT_TR_NOOP("East")},
        {&West, QT_TR_NOOP("West")},
        {&UpDown1, QT_TR_NOOP("Latitude, degrees")},
        {&UpDown2, QT_TR_NOOP("Latitude, minutes")},
        {&UpDown3, QT_TR_NOOP("Longitude, degrees")},
        {&UpDown4, QT_TR_NOOP("Longitude, minutes")},
        {&PS_Height, QT_TR_NOOP("Height above sea level, metres")},
        {&Memo1, QT_TR_NOOP("Moon and coming events")},
        {&Image1, "Orbalis"},
    };
    for (const auto& [w, name] : names) w->setAccessibleName(tr(name));
    // The text boxes inside the zone box and the number fields are what a screen reader
    // lands on: they carry their field's name.
    const std::pair<QLineEdit*, QWidget*> inner[] = {
        {ComboBox1.lineEdit(), &ComboBox1}, {Lat, &UpDown1}, {Latmin, &UpDown2}, {Lon, &UpDown3}, {Lonmin, &UpDown4}};
    for (const auto& [edit, field] : inner)
        if (edit != nullptr) edit->setAccessibleName(field->accessibleName());
}

QString TForm2::zone_text(double tz_hours) {
    const QString n = qs(shortest_decimal(tz_hours));
    return tz_hours > 0 ? QLatin1Char('+') + n : n;
}

void TForm2::load(const QStringList& memo_lines) {
    Label1.setText(QStringLiteral("Orbalis   ") + tr("Version %1").arg(QStringLiteral(ORBALIS_VERSION)));
    Memo1.setPlainText(memo_lines.join(QLatin1Char('\n')));
    show_zone(shown.tz_hours);
    (shown.south ? South : North).setChecked(true);
    (shown.west ? West : East).setChecked(true);
    UpDown1.setValue(shown.lat_deg);
    UpDown2.setValue(shown.lat_min);
    UpDown3.setValue(shown.lon_deg);
    UpDown4.setValue(shown.lon_min);
    shown_height_text = qs(shortest_decimal(shown.height));
    PS_Height.setText(shown_height_text);
    if (chosen) PlaceSearch.setText(qs(chosen->name));
}

void TForm2::show_zone(double tz_hours) {
    set_zone_text(tz_hours);
    shown_zone_text = ComboBox1.currentText();
}

// The item that spells the zone is made current; a zone that is no item is shown as typed.
void TForm2::set_zone_text(double tz_hours) {
    int item = -1;
    for (int i = 0; i < ComboBox1.count() && item < 0; ++i)
        if (parse_decimal(ComboBox1.itemText(i).toStdString()) == tz_hours) item = i;
    ComboBox1.setCurrentIndex(item);
    if (item < 0) ComboBox1.setEditText(zone_text(tz_hours));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    // Keys in the open zone list (a popup window of its own) belong to the list: Return
    // and Escape only close it, as in any combo box.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const bool in_a_popup = widget != nullptr && widget->window() != this;
    if (event->type() == QEvent::KeyPress && !in_a_popup) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (is_return(key) && key.modifiers() == Qt::NoModifier) {
            BitBtn1.click();
            return true;
        }
        if (key.key() == Qt::Key_Escape) {
            BitBtn2.click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::centre_on_parent_screen() {
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
}

std::optional<CInit> TForm2::run() {
    centre_on_parent_screen();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return edited();
}

std::optional<double> TForm2::typed_number(const QString& text) const {
    if (const auto v = parse_decimal(text.toStdString())) return v;
    const QString separator = locale().decimalPoint();
    if (separator == QLatin1String(".") || !text.contains(separator)) return std::nullopt;
    return parse_decimal(QString(text).replace(separator, QLatin1String(".")).toStdString());
}

double TForm2::edited_zone() const {
    if (ComboBox1.currentText() == shown_zone_text) return shown.tz_hours;
    const auto tz = typed_number(ComboBox1.currentText());
    return (tz && *tz >= kMinTimeZone && *tz <= kMaxTimeZone) ? *tz : shown.tz_hours;
}

double TForm2::edited_height() const {
    if (PS_Height.text() == shown_height_text) return shown.height;
    const auto height = typed_number(PS_Height.text());
    return (height && *height >= kMinHeight && *height <= kMaxHeight) ? *height : 0.0;
}

CInit TForm2::edited() const {
    CInit s = shown;
    s.tz_hours = edited_zone();
    s.lat_deg = static_cast<std::int16_t>(UpDown1.typed_value());
    s.lat_min = static_cast<std::int16_t>(UpDown2.typed_value());
    s.lon_deg = static_cast<std::int16_t>(UpDown3.typed_value());
    s.lon_min = static_cast<std::int16_t>(UpDown4.typed_value());
    drop_minutes_at_the_limits(s);
    s.south = North.isChecked() ? 0 : 1;
    s.west = East.isChecked() ? 0 : 1;
    derive_angles(s);
    s.height = edited_height();
    return s;
}
