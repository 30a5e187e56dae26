// The fuzz target runs the toolbox without the program's built-in art and sounds.
#include "resources/resources.h"

ResourceBytes find_resource(ResourceKind, int32_t) { return {}; }

void for_each_resource(void (*)(ResourceKind, int32_t, ResourceBytes, void*), void*) {}
