// The functions of libxlsxwriter the workbook uses, the library opened when a
// workbook is first written rather than with every run of a host: it brings
// minizip and libcrypto along, and loading the three at start cost every run of the
// tool about 3 ms, more than reading a year of readings; few runs write a workbook.
#include <xlsxwriter.h>

#include <stdexcept>
#include <string>

#include "common/OnDemandLibrary.h"

namespace tellvane {
namespace {

void unavailable(const std::string& why) { throw std::runtime_error("the workbook could not be written: " + why); }

OnDemandLibrary xlsxwriter(TELLVANE_XLSX_LIBRARY, unavailable);

}  // namespace
}  // namespace tellvane

using tellvane::xlsxwriter;

// clang-format off
TELLVANE_ON_DEMAND(xlsxwriter, lxw_workbook*, workbook_new, (const char* filename), (filename))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_worksheet*, workbook_add_worksheet, (lxw_workbook* wb, const char* name), (wb, name))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_format*, workbook_add_format, (lxw_workbook* wb), (wb))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, workbook_set_properties, (lxw_workbook* wb, lxw_doc_properties* p), (wb, p))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, workbook_close, (lxw_workbook* wb), (wb))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, worksheet_write_number,
                   (lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, double number, lxw_format* f),
                   (ws, row, col, number, f))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, worksheet_write_string,
                   (lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const char* string, lxw_format* f),
                   (ws, row, col, string, f))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, worksheet_write_datetime,
                   (lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, lxw_datetime* datetime, lxw_format* f),
                   (ws, row, col, datetime, f))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, worksheet_write_blank,
                   (lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, lxw_format* f), (ws, row, col, f))
TELLVANE_ON_DEMAND(xlsxwriter, lxw_error, worksheet_set_column,
                   (lxw_worksheet* ws, lxw_col_t first, lxw_col_t last, double width, lxw_format* f),
                   (ws, first, last, width, f))
TELLVANE_ON_DEMAND(xlsxwriter, void, worksheet_freeze_panes, (lxw_worksheet* ws, lxw_row_t row, lxw_col_t col),
                   (ws, row, col))
TELLVANE_ON_DEMAND(xlsxwriter, void, format_set_bold, (lxw_format* f), (f))
TELLVANE_ON_DEMAND(xlsxwriter, void, format_set_align, (lxw_format* f, uint8_t alignment), (f, alignment))
TELLVANE_ON_DEMAND(xlsxwriter, void, format_set_bottom, (lxw_format* f, uint8_t style), (f, style))
TELLVANE_ON_DEMAND(xlsxwriter, void, format_set_bg_color, (lxw_format* f, lxw_color_t color), (f, color))
TELLVANE_ON_DEMAND(xlsxwriter, void, format_set_num_format, (lxw_format* f, const char* pattern), (f, pattern))
TELLVANE_ON_DEMAND(xlsxwriter, char*, lxw_strerror, (lxw_error error), (error))
// clang-format on
