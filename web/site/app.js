// The page: files in, choices, the chart drawn by the module on the canvas.
"use strict";

const $ = (id) => document.getElementById(id);
let language = "ja";
let chart = null;       // the module's chart
let stations = [];      // as the last good load listed them
let shown = null;       // the station-year drawn, with the request and the files that drew it
let files = null;       // the files the chart holds, as it read them
let record = null;      // their record view, as the module laid it out
let compared = null;    // the comparison drawn, as the module answered
const pages = new PlottedPages();

function say(text) {
  $("message").textContent = text || "";
}

function answer(json) {
  const a = JSON.parse(json);
  if (a.error) throw new Error(a.error);
  return a;
}

function fillSelect(select, values, labelOf) {
  select.replaceChildren(...values.map((v) => new Option(labelOf(v), v)));
}

// Reloads keep the station-year on screen when the new data still holds it.
function showStations(keep) {
  fillSelect($("station"), stations.map((s) => s.station), (no) => {
    const s = stations.find((x) => x.station === no);
    return s.name ? `${s.name} (${no})` : no;
  });
  if (keep && stations.some((s) => s.station === keep.station)) $("station").value = keep.station;
  showYears();
  if (keep && [...$("year").options].some((o) => o.value === String(keep.year))) $("year").value = String(keep.year);
}

function showYears() {
  const s = stations.find((x) => x.station === $("station").value);
  // A station with both kinds needs one chosen, as the command line's --kind.
  const both = Boolean(s && s.kinds.length > 1);
  $("kind").options[0].disabled = both;
  if (both && !$("kind").value) $("kind").value = s.kinds[0];
  const years = s ? s.years.slice().reverse() : [];
  fillSelect($("year"), years, String);
}

function draw() {
  const request = { station: $("station").value, year: Number($("year").value) || 0, kind: $("kind").value, limits: null };
  const a = answer(chart.choose(request.station, request.year, request.kind));
  const station = stations.find((s) => s.station === a.station);
  shown = { ...a, request, files, bothKinds: Boolean(station && station.kinds.length > 1) };
  $("max").value = a.max;
  $("min").value = a.min;
  showLimitProblems({ max: "", min: "" });
  $("warning").textContent = a.warning;
  describeChart();
  compared = showComparison(chart, a.station, a.kind, a.year);
  for (const id of ["save-png", "save-json", "save-pdf", "save-svg"]) $(id).disabled = false;
  return a;
}

// Reads the entries and, when every file is good, replaces the data and draws
// the first station's latest year; otherwise the chart stays as it was.
async function load(entries, catalogueEntry, keep) {
  try {
    say(LABELS[language].loading);
    const data = await readEntries(entries);
    let catalogue = { names: [""], texts: [""] };
    if (catalogueEntry) catalogue = await readEntries([catalogueEntry]);
    const names = new Module.StringList();
    const texts = new Module.StringList();
    data.names.forEach((n) => names.push_back(n));
    data.texts.forEach((t) => texts.push_back(t));
    let a;
    try {
      a = answer(chart.load(names, texts, catalogue.names[0], catalogue.texts[0]));
    } finally {
      names.delete();
      texts.delete();
    }
    files = { names: data.names, texts: data.texts, catalogueName: catalogue.names[0], catalogueText: catalogue.texts[0] };
    stations = a.stations;
    record = answer(chart.record());
    showRecord(record);
    showStations(keep);
    draw();
    dataEntries = entries;
    say("");
  } catch (e) {
    say(e.message);
  }
}

let catalogueEntry = null;
let dataEntries = null;  // the data files of the last good load, read again with a catalogue picked later

// The limits as the user typed them, refused beside their fields or applied.
function applyLimits() {
  try {
    const limits = { max: $("max").value, min: $("min").value };
    const problems = JSON.parse(chart.checkLimits(limits.max, limits.min));
    showLimitProblems(problems);
    if (problems.max || problems.min) return;
    const a = answer(chart.setLimits(limits.max, limits.min));
    if (shown) shown.request.limits = limits;  // the plotted page is asked for the same
    $("max").value = a.max;
    $("min").value = a.min;
    describeChart();
    say("");
  } catch (e) {
    say(e.message);
  }
}

const LIMIT_PROBLEMS = { "not a number": "notNumber", "too large": "tooLarge", "not above the lower limit": "notAbove" };

function showLimitProblems(problems) {
  for (const field of ["max", "min"]) {
    const problem = problems[field] ? LABELS[language][LIMIT_PROBLEMS[problems[field]]] || problems[field] : "";
    $(`${field}-problem`).textContent = problem;
    $(field).setAttribute("aria-invalid", problem ? "true" : "false");
  }
}

// The canvas named for what it shows, with the year's numbers as a table beside it.
function describeChart() {
  if (!shown) return;
  const words = LABELS[language];
  const title = `${shown.kind === "discharge" ? words.dischargeChart : words.levelChart} ${shown.station} ${shown.year}`;
  $("chart").setAttribute("aria-label", title);
  const stats = JSON.parse(chart.stats());
  if (stats.error) return;
  const cell = (tag, text) => Object.assign(document.createElement(tag), { textContent: text ?? "" });
  const row = (head, values) => {
    const tr = document.createElement("tr");
    tr.append(cell("th", head), ...values.map((v) => cell("td", v)));
    return tr;
  };
  $("values-caption").textContent = title;
  const ranks = words.ranks.map((name, i) => row(name, [stats.stats[i] === null ? "" : Number(stats.stats[i]).toFixed(2)]));
  const months = Array.from({ length: 12 }, (_, m) => `${m + 1}${words.month}`);
  const days = Array.from({ length: 31 }, (_, d) => row(`${d + 1}${words.day}`, stats.days.map((month) => month[d])));
  $("values-stats").replaceChildren(...ranks);
  $("values-days").replaceChildren(row("", months), ...days);
}

