#include "stats/ui/StatWorkbook.h"

#include "ui/Text.h"
#include "ui/Workbook.h"

#include <xlsxwriter.h>

namespace varnelo {

QString sheetName(const std::string& title) {
    QString name = qs(title);
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        name.replace(c, ' ');
    return name.left(31).trimmed();
}

bool writeStatWorkbook(const QString& file, const QString& title,
                       const std::vector<StatTable>& tables, QString& error) {
    return saveWorkbook(
        file, title, {},
        [&tables](lxw_workbook* book) {
            lxw_format* bold = workbook_add_format(book);
            format_set_bold(bold);
            lxw_format* hundredths = workbook_add_format(book);
            format_set_num_format(hundredths, "0.00");
            for (const StatTable& t : tables) {
                lxw_worksheet* sheet =
                    workbook_add_worksheet(book, sheetName(t.title).toUtf8().constData());
                worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(t.heads.size()), 12, nullptr);
                for (std::size_t c = 0; c < t.heads.size(); ++c)
                    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), t.heads[c].c_str(),
                                           bold);
                lxw_row_t r = 1;
                for (const StatRow& row : t.rows) {
                    for (std::size_t c = 0; c < row.size(); ++c) {
                        const StatCell& cell = row[c];
                        const auto col = static_cast<lxw_col_t>(c);
                        if (cell.figure)
                            worksheet_write_number(sheet, r, col, cell.value,
                                                   cell.decimals > 0 ? hundredths : nullptr);
                        else
                            worksheet_write_string(sheet, r, col, cell.text.c_str(), nullptr);
                    }
                    ++r;
                }
            }
        },
        error);
}

} // namespace varnelo
