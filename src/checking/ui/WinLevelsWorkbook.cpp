#include "checking/ui/WinLevelsWorkbook.h"

#include "ui/Workbook.h"

#include <xlsxwriter.h>

namespace varnelo {

namespace {

void writeRow(lxw_worksheet* sheet, lxw_row_t r, const WinLevelsRow& row, lxw_format* heading,
              lxw_format* share) {
    if (row.heading()) {
        worksheet_write_string(sheet, r, 0, row.cells[0].c_str(), heading);
        return;
    }
    const ScoreTally& t = row.tally;
    worksheet_write_string(sheet, r, 0, row.cells[0].c_str(), nullptr);
    // With a range of winning columns the cell is the grid's text.
    if (t.minWinners != t.maxWinners)
        worksheet_write_string(sheet, r, 1, row.cells[1].c_str(), nullptr);
    else
        worksheet_write_number(sheet, r, 1, static_cast<double>(t.fiveOrMore()), nullptr);
    for (int w = 4; w >= 1; --w)
        worksheet_write_number(sheet, r, static_cast<lxw_col_t>(6 - w),
                               static_cast<double>(t.exactly[static_cast<std::size_t>(w - 1)]),
                               nullptr);
    worksheet_write_number(sheet, r, 6, row.percent, share);
}

} // namespace

bool writeWinLevelsWorkbook(const QString& file, const std::vector<WinLevelsRow>& rows,
                            const QString& systemLine, QString& error) {
    return saveWorkbook(
        file, "Distribuzione Vincite", systemLine,
        [&rows](lxw_workbook* book) {
            lxw_worksheet* sheet = workbook_add_worksheet(book, "Distribuzione Vincite");
            lxw_format* bold = workbook_add_format(book);
            format_set_bold(bold);
            lxw_format* heading = workbook_add_format(book);
            format_set_bold(heading);
            format_set_bg_color(heading, 0xDCE6F1);
            lxw_format* share = workbook_add_format(book);
            format_set_num_format(share, "0.00");
            worksheet_set_column(sheet, 0, 0, 20, nullptr);
            worksheet_set_column(sheet, 1, 1, 16, nullptr);
            worksheet_set_column(sheet, 2, 6, 10, nullptr);
            for (std::size_t c = 0; c < winLevelsHeads().size(); ++c)
                worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                       winLevelsHeads()[c].c_str(), bold);
            lxw_row_t r = 1;
            for (const WinLevelsRow& row : rows)
                writeRow(sheet, r++, row, heading, share);
        },
        error);
}

} // namespace varnelo
