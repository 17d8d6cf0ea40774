// The login entry: the XDG autostart desktop entry that starts the clock at login.
// Standard library only.
#pragma once

#include <optional>
#include <string>

// The entry that starts `binary` at login, on `settings_file` when that is not empty.
// Nothing for a path with a control character or bytes that are not UTF-8, which an entry
// cannot carry, or a program path with a "%", which the desktop cannot start; `why` then
// says which.
std::optional<std::string> autostart_entry(const std::string& binary, const std::string& settings_file,
                                           std::string& why);
