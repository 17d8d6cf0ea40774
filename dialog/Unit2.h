// The options and information dialog: time zone, place and height, and the coming events.
// It shows a settings record and the memo's lines and hands back the edited record.
#pragma once

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QStringListModel>
#include <ctime>
#include <map>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "choices.h"
#include "locator.h"
#include "places.h"
#include "settings.h"

// A spin box that is the edit field and its spinner in one; the edit part is reachable.
// A whole number typed beyond the range is taken to the nearest end of it (never cut to
// its first digits or stripped of its sign).
class EditSpin : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    QLineEdit* edit() const { return lineEdit(); }
    // The value the text stands for now, typed or not yet committed, within the range.
    int typed_value() const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    int valueFromText(const QString& text) const override;
};

class TForm2 : public QDialog {
    Q_OBJECT

public:
    // `place`: the place chosen earlier, shown in the search field; nothing when the
    // position was set by hand. A place's zone is given by its standard offset at `now`.
    TForm2(const CInit& settings, const QStringList& memo_lines, QWidget* parent = nullptr,
           std::optional<PlaceChoice> place = std::nullopt, std::time_t now = std::time(nullptr));

    // Shows the dialog modally on the screen of its parent; the edited record on OK,
    // nothing on Cancel.
    std::optional<CInit> run();
    // The record OK hands back: the one shown, with the fields as they stand now. A zone
    // or height text left as shown keeps the stored value exactly.
    CInit edited() const;
    // The zone as the combo box shows it: "+9", "+5.5", "0", "-5".
    static QString zone_text(double tz_hours);
    // The place the position came from, chosen by name; nothing once a coordinate or the
    // zone was changed by hand.
    const std::optional<PlaceChoice>& chosen_place() const { return chosen; }
    // Fills the position, the height (where known) and the zone from a place, and the
    // memo's events for it where a source of them is set.
    void choose_place(const places::Place& place);
    // What the memo shows for a record and its place chosen by name: the window's almanac
    // of its moment there.
    using MemoSource = std::function<QStringList(const CInit&, const std::optional<PlaceChoice>&)>;
    void set_memo_source(MemoSource source) { memo_of = std::move(source); }
    // The position the location service gave (rounded to the minute), the computer's zone,
    // and the nearest place of the list as its name.
    void use_location(double latitude, double longitude);

private:
    void fill_position(double latitude, double longitude);
    void name_place(std::optional<PlaceChoice> place);

public:
    // The places the search lists for the text in the Place field, best first.
    const std::vector<places::Place>& listed_places() const { return listed; }

    QLabel Label1;
    QLabel Image1;
    QLabel Label3;
    QComboBox ComboBox1;
    QLabel PlaceLabel;
    QLineEdit PlaceSearch;
    // "Use my location": the desktop's location service asked once, on a press only.
    QPushButton LocateButton;
    QLabel LocateNote;  // why the location is not there, on its own line
    Locator locator;
    QCompleter PlaceList;
    QGroupBox GroupBox9;
    QRadioButton North, South, East, West;
    EditSpin UpDown1, UpDown2, UpDown3, UpDown4;
    QLineEdit* Lat;
    QLineEdit* Latmin;
    QLineEdit* Lon;
    QLineEdit* Lonmin;
    QLabel HeightLabel, MetreLabel;
    QLineEdit PS_Height;
    QPlainTextEdit Memo1;
    QPushButton BitBtn1, BitBtn2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layouts after the widgets, the outermost first, so that each goes before what holds it.
    QButtonGroup lat_group, lon_group;
    QHBoxLayout top_layout;
    QVBoxLayout left_column;
    QHBoxLayout title_row, zone_row, place_row, buttons_row;
    QGridLayout position_grid;
    QHBoxLayout height_row;

    void build();
    void build_zone_combo();
    void build_place_search();
    void list_places(const QString& typed);
    void forget_place_on_hand_edits();
    void set_zone_text(double tz_hours);
    void lay_out();
    void set_keyboard_order();
    void name_for_screen_readers();
    void load(const QStringList& memo_lines);
    void show_zone(double tz_hours);
    void centre_on_parent_screen();
    double edited_zone() const;
    double edited_height() const;
    // A number typed with the point or with the locale's decimal separator ("12,5").
    std::optional<double> typed_number(const QString& text) const;
    double standard_offset_of(const places::Place& p);

    CInit shown;
    std::time_t now;
    QString shown_zone_text, shown_height_text;
    QStringListModel place_labels;
    std::vector<places::Place> listed;
    std::map<std::string, double> zone_offsets;  // hours, by zone name
    std::optional<PlaceChoice> chosen;
    MemoSource memo_of;
    bool filling = false;  // the fields are being filled from a chosen place
};
