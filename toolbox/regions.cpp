// Regions: polygon and circle areas by handle, for hit testing and painting.
#include "toolbox/internal.h"

#include <cstdlib>

using namespace tb;

void tb_regions_release_all() {
    for (RegionSlot& r : g_regions) {
        std::free(r.spanStart);
        std::free(r.spans);
        r = RegionSlot{};
    }
}
