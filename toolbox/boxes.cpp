// The four message boxes through which every error is reported and every question asked.
#include "toolbox/internal.h"
#include "toolbox/platform.h"

namespace {

TbMessageSink g_sink = nullptr;

int32_t show(int32_t kind, platform::Box box, const char* title, const char* text) {
    // The program is ending on a signal: nobody is left to answer.
    if (platform::ending_signal() != 0) return -1;
    if (g_sink != nullptr) return g_sink(kind, title, text);
    return platform::message_box(box, title, text);
}

}  // namespace

void tb_SetMessageSink(TbMessageSink sink) { g_sink = sink; }

void tb_Error(const char* text) { show(TB_BOX_ERROR, platform::Box::Error, "Error...", text); }

void tb_Attention(const char* text) {
    show(TB_BOX_ATTENTION, platform::Box::Attention, "Attention!", text);
}

void tb_Information(const char* text) {
    show(TB_BOX_INFORMATION, platform::Box::Information, "Information...", text);
}

int32_t tb_AskYesNo(const char* text) {
    int32_t answer = show(TB_BOX_YESNO, platform::Box::YesNo, "Attention...", text);
    return answer == 1 ? 1 : answer == 0 ? 0 : -1;
}
