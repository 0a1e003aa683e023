#include "ui/Workbook.h"

#include "core/AtomicWriter.h"
#include "ui/Text.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace varnelo {

bool saveWorkbook(const QString& file, const QString& title, const QString& subject,
                  const std::function<void(lxw_workbook*)>& fill, QString& error) {
    QTemporaryDir scratch;
    const QString built = scratch.filePath("cartella.xlsx");
    lxw_workbook* book = workbook_new(built.toUtf8().constData());
    if (!book) {
        error = "Impossibile preparare il file Excel";
        return false;
    }
    QByteArray titleText = title.toUtf8();
    QByteArray subjectText = subject.toUtf8();
    lxw_doc_properties properties{};
    properties.title = titleText.data();
    properties.subject = subjectText.data();
    workbook_set_properties(book, &properties);
    fill(book);
    if (const lxw_error e = workbook_close(book); e != LXW_NO_ERROR) {
        error = "File Excel non scritto: " + QString::fromUtf8(lxw_strerror(e));
        return false;
    }
    QFile in(built);
    if (!in.open(QIODevice::ReadOnly)) {
        error = "File Excel non scritto";
        return false;
    }
    std::string why;
    if (!writeFileAtomically(file.toStdString(), in.readAll().toStdString(), why)) {
        error = qs(why);
        return false;
    }
    return true;
}

} // namespace varnelo
