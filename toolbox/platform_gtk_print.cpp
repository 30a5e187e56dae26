// Printing on GTK: the print dialog of GtkPrintOperation (the CUPS printers there are, and
// always "Print to File", which needs no print server) and the job that takes our one page to
// the printer. The operation runs asynchronously: its steps (the dialog, the page, sending the
// job) happen while we turn GTK's main loop ourselves, calling the pump between turns so that
// the program keeps answering.
#include <gtk/gtkunixprint.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk.h"

namespace {

// The program's own events come through SDL, not GTK's main loop: look at them at least this
// often while GTK has nothing to do.
constexpr guint kPumpIntervalMs = 15;

struct Job {
    GtkPrintOperation* operation = nullptr;
    guint wakeTimer = 0;
    gulong mapHook = 0;
    gulong unmapHook = 0;
    bool begun = false;                // a printer was chosen and its page is known
    platform::PrintPage page;          // as the printer has it
    platform::PrintPage ourPage;       // the resolution of the page we were given
    bool pageReady = false;            // our page exists; GTK may draw it
    cairo_surface_t* drawn = nullptr;  // the page's drawn part (none: a blank page)
    int drawnX = 0;                    // where the drawn part lies, in page pixels
    int drawnY = 0;
    GtkPrintContext* waiting = nullptr;  // GTK asked for the page before it was ready
    int pagesDrawn = 0;                  // one per copy GTK makes itself
    bool abandoned = false;              // we asked GTK to abandon the job
    GtkPrintOperationResult done = GTK_PRINT_OPERATION_RESULT_IN_PROGRESS;
};

Job g_job;
// The printer and options chosen last, offered again by the next print dialog.
GtkPrintSettings* g_lastSettings = nullptr;

// ---- Printers and errors ------------------------------------------------------------------------

gboolean note_printer(GtkPrinter* /*printer*/, gpointer found) {
    *static_cast<bool*>(found) = true;
    return TRUE;  // one is enough
}

bool any_printer() {
    bool found = false;
    gtk_enumerate_printers(note_printer, &found, nullptr, TRUE);
    return found;
}

int32_t error_code(const GError* error) {
    if (error != nullptr && error->domain == GTK_PRINT_ERROR &&
        error->code == GTK_PRINT_ERROR_NOMEM) {
        return TB_PRINT_ERROR_MEMORY;
    }
    return TB_PRINT_ERROR_INIT_FAILURE;
}

// ---- The page ----------------------------------------------------------------------------------

// Whether `count` pixels from bgr on are all white (paper).
bool white_run(const uint8_t* bgr, int count) {
    static const std::vector<uint8_t> kWhiteRow(3 * 4096, 0xFF);
    size_t bytes = 3 * static_cast<size_t>(count);
    for (size_t done = 0; done < bytes; done += kWhiteRow.size()) {
        size_t n = std::min(kWhiteRow.size(), bytes - done);
        if (std::memcmp(bgr + done, kWhiteRow.data(), n) != 0) return false;
    }
    return true;
}

// The part of the page where something was drawn, as a cairo image: the rest is paper, and a
// smaller image makes a smaller file and a faster job. Null for a blank page.
cairo_surface_t* drawn_part(const DibImage& page, int* left, int* top) {
    const int width = page.header->width;
    const int height = page.header->height;
    int x0 = width, x1 = 0, y0 = height, y1 = 0;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = tb_PixelAddress(&page, 0, y);
        if (white_run(row, width)) continue;
        y0 = std::min(y0, y);
        y1 = y + 1;
        int first = 0;
        while (first < width && white_run(row + 3 * first, 1)) ++first;
        int last = width;
        while (last > first && white_run(row + 3 * (last - 1), 1)) --last;
        x0 = std::min(x0, first);
        x1 = std::max(x1, last);
    }
    if (x0 >= x1 || y0 >= y1) return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, x1 - x0, y1 - y0);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = y0; y < y1; ++y) {
        const uint8_t* bgr = tb_PixelAddress(&page, x0, y);
        auto* out = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y - y0) * stride);
        for (int x = x0; x < x1; ++x, bgr += 3) {
            *out++ = 0xFF000000u | (uint32_t{bgr[2]} << 16) | (uint32_t{bgr[1]} << 8) | bgr[0];
        }
    }
    cairo_surface_mark_dirty(image);
    *left = x0;
    *top = y0;
    return image;
}

// Draws our page on GTK's (origin at the printable area's top-left, in points). Whole pixels,
// never smoothed: the printer enlarges them as they are.
void draw_on(GtkPrintContext* context) {
    ++g_job.pagesDrawn;
    if (g_job.drawn == nullptr) return;
    cairo_t* cr = gtk_print_context_get_cairo_context(context);
    cairo_save(cr);
    cairo_scale(cr, 72.0 / g_job.ourPage.dpiX, 72.0 / g_job.ourPage.dpiY);
    cairo_set_source_surface(cr, g_job.drawn, g_job.drawnX, g_job.drawnY);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, g_job.drawnX, g_job.drawnY, cairo_image_surface_get_width(g_job.drawn),
                    cairo_image_surface_get_height(g_job.drawn));
    cairo_fill(cr);
    cairo_restore(cr);
}

