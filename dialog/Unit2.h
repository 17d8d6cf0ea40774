// The options and information dialog: time zone, place and height, and the coming events.
// It shows a settings record and the memo's lines and hands back the edited record.
#pragma once

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
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
#include <optional>

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
    TForm2(const CInit& settings, const QStringList& memo_lines, QWidget* parent = nullptr);

    // Shows the dialog modally on the screen of its parent; the edited record on OK,
    // nothing on Cancel.
    std::optional<CInit> run();
    // The record OK hands back: the one shown, with the fields as they stand now. A zone
    // or height text left as shown keeps the stored value exactly.
    CInit edited() const;
    // The zone as the combo box shows it: "+9", "+5.5", "0", "-5".
    static QString zone_text(double tz_hours);

    QLabel Label1;
    QLabel Image1;
    QLabel Label3;
    QComboBox ComboBox1;
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
    QHBoxLayout title_row, zone_row, buttons_row;
    QGridLayout position_grid;
    QHBoxLayout height_row;

    void build();
    void build_zone_combo();
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

    CInit shown;
    QString shown_zone_text, shown_height_text;
};
