// Drawing text: every font draws in DejaVu Sans (bold and oblique faces for bold and italic fonts),
// fitted into the width the layer's fixed text metric measured, so text always fits where it was
// measured and sizes stay the same on every machine.
#include "qorwinState.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <map>
#include <mutex>

namespace qorwin_detail {

namespace {

struct TextFaces
{
  std::mutex lock;
  FT_Library freetype = nullptr;
  std::map<int, cairo_font_face_t*> faces; // never released: drawing may happen during static destruction
};

TextFaces& textFaces()
{
  static TextFaces* faces = new TextFaces;
  return *faces;
}

cairo_font_face_t* textFace(bool bold, bool italic)
{
  auto& f = textFaces();
  int key = (bold ? 1 : 0) | (italic ? 2 : 0);
  {
    std::lock_guard<std::mutex> guard(f.lock);
    auto found = f.faces.find(key);
    if (found != f.faces.end())
      return found->second;
  }
  // The font table's lock is taken without this one held: text drawing holds it while it asks here.
  std::string file;
  int index = 0;
  const bool haveFile = textFaceFile(bold, italic, &file, &index);
  std::lock_guard<std::mutex> guard(f.lock);
  auto found = f.faces.find(key);
  if (found != f.faces.end())
    return found->second;
  cairo_font_face_t* face = nullptr;
  FT_Face ftFace = nullptr;
  if (!f.freetype)
    FT_Init_FreeType(&f.freetype);
  if (f.freetype && haveFile && !FT_New_Face(f.freetype, file.c_str(), index, &ftFace))
    face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
  else
    face = cairo_toy_font_face_create("sans-serif", italic ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                                      bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  f.faces[key] = face;
  return face;
}

void selectFont(cairo_t* cr, const TextStyle& style)
{
  cairo_set_font_face(cr, textFace(style.bold, style.italic));
  cairo_set_font_size(cr, static_cast<double>(std::max<LONG>(style.em, 1)));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

} // namespace

void loadTextFaces()
{
  for (int style = 0; style < 4; ++style)
    textFace(style & 1, style & 2);
}

double drawTextLine(cairo_t* cr, const std::u16string& text, double x, double top, double budget,
                    const TextStyle& style)
{
  if (text.empty())
    return 0;
  std::string utf8 = narrow(text);
  cairo_save(cr);
  selectFont(cr, style);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, utf8.c_str(), &extents);
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  // The line box of the fixed metric, with the font's ascent and descent centred in it.
  double line = static_cast<double>((style.em * 6 + 2) / 5);
  double baseline = std::round(top + (line - (font.ascent + font.descent)) / 2 + font.ascent);
  double width = extents.x_advance;
  double scale = width > budget && width > 0 ? budget / width : 1.0;
  if (scale == 1.0 && style.align)
    x += (budget - width) / (style.align == 1 ? 2 : 1);
  cairo_set_source_rgb(cr, GetRValue(style.color) / 255.0, GetGValue(style.color) / 255.0,
                       GetBValue(style.color) / 255.0);
  cairo_translate(cr, x, baseline);
  cairo_scale(cr, scale, 1.0);
  cairo_move_to(cr, 0, 0);
  cairo_show_text(cr, utf8.c_str());
  cairo_restore(cr);
  double drawn = width * scale;
  if (style.underline) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, GetRValue(style.color) / 255.0, GetGValue(style.color) / 255.0,
                         GetBValue(style.color) / 255.0);
    cairo_rectangle(cr, std::round(x), baseline + 1, std::round(drawn), 1);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  return drawn;
}

} // namespace qorwin_detail
