// Mouse clicks on list rows as a player makes them, for the window's tests.
#pragma once

#include <QAbstractItemView>
#include <QTest>

namespace ivgen::test_support {

/// Clicks the row, then double-clicks it when asked: a real double-click is a click, then a
/// second click that the view takes as a double-click.
inline void ClickRow(QAbstractItemView* view, const QModelIndex& row, bool twice = false) {
  view->scrollTo(row);
  const QPoint at = view->visualRect(row).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace ivgen::test_support
