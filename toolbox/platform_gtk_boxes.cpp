// Message boxes as native GTK dialogs: real windows with the box's title, a friendly look
// that follows the desktop's theme, and Return, Escape and the mouse answering as expected.
#include "toolbox/platform_gtk.h"

namespace {

gboolean focus_on_map(GtkWidget* widget, GdkEvent* /*event*/, gpointer /*data*/) {
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window != nullptr) gdk_window_focus(window, GDK_CURRENT_TIME);
    return FALSE;
}

}  // namespace

void focus_when_mapped(GtkWidget* window) {
    g_signal_connect(window, "map-event", G_CALLBACK(focus_on_map), nullptr);
}

bool gtk_boxes_available() {
    static int state = -1;
    if (state < 0) state = gtk_init_check(nullptr, nullptr) ? 1 : 0;
    return state == 1;
}

int gtk_message_box(GtkBoxKind kind, const char* title, const char* text) {
    GtkMessageType type = GTK_MESSAGE_INFO;
    if (kind == GtkBoxKind::Warning) type = GTK_MESSAGE_WARNING;
    if (kind == GtkBoxKind::Question) type = GTK_MESSAGE_QUESTION;
    GtkButtonsType buttons = kind == GtkBoxKind::Question ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK;
    GtkWidget* dialog =
        gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, type, buttons, "%s", text);
    gtk_window_set_title(GTK_WINDOW(dialog), title);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(dialog), TRUE);
    focus_when_mapped(dialog);
    gint response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    while (gtk_events_pending()) gtk_main_iteration();
    if (response == GTK_RESPONSE_OK || response == GTK_RESPONSE_YES) return 1;
    if (response == GTK_RESPONSE_NO) return 0;
    return -1;
}
