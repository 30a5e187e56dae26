// Reading dialog templates. One setting per line, "key = value"; "#" starts a comment:
//   title   = the caption
//   size    = width x height
//   font    = points, family
//   control = kind, id, "text", left, top, right, bottom[, flags]
// Anything else (the style line, unknown keys) says nothing the window needs.
#include "toolbox/dialog_template.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

void copy_text(std::string_view from, char (&to)[kMaxTemplateText]) {
    size_t n = std::min(from.size(), kMaxTemplateText - 1);
    std::memcpy(to, from.data(), n);
    to[n] = 0;
}

// Takes the text up to the next comma (or the end) off the front of `rest`.
std::string_view next_field(std::string_view* rest) {
    size_t comma = rest->find(',');
    std::string_view field = rest->substr(0, comma);
    rest->remove_prefix(comma == std::string_view::npos ? rest->size() : comma + 1);
    return trim(field);
}

bool to_int(std::string_view s, int32_t* value) {
    s = trim(s);
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), *value);
    return error == std::errc() && end == s.data() + s.size();
}

bool parse_size(std::string_view value, int32_t* width, int32_t* height) {
    size_t x = value.find('x');
    if (x == std::string_view::npos) return false;
    return to_int(value.substr(0, x), width) && to_int(value.substr(x + 1), height) && *width > 0 &&
           *height > 0;
}

bool parse_kind(std::string_view word, TemplateControlKind* kind) {
    static constexpr struct {
        std::string_view name;
        TemplateControlKind kind;
    } kKinds[] = {{"button", TemplateControlKind::Button},
                  {"defbutton", TemplateControlKind::DefaultButton},
                  {"edit", TemplateControlKind::Edit},
                  {"listbox", TemplateControlKind::ListBox},
                  {"picture", TemplateControlKind::Picture}};
    for (const auto& k : kKinds) {
        if (k.name == word) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

// kind, id, "text", left, top, right, bottom[, flags]. The text may hold commas.
bool parse_control(std::string_view value, TemplateControl* control) {
    TemplateControl c;
    if (!parse_kind(next_field(&value), &c.kind) || !to_int(next_field(&value), &c.id)) {
        return false;
    }
    value = trim(value);
    if (value.empty() || value.front() != '"') return false;
    size_t close = value.find('"', 1);
    if (close == std::string_view::npos) return false;
    copy_text(value.substr(1, close - 1), c.text);
    value.remove_prefix(close + 1);
    value = trim(value);
    if (value.empty() || value.front() != ',') return false;
    value.remove_prefix(1);
    int32_t* edges[] = {&c.rect.left, &c.rect.top, &c.rect.right, &c.rect.bottom};
    for (int32_t* edge : edges) {
        if (!to_int(next_field(&value), edge)) return false;
    }
    c.sunken = trim(value).find("sunken") != std::string_view::npos;
    *control = c;
    return true;
}

void parse_line(std::string_view line, DialogTemplate* t) {
    size_t hash = line.find('#');
    // A '#' inside a quoted text is part of the text, not a comment.
    if (hash != std::string_view::npos &&
        line.substr(0, hash).find('"') == std::string_view::npos) {
        line = line.substr(0, hash);
    }
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    std::string_view key = trim(line.substr(0, equals));
    std::string_view value = trim(line.substr(equals + 1));
    if (key == "title") {
        copy_text(value, t->title);
    } else if (key == "size") {
        int32_t w = 0, h = 0;
        if (parse_size(value, &w, &h)) {
            t->width = w;
            t->height = h;
        }
    } else if (key == "font") {
        int32_t points = 0;
        if (to_int(next_field(&value), &points) && points > 0) {
            t->fontPoints = points;
            copy_text(trim(value), t->fontFamily);
        }
    } else if (key == "control" && t->controlCount < kMaxTemplateControls) {
        if (parse_control(value, &t->controls[t->controlCount])) ++t->controlCount;
    }
}

}  // namespace

bool parse_dialog_template(const char* text, size_t size, DialogTemplate* out) {
    *out = DialogTemplate{};
    if (text == nullptr) return false;
    std::string_view rest(text, size);
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        parse_line(rest.substr(0, end), out);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return out->width > 0 && out->height > 0;
}
