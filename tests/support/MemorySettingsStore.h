// The program's in-memory settings store, for tests that only need values to come back as
// written.
#pragma once

#include "common/SettingsStore.h"

namespace osk::test {

using MemorySettingsStore = osk::MemorySettingsStore;

} // namespace osk::test
