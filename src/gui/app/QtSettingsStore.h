// The program's settings store on QSettings, shared with the companion program.
//
// Where values live: on Windows in the registry, at the path itself: the value Color of the key
// HKEY_CURRENT_USER\Software\Graphs for the path "HKCU\Software\Graphs\Color". Elsewhere in
// QSettings' per-user files with the same hierarchy: the second path component is the
// organisation, the third the application, the rest the key (locateSetting makes both mappings).
// On Linux that is ~/.config/Software/Graphs.conf for the program's own values and
// ~/.config/Software/Remote.conf for the companion's DataDir ($XDG_CONFIG_HOME instead of
// ~/.config when it is set). Only these are read: not the organisation-wide
// ~/.config/Software.conf, nor the system-wide files.
#pragma once

#include "common/SettingsStore.h"

#include <string>

namespace osk {

class QtSettingsStore : public SettingsStore {
public:
    // Only paths of the current user's hive ("HKCU\...") with at least a key and a value name
    // are served: any other path reads "" and is never written. Every call opens the store
    // afresh and releases it, so a value written by another program is seen at the next read.
    std::string RegRead(const std::string& path) override;
    void RegWrite(const std::string& path, const std::string& value) override;
};

} // namespace osk
