#include "ui/sheet_renderer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPluginLoader>

namespace ivgen {

bool SheetRendererBuilt() {
#ifdef IVGEN_SHEET_RENDERER
  return true;
#else
  return false;
#endif
}

namespace {

QString& RendererFolder() {
  static QString folder;
  return folder;
}

}  // namespace

void SetSheetRendererFolder(const QString& folder) { RendererFolder() = folder; }

SheetRenderer* LoadSheetRenderer(QString& error) {
  if (!SheetRendererBuilt()) {
    error = QCoreApplication::translate("ivgen", "This ivgen was built without Qt WebEngine.");
    return nullptr;
  }
  // The loader stays alive with the program, so the plugin is never unloaded under its views.
  static QPluginLoader* loader = nullptr;
  static SheetRenderer* renderer = nullptr;
  if (renderer != nullptr) return renderer;
  if (loader == nullptr) {
    const QString folder = RendererFolder().isEmpty() ? QCoreApplication::applicationDirPath() : RendererFolder();
    loader = new QPluginLoader(folder + "/ivgen-sheet-renderer.so");
  }
  renderer = qobject_cast<SheetRenderer*>(loader->instance());
  if (renderer == nullptr) error = loader->errorString();
  return renderer;
}

QPageLayout SheetPageLayout() {
  const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  // 12 mm is inside what every printer can reach, so the right column is never cut.
  return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

}  // namespace ivgen
