// What the user's locale says of the clock's formats: 12 or 24 hours when the user has
// chosen neither, and the order of the face's date.
#pragma once

#include <QLocale>

#include "face.h"

namespace locale_formats {

// The locale's own short time has no am/pm. The C locale and English keep the clock's
// 12-hour dial.
bool prefers_24_hour(const QLocale& locale);

// The fields of the locale's short date in its order, with its separator where that is
// '/', '.' or '-'; yy/mm/dd for the C locale.
DateStyle face_date_style(const QLocale& locale);

}  // namespace locale_formats
