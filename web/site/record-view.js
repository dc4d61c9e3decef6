// The record view: the 流況表 of every station-kind of the files loaded, as the
// module lays it out (the table every format of `tellvane record` shows), drawn as
// HTML tables with a caption and headers for each column and row.
"use strict";

function recordCell(tag, text, attributes = {}) {
  const cell = document.createElement(tag);
  cell.textContent = text;
  for (const [name, value] of Object.entries(attributes)) cell.setAttribute(name, value);
  return cell;
}

// A row: its first cell heads it; a value's cell holds the number as data-value.
function recordRow(row, columns) {
  const tr = document.createElement("tr");
  tr.className = row.part;
  tr.append(recordCell("th", row.cells[0], { scope: "row" }));
  if (row.part === "note") {
    tr.append(recordCell("td", row.cells[1], { colspan: String(columns - 1) }));
    return tr;
  }
  row.cells.slice(1).forEach((text, i) => {
    const value = row.values[i + 1];
    tr.append(recordCell("td", text, value === null ? {} : { "data-value": String(value) }));
  });
  return tr;
}

function recordTableElement(t) {
  const table = document.createElement("table");
  table.className = "record";
  table.dataset.station = t.station;
  table.dataset.kind = t.kind;
  const head = document.createElement("thead");
  const tr = document.createElement("tr");
  tr.append(...t.headers.map((h) => recordCell("th", h, { scope: "col" })));
  head.append(tr);
  const years = document.createElement("tbody");
  const period = document.createElement("tbody");
  period.className = "period";
  for (const row of t.rows) (row.part === "year" ? years : period).append(recordRow(row, t.headers.length));
  table.append(recordCell("caption", t.title), head, years, period);
  // Wide tables scroll in a region the keyboard can reach.
  const region = document.createElement("div");
  region.className = "record-scroll";
  region.tabIndex = 0;
  region.setAttribute("role", "region");
  region.setAttribute("aria-label", t.title);
  region.append(table);
  return region;
}

// Shows the module's answer ({tables}) in the record section.
function showRecord(view) {
  $("record-tables").replaceChildren(...view.tables.map(recordTableElement));
  $("record").hidden = view.tables.length === 0;
}

// The file name of the record's CSV, as a user would name `tellvane record --out`.
function recordFileName(view, extension) {
  const stations = [...new Set(view.tables.map((t) => t.station))];
  return `${stations.length === 1 ? stations[0] + "_" : ""}record.${extension}`;
}

// The comparison chart's size in pixels, as `tellvane compare --size 800x500` draws it.
const COMPARE_SIZE = [800, 500];

// This year against the record for the station-kind of the annual chart, drawn by
// the module on its own canvas beside the tables: the year picked (0 for the last),
// or, with fewer than two years of the station-kind, a note in place of the canvas.
function showComparison(chart, station, kind, year) {
  const a = answer(chart.compare(station, kind, year, ...COMPARE_SIZE));
  const none = a.year === 0;
  $("compare-none").hidden = !none;
  $("compare-view").hidden = none;
  $("compare-year").disabled = none;
  fillSelect($("compare-year"), a.years.slice().reverse(), String);
  if (!none) $("compare-year").value = String(a.year);
  describeComparison(a);
  return a;
}

// The canvas named for what it shows, in the page's language.
function describeComparison(a) {
  if (!a || a.year === 0) return;
  const words = LABELS[language];
  $("compare").setAttribute("aria-label",
    `${a.kind === "discharge" ? words.dischargeCompare : words.levelCompare} ${a.station} ${a.year}`);
}
