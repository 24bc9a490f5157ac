#include "sheet_view/sheet_container.h"

#include <QFontMetricsF>
#include <cmath>
#include <string>
#include <unordered_map>

namespace ivgen {

struct SheetFont {
  QFont font;
  int index = 0;  // in the canvas
  int descent = 0;
  unsigned decoration = 0;
  // The sheet repeats its words (ratings, "0", column names) thousands of times in a large
  // character; each is shaped once per font.
  std::unordered_map<std::string, int> widths;
};

namespace {

// The sheet is laid out in CSS pixels, 96 to the inch, whatever it is painted on.
constexpr int kDotsPerInch = 96;
// A word longer than this is cut into pieces the line can wrap between: a name typed without
// blanks must not push the sheet's right column off the page.
constexpr std::size_t kLongestUnbrokenWord = 20;

SheetFont& FontOf(litehtml::uint_ptr handle) { return *reinterpret_cast<SheetFont*>(handle); }

QColor ColorOf(const litehtml::web_color& color) { return QColor(color.red, color.green, color.blue, color.alpha); }

QRect RectOf(const litehtml::position& pos) { return QRect(pos.x, pos.y, pos.width, pos.height); }

// The byte length of the UTF-8 character starting with lead.
std::size_t CharLength(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n\f");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n\f") - first + 1);
}

}  // namespace

SheetContainer::SheetContainer(PictureFolders folders) : folders_(std::move(folders)) {}
SheetContainer::~SheetContainer() = default;

litehtml::uint_ptr SheetContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                               litehtml::font_style italic, unsigned int decoration,
                                               litehtml::font_metrics* fm) {
  auto font = std::make_unique<SheetFont>();
  QStringList families;
  for (const QString& family : QString::fromUtf8(faceName).split(',', Qt::SkipEmptyParts)) {
    families << family.trimmed().remove('"').remove('\'');
  }
  font->font.setFamilies(families.isEmpty() ? QStringList{"sans-serif"} : families);
  if (families.contains("sans-serif")) font->font.setStyleHint(QFont::SansSerif);
  font->font.setPixelSize(std::max(1, size));
  font->font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  font->font.setItalic(italic == litehtml::fontStyleItalic);
  font->font.setUnderline((decoration & litehtml::font_decoration_underline) != 0);
  font->font.setStrikeOut((decoration & litehtml::font_decoration_linethrough) != 0);
  // Unhinted, so widths measured here are the widths drawn on a page of any resolution.
  font->font.setHintingPreference(QFont::PreferNoHinting);
  // Any letter spacing turns ligatures off: a reader searching the PDF for "Rifles" finds it, where
  // the font's "fl" glyph would make it "Ri\uFB02es". A 64th of a pixel is the least Qt keeps.
  font->font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
  const QFontMetricsF metrics(font->font);
  font->descent = static_cast<int>(std::lround(metrics.descent()));
  font->decoration = decoration;
  font->index = canvas_.AddFont(font->font);
  if (fm != nullptr) {
    fm->ascent = static_cast<int>(std::lround(metrics.ascent()));
    fm->descent = font->descent;
    fm->height = fm->ascent + fm->descent;
    fm->x_height = static_cast<int>(std::lround(metrics.xHeight()));
    fm->draw_spaces = decoration != 0;
  }
  fonts_.push_back(std::move(font));
  return reinterpret_cast<litehtml::uint_ptr>(fonts_.back().get());
}

// Fonts live as long as the container, which outlives its document.
void SheetContainer::delete_font(litehtml::uint_ptr) {}

int SheetContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) {
  SheetFont& sheetFont = FontOf(font);
  const auto [known, added] = sheetFont.widths.try_emplace(text, 0);
  if (added) {
    known->second =
        static_cast<int>(std::ceil(QFontMetricsF(sheetFont.font).horizontalAdvance(QString::fromUtf8(text))));
  }
  return known->second;
}

void SheetContainer::draw_text(litehtml::uint_ptr, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                               litehtml::web_color color, const litehtml::position& pos) {
  const SheetFont& sheetFont = FontOf(font);
  canvas_.Text(RectOf(pos), sheetFont.index, ColorOf(color), pos.bottom() - sheetFont.descent, QString::fromUtf8(text));
}

int SheetContainer::pt_to_px(int pt) const { return static_cast<int>(std::lround(pt * kDotsPerInch / 72.0)); }

int SheetContainer::get_default_font_size() const { return 16; }

void SheetContainer::draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker& marker) {
  if (marker.marker_type == litehtml::list_style_type_none) return;
  if (marker.marker_type == litehtml::list_style_type_square) {
    canvas_.Fill(RectOf(marker.pos), ColorOf(marker.color));
  } else {
    canvas_.Ellipse(RectOf(marker.pos), ColorOf(marker.color));
  }
}

