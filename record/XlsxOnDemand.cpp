// The functions of libxlsxwriter the workbook uses, the library loaded when a
// workbook is first written rather than with every run of a host. It brings
// minizip and libcrypto along, and loading the three at start cost every run of
// the tool about 3 ms, more than reading a year of readings; few runs write a
// workbook. Written out rather than generated: the functions are few, and each
// definition is checked against the library's own declaration.
#include <dlfcn.h>
#include <xlsxwriter.h>

#include <stdexcept>
#include <string>

#include "record/XlsxOnDemand.h"

namespace tellvane {
namespace {

[[noreturn]] void unavailable(const std::string& what) {
    throw std::runtime_error("the workbook could not be written: " + what);
}

void* library() {
    static void* const handle = [] {
        void* opened = dlopen(kXlsxLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!opened) unavailable(dlerror());
        return opened;
    }();
    return handle;
}

// The library's own definition: looked up in the library, never in the process.
template <typename Function>
Function resolved(const char* name) {
    void* const found = dlsym(library(), name);
    if (!found) unavailable(std::string(kXlsxLibrary) + " has no " + name);
    return reinterpret_cast<Function>(found);
}

}  // namespace

void loadXlsxLibrary() { library(); }

}  // namespace tellvane

using tellvane::resolved;

// Each resolved once; a failure is thrown to the caller, and tried again next time.
#define TELLVANE_XLSX(name) static const auto real = resolved<decltype(&name)>(#name)

extern "C" {

lxw_workbook* workbook_new(const char* filename) {
    TELLVANE_XLSX(workbook_new);
    return real(filename);
}
lxw_worksheet* workbook_add_worksheet(lxw_workbook* workbook, const char* sheetname) {
    TELLVANE_XLSX(workbook_add_worksheet);
    return real(workbook, sheetname);
}
lxw_format* workbook_add_format(lxw_workbook* workbook) {
    TELLVANE_XLSX(workbook_add_format);
    return real(workbook);
}
lxw_error workbook_set_properties(lxw_workbook* workbook, lxw_doc_properties* properties) {
    TELLVANE_XLSX(workbook_set_properties);
    return real(workbook, properties);
}
lxw_error workbook_close(lxw_workbook* workbook) {
    TELLVANE_XLSX(workbook_close);
    return real(workbook);
}
lxw_error worksheet_write_number(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t col, double number,
                                 lxw_format* format) {
    TELLVANE_XLSX(worksheet_write_number);
    return real(worksheet, row, col, number, format);
}
lxw_error worksheet_write_string(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t col, const char* string,
                                 lxw_format* format) {
    TELLVANE_XLSX(worksheet_write_string);
    return real(worksheet, row, col, string, format);
}
lxw_error worksheet_write_datetime(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t col, lxw_datetime* datetime,
                                   lxw_format* format) {
    TELLVANE_XLSX(worksheet_write_datetime);
    return real(worksheet, row, col, datetime, format);
}
lxw_error worksheet_write_blank(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t col, lxw_format* format) {
    TELLVANE_XLSX(worksheet_write_blank);
    return real(worksheet, row, col, format);
}
lxw_error worksheet_set_column(lxw_worksheet* worksheet, lxw_col_t first_col, lxw_col_t last_col, double width,
                               lxw_format* format) {
    TELLVANE_XLSX(worksheet_set_column);
    return real(worksheet, first_col, last_col, width, format);
}
void worksheet_freeze_panes(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t col) {
    TELLVANE_XLSX(worksheet_freeze_panes);
    real(worksheet, row, col);
}
void format_set_bold(lxw_format* format) {
    TELLVANE_XLSX(format_set_bold);
    real(format);
}
void format_set_align(lxw_format* format, uint8_t alignment) {
    TELLVANE_XLSX(format_set_align);
    real(format, alignment);
}
void format_set_bottom(lxw_format* format, uint8_t style) {
    TELLVANE_XLSX(format_set_bottom);
    real(format, style);
}
void format_set_bg_color(lxw_format* format, lxw_color_t color) {
    TELLVANE_XLSX(format_set_bg_color);
    real(format, color);
}
void format_set_num_format(lxw_format* format, const char* num_format) {
    TELLVANE_XLSX(format_set_num_format);
    real(format, num_format);
}
char* lxw_strerror(lxw_error error_num) {
    TELLVANE_XLSX(lxw_strerror);
    return real(error_num);
}

}  // extern "C"
