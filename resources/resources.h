// The program's built-in resources: art, pointer images, sounds, dialog templates and the
// icon, addressed by kind and integer id and linked into the executable.
#pragma once

#include <cstddef>
#include <cstdint>

enum class ResourceKind : int32_t { Bitmap, Mask, Cursor, Icon, Sound, Dialog };

// A size and a point as the manifests give them (resource_ids.h holds them by name).
struct ResourceSize {
    int32_t width;
    int32_t height;
};

struct ResourcePoint {
    int32_t x;
    int32_t y;
};

struct ResourceBytes {
    const uint8_t* data = nullptr;  // null when the program has no such resource
    size_t size = 0;
};

// Masks are bitmaps too: looking up ResourceKind::Bitmap finds either.
ResourceBytes find_resource(ResourceKind kind, int32_t id);

// Every resource, for tests and tools: calls visit(kind, id, bytes) in id order.
void for_each_resource(void (*visit)(ResourceKind kind, int32_t id, ResourceBytes bytes,
                                     void* context),
                       void* context);
