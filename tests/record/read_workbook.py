"""Reads a record workbook back with openpyxl and prints what a spreadsheet sees:
per sheet its name, frozen cell, and each cell of the first year row as
value|type|number format. Exit 1 when the file is not a workbook."""
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
for ws in book.worksheets:
    row = [f"{c.value}|{type(c.value).__name__}|{c.number_format}" for c in ws[3] if c.value is not None]
    print(ws.title, ws.freeze_panes, ws["A2"].value, ";".join(row), sep="\t")
