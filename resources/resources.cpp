#include "resources/resources.h"

#include "resources/resource_table.h"

ResourceBytes find_resource(ResourceKind kind, int32_t id) {
    for (const ResourceEntry* e = kResourceTable; e->id != -1; ++e) {
        bool kindMatches = e->kind == kind ||
                           (kind == ResourceKind::Bitmap && e->kind == ResourceKind::Mask);
        if (kindMatches && e->id == id) {
            return {e->begin, static_cast<size_t>(e->end - e->begin)};
        }
    }
    return {};
}

void for_each_resource(void (*visit)(ResourceKind, int32_t, ResourceBytes, void*),
                       void* context) {
    for (const ResourceEntry* e = kResourceTable; e->id != -1; ++e) {
        visit(e->kind, e->id, {e->begin, static_cast<size_t>(e->end - e->begin)}, context);
    }
}