int SheetContainer::Picture(const litehtml::tchar_t* src) {
  const std::string key = src == nullptr ? std::string() : std::string(src);
  auto found = pictures_.find(key);
  if (found == pictures_.end()) {
    const QImage picture = LoadSheetPicture(QString::fromUtf8(key.c_str()), folders_);
    found = pictures_.emplace(key, picture.isNull() ? -1 : canvas_.AddImage(picture)).first;
  }
  return found->second;
}

void SheetContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool) { Picture(src); }

void SheetContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*, litehtml::size& sz) {
  const int picture = Picture(src);
  const QSize size = picture < 0 ? QSize() : canvas_.ImageSize(picture);
  sz.width = size.width();
  sz.height = size.height();
}

void SheetContainer::draw_background(litehtml::uint_ptr, const litehtml::background_paint& bg) {
  if (bg.color.alpha > 0) canvas_.Fill(RectOf(bg.clip_box), ColorOf(bg.color));
  if (bg.image.empty()) return;
  // An img element draws itself as its background, scaled into its box.
  const int picture = Picture(bg.image.c_str());
  if (picture >= 0) canvas_.Image(RectOf(bg.clip_box.empty() ? bg.border_box : bg.clip_box), picture);
}

void SheetContainer::draw_borders(litehtml::uint_ptr, const litehtml::borders& borders, const litehtml::position& pos,
                                  bool) {
  const auto side = [this](const litehtml::border& border, const QRect& rect) {
    if (border.width <= 0 || border.style == litehtml::border_style_none ||
        border.style == litehtml::border_style_hidden) {
      return;
    }
    canvas_.Fill(rect, ColorOf(border.color));
  };
  side(borders.top, QRect(pos.x, pos.y, pos.width, borders.top.width));
  side(borders.bottom, QRect(pos.x, pos.bottom() - borders.bottom.width, pos.width, borders.bottom.width));
  side(borders.left, QRect(pos.x, pos.y, borders.left.width, pos.height));
  side(borders.right, QRect(pos.right() - borders.right.width, pos.y, borders.right.width, pos.height));
}

void SheetContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
  QString shown = QString::fromUtf8(text.c_str());
  if (tt == litehtml::text_transform_uppercase) shown = shown.toUpper();
  if (tt == litehtml::text_transform_lowercase) shown = shown.toLower();
  if (tt == litehtml::text_transform_capitalize && !shown.isEmpty()) shown[0] = shown[0].toUpper();
  text = shown.toStdString();
}

void SheetContainer::get_client_rect(litehtml::position& client) const { client = litehtml::position(0, 0, width_, 0); }

std::shared_ptr<litehtml::element> SheetContainer::create_element(const litehtml::tchar_t* tag_name,
                                                                  const litehtml::string_map& attributes,
                                                                  const std::shared_ptr<litehtml::document>& doc) {
  // The engine reads `width=" 180 "` as no width, where a browser trims it; so the element is made
  // again, by the engine, from trimmed values. The flag ends the round trip through here.
  if (creating_) return nullptr;
  litehtml::string_map trimmed;
  for (const auto& [name, value] : attributes) trimmed[name] = Trimmed(value);
  if (std::string(tag_name) == "img") {
    const auto border = trimmed.find("border");
    if (border != trimmed.end() && !border->second.empty()) {
      trimmed["style"] =
          "border: " + std::to_string(std::atoi(border->second.c_str())) + "px solid black; " + trimmed["style"];
    }
  }
  creating_ = true;
  auto element = doc->create_element(tag_name, trimmed);
  creating_ = false;
  return element;
}

void SheetContainer::get_media_features(litehtml::media_features& media) const {
  media.type = litehtml::media_type_print;
  media.width = media.device_width = width_;
  media.height = media.device_height = width_ * 297 / 210;
  media.color = 8;
  media.monochrome = 0;
  media.color_index = 256;
  media.resolution = kDotsPerInch;
}

void SheetContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
  language = "en";
  culture.clear();
}

void SheetContainer::split_text(const char* text, const std::function<void(const litehtml::tchar_t*)>& on_word,
                                const std::function<void(const litehtml::tchar_t*)>& on_space) {
  const auto pieces = [&on_word](const char* word) {
    const std::string whole = word;
    std::size_t at = 0;
    while (whole.size() - at > kLongestUnbrokenWord) {
      std::size_t end = at;
      for (std::size_t count = 0; count < kLongestUnbrokenWord && end < whole.size(); ++count) {
        end += CharLength(static_cast<unsigned char>(whole[end]));
      }
      on_word(whole.substr(at, end - at).c_str());
      at = end;
    }
    if (at < whole.size()) on_word(whole.substr(at).c_str());
  };
  litehtml::document_container::split_text(text, pieces, on_space);
}

}  // namespace ivgen
