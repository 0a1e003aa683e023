#pragma once

#include <QString>

#include <functional>

struct lxw_workbook;

namespace varnelo {

// Builds a workbook with libxlsxwriter in a scratch folder through `fill`,
// then puts it in place of `file` only once it is whole. False with an
// Italian reason otherwise; `title` goes into the document's properties.
bool saveWorkbook(const QString& file, const QString& title, const QString& subject,
                  const std::function<void(lxw_workbook*)>& fill, QString& error);

} // namespace varnelo