void finish_waiting_page() {
    if (g_job.waiting == nullptr) return;
    GtkPrintContext* context = g_job.waiting;
    g_job.waiting = nullptr;
    if (g_job.pageReady) draw_on(context);
    gtk_print_operation_draw_page_finish(g_job.operation);
}

// ---- The operation's signals -------------------------------------------------------------------

void begin_print(GtkPrintOperation* operation, GtkPrintContext* context, gpointer /*data*/) {
    GtkPageSetup* setup = gtk_print_context_get_page_setup(context);
    GtkPrintSettings* settings = gtk_print_operation_get_print_settings(operation);
    g_job.page.widthMm = gtk_page_setup_get_page_width(setup, GTK_UNIT_MM);
    g_job.page.heightMm = gtk_page_setup_get_page_height(setup, GTK_UNIT_MM);
    g_job.page.dpiX = gtk_print_settings_get_resolution_x(settings);
    g_job.page.dpiY = gtk_print_settings_get_resolution_y(settings);
    g_job.begun = true;
}

void note_done(GtkPrintOperation* /*operation*/, GtkPrintOperationResult result,
               gpointer /*data*/) {
    g_job.done = result;
}

void draw_page(GtkPrintOperation* operation, GtkPrintContext* context, gint /*number*/,
               gpointer /*data*/) {
    if (g_job.pageReady) {
        draw_on(context);
        return;
    }
    // Asked before our page exists (something turned the main loop meanwhile): it is drawn
    // when it comes.
    gtk_print_operation_set_defer_drawing(operation);
    g_job.waiting = context;
}

// ---- Keyboard focus without a window manager ---------------------------------------------------

GtkWidget* hooked_window(const GValue* params) {
    GObject* object = static_cast<GObject*>(g_value_get_object(&params[0]));
    if (!GTK_IS_WINDOW(object)) return nullptr;
    GtkWindow* window = GTK_WINDOW(object);
    return gtk_window_get_window_type(window) == GTK_WINDOW_TOPLEVEL ? GTK_WIDGET(window) : nullptr;
}

void focus(GtkWidget* window) {
    GdkWindow* gdk = window != nullptr ? gtk_widget_get_window(window) : nullptr;
    if (gdk != nullptr) gdk_window_focus(gdk, GDK_CURRENT_TIME);
}

// The print dialog and the windows it opens (the file chooser) take the focus when they
// appear, and give it back to the window they belong to when they go.
gboolean focus_shown(GSignalInvocationHint* /*hint*/, guint /*count*/, const GValue* params,
                     gpointer /*data*/) {
    focus(hooked_window(params));
    return TRUE;
}

gboolean focus_owner_of_hidden(GSignalInvocationHint* /*hint*/, guint /*count*/,
                               const GValue* params, gpointer /*data*/) {
    GtkWidget* window = hooked_window(params);
    GtkWindow* owner =
        window != nullptr ? gtk_window_get_transient_for(GTK_WINDOW(window)) : nullptr;
    if (owner != nullptr && gtk_widget_get_mapped(GTK_WIDGET(owner))) focus(GTK_WIDGET(owner));
    return TRUE;
}

// ---- The job's life ----------------------------------------------------------------------------

gboolean keep_waking(gpointer /*data*/) { return G_SOURCE_CONTINUE; }

void start_job() {
    g_job = Job{};
    g_job.operation = gtk_print_operation_new();
    GtkPrintOperation* op = g_job.operation;
    gtk_print_operation_set_allow_async(op, TRUE);
    gtk_print_operation_set_n_pages(op, 1);
    gtk_print_operation_set_unit(op, GTK_UNIT_POINTS);
    if (g_lastSettings != nullptr) gtk_print_operation_set_print_settings(op, g_lastSettings);
    g_signal_connect(op, "begin-print", G_CALLBACK(begin_print), nullptr);
    g_signal_connect(op, "draw-page", G_CALLBACK(draw_page), nullptr);
    g_signal_connect(op, "done", G_CALLBACK(note_done), nullptr);
    g_type_class_unref(g_type_class_ref(GTK_TYPE_WINDOW));  // its signals exist from here on
    g_job.mapHook = g_signal_add_emission_hook(g_signal_lookup("map-event", GTK_TYPE_WIDGET), 0,
                                               focus_shown, nullptr, nullptr);
    g_job.unmapHook = g_signal_add_emission_hook(g_signal_lookup("unmap", GTK_TYPE_WIDGET), 0,
                                                 focus_owner_of_hidden, nullptr, nullptr);
    g_job.wakeTimer = g_timeout_add(kPumpIntervalMs, keep_waking, nullptr);
}

