// The character sheet laid out as a browser lays it out: shown beside the pages, written as a PDF
// and printed on paper. The engine that can do this is large and slow to load, so it lives in a
// plugin beside the program that is loaded the first time one of the three is used.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QUrl>
#include <QtPlugin>

class QWidget;

namespace ivgen {

class SheetRenderer {
 public:
  virtual ~SheetRenderer() = default;
  /// A view that shows sheets, owned by parent.
  virtual QWidget* CreateView(QWidget* parent) = 0;
  /// Shows a sheet in a view from CreateView, at the place the previous sheet was scrolled to.
  /// base is where the sheet's picture name is looked up.
  virtual void Show(QWidget* view, const QString& html, const QUrl& base) = 0;
  /// The sheet as PDF bytes on pages of the given layout; empty when the engine failed.
  virtual QByteArray RenderPdf(const QString& html, const QUrl& base, const QPageLayout& layout) = 0;
  /// Asks for a printer with the system's print dialog and prints the sheet on it. False when the
  /// person cancelled or the printing failed.
  virtual bool PrintOnPaper(QWidget* parent, const QString& html, const QUrl& base, const QPageLayout& layout) = 0;
};

/// Whether this build has the plugin at all; without it the preview and PDF commands are hidden.
bool SheetRendererBuilt();
/// Where the plugin is looked for: the program's own folder unless told otherwise (the tests run
/// from another folder than the programs).
void SetSheetRendererFolder(const QString& folder);
/// The plugin, loaded on first use and kept until the program ends; nullptr when it cannot be
/// loaded, with the reason in error.
SheetRenderer* LoadSheetRenderer(QString& error);
/// A4, or Letter where the locale measures in inches, with margins wide enough for any printer.
QPageLayout SheetPageLayout();

}  // namespace ivgen

#define IVGEN_SHEET_RENDERER_IID "org.ivgen.SheetRenderer/1"
Q_DECLARE_INTERFACE(ivgen::SheetRenderer, IVGEN_SHEET_RENDERER_IID)
