// What the layout engine asks of its host: fonts and text widths from Qt, drawing on a QPainter,
// and the sheet's one picture, read under the rules of sheet_pictures.h. It never fetches a URL,
// runs a script or reads a style sheet from anywhere.
#pragma once

#include <litehtml.h>

#include <QFont>
#include <QImage>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "sheet_view/sheet_canvas.h"
#include "sheet_view/sheet_pictures.h"

namespace ivgen {

struct SheetFont;

class SheetContainer : public litehtml::document_container {
 public:
  explicit SheetContainer(PictureFolders folders);
  ~SheetContainer();

  litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight, litehtml::font_style italic,
                                 unsigned int decoration, litehtml::font_metrics* fm) override;
  void delete_font(litehtml::uint_ptr font) override;
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override;
  void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                 litehtml::web_color color, const litehtml::position& pos) override;
  int pt_to_px(int pt) const override;
  int get_default_font_size() const override;
  const litehtml::tchar_t* get_default_font_name() const override { return "sans-serif"; }
  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
  void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redraw_on_ready) override;
  void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                    bool root) override;
  void set_caption(const litehtml::tchar_t*) override {}
  void set_base_url(const litehtml::tchar_t*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
  void set_cursor(const litehtml::tchar_t*) override {}
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
  // A style sheet named by the sheet is never read: the sheet's own style is inline.
  void import_css(litehtml::tstring& text, const litehtml::tstring&, litehtml::tstring&) override { text.clear(); }
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}
  void get_client_rect(litehtml::position& client) const override;
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t* tag_name,
                                                    const litehtml::string_map& attributes,
                                                    const std::shared_ptr<litehtml::document>& doc) override;
  void get_media_features(litehtml::media_features& media) const override;
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;
  void split_text(const char* text, const std::function<void(const litehtml::tchar_t*)>& on_word,
                  const std::function<void(const litehtml::tchar_t*)>& on_space) override;

  /// The width the sheet is laid out to, in pixels of 1/96 inch.
  void SetWidth(int width) { width_ = width; }
  /// What the document drew; every draw call records into it rather than painting.
  SheetCanvas& Canvas() { return canvas_; }

 private:
  /// The picture's index in the canvas, or -1 when it shows an empty frame.
  int Picture(const litehtml::tchar_t* src);

  PictureFolders folders_;
  int width_ = 0;
  bool creating_ = false;
  std::vector<std::unique_ptr<SheetFont>> fonts_;
  std::map<std::string, int> pictures_;
  SheetCanvas canvas_;
};

}  // namespace ivgen
