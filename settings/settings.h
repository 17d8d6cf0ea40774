// The settings record and its 52-byte file, "orbalis.ini" in the configuration folder.
#pragma once

#include <cstddef>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#pragma pack(push, 4)
struct CInit {
    std::int32_t left;
    std::int32_t top;
    std::uint8_t south;  // nonzero: southern latitude
    std::uint8_t west;   // nonzero: western longitude
    std::int16_t lat_deg;
    std::int16_t lat_min;
    std::int16_t lon_deg;
    std::int16_t lon_min;
    std::uint8_t padding[2];
    double latitude;   // signed degrees, derived from the fields above
    double longitude;  // signed degrees, derived
    double height;     // metres above the ellipsoid
    double tz_hours;   // standard time minus universal time
};
#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "the file is the little-endian record itself");
static_assert(sizeof(CInit) == 52);
static_assert(offsetof(CInit, top) == 4);
static_assert(offsetof(CInit, south) == 8);
static_assert(offsetof(CInit, west) == 9);
static_assert(offsetof(CInit, lat_deg) == 10);
static_assert(offsetof(CInit, lat_min) == 12);
static_assert(offsetof(CInit, lon_deg) == 14);
static_assert(offsetof(CInit, lon_min) == 16);
static_assert(offsetof(CInit, padding) == 18);
static_assert(offsetof(CInit, latitude) == 20);
static_assert(offsetof(CInit, longitude) == 28);
static_assert(offsetof(CInit, height) == 36);
static_assert(offsetof(CInit, tz_hours) == 44);

inline constexpr const char* kSettingsFile = "orbalis.ini";
inline constexpr const char* kSettingsFolder = "orbalis";  // in the configuration folder
inline constexpr std::size_t kSettingsSize = sizeof(CInit);
// The record's ranges, shared by the file's reader and the dialog. A latitude of 90 deg or
// a longitude of 180 deg has no minutes.
inline constexpr int kMaxLatDeg = 90;
inline constexpr int kMaxLonDeg = 180;
inline constexpr int kMaxArcMinutes = 59;
inline constexpr double kMinTimeZone = -12.0;
inline constexpr double kMaxTimeZone = 14.0;
inline constexpr double kMinHeight = -99999.0;
inline constexpr double kMaxHeight = 999999.0;

// An XDG base folder: the variable's value when it is an absolute path, else `usual` under
// the home folder ("~/.cache"). Either environment value may be null.
std::string xdg_folder(const char* variable, const char* home, const char* usual);

// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config.
std::string config_home(const char* xdg_config_home, const char* home);

// Makes `folder` and the folders above it that are missing, each private to the user; 0,
// or the errno of the step that failed (ENOTDIR where a file stands in the way).
int make_private_folders(const std::string& folder);

// The settings file in the configuration folder: orbalis/orbalis.ini under config_home().
std::string usual_settings_path(const char* xdg_config_home, const char* home);

// Where the settings live when no file is named: "orbalis.ini" in the working directory
// when there is one of the user's own (earlier versions kept it there), otherwise
// orbalis/orbalis.ini in the configuration folder. `note` says why a file in the working
// directory was passed over (another user's, planted in a shared folder).
std::string default_settings_location(const char* xdg_config_home, const char* home, std::string& note);

// Writes the defaults; the padding and the derived doubles are left as they are.
void default_settings(CInit& s);

// Reads one whole record from `path`; a missing or short file, one that is not a regular
// file (a FIFO, a device: never waited on) or one that is not the user's gives the defaults,
// and each field out of its valid range takes its default. The derived latitude and
// longitude are recomputed. Returns why a file that is there was not read (empty when
// it was, or when there is none).
std::string load_settings(CInit& s, const std::string& path);

// What a save came to: saved, or why the previous file was kept ("rename: Is a directory").
struct SaveOutcome {
    bool saved = false;
    std::string error;
    explicit operator bool() const { return saved; }
};

// Writes the record to a new private file of a unique name beside `path` (never following
// a link; a missing folder is created, private to the user), flushes it, gives it the old
// file's read and write permissions (0600 when there was none), renames it over `path` and
// flushes the folder. A link of the user's to a regular file of the user's is saved at the
// link's target and the link is kept; what is not the user's (not_the_users) is not
// replaced, and the outcome says so. On failure the temporary file is removed, the old file is
// kept and the outcome says why; the caller tells the user.
SaveOutcome save_settings(const CInit& s, const std::string& path);

// Where a save of `path` writes: the target of a link of the user's to a regular file of
// the user's, else `path` itself.
std::string save_target(const std::string& path);

// Why the file at `path` is not the user's to read or to replace (empty when it is): a link
// that another user made, a link to another user's file, or another user's file (planted in
// a shared folder). Nothing there, or the user's own link to nothing, is the user's.
std::string not_the_users(const std::string& path);

// Whether a save of `path` could be made now (its folder made, a file created there),
// without touching the file itself.
SaveOutcome can_save(const std::string& path);

// The same steps for any file kept beside the settings.
SaveOutcome save_file(const std::string& path, const void* data, std::size_t size);

// Minutes dropped at the pole and at 180 deg, where no place lies beyond.
void drop_minutes_at_the_limits(CInit& s);

// Signed latitude and longitude from the degree/minute fields and the flags.
void derive_angles(CInit& s);

// Shortest general decimal form with 15 significant digits ("12.3", "5", "-3.5"), the form
// in which the record's numbers are shown; independent of the locale.
std::string shortest_decimal(double v);

// The number a text spells, when it is one complete decimal number (blanks around it and
// a leading '+' allowed); nothing for "9h", "", "abc", "1e400" or "nan".
std::optional<double> parse_decimal(const std::string& text);
