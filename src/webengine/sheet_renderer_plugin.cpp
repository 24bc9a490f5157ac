// The sheet renderer on Qt WebEngine, the only part of ivgen that links it.
#include <QEventLoop>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <memory>

#include "ui/sheet_renderer.h"

namespace ivgen {
namespace {

// Long enough for any sheet; an engine that never answers must not hang a game master's loop.
constexpr int kWaitMs = 60000;

// A local event loop that runs until the engine reports or the wait ends. What the engine reports
// after a wait that ended finds no loop and is dropped.
class Waiter {
 public:
  QEventLoop* Loop() { return loop_.get(); }
  std::function<void(bool)> Done() {
    return [loop = QPointer<QEventLoop>(loop_.get()), ok = ok_](bool success) {
      *ok = success;
      if (loop) loop->quit();
    };
  }
  bool Wait() {
    QTimer::singleShot(kWaitMs, loop_.get(), &QEventLoop::quit);
    loop_->exec();
    return *ok_;
  }

 private:
  std::unique_ptr<QEventLoop> loop_ = std::make_unique<QEventLoop>();
  std::shared_ptr<bool> ok_ = std::make_shared<bool>(false);
};

bool Load(QWebEnginePage& page, const QString& html, const QUrl& base) {
  Waiter waiter;
  QObject::connect(&page, &QWebEnginePage::loadFinished, waiter.Loop(), waiter.Done());
  page.setHtml(html, base);
  return waiter.Wait();
}

const char* const kScrollProperty = "ivgenScroll";

}  // namespace

class WebEngineSheetRenderer : public QObject, public SheetRenderer {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID IVGEN_SHEET_RENDERER_IID)
  Q_INTERFACES(ivgen::SheetRenderer)

 public:
  QWidget* CreateView(QWidget* parent) override {
    auto* view = new QWebEngineView(parent);
    // setHtml starts the page at its top; the player stays where they were reading.
    connect(view, &QWebEngineView::loadFinished, view, [view] {
      const QPointF at = view->property(kScrollProperty).toPointF();
      view->page()->runJavaScript(QString("window.scrollTo(%1, %2);").arg(at.x()).arg(at.y()));
    });
    return view;
  }

  void Show(QWidget* widget, const QString& html, const QUrl& base) override {
    auto* view = qobject_cast<QWebEngineView*>(widget);
    if (view == nullptr) return;
    view->setProperty(kScrollProperty, view->page()->scrollPosition());
    view->setHtml(html, base);
  }

  QByteArray RenderPdf(const QString& html, const QUrl& base, const QPageLayout& layout) override {
    QWebEnginePage page;
    if (!Load(page, html, base)) return {};
    Waiter waiter;
    auto pdf = std::make_shared<QByteArray>();
    page.printToPdf(
        [pdf, done = waiter.Done()](const QByteArray& bytes) {
          *pdf = bytes;
          done(!bytes.isEmpty());
        },
        layout);
    return waiter.Wait() ? *pdf : QByteArray();
  }

  bool PrintOnPaper(QWidget* parent, const QString& html, const QUrl& base, const QPageLayout& layout) override {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    QWebEngineView view;
    if (!Load(*view.page(), html, base)) return false;
    Waiter waiter;
    connect(&view, &QWebEngineView::printFinished, waiter.Loop(), waiter.Done());
    view.print(&printer);
    return waiter.Wait();
  }
};

}  // namespace ivgen

#include "sheet_renderer_plugin.moc"
