// Modeless dialogs on GTK: a small window of its own, laid out exactly as its template says,
// in the template's font. Buttons and Escape send commands to the dialog's procedure.
#include <cstdio>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk.h"

namespace {

constexpr NativeWindow kModelessDialog = 300;  // the one modeless dialog there can be
constexpr const char* kWidgetName = "tintamar-modeless";

GtkWidget* g_window = nullptr;
TbDialogProc g_proc = nullptr;

void send_command(int32_t id) {
    if (g_proc != nullptr) g_proc(kModelessDialog, TB_WM_COMMAND, id, 0);
}

void button_clicked(GtkButton* button, gpointer /*data*/) {
    send_command(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "control-id")));
}

gboolean key_pressed(GtkWidget* /*window*/, GdkEventKey* key, gpointer /*data*/) {
    if (key->keyval != GDK_KEY_Escape) return FALSE;
    send_command(TB_IDCANCEL);
    return TRUE;
}

gboolean refuse_to_close(GtkWidget* /*window*/, GdkEvent* /*event*/, gpointer /*data*/) {
    return TRUE;
}

// The template's font for everything in these windows, and buttons no bigger than their
// template rectangle (the theme's padding would not fit in it).
void style_dialogs(const DialogTemplate& t) {
    static GtkCssProvider* provider = nullptr;
    if (provider == nullptr) {
        provider = gtk_css_provider_new();
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                                  GTK_STYLE_PROVIDER(provider),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    }
    char css[512];
    std::snprintf(css, sizeof css,
                  "#%s, #%s * { font-family: \"%s\", sans-serif; font-size: %dpt; }\n"
                  "#%s button { padding: 0 2px; min-height: 0; min-width: 0; }\n",
                  kWidgetName, kWidgetName, t.fontFamily, t.fontPoints > 0 ? t.fontPoints : 8,
                  kWidgetName);
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
}

GtkWidget* make_picture(const platform::DialogPicture& picture) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
    if (picture.rgba != nullptr) {
        GBytes* bytes = g_bytes_new(picture.rgba, static_cast<size_t>(picture.width) *
                                                      static_cast<size_t>(picture.height) * 4);
        GdkPixbuf* pixbuf = gdk_pixbuf_new_from_bytes(
            bytes, GDK_COLORSPACE_RGB, TRUE, 8, picture.width, picture.height, picture.width * 4);
        gtk_container_add(GTK_CONTAINER(frame), gtk_image_new_from_pixbuf(pixbuf));
        g_object_unref(pixbuf);
        g_bytes_unref(bytes);
    }
    return frame;
}

GtkWidget* make_button(const TemplateControl& c) {
    GtkWidget* button = gtk_button_new_with_label(c.text);
    g_object_set_data(G_OBJECT(button), "control-id", GINT_TO_POINTER(c.id));
    g_signal_connect(button, "clicked", G_CALLBACK(button_clicked), nullptr);
    return button;
}

}  // namespace

namespace platform {

NativeWindow open_modeless_dialog(const DialogTemplate& dialog, const DialogPicture* pictures,
                                  TbDialogProc proc) {
    if (g_window != nullptr || proc == nullptr || !gtk_ready()) return 0;
    style_dialogs(dialog);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_widget_set_name(window, kWidgetName);
    gtk_window_set_title(GTK_WINDOW(window), dialog.title);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_deletable(GTK_WINDOW(window), FALSE);
    gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(window), TRUE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), TRUE);
    g_signal_connect(window, "delete-event", G_CALLBACK(refuse_to_close), nullptr);
    g_signal_connect(window, "key-press-event", G_CALLBACK(key_pressed), nullptr);
    focus_when_mapped(window);

    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, dialog.width, dialog.height);
    gtk_container_add(GTK_CONTAINER(window), fixed);
    GtkWidget* defaultButton = nullptr;
    int32_t picture = 0;
    for (int32_t i = 0; i < dialog.controlCount; ++i) {
        const TemplateControl& c = dialog.controls[i];
        GtkWidget* widget = nullptr;
        if (c.kind == TemplateControlKind::Picture) {
            widget = make_picture(pictures[picture++]);
        } else if (c.kind == TemplateControlKind::Button ||
                   c.kind == TemplateControlKind::DefaultButton) {
            widget = make_button(c);
            if (c.kind == TemplateControlKind::DefaultButton) defaultButton = widget;
        } else {
            continue;  // no modeless dialog of ours has fields or lists
        }
        gtk_widget_set_size_request(widget, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top);
        gtk_fixed_put(GTK_FIXED(fixed), widget, c.rect.left, c.rect.top);
    }
    g_window = window;
    g_proc = proc;
    proc(kModelessDialog, TB_WM_INITDIALOG, 0, 0);
    if (g_window == nullptr) return 0;  // the procedure closed it at once
    gtk_widget_show_all(window);
    if (defaultButton != nullptr) {
        gtk_widget_set_can_default(defaultButton, TRUE);
        gtk_widget_grab_default(defaultButton);
        gtk_widget_grab_focus(defaultButton);
    }
    // Shown at once, not only when GTK's main loop next turns.
    gdk_display_flush(gdk_display_get_default());
    return kModelessDialog;
}

void close_modeless_dialog(NativeWindow dialog) {
    if (dialog != kModelessDialog || g_window == nullptr) return;
    GtkWidget* window = g_window;
    g_window = nullptr;
    g_proc = nullptr;
    gtk_widget_destroy(window);
    gdk_display_flush(gdk_display_get_default());
}

}  // namespace platform
