#include "draw/sheet/SheetPdf.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>

#include "io/AtomicFile.h"

namespace mirota::sheet {

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr const char* kFontFamily = "IPAGothic";

struct CairoDeleter {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    void operator()(cairo_font_face_t* face) const { cairo_font_face_destroy(face); }
};
using FontFace = std::unique_ptr<cairo_font_face_t, CairoDeleter>;

// The font's two faces, looked up once for the whole sheet.
struct Fonts {
    FontFace normal{cairo_toy_font_face_create(kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL)};
    FontFace bold{cairo_toy_font_face_create(kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD)};
};

cairo_status_t toSink(void* closure, const unsigned char* data, unsigned int length) {
    (*static_cast<const ByteSink*>(closure))(std::string_view(reinterpret_cast<const char*>(data), length));
    return CAIRO_STATUS_SUCCESS;
}

void paintPage(cairo_t* cr, const Page& page, const Fonts& fonts) {
    cairo_save(cr);
    cairo_scale(cr, kPointsPerMillimetre, kPointsPerMillimetre);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const Polygon& polygon : page.polygons) {
        if (polygon.points.empty()) continue;
        cairo_move_to(cr, polygon.points.front().x, polygon.points.front().y);
        for (const Point& p : polygon.points) cairo_line_to(cr, p.x, p.y);
        cairo_close_path(cr);
        if (polygon.fill < 1.0) {
            cairo_set_source_rgb(cr, polygon.fill, polygon.fill, polygon.fill);
            cairo_fill_preserve(cr);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, polygon.width);
        if (polygon.width > 0.0) cairo_stroke(cr);
        cairo_new_path(cr);
    }
    cairo_set_source_rgb(cr, 0, 0, 0);
    const double dash[] = {1.2, 0.8};
    for (const Line& line : page.lines) {
        cairo_set_line_width(cr, line.width);
        cairo_set_dash(cr, dash, line.dashed ? 2 : 0, 0.0);
        cairo_move_to(cr, line.from.x, line.from.y);
        cairo_line_to(cr, line.to.x, line.to.y);
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, dash, 0, 0.0);
    for (const Circle& circle : page.circles) {
        cairo_set_line_width(cr, circle.width);
        cairo_new_sub_path(cr);
        cairo_arc(cr, circle.centre.x, circle.centre.y, circle.radius, 0.0, 6.283185307179586);
        cairo_stroke(cr);
    }
    for (const Text& text : page.texts) {
        cairo_set_font_face(cr, (text.bold ? fonts.bold : fonts.normal).get());
        cairo_set_font_size(cr, text.size);
        double x = 0.0;
        // The font is monospaced: the width is known without asking the font.
        if (text.align != Align::Left) {
            const double width = textWidth(text.text, text.size);
            x -= text.align == Align::Center ? width / 2.0 : width;
        }
        cairo_save(cr);
        cairo_translate(cr, text.at.x, text.at.y);
        cairo_rotate(cr, -text.angle * kRadiansPerDegree);  // y runs down the page
        cairo_move_to(cr, x, 0.0);
        cairo_show_text(cr, text.text.c_str());
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

}  // namespace

std::optional<Message> writeSheetPdf(const Sheet& sheet, const std::string& path) {
    return replaceFile(
        path,
        [&](const ByteSink& sink) -> std::optional<Message> {
            const double width = sheet.pages.empty() ? 210.0 : sheet.pages.front().width;
            const double height = sheet.pages.empty() ? 297.0 : sheet.pages.front().height;
            std::unique_ptr<cairo_surface_t, CairoDeleter> surface(cairo_pdf_surface_create_for_stream(
                toSink, const_cast<ByteSink*>(&sink), width * kPointsPerMillimetre, height * kPointsPerMillimetre));
            cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, sheet.title.c_str());
            std::unique_ptr<cairo_t, CairoDeleter> cr(cairo_create(surface.get()));
            const Fonts fonts;
            for (const Page& page : sheet.pages) {
                cairo_pdf_surface_set_size(surface.get(), page.width * kPointsPerMillimetre,
                                           page.height * kPointsPerMillimetre);
                paintPage(cr.get(), page, fonts);
                cairo_show_page(cr.get());
            }
            cr.reset();
            cairo_surface_finish(surface.get());
            if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS) {
                return saveFailure(path, cairo_status_to_string(status));
            }
            return std::nullopt;
        },
        Durability::Replaced);
}

}  // namespace mirota::sheet
