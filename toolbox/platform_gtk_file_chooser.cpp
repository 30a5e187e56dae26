// The desktop's file chooser: GTK's, over the SDL window, small enough for a 640 x 480 screen.
#include <gtk/gtk.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk_boxes.h"
#include "toolbox/platform_sdl.h"

namespace {

// The chooser sizes itself when it appears (from its remembered size, too large for a small
// screen), so it is sized and centred again once it is there; and since nobody gives it the
// keyboard focus on a bare X server, it takes the focus itself.
gboolean settle_when_mapped(GtkWidget* widget, GdkEvent* /*event*/, gpointer /*data*/) {
    Rect desktop = platform::desktop_rect();
    const int screenWidth = desktop.right - desktop.left;
    const int screenHeight = desktop.bottom - desktop.top;
    const int width = std::max(320, std::min(760, screenWidth - 40));
    const int height = std::max(240, std::min(540, screenHeight - 40));
    GtkWindow* window = GTK_WINDOW(widget);
    gtk_window_resize(window, width, height);
    gtk_window_move(window, desktop.left + (screenWidth - width) / 2,
                    desktop.top + (screenHeight - height) / 2);
    GdkWindow* gdkWindow = gtk_widget_get_window(widget);
    if (gdkWindow != nullptr) gdk_window_focus(gdkWindow, GDK_CURRENT_TIME);
    return FALSE;
}

// "*.bmp" as "*.[bB][mM][pP]": pictures from other systems often have upper-case endings.
std::string either_case(const char* pattern) {
    std::string out;
    for (const char* c = pattern; *c != 0; ++c) {
        auto u = static_cast<unsigned char>(*c);
        if (std::isalpha(u) != 0) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += *c;
        }
    }
    return out;
}

// The program's own window is not repainted while the chooser runs (its events wait), so
// whatever the chooser uncovers as it is sized and moved would stay unpainted: the window's
// last picture is put back on the screen each time the chooser's place changes.
gboolean repaint_program_window(GtkWidget* /*widget*/, GdkEvent* /*event*/, gpointer /*data*/) {
    if (SDL_Window* window = sdl_platform::main_window()) SDL_UpdateWindowSurface(window);
    return FALSE;
}

// The chooser answered last. Freeing a file chooser takes GTK tens of milliseconds, which a
// child waiting for the picture should not wait for: it is hidden at once and freed when the
// next one is made.
GtkWidget* g_answeredChooser = nullptr;

}  // namespace

int platform::choose_file(const FileRequest& request, std::string* chosen) {
    // GTK needs a true-colour screen.
    if (screen_depth() < 15 || !gtk_boxes_available()) return -1;
    sdl_platform::keep_x_errors_harmless();  // GTK installs its own handler when it starts
    if (g_answeredChooser != nullptr) gtk_widget_destroy(g_answeredChooser);
    g_answeredChooser = nullptr;
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        request.title, nullptr,
        request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
        GTK_RESPONSE_CANCEL, request.save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    if (dialog == nullptr) return -1;
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);

    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, request.filterLabel);
    gtk_file_filter_add_pattern(filter, either_case(request.filterPattern).c_str());
    gtk_file_chooser_add_filter(chooser, filter);  // the chooser owns it now

    if (request.folder[0] != 0) gtk_file_chooser_set_current_folder(chooser, request.folder);
    if (request.save) gtk_file_chooser_set_current_name(chooser, request.name);

    GtkWindow* window = GTK_WINDOW(dialog);
    gtk_window_set_keep_above(window, TRUE);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    g_signal_connect(dialog, "map-event", G_CALLBACK(settle_when_mapped), nullptr);
    g_signal_connect(dialog, "configure-event", G_CALLBACK(repaint_program_window), nullptr);

    int answer = 0;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* path = gtk_file_chooser_get_filename(chooser)) {
            *chosen = path;
            g_free(path);
            answer = 1;
        }
    }
    gtk_widget_hide(dialog);
    gtk_window_set_title(GTK_WINDOW(dialog), "");  // nobody looking for a chooser finds it
    g_answeredChooser = dialog;
    while (gtk_events_pending()) gtk_main_iteration();
    raise_window();
    return answer;
}