void end_job(platform::PrintPump pump) {
    g_source_remove(g_job.wakeTimer);
    g_signal_remove_emission_hook(g_signal_lookup("map-event", GTK_TYPE_WIDGET), g_job.mapHook);
    g_signal_remove_emission_hook(g_signal_lookup("unmap", GTK_TYPE_WIDGET), g_job.unmapHook);
    if (g_job.drawn != nullptr) cairo_surface_destroy(g_job.drawn);
    g_object_unref(g_job.operation);
    g_job = Job{};
    // Nothing turns GTK's main loop now: what it still has to say to the X server (the
    // dialog's end) must be done before the room comes back on top and paints where the
    // dialogs were, before any notice holds it up.
    gdk_display_sync(gdk_display_get_default());
    platform::raise_window();  // the room has the keyboard again
    pump();
}

// The dialog as a child's program wants it: no preview, no page ranges, scaling or pages per
// sheet for our one page; copies stay. Above the full-screen room.
void tidy_print_dialog() {
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w != nullptr; w = w->next) {
        if (!GTK_IS_PRINT_UNIX_DIALOG(w->data)) continue;
        auto* dialog = GTK_PRINT_UNIX_DIALOG(w->data);
        gtk_print_unix_dialog_set_manual_capabilities(
            dialog, static_cast<GtkPrintCapabilities>(GTK_PRINT_CAPABILITY_COPIES |
                                                      GTK_PRINT_CAPABILITY_COLLATE));
        gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER_ALWAYS);
    }
    g_list_free(windows);
}

bool job_finished() { return gtk_print_operation_is_finished(g_job.operation) != FALSE; }

// Why the finished job failed, or null (to be freed). GTK keeps an error when the job could
// not start (the operation ends with an error) or the printer did not take it (the operation
// ended well, but the job was then aborted); asking it when there is none is an error itself.
GError* job_error() {
    bool failed =
        g_job.done == GTK_PRINT_OPERATION_RESULT_ERROR ||
        (g_job.done == GTK_PRINT_OPERATION_RESULT_APPLY &&
         gtk_print_operation_get_status(g_job.operation) == GTK_PRINT_STATUS_FINISHED_ABORTED);
    GError* why = nullptr;
    if (failed) gtk_print_operation_get_error(g_job.operation, &why);
    return why;
}

void abandon_job() {
    if (g_job.abandoned) return;
    g_job.abandoned = true;
    gtk_print_operation_cancel(g_job.operation);
    finish_waiting_page();  // GTK waits for no page any more
}

// One turn of GTK's main loop, then the program's own events.
void turn(platform::PrintPump pump) {
    g_main_context_iteration(nullptr, TRUE);
    if (pump() == 0) abandon_job();
}

}  // namespace

namespace platform {

int32_t print_begin(PrintPage* page, int32_t* error, PrintPump pump) {
    *error = 0;
    if (g_job.operation != nullptr) return 0;
    if (!gtk_ready()) {
        *error = TB_PRINT_ERROR_INITIALIZATION;
        return 0;
    }
    if (!any_printer()) {
        *error = TB_PRINT_ERROR_NO_DEVICES;
        return 0;
    }
    start_job();
    GError* failure = nullptr;
    GtkPrintOperationResult result = gtk_print_operation_run(
        g_job.operation, GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG, nullptr, &failure);
    if (result == GTK_PRINT_OPERATION_RESULT_ERROR) {
        *error = error_code(failure);
        g_clear_error(&failure);
        end_job(pump);
        return 0;
    }
    tidy_print_dialog();
    while (!g_job.begun && !job_finished()) turn(pump);
    if (!g_job.begun) {
        // Cancelled, or the chosen printer could not start a job.
        GError* why = job_error();
        *error = why != nullptr ? error_code(why) : 0;
        g_clear_error(&why);
        end_job(pump);
        return 0;
    }
    if (g_lastSettings != nullptr) g_object_unref(g_lastSettings);
    g_lastSettings =
        gtk_print_settings_copy(gtk_print_operation_get_print_settings(g_job.operation));
    *page = g_job.page;
    return 1;
}

void print_page(const DibImage& pixels, const PrintPage& page, PrintPump pump) {
    if (g_job.operation == nullptr || g_job.pageReady || pixels.header == nullptr) return;
    g_job.ourPage = page;
    g_job.drawn = drawn_part(pixels, &g_job.drawnX, &g_job.drawnY);
    g_job.pageReady = true;
    finish_waiting_page();
    while (g_job.pagesDrawn == 0 && !g_job.abandoned && !job_finished()) turn(pump);
}

void print_end(bool abandon, PrintPump pump, char* failure, size_t size) {
    failure[0] = 0;
    if (g_job.operation == nullptr) return;
    if (abandon) abandon_job();
    while (!job_finished()) turn(pump);
    GError* why = g_job.abandoned ? nullptr : job_error();
    if (why != nullptr) {
        std::snprintf(failure, size, "%s", why->message);
        // A long path may have been cut in the middle of a character.
        const gchar* valid = nullptr;
        g_utf8_validate(failure, -1, &valid);
        failure[valid - failure] = 0;
    }
    g_clear_error(&why);
    end_job(pump);
}

}  // namespace platform
