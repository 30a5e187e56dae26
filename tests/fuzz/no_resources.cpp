// The fuzz target runs the toolbox without the program's built-in art and sounds: an empty
// table in place of the one the art brings.
#include "resources/resource_table.h"

const ResourceEntry kResourceTable[] = {{ResourceKind::Bitmap, -1, nullptr, nullptr}};
