#include "text/text_settings.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int32_t kStartSizes[kTextSizeCount] = {10, 20, 40, 60, 80};

}  // namespace

int32_t g_textSizes[kTextSizeCount] = {10, 20, 40, 60, 80};

char g_textString[kTextCapacity] = "Type your text in here.";
char g_textFontName[kFaceNameCapacity] = "Arial";
int32_t g_textSizeIndex = 0;
int32_t g_textStyle = 0;
int32_t g_textWidth = 0;
int32_t g_textHeight = 0;

void text_reset_settings() {
    std::snprintf(g_textString, sizeof g_textString, "%s", "Type your text in here.");
    std::snprintf(g_textFontName, sizeof g_textFontName, "%s", "Arial");
    std::copy(std::begin(kStartSizes), std::end(kStartSizes), g_textSizes);
    g_textSizeIndex = 0;
    g_textStyle = 0;
    g_textWidth = 0;
    g_textHeight = 0;
}

int32_t text_current_size() {
    const bool known = g_textSizeIndex >= 0 && g_textSizeIndex < kTextSizeCount;
    return g_textSizes[known ? g_textSizeIndex : 0];
}
