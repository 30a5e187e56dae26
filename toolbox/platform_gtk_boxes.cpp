// Message boxes as native GTK dialogs: real windows with the box's title, its icon beside the
// text, a friendly look that follows the desktop's theme, and Return, Escape and the mouse
// answering as expected.
#include "toolbox/platform_gtk.h"

#include "toolbox/platform.h"

namespace {

gboolean focus_on_map(GtkWidget* widget, GdkEvent* /*event*/, gpointer /*data*/) {
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window != nullptr) gdk_window_focus(window, GDK_CURRENT_TIME);
    return FALSE;
}

constexpr guint kEndingLook = 100;  // milliseconds between looks at an ending signal

// Runs now and then while any GTK loop runs (never while the program waits in its own loop):
// once the program is ending on a signal, every GTK dialog that runs, ours or another part's,
// ends as if closed.
gboolean end_dialogs_when_ending(gpointer /*data*/) {
    if (platform::ending_signal() == 0) return G_SOURCE_CONTINUE;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w != nullptr; w = w->next) {
        if (GTK_IS_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data))) {
            gtk_dialog_response(GTK_DIALOG(w->data), GTK_RESPONSE_DELETE_EVENT);
        }
    }
    g_list_free(windows);
    return G_SOURCE_CONTINUE;
}

const char* icon_name(GtkBoxKind kind) {
    switch (kind) {
        case GtkBoxKind::Warning:
            return "dialog-warning";
        case GtkBoxKind::Question:
            return "dialog-question";
        case GtkBoxKind::Information:
        default:
            return "dialog-information";
    }
}

}  // namespace

void focus_when_mapped(GtkWidget* window) {
    g_signal_connect(window, "map-event", G_CALLBACK(focus_on_map), nullptr);
}

bool gtk_boxes_available() {
    static int state = -1;
    if (state < 0) {
        state = gtk_init_check(nullptr, nullptr) ? 1 : 0;
        if (state == 1) g_timeout_add(kEndingLook, end_dialogs_when_ending, nullptr);
    }
    return state == 1;
}

int gtk_message_box(GtkBoxKind kind, const char* title, const char* text) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), title);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_type_hint(GTK_WINDOW(dialog), GDK_WINDOW_TYPE_HINT_DIALOG);

    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 16);
    gtk_container_set_border_width(GTK_CONTAINER(row), 16);
    GtkWidget* icon = gtk_image_new_from_icon_name(icon_name(kind), GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_valign(icon, GTK_ALIGN_START);
    GtkWidget* label = gtk_label_new(text);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 50);
    gtk_label_set_xalign(GTK_LABEL(label), 0.0F);
    gtk_widget_set_valign(label, GTK_ALIGN_CENTER);
    gtk_box_pack_start(GTK_BOX(row), icon, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), label, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), row, TRUE, TRUE,
                       0);
    if (kind == GtkBoxKind::Question) {
        gtk_dialog_add_buttons(GTK_DIALOG(dialog), "_No", GTK_RESPONSE_NO, "_Yes", GTK_RESPONSE_YES,
                               nullptr);
        gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_YES);
    } else {
        gtk_dialog_add_button(GTK_DIALOG(dialog), "_OK", GTK_RESPONSE_OK);
        gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    }
    gtk_widget_show_all(row);
    focus_when_mapped(dialog);
    gint response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    while (gtk_events_pending()) gtk_main_iteration();
    if (response == GTK_RESPONSE_OK || response == GTK_RESPONSE_YES) return 1;
    if (response == GTK_RESPONSE_NO) return 0;
    return -1;
}
