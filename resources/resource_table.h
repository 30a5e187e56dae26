// The table that the build makes from the manifests; ends with an entry of id -1.
#pragma once

#include "resources/resources.h"

struct ResourceEntry {
    ResourceKind kind;
    int32_t id;
    const uint8_t* begin;
    const uint8_t* end;
};

extern const ResourceEntry kResourceTable[];
