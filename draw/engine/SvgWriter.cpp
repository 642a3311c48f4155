#include "draw/engine/SvgWriter.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "draw/engine/ColourNumber.h"
#include "draw/engine/Extents.h"
#include "draw/engine/Placement.h"
#include "io/AtomicFile.h"
#include "model/NumberText.h"

namespace mirota::drawing {

namespace {

constexpr double kMarginShare = 0.05;      // of the larger side of the extents
constexpr double kStrokeShare = 1.0 / 1500.0;
constexpr std::string_view kFonts = "IPAGothic, 'Noto Sans CJK JP', sans-serif";

std::string num(double value) { return number::doubleText(value); }

// Text for XML content and attribute values; characters XML cannot hold become U+FFFD.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\xEF\xBF\xBD";
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string_view anchor(HorizontalAlignment horizontal) {
    switch (horizontal) {
    case HorizontalAlignment::Left: return "start";
    case HorizontalAlignment::Center:
    case HorizontalAlignment::Middle: return "middle";
    case HorizontalAlignment::Right: return "end";
    }
    return "start";
}

class SvgComposer {
public:
    explicit SvgComposer(const Drawing& drawing) : drawing_(drawing) {}

    std::string compose() {
        const Extents extents = drawingExtents(drawing_);
        const double width = extents.max.x - extents.min.x;
        const double height = extents.max.y - extents.min.y;
        const double larger = std::max(width, height);
        const double margin = larger > 0.0 ? larger * kMarginShare : 1.0;
        const double left = extents.min.x - margin;
        const double top = -(extents.max.y + margin);
        const double viewWidth = width + 2.0 * margin;
        const double viewHeight = height + 2.0 * margin;
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"" + num(left) + " " + num(top) +
                " " + num(viewWidth) + " " + num(viewHeight) + "\">\n";
        out_ += "<rect x=\"" + num(left) + "\" y=\"" + num(top) + "\" width=\"" + num(viewWidth) + "\" height=\"" +
                num(viewHeight) + "\" fill=\"#FFFFFF\"/>\n";
        out_ += "<g stroke-width=\"" + num(std::max(viewWidth, viewHeight) * kStrokeShare) + "\" font-family=\"" +
                std::string(kFonts) + "\">\n";
        for (const Primitive& primitive : expandedDrawing(drawing_)) {
            const std::string colour = layerColour(primitive.layer);
            std::visit([&](const auto& shape) { write(shape, colour); }, primitive.shape);
        }
        out_ += "</g>\n</svg>\n";
        return std::move(out_);
    }

private:
    std::string layerColour(std::string_view layer) const {
        const Layer* found = drawing_.findLayer(layer);
        return colourOnWhite(found ? found->colour : 7);
    }

    void write(const Line& line, const std::string& colour) {
        out_ += "<line x1=\"" + num(line.start.x) + "\" y1=\"" + num(-line.start.y) + "\" x2=\"" + num(line.end.x) +
                "\" y2=\"" + num(-line.end.y) + "\" stroke=\"" + colour + "\"/>\n";
    }

    void write(const Circle& circle, const std::string& colour) {
        out_ += "<circle cx=\"" + num(circle.centre.x) + "\" cy=\"" + num(-circle.centre.y) + "\" r=\"" +
                num(circle.radius) + "\" fill=\"none\" stroke=\"" + colour + "\"/>\n";
    }

    // The text is drawn at the origin of its own frame: moved to its point, turned, widened.
    void write(const Text& text, const std::string& colour) {
        std::string transform = "translate(" + num(text.position.x) + " " + num(-text.position.y) + ")";
        if (text.rotation != 0.0) transform += " rotate(" + num(-text.rotation) + ")";
        if (text.widthFactor != 1.0) transform += " scale(" + num(text.widthFactor) + " 1)";
        out_ += "<text transform=\"" + transform + "\" y=\"" + num(-baselineOffset(text.justification) * text.height) +
                "\" font-size=\"" + num(text.height) + "\" text-anchor=\"" +
                std::string(anchor(text.justification.horizontal)) + "\" fill=\"" + colour +
                "\" xml:space=\"preserve\">" + escaped(text.text) + "</text>\n";
    }

    const Drawing& drawing_;
    std::string out_;
};

}  // namespace

std::string svgDocument(const Drawing& drawing) { return SvgComposer(drawing).compose(); }

std::optional<Message> writeSvgFile(const std::string& path, const Drawing& drawing) {
    return replaceFile(path, svgDocument(drawing));
}

}  // namespace mirota::drawing
