// The desktop's file chooser as the toolbox offers it: the answer comes back in the caller's
// buffer, never cut: a path too long for it is reported by its length alone.
#include <cstring>
#include <string>

#include "toolbox/platform.h"
#include "toolbox/toolbox.h"

int32_t tb_ChooseFile(int32_t mode, const char* title, const char* filterLabel,
                      const char* filterPattern, const char* folder, const char* name, int32_t size,
                      char* buffer) {
    platform::FileRequest request;
    request.save = mode == TB_CHOOSE_SAVE;
    request.title = title != nullptr ? title : "";
    request.filterLabel = filterLabel != nullptr ? filterLabel : "";
    request.filterPattern = filterPattern != nullptr ? filterPattern : "";
    request.folder = folder != nullptr ? folder : "";
    request.name = name != nullptr ? name : "";
    std::string chosen;
    int answer = platform::choose_file(request, &chosen);
    if (answer <= 0) return answer < 0 ? -1 : 0;
    if (chosen.empty()) return 0;
    auto length = static_cast<int32_t>(chosen.size());
    if (buffer != nullptr && length < size) std::memcpy(buffer, chosen.c_str(), chosen.size() + 1);
    return length;
}
