// Defaults for every test process, set before main: the dummy SDL drivers and the
// folders of the generated content and the sources. Values already in the
// environment win.
#include <cstdlib>

namespace {
const bool kEnvironmentSet = [] {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("ZOOVANA_CONTENT_DIR", ZOOVANA_BUILD_DIR, 0);
  setenv("ZOOVANA_SOURCE_DIR", ZOOVANA_SOURCE_ROOT, 0);
  return true;
}();
}  // namespace
