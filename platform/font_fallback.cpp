#include "font_fallback.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <tuple>
#include <vector>

namespace platform {
namespace {

// One fallback order: the request as fontconfig completed it, the fonts in
// their order, and a cairo face for each font once it was needed.
struct FallbackOrder {
    FcPattern* request = nullptr;
    FcFontSet* fonts = nullptr;
    std::vector<cairo_font_face_t*> faces;
};

FallbackOrder make_order(const std::string& family, const std::string& fallback_family, bool italic) {
    FallbackOrder order;
    order.request = FcPatternCreate();
    FcPatternAddString(order.request, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddString(order.request, FC_FAMILY, reinterpret_cast<const FcChar8*>(fallback_family.c_str()));
    FcPatternAddInteger(order.request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(order.request, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, order.request, FcMatchPattern);
    FcDefaultSubstitute(order.request);
    FcResult result;
    order.fonts = FcFontSort(nullptr, order.request, FcTrue, nullptr, &result);
    if (order.fonts) order.faces.resize(static_cast<std::size_t>(order.fonts->nfont), nullptr);
    return order;
}

cairo_font_face_t* face_of(FallbackOrder& order, int i) {
    cairo_font_face_t*& face = order.faces[static_cast<std::size_t>(i)];
    if (!face) {
        FcPattern* font = FcFontRenderPrepare(nullptr, order.request, order.fonts->fonts[i]);
        face = cairo_ft_font_face_create_for_pattern(font);
        FcPatternDestroy(font);  // the face keeps its own reference
    }
    return face;
}

}  // namespace

bool has_glyph(cairo_t* cr, const std::string& utf8) {
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    const cairo_status_t status = cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, utf8.c_str(),
                                                                   static_cast<int>(utf8.size()), &glyphs, &count,
                                                                   nullptr, nullptr, nullptr);
    // Glyph 0 is the font's sign for a character it does not have.
    const bool has = status == CAIRO_STATUS_SUCCESS && count == 1 && glyphs[0].index != 0;
    cairo_glyph_free(glyphs);
    return has;
}

cairo_font_face_t* fallback_face(const std::string& family, const std::string& fallback_family, bool italic,
                                 char32_t c) {
    static std::map<std::tuple<std::string, std::string, bool>, FallbackOrder> orders;
    auto key = std::make_tuple(family, fallback_family, italic);
    auto it = orders.find(key);
    if (it == orders.end()) it = orders.emplace(key, make_order(family, fallback_family, italic)).first;
    FallbackOrder& order = it->second;
    if (!order.fonts) return nullptr;
    for (int i = 0; i < order.fonts->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(order.fonts->fonts[i], FC_CHARSET, 0, &charset) == FcResultMatch &&
            FcCharSetHasChar(charset, c))
            return face_of(order, i);
    }
    return nullptr;
}

}  // namespace platform
