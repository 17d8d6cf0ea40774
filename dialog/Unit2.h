// The options and information dialog: time zone, place and height, and the coming events.
#pragma once

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

class TForm1;

// A spin box that is the edit field and its spinner in one; the edit part is reachable.
class EditSpin : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    QLineEdit* edit() const { return lineEdit(); }
};

class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(TForm1& owner);

    // Shows the dialog modally; on OK stores the new settings and recomputes.
    void run();
    // What OK does, also reachable without the modal loop.
    void apply();
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

private:
    // Layouts after the widgets, the outermost first, so that each goes before what holds it.
    QButtonGroup lat_group, lon_group;
    QHBoxLayout top_layout;
    QVBoxLayout left_column;
    QHBoxLayout title_row, zone_row, buttons_row;
    QGridLayout position_grid;
    QHBoxLayout height_row;

    void build();
    void load();
    TForm1& form;
};