function choose() {
  try {
    draw();
    say("");
  } catch (e) {
    say(e.message);
  }
}

function setUp() {
  $("data-files").addEventListener("change", (e) => load(inputEntries(e.target), catalogueEntry));
  $("data-folder").addEventListener("change", (e) => {
    try {
      load(inputEntries(e.target), catalogueEntry);
    } catch (err) {
      say(err.message);
    }
  });
  $("catalogue").addEventListener("change", (e) => {
    const f = e.target.files[0];
    catalogueEntry = f ? { name: f.name, file: f } : null;
    // Picked after the data, it names the stations at once.
    if (dataEntries) load(dataEntries, catalogueEntry, shown && { station: shown.station, year: shown.year });
  });
  const drop = $("drop");
  drop.addEventListener("dragover", (e) => { e.preventDefault(); drop.classList.add("over"); });
  drop.addEventListener("dragleave", () => drop.classList.remove("over"));
  drop.addEventListener("drop", async (e) => {
    e.preventDefault();
    drop.classList.remove("over");
    try {
      load(await droppedEntries(e.dataTransfer.items), catalogueEntry);
    } catch (err) {
      say(err.message);
    }
  });
  $("station").addEventListener("change", () => { showYears(); choose(); });
  $("year").addEventListener("change", choose);
  $("compare-year").addEventListener("change", () => {
    try {
      compared = showComparison(chart, shown.station, shown.kind, Number($("compare-year").value));
      say("");
    } catch (e) {
      say(e.message);
    }
  });
  $("kind").addEventListener("change", choose);
  $("apply").addEventListener("click", applyLimits);
  for (const id of ["max", "min"])
    $(id).addEventListener("keydown", (e) => { if (e.key === "Enter") applyLimits(); });
  $("save-png").addEventListener("click", () => {
    canvas.picture().toBlob((blob) => download(blob, `${fileStem()}.png`), "image/png");
  });
  $("save-json").addEventListener("click", () => {
    try {
      download(new Blob([statsText()], { type: "application/json" }), `${fileStem()}.json`);
    } catch (e) {
      say(e.message);
    }
  });
  $("save-record-csv").addEventListener("click", () => {
    try {
      answer(chart.recordCsv());
      const bytes = chart.recordCsvBytes().slice();  // a view of the module's memory until the next call
      download(new Blob([bytes], { type: "text/csv" }), recordFileName(record, "csv"));
    } catch (e) {
      say(e.message);
    }
  });
  $("save-book").addEventListener("click", () => saveFromPages(() => pages.book(files), "book.pdf"));
  $("save-record-xlsx").addEventListener("click", () =>
    saveFromPages(() => pages.workbook(files), recordFileName(record, "xlsx")));
  $("save-pdf").addEventListener("click", () => savePage("pdf"));
  $("save-svg").addEventListener("click", () => savePage("svg"));
  $("language").addEventListener("click", () => {
    language = language === "ja" ? "en" : "ja";
    applyLabels(language);
    describeComparison(compared);
  });
  new ResizeObserver(() => resize()).observe($("chart-area"));
}

// The chart's files are named as the command line's batch names them: NO_YYYY, or
// NO_YYYY_level and NO_YYYY_discharge when the data holds both kinds for the
// station, so that neither download replaces the other.
function fileStem() {
  return `${shown.station}_${shown.year}${shown.bothKinds ? "_" + shown.kind : ""}`;
}

// The year's numbers as `tellvane stats` prints them, line end included.
function statsText() {
  const text = chart.stats();
  answer(text.startsWith('{"error"') ? text : "{}");
  return text + "\n";
}

// The plotted page of the chart on screen as a Blob, "pdf" or "svg".
function plottedPage(format) {
  return pages.write(format, shown.files, { ...shown.request, width: canvas.width, height: canvas.height });
}

// The plotted page downloaded.
async function savePage(format) {
  if (!shown) return;
  const stem = fileStem();
  try {
    say(LABELS[language].writing);
    const blob = await plottedPage(format);
    download(blob, `${stem}.${format}`);
    say("");
  } catch (e) {
    say(e.message);
  }
}

// A file of the files loaded that the plotted page's module writes: the yearbook as
// `tellvane book` writes it, or the record's workbook.
async function saveFromPages(write, name) {
  if (!files) return;
  try {
    say(LABELS[language].writing);
    download(await write(), name);
    say("");
  } catch (e) {
    say(e.message);
  }
}

function resize() {
  const area = $("chart-area");
  const a = JSON.parse(chart.resize(area.clientWidth, area.clientHeight));
  if (a.error) say(a.error);
}

function download(blob, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

let Module = null;
const canvas = new ChartCanvas($("chart"));
const compareCanvas = new ChartCanvas($("compare"));
// Ready once the module runs and the font is in: texts measured before it would
// be measured in another face.
window.tellvaneReady = Promise.all([
  createTellvane({ chartCanvas: canvas, compareCanvas }).then((m) => (performance.mark("tellvane-module"), m)),
  document.fonts.load("16px IPAGothicWeb", "日").then(() => performance.mark("tellvane-font")),
]).then(([module]) => {
  Module = module;
  chart = new Module.Chart();
  setUp();
  resize();
  window.tellvanePage = { chart, canvas, statsText, plottedPage, recordView: () => record, compareCanvas,
    drawComparison: (year) => showComparison(chart, shown.station, shown.kind, year) };
});
